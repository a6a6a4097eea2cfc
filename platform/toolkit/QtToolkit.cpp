#include "platform/toolkit/QtToolkit.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <future>

#include "platform/inet/PlainDownload.h"
#include "platform/toolkit/DetachedThread.h"
#include "platform/toolkit/FileReplace.h"
#include "platform/toolkit/QtControls.h"
#include "platform/toolkit/QtListCells.h"
#include "platform/toolkit/QtMessageBoxes.h"
#include "platform/toolkit/QtText.h"
#include "platform/toolkit/ToolkitRules.h"

namespace cinevora {

namespace {

// The frame the program's windows are laid out for: 3-pixel fixed borders and a 22-pixel caption.
// MainWindow's controls need exactly that client area (its buttons end at x 758 of an outer
// width of 764, its footer at y 604 of 632), and DetailsWindow's edit boxes end at its edges.
constexpr int FRAME_WIDTH = 6;
constexpr int FRAME_HEIGHT = 28;

// Each cell keeps the exact bytes it was given here; the shown text is only their rendering.
constexpr int CELL_TEXT_ROLE = Qt::UserRole;

// Handlers are copied before they run: a handler may close its own window, which destroys the
// definition it came from.
void Run(std::function<void()> handler) {
  if (handler) handler();
}

QString ButtonCaption(const Text& caption) { return ToQString(caption).replace(u'&', QStringLiteral("&&")); }

// Colours set on the widget itself, so that an application-wide skin never overrides them.
QString LabelStyle(const ControlDefinition& d) {
  return QStringLiteral("QLabel { color: %1; background-color: %2; border: none; }")
      .arg(CssColour(d.textColour), CssColour(d.backgroundColour));
}

QString ButtonStyle(const ButtonColours& c) {
  return QStringLiteral(
             "QPushButton { color: rgb(255, 255, 255); background-color: %1; border: none; }"
             " QPushButton:focus { background-color: %3; }"
             " QPushButton:hover { background-color: %2; }")
      .arg(CssColour(c.outside), CssColour(c.hover), CssColour(c.focused));
}

QString EditStyle(const ControlDefinition& d, const char* widgetClass) {
  return QStringLiteral("%1 { color: %2; background-color: %3; %4 }")
      .arg(QLatin1String(widgetClass), CssColour(d.textColour), CssColour(d.backgroundColour), CssBorder(d.border));
}

QString ListStyle(Colour text, Colour textBackground, Colour background, Border border) {
  return QStringLiteral(
             "QTreeWidget { color: %1; background-color: %3; %4 }"
             " QTreeWidget::item { color: %1; background-color: %2; }"
             " QTreeWidget::item:selected { color: palette(highlighted-text); background-color: palette(highlight); }")
      .arg(CssColour(text), CssColour(textBackground), CssColour(background), CssBorder(border));
}

}  // namespace

struct QtToolkit::Control {
  ControlDefinition state;  // the current properties live in the definition's fields
  Colour textBackgroundColour = kWhite;
  QWidget* widget = nullptr;  // owned by the window's widget
  QTimer* timer = nullptr;    // likewise
  int timerStarts = 0;
  // Edit boxes. Shared with the widget's signal connection, which may outlive the control.
  struct EditFlags {
    bool userEdited = false;  // the user typed into the box since the program last wrote it
    bool writing = false;     // the program is changing the box's text right now
  };
  std::shared_ptr<EditFlags> edit = std::make_shared<EditFlags>();

