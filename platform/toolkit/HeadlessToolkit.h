#pragma once
// The toolkit in memory, for tests: the windows and controls of the definitions with every
// property of the Toolkit interface, and hooks through which a test plays the user (clicks,
// double-clicks, timer ticks, closing windows, answering message boxes).
//
// Threads: the test thread that injects the events plays the user-interface thread; every event
// handler runs on the thread that called the hook (LoadWindow runs onCreate on the caller's
// thread). All state sits under one mutex, which is never held while a handler, a message-box
// handler or a started routine runs, so handlers may call back into the toolkit. StartThread runs
// real threads; a test waits for them with WaitForThreads.
//
// The rules follow the screen toolkit: a stopped timer does not tick, writing the period a timer
// already has does not restart it, a face name of the wrong length gives "宋体", loading a loaded
// window only raises it, appended rows are numbered from 0, no selection is -1.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/toolkit/Toolkit.h"

namespace cinevora {

class InternetService;

// One message box as the program showed it.
struct MessageBoxRecord {
  Text text;
  int style = 0;
  std::thread::id thread;  // the thread that called MessageBox and waited for the answer
  int answer = -1;         // -1 while the box is still waiting for its answer
};

// One WriteFile call.
struct FileWriteRecord {
  std::string path;
  bool succeeded = false;
};

class HeadlessToolkit final : public Toolkit {
 public:
  // `inet` serves PlainDownload and must outlive the toolkit.
  explicit HeadlessToolkit(InternetService& inet);
  // Threads started with StartThread may still be finishing: they keep their own bookkeeping
  // alive, so destroying the toolkit after their routines returned is safe.
  ~HeadlessToolkit() override;

  // --- Toolkit -------------------------------------------------------------------------------
  void LoadWindow(const WindowDefinition& definition) override;
  bool IsWindowLoaded(std::string_view window) override;
  // Returns 0 at once: the test drives the events and closes the windows itself.
  int RunMessageLoop() override;
  // Records the code (the first call wins) and returns.
  void EndProgram(int exitCode) override;

  void SetWindowTitle(std::string_view window, const Text& title) override;
  Text GetWindowTitle(std::string_view window) override;
  void SetCaption(std::string_view window, std::string_view control, const Text& caption) override;
  Text GetCaption(std::string_view window, std::string_view control) override;
  void SetVisible(std::string_view window, std::string_view control, bool visible) override;
  bool IsVisible(std::string_view window, std::string_view control) override;
  void SetFontFace(std::string_view window, std::string_view control, const Text& face) override;
  Text GetFontFace(std::string_view window, std::string_view control) override;
  void SetTimerPeriod(std::string_view window, std::string_view timer, int milliseconds) override;
  int GetTimerPeriod(std::string_view window, std::string_view timer) override;
  void SetListTextColour(std::string_view window, std::string_view list, Colour colour) override;
  void SetListTextBackgroundColour(std::string_view window, std::string_view list, Colour colour) override;
  void SetListBackgroundColour(std::string_view window, std::string_view list, Colour colour) override;
  Colour GetListTextColour(std::string_view window, std::string_view list) override;
  Colour GetListTextBackgroundColour(std::string_view window, std::string_view list) override;
  Colour GetListBackgroundColour(std::string_view window, std::string_view list) override;
  void SetPicture(std::string_view window, std::string_view box, const Bytes& encoded) override;
  Bytes GetPicture(std::string_view window, std::string_view box) override;
  void SetEditText(std::string_view window, std::string_view edit, const Text& content) override;
  void AppendEditText(std::string_view window, std::string_view edit, const Text& text) override;
  Text GetEditText(std::string_view window, std::string_view edit) override;

  void ListDeleteAllRows(std::string_view window, std::string_view list) override;
  int ListAppendRow(std::string_view window, std::string_view list) override;
  int ListRowCount(std::string_view window, std::string_view list) override;
  void ListSetCell(std::string_view window, std::string_view list, int row, int column, const Text& text) override;
  Text ListGetCell(std::string_view window, std::string_view list, int row, int column) override;
  int ListSelection(std::string_view window, std::string_view list) override;
  void ListSelect(std::string_view window, std::string_view list, int row) override;

  // Answers from the script (see below) on the calling thread, which waits for the answer.
  int MessageBox(const Text& text, int style) override;
  void StartThread(std::function<void()> routine) override;
  // Really writes the file (as the screen toolkit does) and records the call.
  bool WriteFile(const std::string& path, const std::vector<std::span<const std::uint8_t>>& blocks) override;
  // Records the address; opens nothing.
  void OpenUrl(const Text& url) override;
  // Accepts bytes that look like a font file (handles count up from 1); 0 otherwise.
  FontHandle AddFontFromMemory(std::span<const std::uint8_t> fontFile) override;
  void RemoveFont(FontHandle handle) override;
  // The real plain download over the InternetService given to the constructor.
  Bytes PlainDownload(const Text& url) override;

