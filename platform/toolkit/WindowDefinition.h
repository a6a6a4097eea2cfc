#pragma once
// Windows are data: a window definition lists its controls and its event bindings, and a toolkit
// (QtToolkit for the screen, HeadlessToolkit for tests) realises it. The same definition feeds
// both, so a test can check a colour or a visibility without a screen.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "text/Text.h"

namespace cinevora {

// A colour as one number: red + 256 * green + 65536 * blue, each 0 to 255.
using Colour = std::uint32_t;
constexpr Colour Rgb(int red, int green, int blue) {
  return static_cast<Colour>(red) + 256u * static_cast<Colour>(green) +
         65536u * static_cast<Colour>(blue);
}
constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kBlack = Rgb(0, 0, 0);

enum class ControlKind { PictureBox, Timer, Label, Button, EditBox, ListView };

enum class Border {
  None,
  Single,         // a one-pixel line
  ShallowSunken,  // a thin sunken frame
  StaticEdge,     // the list view's thin static edge
};

enum class PictureFit {
  Stretch,     // scaled to fill the box, aspect ratio not kept
  ActualSize,  // drawn at its own size from the top-left corner, cut off at the box
};

struct FontSpec {
  Text face;          // CP936, e.g. Gbk("微软雅黑"); empty = the toolkit's default face
  int height = -12;   // pixels; negative = character height, positive = cell height
  int weight = 400;   // 400 normal, 700 bold
  bool gb2312 = true; // GB2312 character set
};

// The coloured button's background per state; the caption is white in every state.
struct ButtonColours {
  Colour outside = 0;  // mouse outside
  Colour hover = 0;    // mouse over
  Colour focused = 0;  // has the focus
};

struct ListColumn {
  Text heading;  // CP936
  int width = 0; // pixels; 0 = present but not visible
};

struct ControlDefinition {
  ControlKind kind = ControlKind::Label;
  std::string name;    // the toolkit's name for the control, UTF-8 ("超级列表框1")
  std::string parent;  // empty: the window's client area; else the name of a picture box
  int left = 0, top = 0, width = 0, height = 0;

  Text caption;        // label and button caption, edit box content (CP936)
  bool visible = true;
  FontSpec font;

  Colour textColour = kBlack;        // labels, edit boxes, the list view
  Colour backgroundColour = kWhite;  // labels, edit boxes, the list view (and its text background)
  ButtonColours buttonColours;       // buttons

  Bytes picture;                     // picture boxes: encoded image file bytes
  PictureFit pictureFit = PictureFit::Stretch;
  Border border = Border::None;

  bool multiLine = false;            // edit boxes
  bool readOnly = false;
  bool verticalScrollBar = false;

  int timerPeriod = 0;               // timers: milliseconds, 0 = stopped

  std::vector<ListColumn> columns;   // list view (report style)
  bool headerVisible = true;

  std::function<void()> onClick;        // buttons
  std::function<void()> onDoubleClick;  // the list view
  std::function<void()> onTimer;        // timers
};

struct WindowDefinition {
  std::string name;      // "MainWindow", "DetailsWindow", "PlayerWindow"
  Text title;            // CP936
  int left = -1, top = -1;  // screen position of the frame; -1 lets the toolkit place it
  int outerWidth = 0, outerHeight = 0;  // frame included
  bool fixedBorder = false;             // true: the user cannot resize it
  Colour background = kWhite;
  std::vector<ControlDefinition> controls;

  std::function<void()> onCreate;   // runs once while the window is loaded, before it is usable
  std::function<void()> onDestroy;  // runs once when the window is about to be destroyed
};

}  // namespace cinevora