  QTreeWidget* list() const { return static_cast<QTreeWidget*>(widget); }
  void ApplyListStyle() const {
    // A new style sheet re-polishes and relays out the list and its scroll bars; the same colours
    // again (a category clicked twice) need none of that.
    const QString sheet = ListStyle(state.textColour, textBackgroundColour, state.backgroundColour, state.border);
    if (sheet == widget->styleSheet()) return;
    widget->setStyleSheet(sheet);
    static_cast<ListCellPainter*>(list()->itemDelegate())->Forget();
  }
};

struct QtToolkit::Window {
  Text title;
  std::function<void()> onDestroy;
  ProgramWindow* widget = nullptr;  // top-level; deleted when the window closes
  std::map<std::string, std::unique_ptr<Control>, std::less<>> controls;
};

// --- Threads -------------------------------------------------------------------------------------

template <typename F>
auto QtToolkit::OnUi(F&& routine) {
  using Result = std::invoke_result_t<F&>;
  if (QThread::currentThread() == uiContext_->thread()) return routine();
  if constexpr (std::is_void_v<Result>) {
    QMetaObject::invokeMethod(uiContext_.get(), routine, Qt::BlockingQueuedConnection);
  } else {
    Result result{};
    QMetaObject::invokeMethod(uiContext_.get(), [&] { result = routine(); }, Qt::BlockingQueuedConnection);
    return result;
  }
}

QtToolkit::QtToolkit(int& argc, char** argv, InternetService& inet) : inet_(inet) {
  if (QApplication::instance() == nullptr) ownedApplication_ = std::make_unique<QApplication>(argc, argv);
  uiContext_ = std::make_unique<QObject>();
  uiContext_->moveToThread(QApplication::instance()->thread());  // the thread that owns the application
  // The program decides when it ends: after its own last window, not after a message box.
  QApplication::setQuitOnLastWindowClosed(false);
  // The program's Chinese faces, served by the CJK font of this system.
  for (const char* face : {"微软雅黑", "宋体"}) QFont::insertSubstitution(QString::fromUtf8(face), QStringLiteral("WenQuanYi Micro Hei"));
}

QtToolkit::~QtToolkit() {
  for (auto& [name, window] : windows_) {
    window->widget->closing = nullptr;
    delete window->widget;
  }
  for (const auto& box : shownBoxes_) delete box.data();
}

QtToolkit::Window* QtToolkit::FindWindow(std::string_view window) {
  const auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : it->second.get();
}

QtToolkit::Control* QtToolkit::Find(std::string_view window, std::string_view control,
                                    std::initializer_list<ControlKind> kinds) {
  Window* w = FindWindow(window);
  if (w == nullptr) return nullptr;
  const auto it = w->controls.find(control);
  if (it == w->controls.end()) return nullptr;
  const ControlKind kind = it->second->state.kind;
  return std::find(kinds.begin(), kinds.end(), kind) == kinds.end() ? nullptr : it->second.get();
}

// --- Windows -------------------------------------------------------------------------------------

namespace {

QWidget* MakeLabel(const ControlDefinition& d) {
  auto* label = new QLabel;
  label->setTextFormat(Qt::PlainText);
  label->setText(ToQString(d.caption));
  label->setStyleSheet(LabelStyle(d));
  return label;
}

QWidget* MakeButton(const ControlDefinition& d) {
  auto* button = new QPushButton(ButtonCaption(d.caption));
  button->setStyleSheet(ButtonStyle(d.buttonColours));
  QObject::connect(button, &QPushButton::clicked, button, [handler = d.onClick] { Run(handler); });
  return button;
}

QWidget* MakePictureBox(const ControlDefinition& d) {
  auto* box = new PictureBox(d.pictureFit, nullptr);
  ApplyFrame(*box, d.border);
  box->SetPicture(d.picture);
  return box;
}

QWidget* MakeListView(const ControlDefinition& d) {
  auto* list = new QTreeWidget;
  list->setRootIsDecorated(false);
  list->setItemsExpandable(false);
  list->setUniformRowHeights(true);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setAllColumnsShowFocus(true);
  list->setItemDelegate(new ListCellPainter(list));
  list->setHeaderHidden(!d.headerVisible);
  list->setColumnCount(static_cast<int>(d.columns.size()));
  QStringList headings;
  for (const ListColumn& column : d.columns) headings << ToQString(column.heading);
  list->setHeaderLabels(headings);
  // A width of 0 keeps a column that nobody sees; without these Qt clamps it and stretches the last.
  list->header()->setMinimumSectionSize(0);
  list->header()->setStretchLastSection(false);
  for (int i = 0; i < static_cast<int>(d.columns.size()); ++i) {
    list->header()->setSectionResizeMode(i, QHeaderView::Interactive);
    list->setColumnWidth(i, d.columns[static_cast<std::size_t>(i)].width);
  }
  QObject::connect(list, &QTreeWidget::itemDoubleClicked, list, [handler = d.onDoubleClick] { Run(handler); });
  return list;
}

}  // namespace

void QtToolkit::BuildWindow(const WindowDefinition& definition) {
  auto window = std::make_unique<Window>();
  auto* widget = new ProgramWindow;
  window->widget = widget;
  window->title = definition.title;
  window->onDestroy = definition.onDestroy;
  widget->setObjectName(QString::fromStdString(definition.name));
  widget->setWindowTitle(ToQString(definition.title));
  widget->closing = [this, name = definition.name] { WindowClosing(name); };

  const QSize client(std::max(definition.outerWidth - FRAME_WIDTH, 0), std::max(definition.outerHeight - FRAME_HEIGHT, 0));
  if (definition.fixedBorder) {
    widget->setFixedSize(client);
  } else {
    widget->resize(client);
  }
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  const int left = definition.left == -1 ? screen.x() + (screen.width() - definition.outerWidth) / 2 : definition.left;
  const int top = definition.top == -1 ? screen.y() + (screen.height() - definition.outerHeight) / 2 : definition.top;
  widget->move(left, top);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, QColor(RedOf(definition.background), GreenOf(definition.background),
                                            BlueOf(definition.background)));
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);

  for (const ControlDefinition& d : definition.controls) {
    auto control = std::make_unique<Control>();
    control->state = d;
    control->state.timerPeriod = std::max(d.timerPeriod, 0);
    control->textBackgroundColour = d.backgroundColour;
    Control* c = control.get();
    switch (d.kind) {
      case ControlKind::Timer:
        c->timer = new QTimer(widget);
        c->timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(c->timer, &QTimer::timeout, c->timer, [handler = d.onTimer] { Run(handler); });
        if (c->state.timerPeriod > 0) {
          c->timer->start(c->state.timerPeriod);
          c->timerStarts = 1;
        }
        break;
      case ControlKind::Label:
        c->widget = MakeLabel(d);
        break;
      case ControlKind::Button:
        c->widget = MakeButton(d);
        break;
      case ControlKind::PictureBox:
        c->widget = MakePictureBox(d);
        break;
      case ControlKind::ListView:
        c->widget = MakeListView(d);
        c->ApplyListStyle();
        break;
      case ControlKind::EditBox:
        if (d.multiLine) {
          auto* edit = new QPlainTextEdit;
          edit->setVerticalScrollBarPolicy(d.verticalScrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
          edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
          edit->setReadOnly(d.readOnly);
          edit->setStyleSheet(EditStyle(d, "QPlainTextEdit"));
          QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [f = c->edit] { f->userEdited |= !f->writing; });
          c->widget = edit;
        } else {
          auto* edit = new QLineEdit;
          edit->setReadOnly(d.readOnly);
          edit->setStyleSheet(EditStyle(d, "QLineEdit"));
          QObject::connect(edit, &QLineEdit::textChanged, edit, [f = c->edit] { f->userEdited |= !f->writing; });
          c->widget = edit;
        }
        break;
    }
    window->controls.emplace(d.name, std::move(control));
  }

  // Controls go into the client area or into the picture box named as their parent.
  for (auto& [name, c] : window->controls) {
    if (c->widget == nullptr) continue;
    QWidget* parent = widget;
    if (const auto it = window->controls.find(c->state.parent);
        !c->state.parent.empty() && it != window->controls.end() && it->second->state.kind == ControlKind::PictureBox) {
      parent = it->second->widget;
    }
    c->widget->setParent(parent);
    c->widget->setGeometry(c->state.left, c->state.top, c->state.width, c->state.height);
    if (c->state.kind != ControlKind::PictureBox) c->widget->setFont(FontFor(c->state.font));
    c->widget->setVisible(c->state.visible);
  }
  // Children were created in map order; stack them in definition order, later ones on top.
  for (const ControlDefinition& d : definition.controls) {
    if (QWidget* w = window->controls.at(d.name)->widget) w->raise();
  }
  windows_.emplace(definition.name, std::move(window));
  for (const ControlDefinition& d : definition.controls) {
    if (d.kind == ControlKind::EditBox) SetEditText(definition.name, d.name, d.caption);
  }
}

