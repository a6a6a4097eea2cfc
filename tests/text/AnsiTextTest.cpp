// The text operations, case by case. "\x81" starts a two-byte character in every case below; a
// lone lead byte at the end of a text is one character.
#include <gtest/gtest.h>

#include "platform/codepage/Codepage.h"
#include "text/AnsiText.h"

namespace cinevora {
namespace {

struct FindCase {
  Text text;
  Text sought;
  int start;
  bool ignoreCase;
  int expected;
};

TEST(FindText, Cases) {
  const FindCase cases[] = {
      {"abcabc", "bc", 1, false, 2},
      {"abcabc", "bc", 3, false, 5},
      {"abcabc", "bc", -7, false, 2},      // a start of 1 or less is the beginning
      {"abcabc", "c", 6, false, 6},
      {"abcabc", "c", 7, false, -1},       // one past the end finds nothing
      {"abcabc", "bcd", 5, false, -1},     // would run past the end
      {"abc", "", 1, false, 1},
      {"abc", "", 3, false, 1},            // an empty sought text answers 1
      {"abc", "", 4, false, -1},
      {"", "", 1, false, -1},
      {"\x81" "AB", "AB", 1, false, -1},   // "A" is the second byte of \x81A
      {"\x81" "AB", "B", 1, false, 3},
      {"\x81\x81\x81" "A", "A", 1, false, -1},  // a run of lead bytes pairs up from its start
      {"\x81\x81" "A", "A", 1, false, 3},
      {"x\x81" "Ax\x81\x81" "A", "A", 1, false, 7},
      {"\x81" "AA", "A", 2, false, 2},     // the walk begins where it is told to begin
      {"ab\x81", "\x81", 1, false, 3},     // a lone lead byte at the end is a character
      {"ab\x81", "b\x81", 1, false, 2},
      {"ab\x81", "\x81\x81", 1, false, -1},
      {"xABc", "abC", 1, true, 2},
      {"xABc", "abC", 1, false, -1},
      {"\x81" "a", "\x81" "A", 1, true, -1},  // second bytes are never folded
      {"\x81" "aA", "a", 1, true, 3},
      {"[\xB5\xE7]", "\xB5\xE7", 1, true, 2},
      {"\xC4\xE3\xBA\xC3", "\xE3\xBA", 1, false, -1},  // across two characters
  };
  for (const FindCase& c : cases) {
    EXPECT_EQ(FindText(c.text, c.sought, c.start, c.ignoreCase), c.expected)
        << "text \"" << c.text << "\" sought \"" << c.sought << "\" start " << c.start;
  }
}

TEST(FindText, ChineseMarkersMatchWhole) {
  const Text page = Gbk("片名：电影一 《电影二》");
  EXPECT_EQ(FindText(page, Gbk("电影二")), 16);
  EXPECT_EQ(FindLastText(page, Gbk("电影")), 16);
  EXPECT_TRUE(ContainsText(page, Gbk("《电影"), true));
}

TEST(FindLastText, Cases) {
  EXPECT_EQ(FindLastText("abab", "ab"), 3);
  EXPECT_EQ(FindLastText("aaa", "aa"), 2);  // occurrences may overlap
  EXPECT_EQ(FindLastText("aXbx", "x", true), 4);
  EXPECT_EQ(FindLastText("a\x81" "a", "a"), 1);
  EXPECT_EQ(FindLastText("abc", "d"), -1);
  EXPECT_EQ(FindLastText("", "d"), -1);
  EXPECT_EQ(FindLastText("a\x81", "\x81"), 2);
}

TEST(LeftRightMiddle, Cases) {
  EXPECT_EQ(LeftText("abc", 2), "ab");
  EXPECT_EQ(LeftText("abc", 9), "abc");
  EXPECT_EQ(LeftText("abc", 0), "");
  EXPECT_EQ(LeftText("abc", -1), "");
  EXPECT_EQ(RightText("abc", 2), "bc");
  EXPECT_EQ(RightText("abc", 9), "abc");
  EXPECT_EQ(RightText("abc", -3), "");
  EXPECT_EQ(MiddleText("abcde", 2, 3), "bcd");
  EXPECT_EQ(MiddleText("abcde", 4, 9), "de");
  EXPECT_EQ(MiddleText("abcde", 5, 1), "e");
  EXPECT_EQ(MiddleText("abcde", 6, 1), "");
  EXPECT_EQ(MiddleText("abcde", 0, 2), "");
  EXPECT_EQ(MiddleText("abcde", 2, 0), "");
  EXPECT_EQ(MiddleText("ab\x81", 3, 2), "\x81");
}

TEST(TrimAndRemoveSpaces, Cases) {
  const struct {
    Text text;
    Text trimmed;
    Text withoutSpaces;
  } cases[] = {
      {"  a b  ", "a b", "ab"},
      {"\xA1\xA1" "a \xA1\xA1" "b\xA1\xA1 ", "a \xA1\xA1" "b", "ab"},
      {"\ta\r\n", "\ta\r\n", "\ta\r\n"},             // only blanks and ideographic spaces
      {"   ", "", ""},
      {"", "", ""},
      {"\xB0\xA1\xA1", "\xB0\xA1\xA1", "\xB0\xA1\xA1"},  // a character, then a lone lead byte
      {"\xB0\xA1\xA1\xA1", "\xB0\xA1", "\xB0\xA1"},       // a character, then a space
      {"\xA1\xB0\xA1\xA1 ", "\xA1\xB0", "\xA1\xB0"},
      {" a\xA1", "a\xA1", "a\xA1"},                       // a lone lead byte at the end stays
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TrimSpaces(c.text), c.trimmed) << c.text;
    EXPECT_EQ(RemoveSpaces(c.text), c.withoutSpaces) << c.text;
  }
}

TEST(SplitText, Cases) {
  using Pieces = std::vector<Text>;
  const struct {
    Text text;
    Text separator;
    Pieces pieces;
  } cases[] = {
      {"a;b", ";", {"a", "b"}},
      {"a;b;", ";", {"a", "b"}},           // the empty piece after the last separator is dropped
      {";a", ";", {"", "a"}},              // the one before a leading separator is kept
      {"a;;b", ";", {"a", "", "b"}},
      {";", ";", {""}},
      {";;", ";", {"", ""}},
      {"", ";", {}},
      {"abc", ";", {"abc"}},
      {"abc", "", {"abc"}},
      {"a; b; c", "; ", {"a", "b", "c"}},
      {"a;;;b", ";;", {"a", ";b"}},        // occurrences do not overlap
      {"\x81;a;b", ";", {"\x81;a", "b"}},  // ";" as a second byte is no separator
      {"a;\x81", ";", {"a", "\x81"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitText(c.text, c.separator), c.pieces) << c.text;
}

TEST(LowerCase, FoldsSingleByteLettersOnly) {
  EXPECT_EQ(LowerCase("AbC-Z@[`"), "abc-z@[`");
  EXPECT_EQ(LowerCase("\x81" "AB"), "\x81" "Ab");
  EXPECT_EQ(LowerCase("Z\x81"), "z\x81");
  EXPECT_EQ(LowerCase(Gbk("电影HD")), Gbk("电影hd"));
  EXPECT_TRUE(TextEqual("ab", "ab"));
  EXPECT_FALSE(TextEqual("ab", "aB"));
}

TEST(ReplaceAll, Cases) {
  EXPECT_EQ(ReplaceAll("aXbXc", "X", "--"), "a--b--c");
  EXPECT_EQ(ReplaceAll("aa", "a", "aa"), "aaaa");      // inserted text is not scanned again
  EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
  EXPECT_EQ(ReplaceAll("xX", "X", "y"), "xy");         // case-sensitive
  EXPECT_EQ(ReplaceAll("\x81XaX", "X", "-"), "\x81Xa-");
  EXPECT_EQ(ReplaceAll("abc", "", "-"), "abc");
  EXPECT_EQ(ReplaceAll("", "a", "-"), "");
  EXPECT_EQ(ReplaceAll("a\x81", "\x81", "!"), "a!");
}

}  // namespace
}  // namespace cinevora
