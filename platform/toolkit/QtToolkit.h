#pragma once
// The window toolkit on the screen, over Qt Widgets.
//
// Threads: the thread that owns the QApplication (the one that constructs the toolkit, when it
// creates the application) is the user-interface thread. Every Toolkit operation may be called from any thread: on the UI thread
// it runs directly, elsewhere it runs on the UI thread through a blocking queued call and returns
// its result (this also works while the UI thread sits in a modal message box). So a worker's
// call waits until the UI thread gets back to its event loop; the UI thread must never wait for
// a worker. PlainDownload, StartThread, WriteFile and EndProgram run on the calling thread.
// The toolkit must outlive every thread that uses it; the program never destroys it, since
// EndProgram ends the process.

#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>

#include "platform/toolkit/Toolkit.h"

class QApplication;
class QTimer;

namespace cinevora {

class InternetService;

class QtToolkit final : public Toolkit {
 public:
  // Creates the QApplication when the process has none yet (and then owns it). `inet` serves
  // PlainDownload and must outlive the toolkit.
  QtToolkit(int& argc, char** argv, InternetService& inet);
  // Deletes the windows still open without running their onDestroy (the program is ending).
  ~QtToolkit() override;

  // --- Toolkit -------------------------------------------------------------------------------
  void LoadWindow(const WindowDefinition& definition) override;
  bool IsWindowLoaded(std::string_view window) override;
  // UI thread only. Returns 0 when the last window has closed, at once when none is loaded.
  int RunMessageLoop() override;
  // Flushes stdout and stderr and ends the process at once with std::_Exit; never returns.
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
  // Read-only boxes, and editable ones the user has not typed into, give back exactly the Text
  // that was set and appended; otherwise the widget's text converted to CP936.
  Text GetEditText(std::string_view window, std::string_view edit) override;

  void ListDeleteAllRows(std::string_view window, std::string_view list) override;
  int ListAppendRow(std::string_view window, std::string_view list) override;
  // All rows in one call on the UI thread: one crossing and one repaint for the lot.
  int ListAppendRows(std::string_view window, std::string_view list,
                     const std::vector<std::vector<Text>>& rows) override;
  int ListRowCount(std::string_view window, std::string_view list) override;
  void ListSetCell(std::string_view window, std::string_view list, int row, int column, const Text& text) override;
  Text ListGetCell(std::string_view window, std::string_view list, int row, int column) override;
  int ListSelection(std::string_view window, std::string_view list) override;
  void ListSelect(std::string_view window, std::string_view list, int row) override;

  int MessageBox(const Text& text, int style) override;
  void StartThread(std::function<void()> routine) override;
  bool WriteFile(const std::string& path, const std::vector<std::span<const std::uint8_t>>& blocks) override;
  void OpenUrl(const Text& url) override;
  FontHandle AddFontFromMemory(std::span<const std::uint8_t> fontFile) override;
  void RemoveFont(FontHandle handle) override;
  Bytes PlainDownload(const Text& url) override;

  // --- For tests -----------------------------------------------------------------------------
  // UI thread only. The top-level widget of a loaded window, or null.
  QWidget* WindowWidget(std::string_view window);
  // UI thread only. A control's widget (null for timers and unknown names) or its QTimer.
  QWidget* ControlWidget(std::string_view window, std::string_view control);
  QTimer* ControlTimer(std::string_view window, std::string_view timer);
  // How often the timer was started or restarted (a write of the same period does not count).
  int TimerStarts(std::string_view window, std::string_view timer);
  // UI thread only. The oldest message box of the program that is showing, or null.
  QMessageBox* ShownMessageBox();
  // Any thread. Presses the button of result `result` (MB_RESULT_*) on the oldest box showing;
  // false when no box shows or it has no such button.
  bool PressMessageBoxButton(int result);
  // Any thread. Closes the window as the user would (onDestroy, then gone); false when it is
  // not loaded.
  bool CloseWindow(std::string_view window);

 private:
  struct Control;
  struct Window;

  template <typename F>
  auto OnUi(F&& routine);
  Window* FindWindow(std::string_view window);
  Control* Find(std::string_view window, std::string_view control, std::initializer_list<ControlKind> kinds);
  void BuildWindow(const WindowDefinition& definition);
  void WindowClosing(const std::string& window);
  int ShowMessageBox(const Text& text, int style);

  InternetService& inet_;
  std::unique_ptr<QApplication> ownedApplication_;
  std::unique_ptr<QObject> uiContext_;  // lives on the UI thread; the target of queued calls
  std::map<std::string, std::unique_ptr<Window>, std::less<>> windows_;  // UI thread only
  std::vector<QPointer<QMessageBox>> shownBoxes_;                         // UI thread only
};

}  // namespace cinevora
