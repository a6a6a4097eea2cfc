// FindText takes shortcuts (memmem on a folded copy made block by block, a character walk that
// only looks back to the last start it knows). Here it is held against the rule itself, a plain
// walk over every character, on random texts made of few byte values so that matches, lead
// bytes and second bytes that look like letters are frequent, and on texts long enough to cross
// the folded blocks.
#include <gtest/gtest.h>

#include <random>

#include "text/AnsiText.h"

namespace cinevora {
namespace {

unsigned char Fold(unsigned char byte) { return byte >= 'A' && byte <= 'Z' ? byte + 32 : byte; }

bool MatchesAt(const Text& text, std::size_t at, const Text& sought, bool ignoreCase) {
  if (at + sought.size() > text.size()) return false;
  for (std::size_t i = 0; i < sought.size(); ++i) {
    const unsigned char a = text[at + i];
    const unsigned char b = sought[i];
    if (b >= 0x80) {  // a two-byte character of the sought text compares exactly
      if (a != b || (i + 1 < sought.size() && text[at + i + 1] != sought[i + 1])) return false;
      ++i;
    } else if (ignoreCase ? Fold(a) != Fold(b) : a != b) {
      return false;
    }
  }
  return true;
}

int ModelFind(const Text& text, const Text& sought, int start, bool ignoreCase, bool last) {
  std::size_t i = start <= 1 ? 0 : start - 1;
  int found = -1;
  for (; i < text.size(); i += static_cast<unsigned char>(text[i]) >= 0x80 ? 2 : 1) {
    if (MatchesAt(text, i, sought, ignoreCase)) {
      found = static_cast<int>(i) + 1;
      if (!last) break;
    }
  }
  return found;
}

Text RandomText(std::mt19937& random, std::size_t size) {
  static const char alphabet[] = {'a', 'A', 'b', 'B', ';', '\x81', '\xA1'};
  std::uniform_int_distribution<int> pick(0, sizeof alphabet - 1);
  Text text(size, ' ');
  for (char& c : text) c = alphabet[pick(random)];
  return text;
}

TEST(FindTextModel, AgreesWithAPlainWalk) {
  std::mt19937 random(20261211);
  std::uniform_int_distribution<std::size_t> textSize(0, 40);
  std::uniform_int_distribution<std::size_t> soughtSize(1, 4);
  for (int round = 0; round < 20000; ++round) {
    const Text text = RandomText(random, textSize(random));
    const Text sought = RandomText(random, soughtSize(random));
    const int start = std::uniform_int_distribution<int>(-1, static_cast<int>(text.size()) + 1)(random);
    for (const bool ignoreCase : {false, true}) {
      ASSERT_EQ(FindText(text, sought, start, ignoreCase), ModelFind(text, sought, start, ignoreCase, false))
          << "text \"" << text << "\" sought \"" << sought << "\" start " << start << " ignoreCase " << ignoreCase;
      ASSERT_EQ(FindLastText(text, sought, ignoreCase), ModelFind(text, sought, 1, ignoreCase, true))
          << "text \"" << text << "\" sought \"" << sought << "\" ignoreCase " << ignoreCase;
    }
  }
}

TEST(FindTextModel, LongTextsAcrossFoldedBlocks) {
  std::mt19937 random(7);
  for (const std::size_t size : {255u, 256u, 300u, 1000u, 70000u, 200000u}) {
    // Mostly lead bytes, so the character walk matters far from the start.
    Text text(size, '\x81');
    for (std::size_t i = 0; i < size; i += 97) text[i] = 'x';
    for (int round = 0; round < 20; ++round) {
      Text page = text;
      const std::size_t at = std::uniform_int_distribution<std::size_t>(0, size - 6)(random);
      page.replace(at, 6, "NeEdLe");
      for (const bool ignoreCase : {false, true}) {
        ASSERT_EQ(FindText(page, "needle", 1, ignoreCase), ModelFind(page, "needle", 1, ignoreCase, false))
            << "size " << size << " at " << at;
        ASSERT_EQ(FindText(page, "NeEdLe", 2, ignoreCase), ModelFind(page, "NeEdLe", 2, ignoreCase, false))
            << "size " << size << " at " << at;
      }
    }
  }
}

}  // namespace
}  // namespace cinevora
