#pragma once
// The widgets behind the window definitions that Qt has no ready-made class for, and the looks
// (fonts, colours, borders) every control is dressed in. UI thread only.

#include <QFont>
#include <QFrame>
#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

#include "platform/toolkit/WindowDefinition.h"

namespace cinevora {

// A top-level window of the program. `closing` runs once, when the window is first closed (by the
// user or by close()), before it disappears.
class ProgramWindow final : public QWidget {
 public:
  std::function<void()> closing;

 protected:
  void closeEvent(QCloseEvent* event) override;
};

// A picture box: keeps the encoded bytes exactly as given and decodes them only to draw. Bytes
// that are no picture (or a broken one) draw nothing.
class PictureBox final : public QFrame {
 public:
  PictureBox(PictureFit fit, QWidget* parent);
  void SetPicture(const Bytes& encoded);
  const Bytes& Picture() const { return encoded_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PictureFit fit_;
  Bytes encoded_;
  std::optional<QImage> decoded_;  // empty until the first paint after SetPicture
};

// "rgb(r, g, b)" for style sheets.
QString CssColour(Colour colour);
// The style-sheet declarations of a border kind.
QString CssBorder(Border border);
// The frame of a picture box for a border kind.
void ApplyFrame(QFrame& frame, Border border);

// The font of a definition: face (empty keeps the application's), height in pixels (negative =
// character height, positive = cell height, both taken as Qt's pixel size), weight.
QFont FontFor(const FontSpec& wanted);

// What a multi-line edit box shows for a Text: CR LF breaks the line; a CR or an LF on its own
// breaks nothing and shows nothing, as in the classic edit control the page texts are written for
// (the description's "<br />" lines end in CR LF LF and must not come out double-spaced).
QString EditDisplayText(const Text& text);

}  // namespace cinevora
