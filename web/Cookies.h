#pragma once
// Keeping the cookie text of the request routine: a stored text of "name=value" items separated
// by "; ", merged with the items a response sets. All routines are thread-safe and never fail.

#include <vector>

#include "text/Text.h"

namespace cinevora {

// Merges the cookies a response set (`returned`, items separated by ";" or "; ") into `stored`.
// Both variables lose every blank. Afterwards `stored` holds the returned items first, in their
// order, then the old items whose name the response did not set, without items ending in
// "=deleted" and without repeated items, separated by "; ". Returns a copy of `stored`.
Text MergeCookies(Text& stored, Text& returned);

// The name of one cookie item: the text before the first "=", trimmed; the whole item trimmed
// when it has no "=".
Text CookieName(const Text& item);

// True when some item's CookieName equals `name` (case-sensitive).
bool HasCookieNamed(const std::vector<Text>& items, const Text& name);

// The pieces of `text` cut at `separator`, each distinct piece once, at its first place, joined
// again with the separator. Comparison is exact.
Text RemoveDuplicateItems(const Text& text, const Text& separator);

// 1-based index of the first item equal to `text`, or -1.
int FindItem(const std::vector<Text>& items, const Text& text);

}  // namespace cinevora
