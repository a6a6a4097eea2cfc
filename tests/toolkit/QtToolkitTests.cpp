// What only the screen toolkit shows: layout, colours and fonts on real widgets, message-box
// modality, the threads' hand-over to the UI thread, and ending the process.

#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTest>
#include <QThread>
#include <QTreeWidget>
#include <atomic>
#include <thread>

#include "QtDriver.h"
#include "TestWindow.h"
#include "platform/toolkit/QtText.h"

extern char** environ;

namespace cinevora::test {
namespace {

class QtToolkitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    definition = TestWindowDefinition(created, {});
    tk.LoadWindow(definition);
    window = tk.WindowWidget(kWindow);
    ASSERT_NE(window, nullptr);
  }
  template <typename W>
  W* Widget(const std::string& control) {
    return qobject_cast<W*>(tk.ControlWidget(kWindow, control));
  }
  // The colour drawn at a point of the window.
  Colour PixelAt(QPoint point) {
    const QColor c = window->grab().toImage().pixelColor(point);
    return Rgb(c.red(), c.green(), c.blue());
  }

  QtDriver driver;
  QtToolkit& tk = driver.qt();
  std::atomic<int> created{0};
  WindowDefinition definition;
  QWidget* window = nullptr;
};

TEST_F(QtToolkitTest, WindowGeometryIsTheClientAreaOfTheOuterSize) {
  EXPECT_EQ(window->size(), QSize(400, 300));  // 406 x 328 minus the 6 x 28 frame
  EXPECT_EQ(window->minimumSize(), window->maximumSize());  // fixed border
  EXPECT_EQ(window->windowTitle(), QStringLiteral(u"测试窗口"));
  EXPECT_EQ(window->parentWidget(), nullptr);
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_NEAR(window->frameGeometry().center().x(), screen.center().x(), 10);  // -1: centred

  WindowDefinition placed = TestWindowDefinition(created, {});
  placed.name = "PlayerWindow";
  placed.left = placed.top = 50;
  placed.fixedBorder = false;
  tk.LoadWindow(placed);
  QWidget* player = tk.WindowWidget("PlayerWindow");
  EXPECT_EQ(player->pos(), QPoint(50, 50));
  EXPECT_NE(player->minimumSize(), player->maximumSize());

  QWidget* label = tk.ControlWidget(kWindow, kLabel);
  EXPECT_EQ(label->parentWidget(), tk.ControlWidget(kWindow, kPicture));
  EXPECT_EQ(label->geometry(), QRect(8, 8, 160, 24));
  EXPECT_EQ(tk.ControlWidget(kWindow, kList)->geometry(), QRect(0, 184, 400, 116));
}

TEST_F(QtToolkitTest, TheCreationEventRunsBeforeTheWindowIsShown) {
  WindowDefinition later = TestWindowDefinition(created, {});
  later.name = "DetailsWindow";
  bool visibleDuringCreation = true;
  later.onCreate = [&] { visibleDuringCreation = tk.WindowWidget("DetailsWindow")->isVisible(); };
  tk.LoadWindow(later);
  EXPECT_FALSE(visibleDuringCreation);
  EXPECT_TRUE(tk.WindowWidget("DetailsWindow")->isVisible());
  EXPECT_TRUE(window->isVisible());
}

