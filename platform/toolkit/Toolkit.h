#pragma once
// The window toolkit: windows and controls by name, events, message boxes, threads, files, URL
// opening, in-memory fonts and the plain download.
//
// Windows are addressed by their definition's name and controls by their name in that window.
// Every operation may be called from any thread: QtToolkit runs it on the user-interface thread
// and returns its result; HeadlessToolkit serialises it under a lock. An operation on a window
// that is not loaded, or on a control it does not have, does nothing and returns the empty value
// (empty text or bytes, -1 for indexes, 0 for numbers); it never crashes, so a worker may outlive
// the window it writes to. Event handlers of a definition run on the user-interface thread.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/toolkit/WindowDefinition.h"
#include "text/Text.h"

namespace cinevora {

// Message-box styles (Windows flags) and results.
constexpr int MB_STYLE_OK = 0;               // OK button, no icon
constexpr int MB_STYLE_YES_NO_QUESTION = 36; // Yes and No, question icon
constexpr int MB_STYLE_OK_INFORMATION = 64;  // OK, information icon
constexpr int MB_RESULT_OK = 0;  // the toolkit's 0-based results: 0 OK, 1 Cancel, 2 Abort,
constexpr int MB_RESULT_YES = 5; // 3 Retry, 4 Ignore, 5 Yes, 6 No
constexpr int MB_RESULT_NO = 6;

// An in-memory font registration; 0 means none.
using FontHandle = std::uintptr_t;

class Toolkit {
 public:
  virtual ~Toolkit() = default;

  // --- Windows -------------------------------------------------------------------------------
  // Creates and shows the window (non-modal, no owner), then runs its onCreate on the UI thread
  // before returning. A window of that name that is already loaded is only brought to the front
  // (restored when minimised); onCreate does not run again. Returns when onCreate has returned.
  virtual void LoadWindow(const WindowDefinition& definition) = 0;
  virtual bool IsWindowLoaded(std::string_view window) = 0;

  // Runs the message loop until the last of the program's windows is closed; returns 0 then.
  // (HeadlessToolkit returns at once: its tests inject the events themselves.)
  virtual int RunMessageLoop() = 0;

  // Ends the program at once with `exitCode`, even while other threads are downloading or
  // waiting on a message box. QtToolkit does not return; HeadlessToolkit records the code and
  // returns, so the caller must return straight after calling it.
  virtual void EndProgram(int exitCode) = 0;

  // --- Properties ----------------------------------------------------------------------------
  virtual void SetWindowTitle(std::string_view window, const Text& title) = 0;
  virtual Text GetWindowTitle(std::string_view window) = 0;

  virtual void SetCaption(std::string_view window, std::string_view control, const Text& caption) = 0;
  virtual Text GetCaption(std::string_view window, std::string_view control) = 0;
  virtual void SetVisible(std::string_view window, std::string_view control, bool visible) = 0;
  virtual bool IsVisible(std::string_view window, std::string_view control) = 0;
  // A face name of 1 to 31 bytes is used as given; any other length gives "宋体". The font's
  // other attributes (height, weight, character set) are kept.
  virtual void SetFontFace(std::string_view window, std::string_view control, const Text& face) = 0;
  virtual Text GetFontFace(std::string_view window, std::string_view control) = 0;

  // 0 stops the timer, a positive period (ms) restarts it; writing the period it already has
  // changes nothing (a running timer is not restarted).
  virtual void SetTimerPeriod(std::string_view window, std::string_view timer, int milliseconds) = 0;
  virtual int GetTimerPeriod(std::string_view window, std::string_view timer) = 0;

  // List view colours: the text, the text's background and the list's own background.
  virtual void SetListTextColour(std::string_view window, std::string_view list, Colour colour) = 0;
  virtual void SetListTextBackgroundColour(std::string_view window, std::string_view list, Colour colour) = 0;
  virtual void SetListBackgroundColour(std::string_view window, std::string_view list, Colour colour) = 0;
  virtual Colour GetListTextColour(std::string_view window, std::string_view list) = 0;
  virtual Colour GetListTextBackgroundColour(std::string_view window, std::string_view list) = 0;
  virtual Colour GetListBackgroundColour(std::string_view window, std::string_view list) = 0;

