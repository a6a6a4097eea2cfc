#include "text/AnsiText.h"

#include <climits>

#include "text/Characters.h"
#include "text/TextSearch.h"

namespace cinevora {

namespace {

// Length of the space character (blank or ideographic space) at `index`, or 0 when none starts
// there. `index` must be a character start.
std::size_t SpaceLength(std::string_view text, std::size_t index) {
  if (text[index] == ' ') return 1;
  if (text[index] == '\xA1' && index + 1 < text.size() && text[index + 1] == '\xA1') return 2;
  return 0;
}

int ToPosition(std::size_t index) {
  return index == TextSearch::kNotFound || index >= INT_MAX ? -1 : static_cast<int>(index) + 1;
}

}  // namespace

int FindText(const Text& text, const Text& sought, int start, bool ignoreCase) {
  const std::size_t from = start <= 1 ? 0 : static_cast<std::size_t>(start) - 1;
  if (from >= text.size()) return -1;
  if (sought.empty()) return 1;
  return ToPosition(TextSearch(text, sought, from, ignoreCase).Next(from));
}

int FindLastText(const Text& text, const Text& sought, bool ignoreCase) {
  if (text.empty()) return -1;
  if (sought.empty()) return 1;
  TextSearch search(text, sought, 0, ignoreCase);
  std::size_t last = TextSearch::kNotFound;
  for (std::size_t hit = search.Next(0); hit != TextSearch::kNotFound; hit = search.Next(hit + 1)) {
    last = hit;
  }
  return ToPosition(last);
}

bool ContainsText(const Text& text, const Text& sought, bool ignoreCase) {
  return FindText(text, sought, 1, ignoreCase) != -1;
}

Text LeftText(const Text& text, int n) {
  return n <= 0 ? Text() : text.substr(0, static_cast<std::size_t>(n));
}

Text RightText(const Text& text, int n) {
  if (n <= 0) return Text();
  const std::size_t count = static_cast<std::size_t>(n);
  return count >= text.size() ? text : text.substr(text.size() - count);
}

Text MiddleText(const Text& text, int position, int n) {
  if (position < 1 || static_cast<std::size_t>(position) > text.size() || n <= 0) return Text();
  return text.substr(static_cast<std::size_t>(position) - 1, static_cast<std::size_t>(n));
}

Text TrimSpaces(const Text& text) { return Text(TrimmedPart(text)); }

std::string_view TrimmedPart(std::string_view text) {
  std::size_t begin = 0;
  while (begin < text.size()) {
    const std::size_t space = SpaceLength(text, begin);
    if (space == 0) break;
    begin += space;
  }
  // The end is found walking forward: only a walk from the start knows whether a trailing A1 A1
  // is a space or the second byte of one character and the first of the next.
  std::size_t end = begin;
  for (std::size_t i = begin; i < text.size();) {
    const std::size_t length = CharacterLength(text, i);
    const bool space = SpaceLength(text, i) != 0;
    i += length;
    if (!space) end = i;
  }
  return text.substr(begin, end - begin);
}

Text RemoveSpaces(const Text& text) {
  Text result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t space = SpaceLength(text, i);
    if (space != 0) {
      i += space;
      continue;
    }
    const std::size_t length = CharacterLength(text, i);
    result.append(text, i, length);
    i += length;
  }
  return result;
}

std::vector<Text> SplitText(const Text& text, const Text& separator) {
  std::vector<Text> pieces;
  if (text.empty()) return pieces;
  if (separator.empty()) return {text};
  TextSearch search(text, separator, 0, false);
  std::size_t from = 0;
  for (std::size_t hit = search.Next(0); hit != TextSearch::kNotFound; hit = search.Next(from)) {
    pieces.push_back(text.substr(from, hit - from));
    from = hit + separator.size();
  }
  if (from < text.size()) pieces.push_back(text.substr(from));
  return pieces;
}

Text LowerCase(const Text& text) {
  Text result = text;
  for (std::size_t i = 0; i < result.size(); i += CharacterLength(result, i)) {
    result[i] = static_cast<char>(FoldAscii(static_cast<unsigned char>(result[i])));
  }
  return result;
}

bool TextEqual(const Text& a, const Text& b) { return a == b; }

Text ReplaceAll(const Text& text, const Text& search, const Text& replacement) {
  if (search.empty() || text.empty()) return text;
  TextSearch occurrences(text, search, 0, false);
  Text result;
  std::size_t from = 0;
  for (std::size_t hit = occurrences.Next(0); hit != TextSearch::kNotFound;
       hit = occurrences.Next(from)) {
    result.append(text, from, hit - from).append(replacement);
    from = hit + search.size();
  }
  return result.append(text, from, Text::npos);
}

}  // namespace cinevora
