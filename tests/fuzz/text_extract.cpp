// ExtractBetweenAll and TextBetween on arbitrary pages and markers.
// Input: switches (bit 0 case-sensitive, bits 1-3 maxLength, bits 4-7 start), left, NUL, right,
// NUL, page.
#include "text/AnsiText.h"
#include "text/ExtractBetweenAll.h"
#include "web/TextBetween.h"
#include "tests/fuzz/text_fuzz_input.h"

using namespace cinevora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const TextFuzzInput input(data, size, 3);
  const Text& left = input.texts[0];
  const Text& right = input.texts[1];
  const Text& page = input.texts[2];
  const bool caseSensitive = input.switches & 1;
  const int maxLength = (input.switches >> 1) & 7;
  const int startPos = input.switches >> 4;

  std::vector<Text> items = {"stale"};
  const int count = ExtractBetweenAll(page, left, right, items, caseSensitive, maxLength, {}, {},
                                      false, false, startPos);
  Require(count == static_cast<int>(items.size()));
  Require(static_cast<std::size_t>(count) <= page.size());
  for (const Text& item : items) {
    Require(!item.empty() && TrimSpaces(item) == item && IsPartOf(item, page));
    Require(maxLength == 0 || item.size() <= static_cast<std::size_t>(maxLength));
  }

  // The decorated form holds the same items, each wrapped the same way.
  std::vector<Text> wrapped;
  Require(ExtractBetweenAll(page, left, right, wrapped, caseSensitive, maxLength, "<", ">", true,
                            true, startPos) == count);
  for (int i = 0; i < count; ++i) Require(wrapped[i] == left + "<" + items[i] + ">" + right);

  const Text between = TextBetween(page, left, right);
  Require(IsPartOf(between, page));
  return 0;
}
