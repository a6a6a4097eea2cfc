#include "web/TextBetween.h"

#include "text/AnsiText.h"

namespace cinevora {

namespace {

// "#引号" in GBK: how a marker written in the program's sources spells a double quote.
const Text kQuoteWord = "#\xD2\xFD\xBA\xC5";

}  // namespace

Text TextBetween(const Text& text, const Text& leftMarker, const Text& rightMarker) {
  const Text left = ReplaceAll(leftMarker, kQuoteWord, "\"");
  const Text right = ReplaceAll(rightMarker, kQuoteWord, "\"");
  const int leftAt = FindText(text, left, 1, true);
  if (leftAt == -1) return Text();
  const int start = leftAt + static_cast<int>(left.size());
  const int rightAt = FindText(text, right, start, true);
  if (rightAt == -1) return Text();
  return MiddleText(text, start, rightAt - start);
}

Text HeaderValue(const Text& line) {
  const int colon = FindText(line, ":");
  if (colon == -1) return Text();
  return TrimSpaces(line.substr(static_cast<std::size_t>(colon)));
}

}  // namespace cinevora
