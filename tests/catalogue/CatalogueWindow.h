#pragma once
// The part of MainWindow the catalogue works on: the movie list, the two labels of the loading
// indicator (hidden at start) and the five category buttons, bound to CategoryClick.

#include "app/Program.h"
#include "platform/toolkit/WindowDefinition.h"

namespace cinevora::test {

// The handlers refer to `program`, which must outlive the window.
WindowDefinition CatalogueWindow(Program& program);

}  // namespace cinevora::test
