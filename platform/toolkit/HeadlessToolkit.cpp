#include "platform/toolkit/HeadlessToolkit.h"

#include <algorithm>

#include "platform/inet/PlainDownload.h"
#include "platform/toolkit/DetachedThread.h"
#include "platform/toolkit/FileReplace.h"
#include "platform/toolkit/ToolkitRules.h"

namespace cinevora {

namespace {

int DefaultAnswerFor(int style) {
  return style == MB_STYLE_YES_NO_QUESTION ? MB_RESULT_YES : MB_RESULT_OK;
}

}  // namespace

// Counts the started routines that have not returned yet. Each thread holds a reference, so the
// last decrement may safely come after the toolkit itself is gone.
struct HeadlessToolkit::ThreadCounter {
  std::mutex mutex;
  std::condition_variable allDone;
  int started = 0;
  int running = 0;
  bool failStarts = false;
};

HeadlessToolkit::HeadlessToolkit(InternetService& inet)
    : inet_(inet), threads_(std::make_shared<ThreadCounter>()) {}

HeadlessToolkit::~HeadlessToolkit() = default;

HeadlessToolkit::Window* HeadlessToolkit::FindWindow(std::string_view window) {
  const auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

HeadlessToolkit::Control* HeadlessToolkit::Find(std::string_view window, std::string_view control,
                                                std::initializer_list<ControlKind> kinds) {
  Window* w = FindWindow(window);
  if (w == nullptr) return nullptr;
  const auto it = w->controls.find(control);
  if (it == w->controls.end()) return nullptr;
  const ControlKind kind = it->second.definition.kind;
  return std::find(kinds.begin(), kinds.end(), kind) == kinds.end() ? nullptr : &it->second;
}

// --- Windows -------------------------------------------------------------------------------------

void HeadlessToolkit::LoadWindow(const WindowDefinition& definition) {
  std::function<void()> onCreate;
  {
    std::lock_guard lock(mutex_);
    if (Window* loaded = FindWindow(definition.name)) {
      ++loaded->raises;
      return;
    }
    Window window;
    window.definition = definition;
    window.definition.controls.clear();
    for (const ControlDefinition& c : definition.controls) {
      Control control;
      control.definition = c;
      control.textBackgroundColour = c.backgroundColour;
      control.definition.timerPeriod = std::max(c.timerPeriod, 0);
      control.timerStarts = control.definition.timerPeriod > 0 ? 1 : 0;
      window.controls.emplace(c.name, std::move(control));
    }
    windows_.emplace(definition.name, std::move(window));
    loopResult_.reset();
    onCreate = definition.onCreate;
  }
  if (onCreate) onCreate();
}

bool HeadlessToolkit::IsWindowLoaded(std::string_view window) {
  std::lock_guard lock(mutex_);
  return FindWindow(window) != nullptr;
}

int HeadlessToolkit::RunMessageLoop() { return 0; }

void HeadlessToolkit::EndProgram(int exitCode) {
  std::lock_guard lock(mutex_);
  if (!exitCode_) exitCode_ = exitCode;
}

bool HeadlessToolkit::CloseWindow(std::string_view window) {
  std::function<void()> onDestroy;
  {
    std::lock_guard lock(mutex_);
    Window* w = FindWindow(window);
    if (w == nullptr || w->closing) return false;
    w->closing = true;  // a close from inside onDestroy must not say goodbye twice
    onDestroy = w->definition.onDestroy;
  }
  if (onDestroy) onDestroy();
  std::lock_guard lock(mutex_);
  const auto it = windows_.find(window);
  if (it != windows_.end()) windows_.erase(it);
  if (windows_.empty()) loopResult_ = 0;
  return true;
}

// --- Properties ----------------------------------------------------------------------------------

void HeadlessToolkit::SetWindowTitle(std::string_view window, const Text& title) {
  std::lock_guard lock(mutex_);
  if (Window* w = FindWindow(window)) w->definition.title = title;
}

Text HeadlessToolkit::GetWindowTitle(std::string_view window) {
  std::lock_guard lock(mutex_);
  const Window* w = FindWindow(window);
  return w ? w->definition.title : Text();
}

void HeadlessToolkit::SetCaption(std::string_view window, std::string_view control, const Text& caption) {
  std::lock_guard lock(mutex_);
  if (Control* c = Find(window, control, CAPTIONED_KINDS)) c->definition.caption = caption;
}

Text HeadlessToolkit::GetCaption(std::string_view window, std::string_view control) {
  std::lock_guard lock(mutex_);
  const Control* c = Find(window, control, CAPTIONED_KINDS);
  return c ? c->definition.caption : Text();
}

void HeadlessToolkit::SetVisible(std::string_view window, std::string_view control, bool visible) {
  std::lock_guard lock(mutex_);
  if (Control* c = Find(window, control, SHOWN_KINDS)) c->definition.visible = visible;
}

bool HeadlessToolkit::IsVisible(std::string_view window, std::string_view control) {
  std::lock_guard lock(mutex_);
  const Control* c = Find(window, control, SHOWN_KINDS);
  return c != nullptr && c->definition.visible;
}

void HeadlessToolkit::SetFontFace(std::string_view window, std::string_view control, const Text& face) {
  std::lock_guard lock(mutex_);
  if (Control* c = Find(window, control, LETTERED_KINDS)) c->definition.font.face = EffectiveFontFace(face);
}

Text HeadlessToolkit::GetFontFace(std::string_view window, std::string_view control) {
  std::lock_guard lock(mutex_);
  const Control* c = Find(window, control, LETTERED_KINDS);
  return c ? c->definition.font.face : Text();
}

void HeadlessToolkit::SetTimerPeriod(std::string_view window, std::string_view timer, int milliseconds) {
  std::lock_guard lock(mutex_);
  if (Control* c = Find(window, timer, {ControlKind::Timer})) {
    const TimerChange change = TimerPeriodChange(c->definition.timerPeriod, milliseconds);
    if (!change.changes) return;
    c->definition.timerPeriod = change.period;
    if (change.period > 0) ++c->timerStarts;
  }
}

int HeadlessToolkit::GetTimerPeriod(std::string_view window, std::string_view timer) {
  std::lock_guard lock(mutex_);
  const Control* c = Find(window, timer, {ControlKind::Timer});
  return c ? c->definition.timerPeriod : 0;
}

void HeadlessToolkit::SetListTextColour(std::string_view window, std::string_view list, Colour colour) {
  std::lock_guard lock(mutex_);
  if (Control* c = Find(window, list, {ControlKind::ListView})) c->definition.textColour = colour;
}

void HeadlessToolkit::SetListTextBackgroundColour(std::string_view window, std::string_view list, Colour colour) {
  std::lock_guard lock(mutex_);
  if (Control* c = Find(window, list, {ControlKind::ListView})) c->textBackgroundColour = colour;
}

void HeadlessToolkit::SetListBackgroundColour(std::string_view window, std::string_view list, Colour colour) {
  std::lock_guard lock(mutex_);
  if (Control* c = Find(window, list, {ControlKind::ListView})) c->definition.backgroundColour = colour;
}

Colour HeadlessToolkit::GetListTextColour(std::string_view window, std::string_view list) {
  std::lock_guard lock(mutex_);
  const Control* c = Find(window, list, {ControlKind::ListView});
  return c ? c->definition.textColour : 0;
}

Colour HeadlessToolkit::GetListTextBackgroundColour(std::string_view window, std::string_view list) {
  std::lock_guard lock(mutex_);
  const Control* c = Find(window, list, {ControlKind::ListView});
  return c ? c->textBackgroundColour : 0;
}

Colour HeadlessToolkit::GetListBackgroundColour(std::string_view window, std::string_view list) {
  std::lock_guard lock(mutex_);
  const Control* c = Find(window, list, {ControlKind::ListView});
  return c ? c->definition.backgroundColour : 0;
}

void HeadlessToolkit::SetPicture(std::string_view window, std::string_view box, const Bytes& encoded) {
  std::lock_guard lock(mutex_);
  if (Control* c = Find(window, box, {ControlKind::PictureBox})) c->definition.picture = encoded;
}

Bytes HeadlessToolkit::GetPicture(std::string_view window, std::string_view box) {
  std::lock_guard lock(mutex_);
  const Control* c = Find(window, box, {ControlKind::PictureBox});
  return c ? c->definition.picture : Bytes();
}

void HeadlessToolkit::SetEditText(std::string_view window, std::string_view edit, const Text& content) {
  std::lock_guard lock(mutex_);
  if (Control* c = Find(window, edit, {ControlKind::EditBox})) c->definition.caption = content;
}

void HeadlessToolkit::AppendEditText(std::string_view window, std::string_view edit, const Text& text) {
  std::lock_guard lock(mutex_);
  if (Control* c = Find(window, edit, {ControlKind::EditBox})) c->definition.caption += text;
}

Text HeadlessToolkit::GetEditText(std::string_view window, std::string_view edit) {
  std::lock_guard lock(mutex_);
  const Control* c = Find(window, edit, {ControlKind::EditBox});
  return c ? c->definition.caption : Text();
}

// --- List view -----------------------------------------------------------------------------------

void HeadlessToolkit::ListDeleteAllRows(std::string_view window, std::string_view list) {
  std::lock_guard lock(mutex_);
  if (Control* c = Find(window, list, {ControlKind::ListView})) {
    c->rows.clear();
    c->selection = -1;
  }
}

int HeadlessToolkit::ListAppendRow(std::string_view window, std::string_view list) {
  std::lock_guard lock(mutex_);
  Control* c = Find(window, list, {ControlKind::ListView});
  if (c == nullptr) return -1;
  c->rows.emplace_back(c->definition.columns.size());
  return static_cast<int>(c->rows.size()) - 1;
}

int HeadlessToolkit::ListRowCount(std::string_view window, std::string_view list) {
  std::lock_guard lock(mutex_);
  const Control* c = Find(window, list, {ControlKind::ListView});
  return c ? static_cast<int>(c->rows.size()) : 0;
}

void HeadlessToolkit::ListSetCell(std::string_view window, std::string_view list, int row, int column,
                                  const Text& text) {
  std::lock_guard lock(mutex_);
  Control* c = Find(window, list, {ControlKind::ListView});
  if (c == nullptr || row < 0 || row >= static_cast<int>(c->rows.size())) return;
  auto& cells = c->rows[static_cast<std::size_t>(row)];
  if (column < 0 || column >= static_cast<int>(cells.size())) return;
  cells[static_cast<std::size_t>(column)] = text;
}

Text HeadlessToolkit::ListGetCell(std::string_view window, std::string_view list, int row, int column) {
  std::lock_guard lock(mutex_);
  const Control* c = Find(window, list, {ControlKind::ListView});
  if (c == nullptr || row < 0 || row >= static_cast<int>(c->rows.size())) return Text();
  const auto& cells = c->rows[static_cast<std::size_t>(row)];
  if (column < 0 || column >= static_cast<int>(cells.size())) return Text();
  return cells[static_cast<std::size_t>(column)];
}

int HeadlessToolkit::ListSelection(std::string_view window, std::string_view list) {
  std::lock_guard lock(mutex_);
  const Control* c = Find(window, list, {ControlKind::ListView});
  return c ? c->selection : -1;
}

void HeadlessToolkit::ListSelect(std::string_view window, std::string_view list, int row) {
  std::lock_guard lock(mutex_);
  Control* c = Find(window, list, {ControlKind::ListView});
  if (c == nullptr || row < -1 || row >= static_cast<int>(c->rows.size())) return;
  c->selection = row;
}

// --- Services ------------------------------------------------------------------------------------

int HeadlessToolkit::NextAnswer(const Text& text, int style) {
  MessageBoxHandler handler;
  {
    std::lock_guard lock(mutex_);
    if (!queuedAnswers_.empty()) {
      const int answer = queuedAnswers_.front();
      queuedAnswers_.pop_front();
      return answer;
    }
    if (!boxHandler_) return defaultAnswer_.value_or(DefaultAnswerFor(style));
    handler = boxHandler_;
  }
  return handler(text, style);  // unlocked: the handler may block or call the toolkit
}

int HeadlessToolkit::MessageBox(const Text& text, int style) {
  std::size_t index;
  {
    std::lock_guard lock(mutex_);
    index = boxes_.size();
    boxes_.push_back(MessageBoxRecord{text, style, std::this_thread::get_id(), -1});
  }
  boxShown_.notify_all();
  const int answer = NextAnswer(text, style);
  std::lock_guard lock(mutex_);
  boxes_[index].answer = answer;
  return answer;
}

void HeadlessToolkit::StartThread(std::function<void()> routine) {
  {
    std::lock_guard lock(threads_->mutex);
    if (threads_->failStarts) return;  // as a system out of threads: the routine is dropped
    ++threads_->started;
    ++threads_->running;
  }
  const bool started = StartDetachedThread([counter = threads_, routine = std::move(routine)]() mutable {
    if (routine) routine();
    routine = nullptr;  // its captures go before anyone learns that the thread is done
    std::lock_guard lock(counter->mutex);
    if (--counter->running == 0) counter->allDone.notify_all();
  });
  if (started) return;
  std::lock_guard lock(threads_->mutex);
  --threads_->started;
  if (--threads_->running == 0) threads_->allDone.notify_all();
}

void HeadlessToolkit::FailThreadStarts(bool fail) {
  std::lock_guard lock(threads_->mutex);
  threads_->failStarts = fail;
}

bool HeadlessToolkit::WriteFile(const std::string& path,
                                const std::vector<std::span<const std::uint8_t>>& blocks) {
  const bool succeeded = ReplaceFileContents(path, blocks);
  std::lock_guard lock(mutex_);
  writes_.push_back(FileWriteRecord{path, succeeded});
  return succeeded;
}

void HeadlessToolkit::OpenUrl(const Text& url) {
  std::lock_guard lock(mutex_);
  urls_.push_back(url);
}

FontHandle HeadlessToolkit::AddFontFromMemory(std::span<const std::uint8_t> fontFile) {
  if (!LooksLikeFontFile(fontFile)) return 0;
  std::lock_guard lock(mutex_);
  liveFonts_.push_back(nextFont_);
  return nextFont_++;
}

void HeadlessToolkit::RemoveFont(FontHandle handle) {
  std::lock_guard lock(mutex_);
  const auto it = std::find(liveFonts_.begin(), liveFonts_.end(), handle);
  if (it == liveFonts_.end()) return;  // 0, unknown or already removed
  liveFonts_.erase(it);
  removedFonts_.push_back(handle);
}

Bytes HeadlessToolkit::PlainDownload(const Text& url) { return cinevora::PlainDownload(inet_, url); }

// --- The user's side -----------------------------------------------------------------------------

std::optional<std::function<void()>> HeadlessToolkit::HandlerOf(
    std::string_view window, std::string_view control, ControlKind kind,
    std::function<void()> ControlDefinition::*handler) {
  std::lock_guard lock(mutex_);
  const Control* c = Find(window, control, {kind});
  if (c == nullptr) return std::nullopt;
  if (kind == ControlKind::Timer && c->definition.timerPeriod == 0) return std::nullopt;  // stopped
  return c->definition.*handler;
}

bool HeadlessToolkit::Deliver(const std::optional<std::function<void()>>& handler) {
  if (!handler) return false;
  if (*handler) (*handler)();
  return true;
}

bool HeadlessToolkit::Click(std::string_view window, std::string_view button) {
  return Deliver(HandlerOf(window, button, ControlKind::Button, &ControlDefinition::onClick));
}

bool HeadlessToolkit::DoubleClick(std::string_view window, std::string_view list) {
  return Deliver(HandlerOf(window, list, ControlKind::ListView, &ControlDefinition::onDoubleClick));
}

bool HeadlessToolkit::Tick(std::string_view window, std::string_view timer) {
  return Deliver(HandlerOf(window, timer, ControlKind::Timer, &ControlDefinition::onTimer));
}

void HeadlessToolkit::SelectRow(std::string_view window, std::string_view list, int row) {
  ListSelect(window, list, row);
}

void HeadlessToolkit::QueueMessageBoxAnswers(std::initializer_list<int> answers) {
  std::lock_guard lock(mutex_);
  queuedAnswers_.insert(queuedAnswers_.end(), answers.begin(), answers.end());
}

void HeadlessToolkit::SetMessageBoxHandler(MessageBoxHandler handler) {
  std::lock_guard lock(mutex_);
  boxHandler_ = std::move(handler);
}

void HeadlessToolkit::SetDefaultMessageBoxAnswer(int answer) {
  std::lock_guard lock(mutex_);
  defaultAnswer_ = answer;
}

std::vector<MessageBoxRecord> HeadlessToolkit::MessageBoxes() { return Locked(boxes_); }

bool HeadlessToolkit::WaitForMessageBoxes(std::size_t count, std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  return boxShown_.wait_for(lock, timeout, [&] { return boxes_.size() >= count; });
}

// --- Records -------------------------------------------------------------------------------------

std::optional<int> HeadlessToolkit::ExitCode() { return Locked(exitCode_); }

std::optional<int> HeadlessToolkit::MessageLoopResult() { return Locked(loopResult_); }

int HeadlessToolkit::RaiseCount(std::string_view window) {
  std::lock_guard lock(mutex_);
  const Window* w = FindWindow(window);
  return w ? w->raises : 0;
}

int HeadlessToolkit::TimerStarts(std::string_view window, std::string_view timer) {
  std::lock_guard lock(mutex_);
  const Control* c = Find(window, timer, {ControlKind::Timer});
  return c ? c->timerStarts : 0;
}

std::vector<Text> HeadlessToolkit::OpenedUrls() { return Locked(urls_); }

std::vector<FileWriteRecord> HeadlessToolkit::FileWrites() { return Locked(writes_); }

std::vector<FontHandle> HeadlessToolkit::LiveFonts() { return Locked(liveFonts_); }

std::vector<FontHandle> HeadlessToolkit::RemovedFonts() { return Locked(removedFonts_); }

std::optional<ControlDefinition> HeadlessToolkit::ControlState(std::string_view window, std::string_view control) {
  std::lock_guard lock(mutex_);
  Window* w = FindWindow(window);
  if (w == nullptr) return std::nullopt;
  const auto it = w->controls.find(control);
  if (it == w->controls.end()) return std::nullopt;
  return it->second.definition;
}

// --- Threads -------------------------------------------------------------------------------------

bool HeadlessToolkit::WaitForThreads(std::chrono::milliseconds timeout) {
  std::unique_lock lock(threads_->mutex);
  return threads_->allDone.wait_for(lock, timeout, [&] { return threads_->running == 0; });
}

int HeadlessToolkit::ThreadsStarted() {
  std::lock_guard lock(threads_->mutex);
  return threads_->started;
}

}  // namespace cinevora
