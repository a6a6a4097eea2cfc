#include "text/ExtractBetweenAll.h"

#include "text/AnsiText.h"
#include "text/TextSearch.h"

namespace cinevora {

int ExtractBetweenAll(const Text& text, const Text& leftMarker, const Text& rightMarker,
                      std::vector<Text>& results, bool caseSensitive, int maxLength,
                      const Text& prefix, const Text& suffix, bool withLeftMarker,
                      bool withRightMarker, int startPos) {
  results.clear();
  if (leftMarker.empty() || rightMarker.empty()) return 0;
  const std::size_t origin = startPos <= 1 ? 0 : static_cast<std::size_t>(startPos) - 1;
  if (origin >= text.size()) return 0;

  // Both searches only move forward and count characters from the same origin, so one page costs
  // one pass over its bytes however many items it holds.
  TextSearch lefts(text, leftMarker, origin, !caseSensitive);
  TextSearch rights(text, rightMarker, origin, !caseSensitive);
  std::size_t from = origin;
  while (true) {
    const std::size_t left = lefts.Next(from);
    if (left == TextSearch::kNotFound) break;
    const std::size_t itemBegin = left + leftMarker.size();
    const std::size_t right = rights.Next(itemBegin);
    if (right == TextSearch::kNotFound) break;

    const std::string_view item =
        TrimmedPart(std::string_view(text).substr(itemBegin, right - itemBegin));
    if (item.empty()) break;
    if (maxLength != 0 && (maxLength < 0 || item.size() > static_cast<std::size_t>(maxLength))) break;

    Text element;
    element.reserve(leftMarker.size() + prefix.size() + item.size() + suffix.size() +
                    rightMarker.size());
    if (withLeftMarker) element += leftMarker;
    element.append(prefix).append(item).append(suffix);
    if (withRightMarker) element += rightMarker;
    results.push_back(std::move(element));
    from = right;
  }
  return static_cast<int>(results.size());
}

}  // namespace cinevora
