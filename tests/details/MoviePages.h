#pragma once
// Movie pages cut down to what the details window reads from them, and the window it is opened
// from.

#include <vector>

#include "app/Program.h"
#include "platform/toolkit/WindowDefinition.h"
#include "text/Text.h"

namespace cinevora::test {

// A page whose description is exactly `description`: its picture tag stands ahead of the poster,
// so the description cut (which starts at the page's first such tag) takes it whole. Then the
// poster behind the advertising script, then `rest` (GBK).
Text MoviePage(const Text& description, const Text& posterUrl, const Text& rest = {});

// The download section with one anchor per link, as the site's table rows write them.
Text DownloadSection(const std::vector<Text>& links);

// MainWindow's movie list (three columns, none selected) with its double-click bound to
// OpenDetailsWindow; `program` must outlive the window.
WindowDefinition MovieListWindow(Program& program);

// Appends the row (title, date, address) to the loaded list; returns its index.
int AddMovie(Toolkit& toolkit, const Text& title, const Text& address);

}  // namespace cinevora::test
