// What only the headless toolkit has: the hooks and records the other parts' tests rely on.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <latch>
#include <string>

#include "NoNetwork.h"
#include "TestWindow.h"
#include "platform/toolkit/DetachedThread.h"
#include "platform/toolkit/HeadlessToolkit.h"

namespace cinevora::test {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

class HeadlessToolkitTest : public ::testing::Test {
 protected:
  NoNetwork inet;
  HeadlessToolkit tk{inet};
  std::atomic<int> created{0};
};

TEST_F(HeadlessToolkitTest, MessageBoxScriptQueueThenHandlerThenDefault) {
  EXPECT_EQ(tk.MessageBox("a", MB_STYLE_YES_NO_QUESTION), MB_RESULT_YES);  // Enter's button
  EXPECT_EQ(tk.MessageBox("b", MB_STYLE_OK_INFORMATION), MB_RESULT_OK);
  tk.SetDefaultMessageBoxAnswer(MB_RESULT_NO);
  EXPECT_EQ(tk.MessageBox("c", MB_STYLE_YES_NO_QUESTION), MB_RESULT_NO);

  std::vector<Text> seenByHandler;
  tk.SetMessageBoxHandler([&](const Text& text, int style) {
    seenByHandler.push_back(text);
    return style == MB_STYLE_YES_NO_QUESTION ? MB_RESULT_YES : MB_RESULT_OK;
  });
  tk.QueueMessageBoxAnswers({MB_RESULT_NO, MB_RESULT_NO});
  EXPECT_EQ(tk.MessageBox("d", MB_STYLE_YES_NO_QUESTION), MB_RESULT_NO);
  EXPECT_EQ(tk.MessageBox("e", MB_STYLE_YES_NO_QUESTION), MB_RESULT_NO);
  EXPECT_EQ(tk.MessageBox("f", MB_STYLE_YES_NO_QUESTION), MB_RESULT_YES);
  EXPECT_EQ(seenByHandler, (std::vector<Text>{"f"}));

  const auto boxes = tk.MessageBoxes();
  ASSERT_EQ(boxes.size(), 6u);
  EXPECT_EQ(boxes[1].text, "b");
  EXPECT_EQ(boxes[1].style, MB_STYLE_OK_INFORMATION);
  EXPECT_EQ(boxes[1].answer, MB_RESULT_OK);
  EXPECT_EQ(boxes[5].answer, MB_RESULT_YES);
  EXPECT_EQ(boxes[0].thread, std::this_thread::get_id());
}

TEST_F(HeadlessToolkitTest, WaitingForBoxesShownByWorkers) {
  std::latch release(1);
  tk.SetMessageBoxHandler([&](const Text&, int) {
    release.wait();
    return MB_RESULT_OK;
  });
  std::thread::id workerId;
  tk.StartThread([&] {
    workerId = std::this_thread::get_id();
    tk.MessageBox("first", MB_STYLE_OK);
  });
  ASSERT_TRUE(tk.WaitForMessageBoxes(1, 5s));
  EXPECT_FALSE(tk.WaitForMessageBoxes(2, 20ms));
  EXPECT_EQ(tk.MessageBoxes()[0].answer, -1);  // shown, still waiting
  release.count_down();
  ASSERT_TRUE(tk.WaitForThreads(5s));
  EXPECT_EQ(tk.ThreadsStarted(), 1);
  const auto boxes = tk.MessageBoxes();
  EXPECT_EQ(boxes[0].thread, workerId);
  EXPECT_NE(boxes[0].thread, std::this_thread::get_id());
  EXPECT_EQ(boxes[0].answer, MB_RESULT_OK);
}

TEST_F(HeadlessToolkitTest, EndProgramWhileAWorkerWaitsOnABoxReturnsAtOnce) {
  std::latch release(1);
  tk.SetMessageBoxHandler([&](const Text&, int) {
    release.wait();
    return MB_RESULT_OK;
  });
  tk.StartThread([&] { tk.MessageBox("blocked", MB_STYLE_OK); });
  ASSERT_TRUE(tk.WaitForMessageBoxes(1, 5s));
  tk.EndProgram(0);
  tk.EndProgram(3);  // the first code is the one the process would have ended with
  EXPECT_EQ(tk.ExitCode(), 0);
  release.count_down();
  EXPECT_TRUE(tk.WaitForThreads(5s));
}

TEST_F(HeadlessToolkitTest, HooksRunHandlersOnlyWhereTheUserCould) {
  int clicks = 0, doubleClicks = 0, ticks = 0;
  WindowDefinition w = TestWindowDefinition(created, {});
  for (auto& c : w.controls) {
    if (c.name == kButton) c.onClick = [&] { ++clicks; };
    if (c.name == kList) c.onDoubleClick = [&] { ++doubleClicks; };
    if (c.kind == ControlKind::Timer) c.onTimer = [&] { ++ticks; };
  }
  EXPECT_FALSE(tk.Click(kWindow, kButton));  // not loaded yet
  tk.LoadWindow(w);
  EXPECT_TRUE(tk.Click(kWindow, kButton));
  EXPECT_FALSE(tk.Click(kWindow, kLabel));   // a label is no button
  EXPECT_TRUE(tk.DoubleClick(kWindow, kList));
  EXPECT_TRUE(tk.Tick(kWindow, kRunningTimer));
  EXPECT_FALSE(tk.Tick(kWindow, kStoppedTimer));
  EXPECT_EQ(std::tuple(clicks, doubleClicks, ticks), std::tuple(1, 1, 1));

  tk.ListAppendRow(kWindow, kList);
  tk.SelectRow(kWindow, kList, 0);
  EXPECT_EQ(tk.ListSelection(kWindow, kList), 0);
  tk.SelectRow(kWindow, kList, -1);
  EXPECT_EQ(tk.ListSelection(kWindow, kList), -1);

  EXPECT_FALSE(tk.MessageLoopResult());
  EXPECT_TRUE(tk.CloseWindow(kWindow));
  EXPECT_FALSE(tk.CloseWindow(kWindow));
  EXPECT_EQ(tk.MessageLoopResult(), 0);
  EXPECT_FALSE(tk.Click(kWindow, kButton));
}

TEST_F(HeadlessToolkitTest, ControlStateShowsTheCurrentProperties) {
  tk.LoadWindow(TestWindowDefinition(created, {}));
  tk.SetVisible(kWindow, kLabel, true);
  tk.SetFontFace(kWindow, kLabel, "Setup");
  const auto label = tk.ControlState(kWindow, kLabel);
  ASSERT_TRUE(label);
  EXPECT_TRUE(label->visible);
  EXPECT_EQ(label->font.face, "Setup");
  EXPECT_EQ(label->font.height, -16);  // other font attributes kept
  EXPECT_EQ(label->font.weight, 700);
  EXPECT_EQ(label->parent, kPicture);
  EXPECT_EQ(label->backgroundColour, Rgb(8, 168, 218));
  EXPECT_FALSE(tk.ControlState(kWindow, "没有这个控件"));
  EXPECT_EQ(tk.RaiseCount(kWindow), 0);
  tk.LoadWindow(TestWindowDefinition(created, {}));
  EXPECT_EQ(tk.RaiseCount(kWindow), 1);
}

TEST_F(HeadlessToolkitTest, ServicesAreRecorded) {
  tk.OpenUrl("http://127.0.0.1:1/");
  EXPECT_EQ(tk.OpenedUrls(), (std::vector<Text>{"http://127.0.0.1:1/"}));

  const Bytes trueType = {0, 1, 0, 0, 0, 4, 0, 0x40, 0, 2, 0, 0, 'c', 'm', 'a', 'p'};
  const Bytes junk = {'n', 'o', 't', ' ', 'a', ' ', 'f', 'o', 'n', 't', '!', '!'};
  EXPECT_EQ(tk.AddFontFromMemory(junk), 0u);
  EXPECT_EQ(tk.AddFontFromMemory({}), 0u);
  const FontHandle first = tk.AddFontFromMemory(trueType);
  const FontHandle second = tk.AddFontFromMemory(trueType);
  EXPECT_NE(first, 0u);
  EXPECT_NE(first, second);
  tk.RemoveFont(0);
  tk.RemoveFont(first);
  tk.RemoveFont(first);
  EXPECT_EQ(tk.LiveFonts(), (std::vector<FontHandle>{second}));
  EXPECT_EQ(tk.RemovedFonts(), (std::vector<FontHandle>{first}));
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(HeadlessToolkitTest, WriteFileReplacesWholeFilesAndFailsCleanly) {
  const fs::path dir = fs::path(::testing::TempDir()) / "toolkit_write";
  fs::remove_all(dir);
  fs::create_directories(dir / "occupied");
  const std::string target = (dir / "wurmix.dll").string();
  { std::ofstream(target, std::ios::binary) << "an older, longer library image"; }

  const std::uint8_t a[] = {'M', 'Z', 0}, b[] = {0xFF, '\r', '\n'};
  EXPECT_TRUE(tk.WriteFile(target, {a, b}));
  EXPECT_EQ(ReadAll(target), std::string("MZ\0\xFF\r\n", 6));
  EXPECT_TRUE(tk.WriteFile(target, {}));
  EXPECT_EQ(ReadAll(target), "");

  EXPECT_FALSE(tk.WriteFile((dir / "missing" / "win8.she").string(), {a}));
  EXPECT_FALSE(tk.WriteFile((dir / "occupied").string(), {a}));  // a folder is in the way
  EXPECT_TRUE(fs::is_directory(dir / "occupied"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);  // no leftovers

  const auto writes = tk.FileWrites();
  ASSERT_EQ(writes.size(), 4u);
  EXPECT_EQ(writes[0].path, target);
  EXPECT_TRUE(writes[0].succeeded);
  EXPECT_FALSE(writes[3].succeeded);
  fs::remove_all(dir);
}

TEST(HeadlessToolkitThreads, DestroyingTheToolkitRightAfterItsThreadsFinishIsSafe) {
  for (int round = 0; round < 20; ++round) {
    NoNetwork inet;
    auto tk = std::make_unique<HeadlessToolkit>(inet);
    std::atomic<int> ran{0};
    for (int i = 0; i < 8; ++i) tk->StartThread([&] { ++ran; });
    while (ran < 8) std::this_thread::yield();
    tk.reset();  // the threads may still be between their routine and their end
  }
  std::this_thread::sleep_for(20ms);
}

TEST(HeadlessToolkitThreads, ManyWorkersWritingOneListKeepEveryRow) {
  NoNetwork inet;
  HeadlessToolkit tk(inet);
  std::atomic<int> created{0};
  tk.LoadWindow(TestWindowDefinition(created, {}));
  constexpr int kWorkers = 8, kRows = 50;
  for (int w = 0; w < kWorkers; ++w) {
    tk.StartThread([&tk, w] {
      for (int r = 0; r < kRows; ++r) {
        const int row = tk.ListAppendRow(kWindow, kList);
        tk.ListSetCell(kWindow, kList, row, 0, std::to_string(w));
        tk.SetVisible(kWindow, kLabel, r % 2 == 0);
      }
    });
  }
  for (int i = 0; i < 200; ++i) tk.Tick(kWindow, kRunningTimer);  // the UI thread keeps ticking
  ASSERT_TRUE(tk.WaitForThreads(10s));
  ASSERT_EQ(tk.ListRowCount(kWindow, kList), kWorkers * kRows);
  std::map<Text, int> perWorker;
  for (int r = 0; r < kWorkers * kRows; ++r) ++perWorker[tk.ListGetCell(kWindow, kList, r, 0)];
  EXPECT_EQ(perWorker.size(), static_cast<std::size_t>(kWorkers));
  for (const auto& [worker, rows] : perWorker) EXPECT_EQ(rows, kRows) << worker;
}

TEST(HeadlessToolkitThreads, AStartThatFailsDropsTheRoutineSilently) {
  NoNetwork inet;
  HeadlessToolkit tk(inet);
  std::atomic<bool> ran{false};
  tk.FailThreadStarts(true);
  tk.StartThread([&] { ran = true; });
  EXPECT_EQ(tk.ThreadsStarted(), 0);
  EXPECT_TRUE(tk.WaitForThreads(0ms));
  EXPECT_TRUE(tk.MessageBoxes().empty());
  tk.FailThreadStarts(false);
  tk.StartThread([&] { ran = true; });
  ASSERT_TRUE(tk.WaitForThreads(10s));
  EXPECT_TRUE(ran);
}

// The real failure: a process whose address space has no room for another thread's stack (8 MB).
// std::thread throws then, and the start must come back quietly instead of ending the program.
// Runs in the child process of a death test; exits with 0 for a quiet failed start.
void StartWithNoRoomForAThread() {
  std::ifstream status("/proc/self/status");
  std::string line;
  long sizeKb = 0;
  while (std::getline(status, line))
    if (line.rfind("VmSize:", 0) == 0) sizeKb = std::stol(line.substr(7));
  const rlim_t limit = static_cast<rlim_t>(sizeKb + 2048) * 1024;
  const rlimit room{limit, limit};
  if (::setrlimit(RLIMIT_AS, &room) != 0) std::_Exit(2);
  std::_Exit(StartDetachedThread([] {}) ? 1 : 0);
}

TEST(DetachedThread, NoRoomForAThreadIsAFailedStartNotACrash) {
  // A fresh child process: a forked one could reuse the stack of an earlier test's thread.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(StartWithNoRoomForAThread(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace cinevora::test
