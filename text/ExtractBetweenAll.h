#pragma once
// Cuts every piece of a page that lies between a left and a right marker, in page order.

#include <vector>

#include "text/Text.h"

namespace cinevora {

// Empties `results`, then appends one element per item found and returns how many there are.
//
// The search begins at 1-based `startPos` (1 or less: the start of `text`). Each item is the text
// between the next `leftMarker` and the first `rightMarker` after it, with blanks and ideographic
// spaces trimmed from both ends; the search for the next item resumes at that right marker, so a
// marker that closes one item may open the next. Markers match without regard to ASCII case
// unless `caseSensitive`. The element is leftMarker (if `withLeftMarker`) + `prefix` + item +
// `suffix` + rightMarker (if `withRightMarker`).
//
// Extraction stops quietly at the first missing marker, at the first item that trims to empty,
// and at the first item longer than `maxLength` bytes when `maxLength` is not 0 (a negative
// `maxLength` lets no item through). Empty markers give an empty array and 0. Nothing is kept
// between calls; calls on different arrays may run on different threads at once.
int ExtractBetweenAll(const Text& text, const Text& leftMarker, const Text& rightMarker,
                      std::vector<Text>& results, bool caseSensitive = false, int maxLength = 0,
                      const Text& prefix = {}, const Text& suffix = {}, bool withLeftMarker = false,
                      bool withRightMarker = false, int startPos = 0);

}  // namespace cinevora