  // --- The user's side (hooks for tests) -----------------------------------------------------
  // Each runs the bound handler (if any) on the calling thread and returns true, or returns false
  // and does nothing when the window is not loaded, the control is missing or of another kind,
  // or (Tick) the timer is stopped.
  bool Click(std::string_view window, std::string_view button);
  bool DoubleClick(std::string_view window, std::string_view list);
  bool Tick(std::string_view window, std::string_view timer);
  // The user selects a row (-1: clicks beside the rows); same rules as ListSelect.
  void SelectRow(std::string_view window, std::string_view list, int row);
  // The user closes the window: onDestroy runs (the window is still loaded while it runs), then
  // the window is gone. Closing the last window ends the message loop with exit code 0. False
  // when the window is not loaded (or is already being closed).
  bool CloseWindow(std::string_view window);

  // --- Message-box script ----------------------------------------------------------------------
  // A box takes the next queued answer; when the queue is empty the handler (if set) answers;
  // without either the default answer does (initially MB_RESULT_OK for the OK styles and
  // MB_RESULT_YES for style 36, the buttons Enter would press).
  using MessageBoxHandler = std::function<int(const Text& text, int style)>;
  void QueueMessageBoxAnswers(std::initializer_list<int> answers);
  void SetMessageBoxHandler(MessageBoxHandler handler);
  void SetDefaultMessageBoxAnswer(int answer);
  std::vector<MessageBoxRecord> MessageBoxes();
  // True once at least `count` boxes have been shown (answered or not); false on timeout.
  bool WaitForMessageBoxes(std::size_t count, std::chrono::milliseconds timeout);

  // --- Records ---------------------------------------------------------------------------------
  std::optional<int> ExitCode();          // EndProgram's code, if it was called
  std::optional<int> MessageLoopResult(); // 0 once the last loaded window was closed
  int RaiseCount(std::string_view window); // LoadWindow calls on an already loaded window
  int TimerStarts(std::string_view window, std::string_view timer);  // starts and restarts so far
  std::vector<Text> OpenedUrls();
  std::vector<FileWriteRecord> FileWrites();
  std::vector<FontHandle> LiveFonts();    // registered and not yet removed, in order
  std::vector<FontHandle> RemovedFonts(); // in order of removal
  // The control as it stands now: its definition with the current caption/content, visibility,
  // face, colours, picture and timer period folded in. Empty when there is no such control.
  std::optional<ControlDefinition> ControlState(std::string_view window, std::string_view control);

  // --- Threads ---------------------------------------------------------------------------------
  // True once every routine started so far has returned; false on timeout.
  bool WaitForThreads(std::chrono::milliseconds timeout);
  int ThreadsStarted();
  // While set, StartThread behaves as on a system that cannot start another thread: the routine
  // is dropped unrun and not counted, and nothing is reported.
  void FailThreadStarts(bool fail);

 private:
  struct Control {
    ControlDefinition definition;  // current properties live in the definition's fields
    Colour textBackgroundColour = kWhite;
    std::vector<std::vector<Text>> rows;
    int selection = -1;
    int timerStarts = 0;
  };
  struct Window {
    WindowDefinition definition;  // controls moved out into `controls`
    std::map<std::string, Control, std::less<>> controls;
    int raises = 0;
    bool closing = false;  // onDestroy is running
  };
  struct ThreadCounter;  // shared with the started threads, so it outlives the toolkit if need be

  Window* FindWindow(std::string_view window);
  Control* Find(std::string_view window, std::string_view control, std::initializer_list<ControlKind> kinds);
  // The bound handler (possibly empty) when the user can fire that event now; nullopt otherwise.
  std::optional<std::function<void()>> HandlerOf(std::string_view window, std::string_view control,
                                                 ControlKind kind,
                                                 std::function<void()> ControlDefinition::*handler);
  static bool Deliver(const std::optional<std::function<void()>>& handler);
  int NextAnswer(const Text& text, int style);
  // A copy of a record, taken under the lock.
  template <typename T>
  T Locked(const T& record) {
    std::lock_guard lock(mutex_);
    return record;
  }

  InternetService& inet_;
  std::mutex mutex_;
  std::condition_variable boxShown_;
  std::map<std::string, Window, std::less<>> windows_;
  std::deque<int> queuedAnswers_;
  MessageBoxHandler boxHandler_;
  std::optional<int> defaultAnswer_;
  std::vector<MessageBoxRecord> boxes_;
  std::optional<int> exitCode_;
  std::optional<int> loopResult_;
  std::vector<Text> urls_;
  std::vector<FileWriteRecord> writes_;
  std::vector<FontHandle> liveFonts_;
  std::vector<FontHandle> removedFonts_;
  FontHandle nextFont_ = 1;
  std::shared_ptr<ThreadCounter> threads_;
};

}  // namespace cinevora
