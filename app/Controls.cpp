#include "app/Controls.h"

#include <utility>

#include "platform/codepage/Codepage.h"
#include "resources/Resources.h"

namespace cinevora {

ControlDefinition PlacedControl(ControlKind kind, std::string name, std::string parent, int left,
                                int top, int width, int height) {
  ControlDefinition control;
  control.kind = kind;
  control.name = std::move(name);
  control.parent = std::move(parent);
  control.left = left;
  control.top = top;
  control.width = width;
  control.height = height;
  return control;
}

FontSpec UiFont(int height) {
  FontSpec font;
  font.face = Gbk("微软雅黑");
  font.height = height;
  font.weight = 400;
  font.gb2312 = true;
  return font;
}

ControlDefinition ColouredButton(std::string name, int left, int top, int width, int height,
                                 Text caption, ButtonColours colours,
                                 std::function<void()> onClick) {
  ControlDefinition button =
      PlacedControl(ControlKind::Button, std::move(name), "", left, top, width, height);
  button.caption = std::move(caption);
  button.font = UiFont(-14);
  button.textColour = kWhite;
  button.buttonColours = colours;
  button.onClick = std::move(onClick);
  return button;
}

ControlDefinition PictureBox(std::string name, std::string parent, int left, int top, int width,
                             int height, std::string_view resource, PictureFit fit) {
  ControlDefinition box = PlacedControl(ControlKind::PictureBox, std::move(name),
                                        std::move(parent), left, top, width, height);
  const auto bytes = ResourceBytes(resource);
  box.picture.assign(bytes.begin(), bytes.end());
  box.pictureFit = fit;
  box.border = Border::None;
  return box;
}

}  // namespace cinevora
