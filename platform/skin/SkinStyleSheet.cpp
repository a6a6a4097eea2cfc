#include "platform/skin/SkinStyleSheet.h"

#include <cstdio>

namespace cinevora {
namespace {

std::string Css(Colour c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", RedOf(c), GreenOf(c), BlueOf(c));
  return text;
}

}  // namespace

std::string ApplicationStyleSheet(const SkinColours& c) {
  std::string sheet;
  sheet += "QScrollBar:vertical { background: " + Css(c.scrollTrack) + "; width: 14px; margin: 0; border: none; }\n";
  sheet += "QScrollBar:horizontal { background: " + Css(c.scrollTrack) + "; height: 14px; margin: 0; border: none; }\n";
  sheet += "QScrollBar::handle { background: " + Css(c.scrollHandle) + "; border-radius: 4px; margin: 3px; }\n";
  sheet += "QScrollBar::handle:vertical { min-height: 24px; }\n";
  sheet += "QScrollBar::handle:horizontal { min-width: 24px; }\n";
  sheet += "QScrollBar::handle:hover, QScrollBar::handle:pressed { background: " + Css(c.scrollHandleHover) + "; }\n";
  sheet += "QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; border: none; }\n";
  sheet += "QScrollBar::add-page, QScrollBar::sub-page { background: none; }\n";
  sheet += "QLineEdit, QTextEdit, QPlainTextEdit { border: 1px solid " + Css(c.editBorder) + "; }\n";
  sheet += "QLineEdit:focus, QTextEdit:focus, QPlainTextEdit:focus { border-color: " + Css(c.editFocusBorder) + "; }\n";
  sheet += "QMessageBox { background-color: " + Css(c.messageBackground) + "; }\n";
  sheet += "QMessageBox QLabel { color: " + Css(c.messageText) + "; }\n";
  sheet += "QMessageBox QPushButton { background-color: " + Css(c.buttonBackground) + "; color: " +
           Css(c.buttonText) + "; border: 1px solid " + Css(c.frameMid) +
           "; border-radius: 3px; padding: 4px 18px; min-width: 56px; }\n";
  sheet += "QMessageBox QPushButton:hover, QMessageBox QPushButton:focus { border-color: " +
           Css(c.highlight) + "; }\n";
  sheet += "QMessageBox QPushButton:pressed { background-color: " + Css(c.frameLight) + "; }\n";
  return sheet;
}

}  // namespace cinevora