TEST_F(QtToolkitTest, ColoursOnScreen) {
  tk.SetVisible(kWindow, kLabel, true);
  Widget<QLineEdit>(kLinkBox)->setFocus();
  driver.WaitUntil([&] { return Widget<QLineEdit>(kLinkBox)->hasFocus(); }, 500ms);
  EXPECT_EQ(PixelAt({160, 28}), Rgb(8, 168, 218));    // the label's background, inside the picture box
  EXPECT_EQ(PixelAt({395, 92}), Rgb(149, 215, 241));  // the button, mouse outside
  Widget<QPushButton>(kButton)->setFocus();
  ASSERT_TRUE(driver.WaitUntil([&] { return Widget<QPushButton>(kButton)->hasFocus(); }, 2s));
  EXPECT_EQ(PixelAt({395, 92}), Rgb(111, 202, 236));  // focused
  QTest::mouseMove(Widget<QPushButton>(kButton));
  ASSERT_TRUE(driver.WaitUntil([&] { return Widget<QPushButton>(kButton)->underMouse(); }, 2s));
  EXPECT_EQ(PixelAt({395, 92}), Rgb(128, 207, 238));  // the mouse over it wins over the focus

  tk.SetListBackgroundColour(kWindow, kList, Rgb(0, 163, 0));
  tk.SetListTextBackgroundColour(kWindow, kList, Rgb(12, 100, 233));
  tk.ListSetCell(kWindow, kList, tk.ListAppendRow(kWindow, kList), 0, "x");
  EXPECT_EQ(PixelAt({200, 260}), Rgb(0, 163, 0));     // below the rows
  EXPECT_EQ(PixelAt({250, 192}), Rgb(12, 100, 233));  // the first row, beside its text
}

// The list draws its cells itself (to keep their text laid out between repaints); it must look
// exactly as the style's own cells: colours, the ellipsis of a title too wide for its column,
// the selected row, the empty address column.
TEST_F(QtToolkitTest, ListCellsLookAsTheStyleDrawsThem) {
  tk.SetListBackgroundColour(kWindow, kList, Rgb(0, 163, 0));
  tk.SetListTextBackgroundColour(kWindow, kList, Rgb(12, 100, 233));
  tk.SetListTextColour(kWindow, kList, kWhite);
  tk.ListAppendRows(kWindow, kList,
                    {{Gbk("1925年美国喜剧片《淘金记》BD高清中英双字幕，流浪汉在冰天雪地里寻找金矿"), "2026-12-01", "/a"},
                     {Gbk("日出"), "2026-12-02", "/b"},
                     {"The General (1926) Buster Keaton", Gbk("十二月"), "/c"}});
  tk.ListSelect(kWindow, kList, 1);
  auto* list = Widget<QTreeWidget>(kList);
  QAbstractItemDelegate* painter = list->itemDelegate();
  QStyledItemDelegate styles;
  const auto looksAsTheStylesCells = [&] {
    const QImage ours = list->grab().toImage();
    list->setItemDelegate(&styles);
    const QImage theStyles = list->grab().toImage();
    list->setItemDelegate(painter);
    return ours == theStyles;
  };
  EXPECT_TRUE(looksAsTheStylesCells());
  // Cells already drawn take the new colours and the new selection.
  tk.SetListTextBackgroundColour(kWindow, kList, Rgb(218, 84, 45));
  tk.ListSelect(kWindow, kList, 2);
  EXPECT_TRUE(looksAsTheStylesCells());
  tk.SetListTextColour(kWindow, kList, kBlack);
  EXPECT_TRUE(looksAsTheStylesCells());
}

TEST_F(QtToolkitTest, FontsKeepTheirAttributesWhenTheFaceChanges) {
  auto* label = Widget<QLabel>(kLabel);
  EXPECT_EQ(label->font().pixelSize(), 16);
  EXPECT_EQ(label->font().weight(), QFont::Bold);
  EXPECT_EQ(QFontInfo(label->font()).family(), QStringLiteral("WenQuanYi Micro Hei"));  // 微软雅黑
  tk.SetFontFace(kWindow, kLabel, "Setup");
  EXPECT_EQ(label->font().family(), QStringLiteral("Setup"));
  EXPECT_EQ(label->font().pixelSize(), 16);
  EXPECT_EQ(label->font().weight(), QFont::Bold);
  tk.SetFontFace(kWindow, kLabel, Text(32, 'x'));
  EXPECT_EQ(QFontInfo(label->font()).family(), QStringLiteral("WenQuanYi Micro Hei"));  // 宋体
}

