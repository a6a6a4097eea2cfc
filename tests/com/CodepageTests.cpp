#include <gtest/gtest.h>

#include <vector>

#include "platform/codepage/Codepage.h"

namespace cinevora {
namespace {

// The user-defined characters that Windows maps into the private-use area must survive a round
// trip, or a page using them would change on its way to the screen.
TEST(Codepage, PrivateUseAreaRoundTrips) {
  EXPECT_EQ(WideToAnsi(u"\uE052"), "\xAA\xF3");
  for (char16_t c = 0xE052; c <= 0xE0CB; ++c) {
    std::u16string wide(1, c);
    Text ansi = WideToAnsi(wide);
    ASSERT_EQ(ansi.size(), 2u) << std::hex << int(c);
    EXPECT_EQ(AnsiToWide(ansi), wide) << std::hex << int(c);
  }
}

TEST(Codepage, CharacterOutsideTheCodePageBecomesOneQuestionMark) {
  EXPECT_EQ(WideToAnsi(u"a\u0E01b\U0001F600c\xD800"), "a?b?c?");
  EXPECT_EQ(WideToAnsi(u"\u4E2D\u6587"), "\xD6\xD0\xCE\xC4");
}

TEST(Codepage, LoneLeadByteAtTheEndIsOneCharacter) {
  std::u16string wide = AnsiToWide("a\xD6");
  ASSERT_EQ(wide.size(), 2u);
  EXPECT_EQ(wide[0], u'a');
  EXPECT_EQ(WideToAnsi(wide), "a?");
}

TEST(Codepage, UnitOffsetsPointAtEachCharactersFirstByte) {
  struct Case {
    Text ansi;
    std::vector<int> offsets;
  } cases[] = {
      {"", {0}},
      {"a\xD6\xD0" "b", {0, 1, 3, 4}},
      {"\xD6\xD0\xD6", {0, 2, 3}},  // a lone lead byte at the end
      {"\x80" "a", {0, 1, 2}},      // the euro sign is one byte in this code page
  };
  for (const Case& c : cases) {
    std::vector<int> offsets;
    std::u16string wide = AnsiToWide(c.ansi, &offsets);
    EXPECT_EQ(offsets, c.offsets) << AnsiToUtf8(c.ansi);
    EXPECT_EQ(wide, AnsiToWide(c.ansi));
  }
}

}  // namespace
}  // namespace cinevora