void QtToolkit::LoadWindow(const WindowDefinition& definition) {
  OnUi([&] {
    if (Window* loaded = FindWindow(definition.name)) {
      if (loaded->widget->isMinimized()) loaded->widget->showNormal();
      loaded->widget->raise();
      loaded->widget->activateWindow();
      return;
    }
    BuildWindow(definition);
    // The creation event runs before the window is shown: a window whose start fails (the update
    // check ends the program) is never seen, and one that is shown is already filled in.
    Run(definition.onCreate);
    if (Window* built = FindWindow(definition.name)) built->widget->show();
  });
}

bool QtToolkit::IsWindowLoaded(std::string_view window) {
  return OnUi([&] { return FindWindow(window) != nullptr; });
}

void QtToolkit::WindowClosing(const std::string& window) {
  Window* w = FindWindow(window);
  if (w == nullptr) return;
  Run(w->onDestroy);  // the window and its controls are still there while it says goodbye
  const auto it = windows_.find(window);
  if (it == windows_.end()) return;
  ProgramWindow* widget = it->second->widget;
  windows_.erase(it);
  widget->deleteLater();
  if (windows_.empty()) QCoreApplication::exit(0);
}

bool QtToolkit::CloseWindow(std::string_view window) {
  return OnUi([&] {
    Window* w = FindWindow(window);
    if (w == nullptr) return false;
    w->widget->close();
    return true;
  });
}