TEST_F(QtToolkitTest, PicturesDrawStretchedOrAtTheirOwnSizeAndJunkDrawsNothing) {
  tk.SetPicture(kWindow, kPicture, TinyBitmap());  // 2 x 2 stretched over 400 x 60
  EXPECT_EQ(PixelAt({10, 10}), Rgb(255, 0, 0));
  EXPECT_EQ(PixelAt({390, 10}), Rgb(0, 255, 0));
  EXPECT_EQ(PixelAt({10, 50}), Rgb(0, 0, 255));
  EXPECT_EQ(PixelAt({390, 50}), kWhite);
  tk.SetPicture(kWindow, kPicture, {'G', 'I', 'F', '8', '9', 'a', 0xFF});
  EXPECT_EQ(PixelAt({10, 10}), kWhite);  // the window shows through

  WindowDefinition badge = TestWindowDefinition(created, {});
  badge.name = "Badge";
  badge.controls.resize(1);
  badge.controls[0].pictureFit = PictureFit::ActualSize;
  badge.controls[0].picture = TinyBitmap();
  tk.LoadWindow(badge);
  const QImage drawn = tk.WindowWidget("Badge")->grab().toImage();
  EXPECT_EQ(drawn.pixelColor(0, 0), QColor(255, 0, 0));
  EXPECT_EQ(drawn.pixelColor(1, 1), QColor(255, 255, 255));
  EXPECT_EQ(drawn.pixelColor(10, 10), QColor(255, 255, 255));
}

TEST_F(QtToolkitTest, EditBoxesShowLineBreaksAndScrollToTheEnd) {
  auto* links = Widget<QPlainTextEdit>(kLinks);
  ASSERT_NE(links, nullptr);
  EXPECT_TRUE(links->isReadOnly());
  EXPECT_EQ(links->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  for (int i = 1; i <= 30; ++i) tk.AppendEditText(kWindow, kLinks, Gbk("下载地址") + std::to_string(i) + "\r\n");
  EXPECT_TRUE(links->toPlainText().startsWith(QStringLiteral(u"下载地址1\n下载地址2\n")));
  EXPECT_GT(links->verticalScrollBar()->value(), 0);
  EXPECT_TRUE(links->viewport()->rect().contains(links->cursorRect()));  // the caret, at the end, in view
  EXPECT_TRUE(links->textCursor().atEnd());

  // Only CR LF breaks a line: the description's "<br />" lines end in CR LF LF and stay single-spaced,
  // while the box gives back the exact bytes.
  const Text description = "A\r\n\nB\rC\nD\r\n";
  tk.SetEditText(kWindow, kLinks, description);
  EXPECT_EQ(links->toPlainText(), QStringLiteral("A\nBCD\n"));
  EXPECT_EQ(tk.GetEditText(kWindow, kLinks), description);

  // What the user typed into an editable box is what the program reads.
  auto* linkBox = Widget<QLineEdit>(kLinkBox);
  linkBox->clear();
  QTest::keyClicks(linkBox, QStringLiteral("magnet:?xt="));
  linkBox->insert(QStringLiteral(u"链接"));  // as an input method commits it
  EXPECT_EQ(tk.GetEditText(kWindow, kLinkBox), Gbk("magnet:?xt=链接"));
  tk.AppendEditText(kWindow, kLinkBox, "&dn");
  EXPECT_EQ(tk.GetEditText(kWindow, kLinkBox), Gbk("magnet:?xt=链接&dn"));
}

TEST_F(QtToolkitTest, TheListIsAReportWithHiddenHeaderAndColumnsOfZeroWidth) {
  auto* list = Widget<QTreeWidget>(kList);
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(list->isHeaderHidden());
  EXPECT_EQ(list->columnWidth(0), 300);
  EXPECT_EQ(list->columnWidth(1), 100);
  EXPECT_EQ(list->columnWidth(2), 0);
  EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
  EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);

  int doubleClicks = 0;
  WindowDefinition clickable = TestWindowDefinition(created, {});
  clickable.name = "Clickable";
  for (auto& c : clickable.controls) {
    if (c.name == kList) c.onDoubleClick = [&] { ++doubleClicks; };
  }
  tk.LoadWindow(clickable);
  tk.ListSetCell("Clickable", kList, tk.ListAppendRow("Clickable", kList), 0, Gbk("标题"));
  auto* other = qobject_cast<QTreeWidget*>(tk.ControlWidget("Clickable", kList));
  const QRect row = other->visualItemRect(other->topLevelItem(0));
  QTest::mouseClick(other->viewport(), Qt::LeftButton, {}, row.center());
  QTest::mouseDClick(other->viewport(), Qt::LeftButton, {}, row.center());
  EXPECT_EQ(doubleClicks, 1);
  EXPECT_EQ(tk.ListSelection("Clickable", kList), 0);
}

