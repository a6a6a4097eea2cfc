#pragma once
// MainWindow, the start window: the header picture with the loading spinner, five category
// buttons, the button that opens PlayerWindow, the movie list and the footer picture.

#include "platform/toolkit/WindowDefinition.h"

namespace cinevora {

struct Program;

inline constexpr int MAIN_OUTER_WIDTH = 764;
inline constexpr int MAIN_OUTER_HEIGHT = 632;

// The window's layout and its event bindings (creation and destruction, the spinner's timers,
// the category buttons, the player button, the list's double click). The handlers refer to
// `program`, which must outlive the window.
WindowDefinition MainWindowDefinition(Program& program);

}  // namespace cinevora
