#pragma once
// Controls that MainWindow and PlayerWindow share in kind: the interface face, the coloured
// button and the picture box that shows an embedded picture.

#include <functional>
#include <string>
#include <string_view>

#include "platform/toolkit/WindowDefinition.h"
#include "text/Text.h"

namespace cinevora {

// A control of `kind` named `name` at (left, top) inside `parent` (empty: the client area), with
// every other setting at its default.
ControlDefinition PlacedControl(ControlKind kind, std::string name, std::string parent, int left,
                                int top, int width, int height);

// The program's interface face "微软雅黑" at `height`, normal weight, GB2312.
FontSpec UiFont(int height);

// A coloured button: white caption (CP936) in UiFont(-14) on a background colour per mouse state.
ControlDefinition ColouredButton(std::string name, int left, int top, int width, int height,
                                 Text caption, ButtonColours colours,
                                 std::function<void()> onClick);

// A borderless picture box inside `parent` (empty: the client area) holding the embedded
// resource `resource` (see resources/Resources.h), drawn with `fit`.
ControlDefinition PictureBox(std::string name, std::string parent, int left, int top, int width,
                             int height, std::string_view resource, PictureFit fit);

}  // namespace cinevora