int QtToolkit::RunMessageLoop() {
  if (windows_.empty()) return 0;
  QApplication::exec();
  return 0;
}

void QtToolkit::EndProgram(int exitCode) {
  std::fflush(stdout);
  std::fflush(stderr);
  std::_Exit(exitCode);
}

// --- Properties ----------------------------------------------------------------------------------

void QtToolkit::SetWindowTitle(std::string_view window, const Text& title) {
  OnUi([&] {
    if (Window* w = FindWindow(window)) {
      w->title = title;
      w->widget->setWindowTitle(ToQString(title));
    }
  });
}

Text QtToolkit::GetWindowTitle(std::string_view window) {
  return OnUi([&] {
    const Window* w = FindWindow(window);
    return w ? w->title : Text();
  });
}

void QtToolkit::SetCaption(std::string_view window, std::string_view control, const Text& caption) {
  OnUi([&] {
    Control* c = Find(window, control, CAPTIONED_KINDS);
    if (c == nullptr) return;
    c->state.caption = caption;
    if (auto* label = qobject_cast<QLabel*>(c->widget)) label->setText(ToQString(caption));
    if (auto* button = qobject_cast<QPushButton*>(c->widget)) button->setText(ButtonCaption(caption));
  });
}

Text QtToolkit::GetCaption(std::string_view window, std::string_view control) {
  return OnUi([&] {
    const Control* c = Find(window, control, CAPTIONED_KINDS);
    return c ? c->state.caption : Text();
  });
}

void QtToolkit::SetVisible(std::string_view window, std::string_view control, bool visible) {
  OnUi([&] {
    if (Control* c = Find(window, control, SHOWN_KINDS)) {
      c->state.visible = visible;
      c->widget->setVisible(visible);
    }
  });
}

bool QtToolkit::IsVisible(std::string_view window, std::string_view control) {
  return OnUi([&] {
    const Control* c = Find(window, control, SHOWN_KINDS);
    return c != nullptr && c->state.visible;
  });
}

void QtToolkit::SetFontFace(std::string_view window, std::string_view control, const Text& face) {
  OnUi([&] {
    Control* c = Find(window, control, LETTERED_KINDS);
    if (c == nullptr) return;
    c->state.font.face = EffectiveFontFace(face);
    QFont font = c->widget->font();
    font.setFamily(ToQString(c->state.font.face));
    c->widget->setFont(font);
  });
}