TEST_F(QtToolkitTest, UiThreadBoxIsModalForTheProgramAndWorkerBoxIsNot) {
  QMessageBox* seen = nullptr;
  bool modal = false;
  QTimer::singleShot(10, [&] {
    seen = tk.ShownMessageBox();
    modal = QApplication::activeModalWidget() == seen;
    driver.AnswerNextUiBox(MB_RESULT_NO);
  });
  EXPECT_EQ(tk.MessageBox(Gbk("是否下载最新版本？"), MB_STYLE_YES_NO_QUESTION), MB_RESULT_NO);
  ASSERT_NE(seen, nullptr);
  EXPECT_TRUE(modal);

  std::atomic<int> answer{-1};
  int clicks = 0;
  WindowDefinition clickable = TestWindowDefinition(created, {});
  clickable.name = "Clickable";
  for (auto& c : clickable.controls) {
    if (c.name == kButton) c.onClick = [&] { ++clicks; };
  }
  tk.LoadWindow(clickable);
  tk.StartThread([&] { answer = tk.MessageBox(Gbk("双击电影可以查看详情"), MB_STYLE_OK_INFORMATION); });
  ASSERT_TRUE(driver.WaitUntil([&] { return tk.ShownMessageBox() != nullptr; }));
  QMessageBox* box = tk.ShownMessageBox();
  EXPECT_EQ(box->windowTitle(), QStringLiteral(u"信息："));
  EXPECT_EQ(box->icon(), QMessageBox::Information);
  EXPECT_EQ(box->parentWidget(), nullptr);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  QTest::mouseClick(tk.ControlWidget("Clickable", kButton), Qt::LeftButton);  // the window stays usable
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(answer, -1);
  ASSERT_TRUE(tk.PressMessageBoxButton(MB_RESULT_OK));
  EXPECT_TRUE(driver.WaitUntil([&] { return answer == MB_RESULT_OK; }));
}

TEST_F(QtToolkitTest, WorkersGetThroughWhileTheUiThreadSitsInAModalBox) {
  std::atomic<bool> done{false};
  QTimer::singleShot(10, [&] {
    tk.StartThread([&] {
      for (int i = 0; i < 100; ++i) tk.ListSetCell(kWindow, kList, tk.ListAppendRow(kWindow, kList), 0, "row");
      tk.SetVisible(kWindow, kLabel, true);
      EXPECT_TRUE(tk.PressMessageBoxButton(MB_RESULT_OK));  // the worker answers the UI's box
      done = true;
    });
  });
  EXPECT_EQ(tk.MessageBox(Gbk("请输入正确的视频链接"), MB_STYLE_OK), MB_RESULT_OK);
  ASSERT_TRUE(driver.WaitUntil([&] { return done.load(); }));
  EXPECT_EQ(tk.ListRowCount(kWindow, kList), 100);
  EXPECT_TRUE(tk.IsVisible(kWindow, kLabel));
}

