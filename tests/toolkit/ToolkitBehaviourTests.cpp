// One table of toolkit behaviours, compiled into the headless and the Qt test binaries, so that
// the tests of the other parts of the program (headless) and the screen behave the same.

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "ToolkitDriver.h"
#include "platform/codepage/Codepage.h"
#include "TestWindow.h"

namespace cinevora::test {
namespace {

class ToolkitBehaviour : public ::testing::Test {
 protected:
  void SetUp() override {
    driver = MakeToolkitDriver();
    definition = TestWindowDefinition(created, [this] {
      destroyed.push_back(kWindow);
      loadedWhileDestroyed += tk().IsWindowLoaded(kWindow) ? 1 : 0;
    });
    tk().LoadWindow(definition);
  }
  void TearDown() override {
    // Workers of a failed test must not outlive the toolkit they write to.
    ASSERT_TRUE(driver->WaitUntil([&] { return workers == 0; }));
  }
  Toolkit& tk() { return driver->toolkit(); }

  // Runs `routine` on a worker started through the toolkit.
  void OnWorker(std::function<void()> routine) {
    ++workers;
    tk().StartThread([this, routine = std::move(routine)] {
      routine();
      --workers;
    });
  }

  std::unique_ptr<ToolkitDriver> driver;
  std::atomic<int> created{0};
  std::atomic<int> workers{0};
  std::vector<std::string> destroyed;  // onDestroy runs on the UI thread only
  int loadedWhileDestroyed = 0;
  WindowDefinition definition;
};

TEST_F(ToolkitBehaviour, ListOperationsFromAWorkerKeepRowOrderAndExactBytes) {
  const Text odd = "\x81\x40 x \xFF";  // a GBK pair, a blank, a byte no code page maps
  std::vector<int> indexes;
  std::vector<Text> readBack;
  int selectionBefore = 0;
  OnWorker([&] {
    tk().ListDeleteAllRows(kWindow, kList);
    for (int i = 0; i < 3; ++i) {
      indexes.push_back(tk().ListAppendRow(kWindow, kList));
      tk().ListSetCell(kWindow, kList, i, 0, Gbk("标题") + std::to_string(i));
      tk().ListSetCell(kWindow, kList, i, 2, odd);
    }
    tk().ListSetCell(kWindow, kList, 3, 0, "no such row");
    tk().ListSetCell(kWindow, kList, 0, 3, "no such column");
    selectionBefore = tk().ListSelection(kWindow, kList);
    for (int i = 0; i < 3; ++i) readBack.push_back(tk().ListGetCell(kWindow, kList, i, 0));
  });
  ASSERT_TRUE(driver->WaitUntil([&] { return workers == 0; }));

  EXPECT_EQ(indexes, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(readBack, (std::vector<Text>{Gbk("标题0"), Gbk("标题1"), Gbk("标题2")}));
  EXPECT_EQ(selectionBefore, -1);
  EXPECT_EQ(tk().ListRowCount(kWindow, kList), 3);
  EXPECT_EQ(tk().ListGetCell(kWindow, kList, 1, 2), odd);
  EXPECT_EQ(tk().ListGetCell(kWindow, kList, 1, 1), "");
  EXPECT_EQ(tk().ListGetCell(kWindow, kList, 3, 0), "");
  EXPECT_EQ(tk().ListGetCell(kWindow, kList, 0, 3), "");

  tk().ListSelect(kWindow, kList, 1);
  EXPECT_EQ(tk().ListSelection(kWindow, kList), 1);
  tk().ListSelect(kWindow, kList, 7);  // no such row: the selection stays
  EXPECT_EQ(tk().ListSelection(kWindow, kList), 1);
  tk().ListDeleteAllRows(kWindow, kList);
  EXPECT_EQ(tk().ListRowCount(kWindow, kList), 0);
  EXPECT_EQ(tk().ListSelection(kWindow, kList), -1);
  EXPECT_EQ(tk().ListAppendRow(kWindow, kList), 0);
}

TEST_F(ToolkitBehaviour, ListColoursStartFromTheDefinitionAndFollowWrites) {
  EXPECT_EQ(tk().GetListTextColour(kWindow, kList), kBlack);
  EXPECT_EQ(tk().GetListTextBackgroundColour(kWindow, kList), kWhite);
  EXPECT_EQ(tk().GetListBackgroundColour(kWindow, kList), kWhite);
  OnWorker([&] {
    tk().SetListTextColour(kWindow, kList, kWhite);
    tk().SetListTextBackgroundColour(kWindow, kList, Rgb(0, 163, 0));
    tk().SetListBackgroundColour(kWindow, kList, Rgb(12, 100, 233));
  });
  ASSERT_TRUE(driver->WaitUntil([&] { return workers == 0; }));
  EXPECT_EQ(tk().GetListTextColour(kWindow, kList), kWhite);
  EXPECT_EQ(tk().GetListTextBackgroundColour(kWindow, kList), Rgb(0, 163, 0));
  EXPECT_EQ(tk().GetListBackgroundColour(kWindow, kList), Rgb(12, 100, 233));
}

TEST_F(ToolkitBehaviour, LabelFontFaceTakesOneToThirtyOneBytes) {
  const struct {
    Text written;
    Text expected;
  } cases[] = {
      {"Setup", "Setup"},
      {"S", "S"},
      {Text(31, 'f'), Text(31, 'f')},
      {Text(32, 'f'), Gbk("宋体")},
      {"", Gbk("宋体")},
      {Gbk("微软雅黑"), Gbk("微软雅黑")},
  };
  for (const auto& c : cases) {
    tk().SetFontFace(kWindow, kLabel, c.written);
    EXPECT_EQ(tk().GetFontFace(kWindow, kLabel), c.expected) << c.written.size() << " bytes";
  }
}

TEST_F(ToolkitBehaviour, LabelCaptionAndVisibility) {
  EXPECT_EQ(tk().GetCaption(kWindow, kLabel), Gbk("标签"));
  EXPECT_FALSE(tk().IsVisible(kWindow, kLabel));
  tk().SetCaption(kWindow, kLabel, " ");
  tk().SetVisible(kWindow, kLabel, true);
  EXPECT_EQ(tk().GetCaption(kWindow, kLabel), " ");
  EXPECT_TRUE(tk().IsVisible(kWindow, kLabel));
  EXPECT_EQ(tk().GetCaption(kWindow, kButton), Gbk("播放"));
}

TEST_F(ToolkitBehaviour, TimerPeriodRules) {
  EXPECT_EQ(tk().GetTimerPeriod(kWindow, kRunningTimer), 30);
  EXPECT_EQ(tk().GetTimerPeriod(kWindow, kStoppedTimer), 0);
  EXPECT_TRUE(driver->TimerFires(kWindow, kRunningTimer));
  EXPECT_FALSE(driver->TimerFires(kWindow, kStoppedTimer));

  const long token = driver->TimerStartToken(kWindow, kRunningTimer);
  tk().SetTimerPeriod(kWindow, kRunningTimer, 30);  // the same period: not restarted
  EXPECT_EQ(driver->TimerStartToken(kWindow, kRunningTimer), token);
  tk().SetTimerPeriod(kWindow, kRunningTimer, 40);  // another period: restarted
  EXPECT_NE(driver->TimerStartToken(kWindow, kRunningTimer), token);
  EXPECT_EQ(tk().GetTimerPeriod(kWindow, kRunningTimer), 40);

  tk().SetTimerPeriod(kWindow, kRunningTimer, 0);
  EXPECT_EQ(tk().GetTimerPeriod(kWindow, kRunningTimer), 0);
  EXPECT_FALSE(driver->TimerFires(kWindow, kRunningTimer));

  tk().SetTimerPeriod(kWindow, kStoppedTimer, -5);  // never a running timer
  EXPECT_EQ(tk().GetTimerPeriod(kWindow, kStoppedTimer), 0);
  EXPECT_FALSE(driver->TimerFires(kWindow, kStoppedTimer));
  tk().SetTimerPeriod(kWindow, kStoppedTimer, 10);
  EXPECT_TRUE(driver->TimerFires(kWindow, kStoppedTimer));
}

TEST_F(ToolkitBehaviour, PictureBytesComeBackExactly) {
  const Bytes bitmap = TinyBitmap();
  const Bytes notAPicture = {'J', 'F', 0, 0xFF, 0xD8, 0, 'x'};
  const Bytes truncated(bitmap.begin(), bitmap.begin() + 40);
  for (const Bytes& bytes : {bitmap, notAPicture, truncated, Bytes()}) {
    tk().SetPicture(kWindow, kPicture, bytes);
    driver->Draw(kWindow);
    EXPECT_EQ(tk().GetPicture(kWindow, kPicture), bytes);
  }
}

TEST_F(ToolkitBehaviour, EditBoxAppendKeepsEveryByte) {
  EXPECT_EQ(tk().GetEditText(kWindow, kLinks), "");
  tk().AppendEditText(kWindow, kLinks, Gbk("下载地址1： a\r"));  // CR LF split over two appends
  tk().AppendEditText(kWindow, kLinks, "\n");
  tk().AppendEditText(kWindow, kLinks, Gbk("下载地址2： b\r\n"));
  EXPECT_EQ(tk().GetEditText(kWindow, kLinks), Gbk("下载地址1： a\r\n下载地址2： b\r\n"));
  tk().SetEditText(kWindow, kLinks, Gbk("下载地址： thunder://"));
  EXPECT_EQ(tk().GetEditText(kWindow, kLinks), Gbk("下载地址： thunder://"));

  EXPECT_EQ(tk().GetEditText(kWindow, kLinkBox), Gbk("请在此输入视频链接"));
  tk().AppendEditText(kWindow, kLinkBox, "magnet:?xt");
  EXPECT_EQ(tk().GetEditText(kWindow, kLinkBox), Gbk("请在此输入视频链接") + "magnet:?xt");
}

TEST_F(ToolkitBehaviour, MessageBoxOnTheUiThreadReturnsThePressedButton) {
  driver->AnswerNextUiBox(MB_RESULT_YES);
  EXPECT_EQ(tk().MessageBox(Gbk("是否下载最新版本？"), MB_STYLE_YES_NO_QUESTION), MB_RESULT_YES);
  driver->AnswerNextUiBox(MB_RESULT_NO);
  EXPECT_EQ(tk().MessageBox(Gbk("是否下载最新版本？"), MB_STYLE_YES_NO_QUESTION), MB_RESULT_NO);
  driver->AnswerNextUiBox(MB_RESULT_OK);
  EXPECT_EQ(tk().MessageBox(Gbk("请输入正确的视频链接"), MB_STYLE_OK), MB_RESULT_OK);
}

TEST_F(ToolkitBehaviour, MessageBoxFromAWorkerBlocksOnlyThatWorker) {
  driver->HoldWorkerBoxes();
  std::atomic<int> answer{-1};
  OnWorker([&] { answer = tk().MessageBox(Gbk("双击电影可以查看详情"), MB_STYLE_OK_INFORMATION); });
  ASSERT_TRUE(driver->AnswerWaitingBox(MB_RESULT_OK));
  EXPECT_TRUE(driver->WaitUntil([&] { return answer == MB_RESULT_OK; }));

  answer = -1;
  OnWorker([&] { answer = tk().MessageBox(Gbk("继续？"), MB_STYLE_YES_NO_QUESTION); });
  // While the worker waits, the UI thread keeps working and the worker stays blocked.
  tk().SetCaption(kWindow, kLabel, Gbk("正在获取电影信息"));
  EXPECT_EQ(tk().GetCaption(kWindow, kLabel), Gbk("正在获取电影信息"));
  EXPECT_TRUE(driver->TimerFires(kWindow, kRunningTimer));
  EXPECT_EQ(answer, -1);
  ASSERT_TRUE(driver->AnswerWaitingBox(MB_RESULT_NO));
  EXPECT_TRUE(driver->WaitUntil([&] { return answer == MB_RESULT_NO; }));
}

TEST_F(ToolkitBehaviour, LoadingALoadedWindowRaisesItInsteadOfDuplicating) {
  EXPECT_EQ(created, 1);
  tk().SetWindowTitle(kWindow, Gbk("第一部电影"));
  tk().LoadWindow(definition);
  EXPECT_EQ(created, 1);
  EXPECT_EQ(driver->WindowCount(kWindow), 1);
  EXPECT_EQ(tk().GetWindowTitle(kWindow), Gbk("第一部电影"));

  OnWorker([&] { tk().LoadWindow(definition); });
  ASSERT_TRUE(driver->WaitUntil([&] { return workers == 0; }));
  EXPECT_EQ(created, 1);
  EXPECT_EQ(driver->WindowCount(kWindow), 1);
}

TEST_F(ToolkitBehaviour, TheLoopEndsWithTheLastWindow) {
  WindowDefinition second = TestWindowDefinition(created, [&] { destroyed.push_back("SecondWindow"); });
  second.name = "SecondWindow";
  tk().LoadWindow(second);
  EXPECT_EQ(driver->RunLoopWhileUserCloses({kWindow, "SecondWindow"}), 0);
  // Each window says goodbye while it is still loaded, and the loop outlived the first close.
  EXPECT_EQ(destroyed, (std::vector<std::string>{kWindow, "SecondWindow"}));
  EXPECT_EQ(loadedWhileDestroyed, 1);
  EXPECT_FALSE(tk().IsWindowLoaded(kWindow));
  EXPECT_FALSE(tk().IsWindowLoaded("SecondWindow"));
}

TEST_F(ToolkitBehaviour, ClosingAWindowFromItsOwnGoodbyeSaysItOnce) {
  int goodbyes = 0;
  WindowDefinition second = TestWindowDefinition(created, [&] {
    ++goodbyes;
    driver->CloseWindow("SecondWindow");
  });
  second.name = "SecondWindow";
  tk().LoadWindow(second);
  EXPECT_TRUE(driver->CloseWindow("SecondWindow"));
  EXPECT_EQ(goodbyes, 1);
  EXPECT_FALSE(tk().IsWindowLoaded("SecondWindow"));
  EXPECT_TRUE(tk().IsWindowLoaded(kWindow));
  EXPECT_FALSE(driver->CloseWindow("SecondWindow"));
}

TEST_F(ToolkitBehaviour, AWindowThatIsNotLoadedGivesEmptyValues) {
  const std::string gone = "PlayerWindow";
  tk().SetCaption(gone, kLabel, "x");
  tk().SetPicture(gone, kPicture, {1, 2});
  tk().SetTimerPeriod(gone, kRunningTimer, 30);
  EXPECT_EQ(tk().GetCaption(gone, kLabel), "");
  EXPECT_EQ(tk().GetWindowTitle(gone), "");
  EXPECT_EQ(tk().GetPicture(gone, kPicture), Bytes());
  EXPECT_EQ(tk().GetTimerPeriod(gone, kRunningTimer), 0);
  EXPECT_EQ(tk().ListAppendRow(gone, kList), -1);
  EXPECT_EQ(tk().ListSelection(gone, kList), -1);
  EXPECT_EQ(tk().ListRowCount(gone, kList), 0);
  EXPECT_FALSE(tk().IsVisible(gone, kLabel));
  // Nor does a control of another kind answer for the one asked for.
  EXPECT_EQ(tk().ListAppendRow(kWindow, kLabel), -1);
  EXPECT_EQ(tk().GetCaption(kWindow, "没有这个控件"), "");
}

}  // namespace
}  // namespace cinevora::test
