#include <gtest/gtest.h>

#include <thread>

#include "platform/codepage/Codepage.h"
#include "platform/com/Apartment.h"
#include "text/RegexObject.h"

namespace cinevora {
namespace {

const Text BLANK_LINES = "\n\\s*\r";

TEST(RegexObject, BlankLinePatternKeepsOneLineBreak) {
  struct Case {
    const char* what;
    Text subject;
    Text expected;
  } cases[] = {
      {"three line breaks", "A\r\n\r\n\r\nB", "A\r\nB"},
      {"blank lines holding blanks and tabs", "A\r\n \r\n\t\r\nB", "A\r\nB"},
      {"LF LF has no CR to end the match", "A\r\n\nB", "A\r\n\nB"},
      {"no blank line", "A\r\nB\r\nC", "A\r\nB\r\nC"},
      {"an ideographic space is no white space", Gbk("A\r\n　\r\nB"), Gbk("A\r\n　\r\nB")},
      {"Chinese around it", Gbk("剧情\r\n\r\n\r\n简介"), Gbk("剧情\r\n简介")},
  };
  for (const Case& c : cases) {
    RegexObject regex;
    EXPECT_TRUE(regex.Compile(BLANK_LINES, c.subject)) << c.what;
    EXPECT_EQ(regex.Replace(""), c.expected) << c.what;
  }
}

TEST(RegexObject, ValidPatternWithoutMatch) {
  RegexObject regex;
  EXPECT_TRUE(regex.Compile("xyz", "abc"));
  EXPECT_EQ(regex.MatchCount(), 0);
  EXPECT_EQ(regex.SubMatchCount(), 0);
  EXPECT_EQ(regex.Replace("-"), "abc");
}

TEST(RegexObject, InvalidPatternFailsQuietly) {
  RegexObject regex;
  EXPECT_FALSE(regex.Compile("(a", "aaa"));
  EXPECT_EQ(regex.GetPattern(), "(a");
  EXPECT_EQ(regex.MatchCount(), 0);
  EXPECT_EQ(regex.Replace("-"), "");
  int position = 7;
  EXPECT_EQ(regex.MatchText(1, &position), "");
  EXPECT_EQ(position, -1);
}

TEST(RegexObject, QuoteMarksStandForDoubleQuotes) {
  const Text page = "<a href=\"film.htm\">";
  const Text pattern = Gbk("href=#引号(.*?)#引号");
  RegexObject regex;
  EXPECT_TRUE(regex.Compile(pattern, page, false, true, true, true));
  EXPECT_EQ(regex.GetPattern(), "href=\"(.*?)\"");
  EXPECT_EQ(regex.SubMatchText(1, 1), "film.htm");
  EXPECT_TRUE(regex.Compile(pattern, page));
  EXPECT_EQ(regex.GetPattern(), pattern);
  EXPECT_EQ(regex.MatchCount(), 0);
}

TEST(RegexObject, Options) {
  RegexObject regex;
  regex.Compile("film", "FILM film", true);
  EXPECT_EQ(regex.MatchCount(), 1);
  regex.Compile("film", "FILM film");
  EXPECT_EQ(regex.MatchCount(), 2);
  regex.Compile("film", "film film", false, true, false);
  EXPECT_EQ(regex.Replace("movie"), "movie film");
  regex.Compile("^b", "a\nb", false, false);
  EXPECT_EQ(regex.MatchCount(), 0);
  regex.Compile("^b", "a\nb");
  EXPECT_EQ(regex.MatchCount(), 1);
}

// Positions are byte offsets into the subject, although the expression counts UTF-16 units:
// every Chinese character before a match moves it one byte further than its unit index.
TEST(RegexObject, MatchPositionsAreByteOffsets) {
  struct Case {
    Text pattern;
    Text subject;
    std::vector<int> positions;
  } cases[] = {
      {"a", "aa", {0, 1}},
      {"[ab]", Gbk("中文a中b"), {4, 7}},
      {"a", Gbk("中中中a a"), {6, 8}},  // the second "a" is not the first one found again
      {"A", Gbk("中a"), {2}},           // case ignored: found where the match really is
      {"x*", Gbk("中"), {0, 2}},         // empty matches have positions too
  };
  for (const Case& c : cases) {
    RegexObject regex;
    ASSERT_TRUE(regex.Compile(c.pattern, c.subject));
    std::vector<int> positions;
    for (int i = 1; i <= regex.MatchCount(); ++i) {
      int position = -2;
      regex.MatchText(i, &position);
      positions.push_back(position);
    }
    EXPECT_EQ(positions, c.positions) << c.pattern << " in " << AnsiToUtf8(c.subject);
  }
}

TEST(RegexObject, SubMatches) {
  RegexObject regex;
  ASSERT_TRUE(regex.Compile("(a)(x)?b(a)", Gbk("中aba")));
  EXPECT_EQ(regex.SubMatchCount(), 3);
  int position = -2;
  EXPECT_EQ(regex.SubMatchText(1, 3, &position), "a");
  EXPECT_EQ(position, 4);  // its own "a", not the first "a" of the match
  EXPECT_EQ(regex.SubMatchText(1, 2, &position), "");
  EXPECT_EQ(position, -1);  // took no part
  EXPECT_EQ(regex.MatchText(1, &position), "aba");
  EXPECT_EQ(position, 2);
}

TEST(RegexObject, IndexesOutsideTheCollectionGiveEmptyText) {
  RegexObject regex;
  ASSERT_TRUE(regex.Compile("(a)", "a"));
  for (auto [match, group] : {std::pair{0, 1}, {2, 1}, {1, 0}, {1, 2}, {-1, -1}}) {
    int position = 7;
    EXPECT_EQ(regex.SubMatchText(match, group, &position), "");
    EXPECT_EQ(position, -1);
    EXPECT_EQ(regex.MatchText(match == 1 ? 2 : match, &position), "");
    EXPECT_EQ(position, -1);
  }
}

TEST(RegexObject, ChineseTextCrossesBothWays) {
  RegexObject regex;
  ASSERT_TRUE(regex.Compile(Gbk("导演：(\\S+)"), Gbk("导演：张三\r\n")));
  EXPECT_EQ(regex.SubMatchText(1, 1), Gbk("张三"));
  EXPECT_EQ(regex.Replace(Gbk("[$1]")), Gbk("[张三]\r\n"));
}

TEST(RegexObject, CopiesShareTheObjectsAndKeepTheApartmentBalanced) {
  EXPECT_FALSE(ComInitialised());
  {
    RegexObject original;
    ASSERT_TRUE(original.Compile("b", "abcb"));
    {
      RegexObject copy = original;
      EXPECT_EQ(copy.MatchCount(), 2);
      EXPECT_EQ(copy.Replace("x"), "axcx");
      copy.Compile("c", "cc");  // a new Compile leaves the original's objects alone
      RegexObject assigned;
      assigned = copy;
      EXPECT_EQ(assigned.MatchCount(), 2);
    }
    EXPECT_TRUE(ComInitialised());
    EXPECT_EQ(original.MatchCount(), 2);
    EXPECT_EQ(original.GetPattern(), "b");
  }
  EXPECT_FALSE(ComInitialised());
}

TEST(RegexObject, WorksOnAFreshWorkerThread) {
  Text replaced;
  bool leftInitialised = true;
  std::thread([&] {
    {
      RegexObject regex;
      regex.Compile(BLANK_LINES, "A\r\n\r\nB");
      replaced = regex.Replace("");
    }
    leftInitialised = ComInitialised();
  }).join();
  EXPECT_EQ(replaced, "A\r\nB");
  EXPECT_FALSE(leftInitialised);
}

}  // namespace
}  // namespace cinevora