Text QtToolkit::GetFontFace(std::string_view window, std::string_view control) {
  return OnUi([&] {
    const Control* c = Find(window, control, LETTERED_KINDS);
    return c ? c->state.font.face : Text();
  });
}

void QtToolkit::SetTimerPeriod(std::string_view window, std::string_view timer, int milliseconds) {
  OnUi([&] {
    Control* c = Find(window, timer, {ControlKind::Timer});
    if (c == nullptr) return;
    const TimerChange change = TimerPeriodChange(c->state.timerPeriod, milliseconds);
    if (!change.changes) return;
    c->state.timerPeriod = change.period;
    if (change.period == 0) {
      c->timer->stop();
    } else {
      c->timer->start(change.period);
      ++c->timerStarts;
    }
  });
}

int QtToolkit::GetTimerPeriod(std::string_view window, std::string_view timer) {
  return OnUi([&] {
    const Control* c = Find(window, timer, {ControlKind::Timer});
    return c ? c->state.timerPeriod : 0;
  });
}

void QtToolkit::SetListTextColour(std::string_view window, std::string_view list, Colour colour) {
  OnUi([&] {
    if (Control* c = Find(window, list, {ControlKind::ListView})) {
      c->state.textColour = colour;
      c->ApplyListStyle();
    }
  });
}

void QtToolkit::SetListTextBackgroundColour(std::string_view window, std::string_view list, Colour colour) {
  OnUi([&] {
    if (Control* c = Find(window, list, {ControlKind::ListView})) {
      c->textBackgroundColour = colour;
      c->ApplyListStyle();
    }
  });
}

void QtToolkit::SetListBackgroundColour(std::string_view window, std::string_view list, Colour colour) {
  OnUi([&] {
    if (Control* c = Find(window, list, {ControlKind::ListView})) {
      c->state.backgroundColour = colour;
      c->ApplyListStyle();
    }
  });
}

Colour QtToolkit::GetListTextColour(std::string_view window, std::string_view list) {
  return OnUi([&] {
    const Control* c = Find(window, list, {ControlKind::ListView});
    return c ? c->state.textColour : Colour{0};
  });
}

Colour QtToolkit::GetListTextBackgroundColour(std::string_view window, std::string_view list) {
  return OnUi([&] {
    const Control* c = Find(window, list, {ControlKind::ListView});
    return c ? c->textBackgroundColour : Colour{0};
  });
}

Colour QtToolkit::GetListBackgroundColour(std::string_view window, std::string_view list) {
  return OnUi([&] {
    const Control* c = Find(window, list, {ControlKind::ListView});
    return c ? c->state.backgroundColour : Colour{0};
  });
}

void QtToolkit::SetPicture(std::string_view window, std::string_view box, const Bytes& encoded) {
  OnUi([&] {
    if (Control* c = Find(window, box, {ControlKind::PictureBox})) static_cast<PictureBox*>(c->widget)->SetPicture(encoded);
  });
}

Bytes QtToolkit::GetPicture(std::string_view window, std::string_view box) {
  return OnUi([&] {
    const Control* c = Find(window, box, {ControlKind::PictureBox});
    return c ? static_cast<PictureBox*>(c->widget)->Picture() : Bytes();
  });
}

namespace {

// The user's text of an editable box, with the line ends the program's texts use.
Text TypedEditText(const QWidget* widget) {
  if (const auto* plain = qobject_cast<const QPlainTextEdit*>(widget)) {
    return FromQString(plain->toPlainText().replace(u'\n', QStringLiteral("\r\n")));
  }
  return FromQString(static_cast<const QLineEdit*>(widget)->text());
}

}  // namespace

void QtToolkit::SetEditText(std::string_view window, std::string_view edit, const Text& content) {
  OnUi([&] {
    Control* c = Find(window, edit, {ControlKind::EditBox});
    if (c == nullptr) return;
    c->state.caption = content;
    c->edit->writing = true;
    if (auto* plain = qobject_cast<QPlainTextEdit*>(c->widget)) {
      plain->setPlainText(EditDisplayText(content));
    } else {
      static_cast<QLineEdit*>(c->widget)->setText(ToQString(content));
    }
    c->edit->writing = false;
    c->edit->userEdited = false;
  });
}

