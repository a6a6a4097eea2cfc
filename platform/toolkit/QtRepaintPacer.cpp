#include "platform/toolkit/QtRepaintPacer.h"

#include <QWidget>

namespace cinevora {

RepaintPacer::RepaintPacer(QWidget& widget) : QObject(&widget), widget_(widget) {
  frameEnd_.setSingleShot(true);
  frameEnd_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&frameEnd_, &QTimer::timeout, this, [this] {
    widget_.setUpdatesEnabled(true);  // repaints the widget with every change of the frame
    lastShown_.start();
  });
}

void RepaintPacer::Change() {
  if (frameEnd_.isActive()) return;  // this change waits with the others
  if (lastShown_.isValid() && lastShown_.elapsed() < FRAME_MS) {
    widget_.setUpdatesEnabled(false);
    frameEnd_.start(FRAME_MS - static_cast<int>(lastShown_.elapsed()));
    return;
  }
  lastShown_.start();
}

}  // namespace cinevora