  // The picture box keeps exactly the bytes assigned and gives them back; it decodes them only to
  // draw. Bytes that are not a picture draw nothing. Empty bytes: no picture.
  virtual void SetPicture(std::string_view window, std::string_view box, const Bytes& encoded) = 0;
  virtual Bytes GetPicture(std::string_view window, std::string_view box) = 0;

  virtual void SetEditText(std::string_view window, std::string_view edit, const Text& content) = 0;
  // Moves the caret to the end of the content, inserts `text` there and scrolls it into view.
  virtual void AppendEditText(std::string_view window, std::string_view edit, const Text& text) = 0;
  virtual Text GetEditText(std::string_view window, std::string_view edit) = 0;

  // --- List view -----------------------------------------------------------------------------
  virtual void ListDeleteAllRows(std::string_view window, std::string_view list) = 0;
  // Appends a row with empty cells; returns its 0-based index (-1 when there is no such list).
  virtual int ListAppendRow(std::string_view window, std::string_view list) = 0;
  // Appends one row per element of `rows`, each as ListAppendRow and then ListSetCell for its
  // cells in column order; returns the index of the first new row (-1 when there is no such
  // list, or `rows` is empty). A toolkit that crosses threads does it in one crossing, so a
  // worker can hand over a page of rows at once.
  virtual int ListAppendRows(std::string_view window, std::string_view list,
                             const std::vector<std::vector<Text>>& rows) {
    int first = -1;
    for (const std::vector<Text>& cells : rows) {
      const int row = ListAppendRow(window, list);
      if (row < 0) return -1;
      if (first < 0) first = row;
      for (std::size_t column = 0; column < cells.size(); ++column)
        ListSetCell(window, list, row, static_cast<int>(column), cells[column]);
    }
    return first;
  }
  virtual int ListRowCount(std::string_view window, std::string_view list) = 0;
  virtual void ListSetCell(std::string_view window, std::string_view list, int row, int column, const Text& text) = 0;
  virtual Text ListGetCell(std::string_view window, std::string_view list, int row, int column) = 0;
  // The 0-based index of the first selected row, or -1 when none is selected.
  virtual int ListSelection(std::string_view window, std::string_view list) = 0;
  virtual void ListSelect(std::string_view window, std::string_view list, int row) = 0;

  // --- Services ------------------------------------------------------------------------------
  // A message box with the title "信息：", no owner, the given style (0, 36 or 64). Returns the
  // pressed button (MB_RESULT_*). Called on the UI thread it is modal for every window of the
  // program; called on another thread it blocks only that thread while the UI stays usable.
  virtual int MessageBox(const Text& text, int style) = 0;

  // Runs `routine` on a new detached thread; nothing keeps or joins it. When the system cannot
  // start a thread the routine is dropped unrun, silently (nothing is thrown or shown).
  virtual void StartThread(std::function<void()> routine) = 0;

  // Creates or overwrites the file at the native `path` and writes the blocks in order, through
  // a temporary file renamed over the old one (a running program that has the old file mapped
  // keeps its copy). Returns false when anything failed; the old file is then left as it was.
  virtual bool WriteFile(const std::string& path, const std::vector<std::span<const std::uint8_t>>& blocks) = 0;

  // Opens the address with the desktop's default handler (the browser). Does not wait.
  virtual void OpenUrl(const Text& url) = 0;

  // Registers a font from memory for this process only; returns 0 on failure.
  virtual FontHandle AddFontFromMemory(std::span<const std::uint8_t> fontFile) = 0;
  // Releases a registration; 0 is accepted and does nothing.
  virtual void RemoveFont(FontHandle handle) = 0;

  // The plain download: an HTTP/1.0 GET with the agent "Mozilla/4.0 (compatible; MSIE 6.0;
  // Windows NT 5.0)" and "Accept: */*", direct (no proxy), nothing cached. Returns the body
  // whatever the status; no bytes when the server cannot be reached. Blocks the calling thread.
  virtual Bytes PlainDownload(const Text& url) = 0;
};

}  // namespace cinevora
