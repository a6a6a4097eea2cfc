#pragma once
// The click of one of MainWindow's five category buttons.

#include "app/Program.h"
#include "catalogue/CategoryTable.h"

namespace cinevora {

// Runs on the user-interface thread. Starts a new run generation (superseding any run still
// going), paints the movie list in the category's colour with white text, shows the loading
// indicator, tints the skin and starts CategoryScraper for `entry` on a new detached thread, then
// returns at once. When the skin library has failed (it has then ended the program) no run is
// started.
void CategoryClick(Program& program, const CategoryEntry& entry);

}  // namespace cinevora