void QtToolkit::AppendEditText(std::string_view window, std::string_view edit, const Text& text) {
  OnUi([&] {
    Control* c = Find(window, edit, {ControlKind::EditBox});
    if (c == nullptr) return;
    if (c->edit->userEdited) c->state.caption = TypedEditText(c->widget);
    c->state.caption += text;
    c->edit->writing = true;
    if (auto* plain = qobject_cast<QPlainTextEdit*>(c->widget)) {
      plain->moveCursor(QTextCursor::End);
      plain->insertPlainText(EditDisplayText(text));
      plain->ensureCursorVisible();
    } else {
      auto* line = static_cast<QLineEdit*>(c->widget);
      line->end(false);
      line->insert(ToQString(text));
    }
    c->edit->writing = false;
    c->edit->userEdited = false;
  });
}

Text QtToolkit::GetEditText(std::string_view window, std::string_view edit) {
  return OnUi([&] {
    const Control* c = Find(window, edit, {ControlKind::EditBox});
    if (c == nullptr) return Text();
    return c->edit->userEdited ? TypedEditText(c->widget) : c->state.caption;
  });
}

// --- List view -----------------------------------------------------------------------------------

void QtToolkit::ListDeleteAllRows(std::string_view window, std::string_view list) {
  OnUi([&] {
    if (Control* c = Find(window, list, {ControlKind::ListView})) c->list()->clear();
  });
}

int QtToolkit::ListAppendRow(std::string_view window, std::string_view list) {
  return OnUi([&] {
    Control* c = Find(window, list, {ControlKind::ListView});
    if (c == nullptr) return -1;
    QTreeWidget* tree = c->list();
    tree->addTopLevelItem(new QTreeWidgetItem);
    return tree->topLevelItemCount() - 1;
  });
}

int QtToolkit::ListAppendRows(std::string_view window, std::string_view list,
                              const std::vector<std::vector<Text>>& rows) {
  return OnUi([&] { return Toolkit::ListAppendRows(window, list, rows); });
}

int QtToolkit::ListRowCount(std::string_view window, std::string_view list) {
  return OnUi([&] {
    const Control* c = Find(window, list, {ControlKind::ListView});
    return c ? c->list()->topLevelItemCount() : 0;
  });
}

