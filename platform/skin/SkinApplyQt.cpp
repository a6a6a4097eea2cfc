#include <QApplication>
#include <QColor>
#include <QMetaObject>
#include <QPalette>
#include <QString>
#include <QThread>

#include "platform/skin/SkinApply.h"
#include "platform/skin/SkinStyleSheet.h"

namespace cinevora {
namespace {

QColor ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

QPalette SkinPalette(const SkinColours& c) {
  QPalette palette;
  palette.setColor(QPalette::Window, ToQColor(c.windowBackground));
  palette.setColor(QPalette::WindowText, ToQColor(c.windowText));
  palette.setColor(QPalette::Base, ToQColor(c.editBackground));
  palette.setColor(QPalette::AlternateBase, ToQColor(c.windowBackground));
  palette.setColor(QPalette::Text, ToQColor(c.editText));
  palette.setColor(QPalette::Button, ToQColor(c.buttonBackground));
  palette.setColor(QPalette::ButtonText, ToQColor(c.buttonText));
  palette.setColor(QPalette::Light, ToQColor(c.frameLight));
  palette.setColor(QPalette::Midlight, ToQColor(c.frameLight));
  palette.setColor(QPalette::Mid, ToQColor(c.frameMid));
  palette.setColor(QPalette::Dark, ToQColor(c.frameDark));
  palette.setColor(QPalette::Shadow, ToQColor(c.frameDark));
  palette.setColor(QPalette::Highlight, ToQColor(c.highlight));
  palette.setColor(QPalette::HighlightedText, ToQColor(c.highlightText));
  palette.setColor(QPalette::ToolTipBase, ToQColor(c.windowBackground));
  palette.setColor(QPalette::ToolTipText, ToQColor(c.windowText));
  // Disabled text is drawn in the frame colour, so it reads as switched off on any tint.
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(QPalette::Disabled, role, ToQColor(c.frameMid));
  }
  return palette;
}

void ApplyOnGuiThread(const SkinColours& colours) {
  // setPalette and setStyleSheet each reach every widget, open or made later, and repaint it; a
  // new style sheet also re-polishes every one of them. A category clicked again tints the skin
  // just as it is, and then there is nothing to redo.
  const QPalette palette = SkinPalette(colours);
  if (palette != QApplication::palette()) QApplication::setPalette(palette);
  const QString sheet = QString::fromStdString(ApplicationStyleSheet(colours));
  if (sheet != qApp->styleSheet()) qApp->setStyleSheet(sheet);
}

}  // namespace

void ApplySkin(const SkinColours& colours) {
  auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
  if (app == nullptr) return;
  if (QThread::currentThread() == app->thread()) {
    ApplyOnGuiThread(colours);
  } else {
    // Queued, not blocking: the caller may be a worker the UI thread is waiting for.
    QMetaObject::invokeMethod(app, [colours] { ApplyOnGuiThread(colours); }, Qt::QueuedConnection);
  }
}

}  // namespace cinevora
