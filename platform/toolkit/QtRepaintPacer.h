#pragma once
// Paces the repaints of a widget that a worker changes in quick bursts (the movie list, a page
// of rows at a time). Every change of an item view relays out and repaints all of it; pages from
// a fast site come faster than a screen shows frames, and the repaints then took most of a
// category run. The first change after a quiet frame shows at once, as ever; further changes
// within that frame are shown together when it ends, so nothing waits longer than one frame.
// UI thread only.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QWidget;

namespace cinevora {

class RepaintPacer final : public QObject {
 public:
  // A child of `widget`, and gone with it.
  explicit RepaintPacer(QWidget& widget);
  // Call before each change of the widget's content.
  void Change();

 private:
  // About one frame of a 60 Hz screen.
  static constexpr int FRAME_MS = 16;
  QWidget& widget_;
  QElapsedTimer lastShown_;  // when a change last went to the screen at once
  QTimer frameEnd_;          // running while changes wait for the end of the frame
};

}  // namespace cinevora
