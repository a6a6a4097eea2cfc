#pragma once
// The movie the user picked: the selected row of MainWindow's movie list.

#include "platform/toolkit/Toolkit.h"
#include "text/Text.h"

namespace cinevora {

// Reads the list's selection afresh and returns the text of that row's cell in `column`
// (TITLE_COLUMN, ADDRESS_COLUMN, ...). Empty when no row is selected or MainWindow is gone.
// Any thread, like the toolkit's own operations.
Text SelectedMovieCell(Toolkit& toolkit, int column);

}  // namespace cinevora
