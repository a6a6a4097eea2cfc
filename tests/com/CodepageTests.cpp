#include <gtest/gtest.h>
#include <unicode/ucnv.h>

#include <vector>

#include "platform/codepage/Codepage.h"
#include "platform/codepage/Cp936Table.h"

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

// A text decoded into a string that already holds one replaces it, whatever the two lengths and
// whether the tables or the converter decode it.
TEST(Codepage, DecodingIntoAStringReplacesWhatItHeld) {
  const Text texts[] = {"", "ab", "\xD6\xD0\xCE\xC4" "abc", "a\xFF" "b", "\xD6"};
  const std::u16string before[] = {u"", u"x", u"a much longer text than any of the inputs"};
  for (const Text& ansi : texts) {
    for (const std::u16string& held : before) {
      std::u16string out = held;
      AnsiToWide(ansi, out);
      EXPECT_EQ(out, AnsiToWide(ansi)) << AnsiToUtf8(ansi) << " over " << held.size() << " units";
    }
  }
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

namespace cinevora {
namespace {

std::u16string ConverterDecode(std::string_view ansi) {
  UConverter* cnv = Cp936Converter();
  ucnv_resetToUnicode(cnv);
  std::u16string out(ansi.size() + 1, u'\0');
  UErrorCode status = U_ZERO_ERROR;
  int32_t n = ucnv_toUChars(cnv, reinterpret_cast<UChar*>(out.data()),
                            static_cast<int32_t>(out.size()), ansi.data(),
                            static_cast<int32_t>(ansi.size()), &status);
  out.resize(static_cast<std::size_t>(n));
  return out;
}

Text ConverterEncode(std::u16string_view wide) {
  UConverter* cnv = Cp936Converter();
  ucnv_resetFromUnicode(cnv);
  Text out(wide.size() * 2 + 2, '\0');
  UErrorCode status = U_ZERO_ERROR;
  int32_t n = ucnv_fromUChars(cnv, out.data(), static_cast<int32_t>(out.size()),
                              reinterpret_cast<const UChar*>(wide.data()),
                              static_cast<int32_t>(wide.size()), &status);
  out.resize(static_cast<std::size_t>(n));
  return out;
}

// The tables must give exactly what the converter gives, for every character and every byte
// pair, mapped or not, and around surrogates.
TEST(Codepage, TablesAgreeWithTheConverter) {
  for (char32_t c = 0; c < 0x10000; ++c) {
    std::u16string wide(1, static_cast<char16_t>(c));
    ASSERT_EQ(WideToAnsi(wide), ConverterEncode(wide)) << std::hex << int(c);
  }
  for (int lead = 0; lead < 0x100; ++lead) {
    for (int trail = -1; trail < 0x100; ++trail) {
      Text ansi(1, static_cast<char>(lead));
      if (trail >= 0) ansi += static_cast<char>(trail);
      ASSERT_EQ(AnsiToWide(ansi), ConverterDecode(ansi)) << std::hex << lead << " " << trail;
    }
  }
  for (std::u16string_view wide : {u"\xDC00\xD800" u"a", u"\xD800\xDC00", u"a\xD83D", u"\xDBFF"}) {
    EXPECT_EQ(WideToAnsi(wide), ConverterEncode(wide));
  }
}

}  // namespace
}  // namespace cinevora
