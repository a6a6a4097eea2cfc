#include "QtDriver.h"

#include <QApplication>
#include <QThread>

namespace cinevora::test {
namespace {

// One application for the whole test binary; every toolkit of a test uses it.
int& Argc() {
  static int argc = 1;
  return argc;
}
char** Argv() {
  static char name[] = "toolkit_qt_test";
  static char* argv[] = {name, nullptr};
  if (QApplication::instance() == nullptr) new QApplication(Argc(), argv);  // lives until exit
  return argv;
}

}  // namespace

QtDriver::QtDriver() : tk_(Argc(), Argv(), inet_) {
  answerer_.setInterval(5);
  QObject::connect(&answerer_, &QTimer::timeout, [this] {
    if (tk_.PressMessageBoxButton(pendingAnswer_)) answerer_.stop();
  });
}

bool QtDriver::WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(1);
  }
  return true;
}

void QtDriver::AnswerNextUiBox(int answer) {
  pendingAnswer_ = answer;
  answerer_.start();
}

bool QtDriver::AnswerWaitingBox(int answer) {
  return WaitUntil([&] { return tk_.PressMessageBoxButton(answer); });
}

bool QtDriver::TimerFires(const std::string& window, const std::string& timer) {
  QTimer* t = tk_.ControlTimer(window, timer);
  if (t == nullptr) return false;
  int fired = 0;
  const auto connection = QObject::connect(t, &QTimer::timeout, [&] { ++fired; });
  const bool firedInTime = WaitUntil([&] { return fired > 0; }, 300ms);
  QObject::disconnect(connection);
  return firedInTime;
}

void QtDriver::Draw(const std::string& window) {
  if (QWidget* w = tk_.WindowWidget(window)) w->grab();
}

int QtDriver::WindowCount(const std::string& window) {
  int count = 0;
  for (const QWidget* w : QApplication::topLevelWidgets()) {
    count += (w->objectName() == QString::fromStdString(window) && w->isVisible()) ? 1 : 0;
  }
  return count;
}

int QtDriver::RunLoopWhileUserCloses(const std::vector<std::string>& windows) {
  int delay = 0;
  for (const std::string& name : windows) {
    delay += 20;
    // Bound to the window: a close that never comes cannot fire into a later test.
    QTimer::singleShot(delay, tk_.WindowWidget(name), [this, name] { tk_.CloseWindow(name); });
  }
  return tk_.RunMessageLoop();
}

std::unique_ptr<ToolkitDriver> MakeToolkitDriver() { return std::make_unique<QtDriver>(); }

}  // namespace cinevora::test
