#pragma once
// The five categories of the movie site, in the order of MainWindow's button grid, and the
// constants of a listing-page run: how many rows a page gives, up to which page a bad page ends
// the run, and the three marker pairs that cut a listing page into the list's three columns.

#include <string>
#include <vector>

#include "platform/toolkit/WindowDefinition.h"
#include "text/Text.h"

namespace cinevora {

struct CategoryEntry {
  std::string button;  // the button's control name in MainWindow (UTF-8, like every control name)
  Text caption;        // the button's caption (GBK)
  Text path;           // the listing pages' folder under the site base, with both slashes
  Colour listColour;   // the movie list's colours while this category is shown
  int hue, saturation, brightness;  // the skin tint of this category
};

// The five entries, built once; safe to call from any thread.
const std::vector<CategoryEntry>& CategoryTable();

// Rows taken from each listing page, however many entries it lists.
inline constexpr int ROWS_PER_PAGE = 10;
// Listing pages per category run.
inline constexpr int LISTING_PAGES = 10;
// A page up to this number whose titles and dates disagree ends the run; later ones are skipped.
inline constexpr int LAST_ABORTING_PAGE = 3;

// A left and right marker of one list column, byte-exact, blank runs and CR LF included.
struct MarkerPair {
  Text left;
  Text right;
};

const MarkerPair& TitleMarkers();  // column 0: the poster's alternative text
const MarkerPair& DateMarkers();   // column 1: the entry's date cell
const MarkerPair& LinkMarkers();   // column 2: the movie page's address

// The address of listing page `page` (1 to LISTING_PAGES) of `entry` under `siteBase`: the
// category folder itself for page 1, "index_<page>.htm" inside it for the others.
Text ListingPageAddress(const Text& siteBase, const CategoryEntry& entry, int page);

}  // namespace cinevora