TEST_F(QtToolkitTest, LoadingFromAWorkerRunsOnCreateOnTheUiThread) {
  WindowDefinition details = TestWindowDefinition(created, {});
  details.name = "DetailsWindow";
  QThread* ranOn = nullptr;
  details.onCreate = [&] { ranOn = QThread::currentThread(); };
  std::atomic<bool> loaded{false};
  tk.StartThread([&] {
    tk.LoadWindow(details);
    loaded = tk.IsWindowLoaded("DetailsWindow");
  });
  ASSERT_TRUE(driver.WaitUntil([&] { return loaded.load(); }));
  EXPECT_EQ(ranOn, QThread::currentThread());
}

TEST_F(QtToolkitTest, AMessageBoxKeepsNoProgramAlive) {
  std::atomic<int> answer{-1};
  tk.StartThread([&] { answer = tk.MessageBox(Gbk("双击电影可以查看详情"), MB_STYLE_OK_INFORMATION); });
  ASSERT_TRUE(driver.WaitUntil([&] { return tk.ShownMessageBox() != nullptr; }));
  EXPECT_EQ(driver.RunLoopWhileUserCloses({kWindow}), 0);
  ASSERT_TRUE(tk.PressMessageBoxButton(MB_RESULT_OK));
  EXPECT_TRUE(driver.WaitUntil([&] { return answer == MB_RESULT_OK; }));
}

TEST_F(QtToolkitTest, FontsFromMemory) {
  QFile file(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  const std::span<const std::uint8_t> font(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                           static_cast<std::size_t>(bytes.size()));
  const FontHandle handle = tk.AddFontFromMemory(font);
  ASSERT_NE(handle, 0u);
  EXPECT_TRUE(QFontDatabase::applicationFontFamilies(static_cast<int>(handle - 1)).contains(QStringLiteral("DejaVu Sans")));
  tk.RemoveFont(handle);
  EXPECT_TRUE(QFontDatabase::applicationFontFamilies(static_cast<int>(handle - 1)).isEmpty());
  tk.RemoveFont(0);
  const std::uint8_t junk[] = {'n', 'o', 't', ' ', 'a', ' ', 'f', 'o', 'n', 't'};
  EXPECT_EQ(tk.AddFontFromMemory(junk), 0u);
}

TEST(QtToolkitExit, EndsAtOnceWhileWorkersAreBlocked) {
  int output[2];
  ASSERT_EQ(::pipe(output), 0);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, output[0]);
  char helper[] = TOOLKIT_EXIT_HELPER;
  char* arguments[] = {helper, nullptr};
  pid_t child = 0;
  const auto started = std::chrono::steady_clock::now();
  ASSERT_EQ(posix_spawn(&child, helper, &actions, nullptr, arguments, environ), 0);
  posix_spawn_file_actions_destroy(&actions);
  ::close(output[1]);

  // Everything the helper printed; EOF comes when it has ended.
  std::string printed;
  char buffer[256];
  pollfd readable{output[0], POLLIN, 0};
  while (std::chrono::steady_clock::now() - started < 20s && ::poll(&readable, 1, 100) >= 0) {
    if (!(readable.revents & (POLLIN | POLLHUP))) continue;
    const ssize_t n = ::read(output[0], buffer, sizeof buffer);
    if (n <= 0) break;
    printed.append(buffer, static_cast<std::size_t>(n));
  }
  const auto elapsed = std::chrono::steady_clock::now() - started;
  ::close(output[0]);
  int status = 0;
  pid_t ended = 0;
  for (int i = 0; i < 500 && ended == 0; ++i) {
    ended = ::waitpid(child, &status, WNOHANG);
    if (ended == 0) std::this_thread::sleep_for(10ms);
  }
  if (ended == 0) {
    ::kill(child, SIGKILL);
    ::waitpid(child, &status, 0);
    FAIL() << "the helper did not end";
  }
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(printed, "workers blocked\n");  // flushed before the process ended
  // The blocked download would hold it for its 30-second stall limit, the box for ever.
  EXPECT_LT(elapsed, 10s);
}

}  // namespace
}  // namespace cinevora::test
