#include "web/Cookies.h"

#include <algorithm>
#include <unordered_set>

#include "text/AnsiText.h"

namespace cinevora {

namespace {

const Text kDeleted = "=deleted";

}  // namespace

// A server controls how many cookies it sets, so the merge looks names up in a set rather than
// walking the list for each item, which would be quadratic in their number.
Text MergeCookies(Text& stored, Text& returned) {
  stored = RemoveSpaces(stored);
  returned = RemoveSpaces(returned);
  std::vector<Text> items = SplitText(returned, ";");
  std::unordered_set<Text> names;
  for (const Text& item : items) names.insert(CookieName(item));
  for (const Text& old : SplitText(stored, ";")) {
    if (names.insert(CookieName(old)).second) items.push_back(old);
  }

  Text merged;
  for (const Text& item : items) {
    if (RightText(item, static_cast<int>(kDeleted.size())) != kDeleted) merged.append(item).append("; ");
  }
  stored = RemoveDuplicateItems(LeftText(merged, static_cast<int>(merged.size()) - 2), "; ");
  return stored;
}

Text CookieName(const Text& item) {
  const int equals = FindText(item, "=");
  return TrimSpaces(equals == -1 ? item : LeftText(item, equals - 1));
}

bool HasCookieNamed(const std::vector<Text>& items, const Text& name) {
  return std::any_of(items.begin(), items.end(),
                     [&name](const Text& item) { return CookieName(item) == name; });
}

Text RemoveDuplicateItems(const Text& text, const Text& separator) {
  std::unordered_set<Text> seen;
  Text result;
  for (const Text& piece : SplitText(text, separator)) {
    if (seen.insert(piece).second) result.append(piece).append(separator);
  }
  result.resize(result.size() - std::min(result.size(), separator.size()));
  return result;
}

int FindItem(const std::vector<Text>& items, const Text& text) {
  const auto found = std::find(items.begin(), items.end(), text);
  return found == items.end() ? -1 : static_cast<int>(found - items.begin()) + 1;
}

}  // namespace cinevora
