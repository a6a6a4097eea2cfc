#pragma once
// The application style sheet of a skin: scroll bars, edit box frames and message boxes.
//
// It uses only generic selectors (widget classes, and the buttons and labels inside a message
// box), so that the colours the program gives single widgets through their own style sheets
// (the coloured buttons, the movie list) always win. Window backgrounds, frames and the colours
// of edit boxes come from the application palette instead, which a widget's own palette overrides.
// Pure function, no Qt; thread-safe.

#include <string>

#include "platform/skin/SkinColours.h"

namespace cinevora {

std::string ApplicationStyleSheet(const SkinColours& colours);

}  // namespace cinevora
