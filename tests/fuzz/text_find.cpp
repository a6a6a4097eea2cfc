// FindText, FindLastText, SplitText and ReplaceAll on arbitrary bytes.
// Input: switches (bit 0 ignore case, the rest a start position), sought, NUL, text.
#include "text/AnsiText.h"
#include "tests/fuzz/text_fuzz_input.h"

using namespace cinevora;

namespace {

bool MatchesAt(const Text& text, int position, const Text& sought, bool ignoreCase) {
  if (position < 1 || static_cast<std::size_t>(position) - 1 + sought.size() > text.size()) return false;
  const Text candidate = text.substr(static_cast<std::size_t>(position) - 1, sought.size());
  return ignoreCase ? LowerCase(candidate) == LowerCase(sought) : candidate == sought;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const TextFuzzInput input(data, size, 2);
  const Text& sought = input.texts[0];
  const Text& text = input.texts[1];
  const bool ignoreCase = input.switches & 1;
  const int start = input.switches >> 1;

  const int first = FindText(text, sought, start, ignoreCase);
  const int last = FindLastText(text, sought, ignoreCase);
  if (!sought.empty()) {
    Require(first == -1 || (first >= start && MatchesAt(text, first, sought, ignoreCase)));
    Require(last == -1 || MatchesAt(text, last, sought, ignoreCase));
    Require(start > 1 || last >= first);
    Require((FindText(text, sought, 1, ignoreCase) == -1) == (last == -1));
  }

  // The pieces and the separators between them give the text back, but for a last separator.
  const std::vector<Text> pieces = SplitText(text, sought);
  Text joined;
  for (std::size_t i = 0; i < pieces.size(); ++i) joined += (i == 0 ? "" : sought) + pieces[i];
  Require(text.compare(0, joined.size(), joined) == 0);
  Require(joined.size() == text.size() || text.substr(joined.size()) == sought);

  Require(ReplaceAll(text, sought, sought) == text);
  const Text lower = LowerCase(text);
  Require(lower.size() == text.size() && LowerCase(lower) == lower);
  const Text trimmed = TrimSpaces(text);
  Require(IsPartOf(trimmed, text) && TrimSpaces(trimmed) == trimmed);
  Require(RemoveSpaces(text).size() <= text.size());
  return 0;
}