void QtToolkit::ListSetCell(std::string_view window, std::string_view list, int row, int column, const Text& text) {
  OnUi([&] {
    Control* c = Find(window, list, {ControlKind::ListView});
    if (c == nullptr || column < 0 || column >= c->list()->columnCount()) return;
    if (QTreeWidgetItem* item = c->list()->topLevelItem(row)) {
      item->setData(column, CELL_TEXT_ROLE, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
      item->setText(column, ToQString(text));
    }
  });
}

Text QtToolkit::ListGetCell(std::string_view window, std::string_view list, int row, int column) {
  return OnUi([&] {
    const Control* c = Find(window, list, {ControlKind::ListView});
    if (c == nullptr || column < 0 || column >= c->list()->columnCount()) return Text();
    const QTreeWidgetItem* item = c->list()->topLevelItem(row);
    return item ? item->data(column, CELL_TEXT_ROLE).toByteArray().toStdString() : Text();
  });
}

int QtToolkit::ListSelection(std::string_view window, std::string_view list) {
  return OnUi([&] {
    const Control* c = Find(window, list, {ControlKind::ListView});
    if (c == nullptr) return -1;
    int first = -1;
    for (QTreeWidgetItem* item : c->list()->selectedItems()) {
      const int row = c->list()->indexOfTopLevelItem(item);
      if (first == -1 || row < first) first = row;
    }
    return first;
  });
}

void QtToolkit::ListSelect(std::string_view window, std::string_view list, int row) {
  OnUi([&] {
    Control* c = Find(window, list, {ControlKind::ListView});
    if (c == nullptr) return;
    if (row == -1) {
      c->list()->clearSelection();
    } else if (QTreeWidgetItem* item = c->list()->topLevelItem(row)) {
      c->list()->setCurrentItem(item);
    }
  });
}

// --- Services ------------------------------------------------------------------------------------

int QtToolkit::ShowMessageBox(const Text& text, int style) {
  // On the UI thread: modal for every window of the program until answered.
  std::unique_ptr<QMessageBox> box(NewMessageBox(text, style));
  box->setWindowModality(Qt::ApplicationModal);
  shownBoxes_.emplace_back(box.get());
  box->exec();
  return MessageBoxResult(*box);
}

int QtToolkit::MessageBox(const Text& text, int style) {
  if (QThread::currentThread() == uiContext_->thread()) return ShowMessageBox(text, style);
  // From a worker: the box shows without blocking the UI thread; only this thread waits.
  auto answer = std::make_shared<std::promise<int>>();
  std::future<int> answered = answer->get_future();
  OnUi([&] {
    QMessageBox* box = NewMessageBox(text, style);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    QObject::connect(box, &QDialog::finished, box, [box, answer]() mutable {
      if (!answer) return;
      answer->set_value(MessageBoxResult(*box));
      answer.reset();
    });
    shownBoxes_.emplace_back(box);
    box->show();
  });
  return answered.get();
}

QMessageBox* QtToolkit::ShownMessageBox() {
  std::erase_if(shownBoxes_, [](const QPointer<QMessageBox>& box) { return box.isNull(); });
  for (const auto& box : shownBoxes_) {
    if (box->isVisible()) return box.data();
  }
  return nullptr;
}

bool QtToolkit::PressMessageBoxButton(int result) {
  return OnUi([&] {
    QMessageBox* box = ShownMessageBox();
    QAbstractButton* button = box ? MessageBoxButton(*box, result) : nullptr;
    if (button == nullptr) return false;
    button->click();
    return true;
  });
}

void QtToolkit::StartThread(std::function<void()> routine) { StartDetachedThread(std::move(routine)); }

bool QtToolkit::WriteFile(const std::string& path, const std::vector<std::span<const std::uint8_t>>& blocks) {
  return ReplaceFileContents(path, blocks);
}

void QtToolkit::OpenUrl(const Text& url) {
  OnUi([&] { QDesktopServices::openUrl(QUrl(ToQString(url))); });
}

FontHandle QtToolkit::AddFontFromMemory(std::span<const std::uint8_t> fontFile) {
  return OnUi([&] {
    const int id = QFontDatabase::addApplicationFontFromData(
        QByteArray(reinterpret_cast<const char*>(fontFile.data()), static_cast<qsizetype>(fontFile.size())));
    return id < 0 ? FontHandle{0} : static_cast<FontHandle>(id) + 1;
  });
}

void QtToolkit::RemoveFont(FontHandle handle) {
  if (handle == 0) return;
  OnUi([&] { QFontDatabase::removeApplicationFont(static_cast<int>(handle - 1)); });
}

Bytes QtToolkit::PlainDownload(const Text& url) { return cinevora::PlainDownload(inet_, url); }

// --- For tests -----------------------------------------------------------------------------------

QWidget* QtToolkit::WindowWidget(std::string_view window) {
  const Window* w = FindWindow(window);
  return w ? w->widget : nullptr;
}

QWidget* QtToolkit::ControlWidget(std::string_view window, std::string_view control) {
  const Control* c = Find(window, control, SHOWN_KINDS);
  return c ? c->widget : nullptr;
}

QTimer* QtToolkit::ControlTimer(std::string_view window, std::string_view timer) {
  const Control* c = Find(window, timer, {ControlKind::Timer});
  return c ? c->timer : nullptr;
}

int QtToolkit::TimerStarts(std::string_view window, std::string_view timer) {
  return OnUi([&] {
    const Control* c = Find(window, timer, {ControlKind::Timer});
    return c ? c->timerStarts : 0;
  });
}

}  // namespace cinevora
