#include "platform/toolkit/QtControls.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <limits>
#include <utility>

#include "platform/toolkit/QtText.h"

namespace cinevora {

void ProgramWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  // Taken out before it runs: a window closes once, and the callback may close it again.
  if (const auto callback = std::exchange(closing, nullptr)) callback();
}

PictureBox::PictureBox(PictureFit fit, QWidget* parent) : QFrame(parent), fit_(fit) {}

void PictureBox::SetPicture(const Bytes& encoded) {
  encoded_ = encoded;
  decoded_.reset();
  update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (encoded_.empty()) return;
  // Qt's image reader refuses pictures that would decode to more than its allocation limit
  // (256 MB by default), so a hostile poster cannot exhaust memory here.
  if (!decoded_) {
    decoded_ = encoded_.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())
                   ? QImage()
                   : QImage::fromData(encoded_.data(), static_cast<int>(encoded_.size()));
  }
  if (decoded_->isNull()) return;
  QPainter painter(this);
  const QRect area = contentsRect();
  painter.setClipRect(area);
  if (fit_ == PictureFit::Stretch) {
    painter.drawImage(area, *decoded_);
  } else {
    painter.drawImage(area.topLeft(), *decoded_);
  }
}

QString CssColour(Colour colour) {
  return QStringLiteral("rgb(%1, %2, %3)").arg(RedOf(colour)).arg(GreenOf(colour)).arg(BlueOf(colour));
}

QString CssBorder(Border border) {
  switch (border) {
    case Border::None:
      return QStringLiteral("border: none;");
    case Border::Single:
      return QStringLiteral("border: 1px solid rgb(0, 0, 0);");
    case Border::ShallowSunken:  // dark above and left, light below and right
      return QStringLiteral(
          "border-width: 1px; border-style: solid;"
          " border-color: rgb(160, 160, 160) rgb(255, 255, 255) rgb(255, 255, 255) rgb(160, 160, 160);");
    case Border::StaticEdge:
      return QStringLiteral("border: 1px solid rgb(130, 135, 144);");
  }
  return QString();
}

void ApplyFrame(QFrame& frame, Border border) {
  switch (border) {
    case Border::None:
      frame.setFrameStyle(QFrame::NoFrame);
      return;
    case Border::Single:
      frame.setFrameStyle(QFrame::Box | QFrame::Plain);
      break;
    case Border::ShallowSunken:
      frame.setFrameStyle(QFrame::Panel | QFrame::Sunken);
      break;
    case Border::StaticEdge:
      frame.setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
      break;
  }
  frame.setLineWidth(1);
}

QFont FontFor(const FontSpec& wanted) {
  QFont font = QApplication::font();
  if (!wanted.face.empty()) font.setFamilies({ToQString(wanted.face)});
  if (wanted.height != 0) font.setPixelSize(std::abs(wanted.height));
  font.setWeight(static_cast<QFont::Weight>(std::clamp(wanted.weight, 1, 1000)));
  return font;
}

QString EditDisplayText(const Text& text) {
  const QString raw = ToQString(text);
  QString shown;
  shown.reserve(raw.size());
  for (qsizetype i = 0; i < raw.size(); ++i) {
    const QChar c = raw[i];
    if (c == u'\r' && i + 1 < raw.size() && raw[i + 1] == u'\n') {
      shown += u'\n';
      ++i;
    } else if (c != u'\r' && c != u'\n') {
      shown += c;
    }
  }
  return shown;
}

}  // namespace cinevora
