#pragma once
// Showing skin colours on the application's windows, inside the skin library.

#include "platform/skin/SkinColours.h"

namespace cinevora {

// Sets the application palette and style sheet from `colours`, which repaints every open window
// and applies to every later one. Does nothing when the process has no QApplication (or the
// library is built without Qt). Any thread: off the application's thread the work is queued to
// it and this returns at once.
void ApplySkin(const SkinColours& colours);

}  // namespace cinevora
