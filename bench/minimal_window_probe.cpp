// The yardstick of startup_bench: a bare Qt window of MainWindow's size, spawned and measured the
// way the program is. Prints "shown" once the event loop has handled its first events.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setFixedSize(748, 594);
  window.setWindowTitle("Cinevora v7.0");
  window.show();
  QTimer::singleShot(0, [] {
    std::puts("shown");
    std::fflush(stdout);
    std::_Exit(0);
  });
  return application.exec();
}
