#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/com/Apartment.h"
#include "platform/com/RegExp.h"

namespace cinevora {
namespace {

class RegExpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ComInit();
    regexp = CreateRegExp();
    ASSERT_NE(regexp, nullptr);
  }
  void TearDown() override {
    regexp.reset();
    ComUninit();
  }
  void Options(bool ignoreCase, bool multiline, bool global) {
    regexp->SetIgnoreCase(ignoreCase);
    regexp->SetMultiline(multiline);
    regexp->SetGlobal(global);
  }
  // The matches as "value@FirstIndex", or {"failed"} when Execute fails.
  std::vector<std::u16string> Matches(std::u16string pattern, std::u16string_view subject) {
    regexp->SetPattern(std::move(pattern));
    std::shared_ptr<const MatchCollection> matches = regexp->Execute(subject);
    if (!matches) return {u"failed"};
    std::vector<std::u16string> out;
    for (int i = 0; i < matches->Count(); ++i) {
      RegExpMatch match = *matches->Item(i);
      std::string index = std::to_string(match.FirstIndex());
      out.push_back(match.Value() + u"@" + std::u16string(index.begin(), index.end()));
    }
    return out;
  }
  std::shared_ptr<RegExp> regexp;
};

struct DialectCase {
  const char* what;
  bool multiline;
  std::u16string pattern;
  std::u16string subject;
  std::vector<std::u16string> expected;
};

TEST_F(RegExpTest, Dialect) {
  const DialectCase cases[] = {
      {"\\s is ASCII white space only", false, u"\\s", u"\u00A0\u3000 \t\v\f",
       {u" @2", u"\t@3", u"\v@4", u"\f@5"}},
      {". stops at LF but not at CR", false, u".", u"a\n\r", {u"a@0", u"\r@2"}},
      {"^ after LF in multi-line mode", true, u"^b", u"a\nb", {u"b@2"}},
      {"^ at the start only otherwise", false, u"^b", u"a\nb", {}},
      {"CR alone ends no line", true, u"^b", u"a\rb", {}},
      {"$ before LF in multi-line mode", true, u"a$", u"a\nb", {u"a@0"}},
      {"$ at the very end only otherwise", false, u"a$", u"a\n", {}},
      {"\\u names a character", false, u"\\u4E2D", u"x\u4E2D", {u"\u4E2D@1"}},
      {"indexes count UTF-16 units", false, u"x", u"\U0001F600x", {u"x@2"}},
      {"a lone surrogate is just a unit", false, u"x", u"\xD800x", {u"x@1"}},
      {"unset back reference matches empty", false, u"(a)?b\\1", u"b", {u"b@0"}},
      {"empty matches step on", false, u"a*", u"baab", {u"@0", u"aa@1", u"@3", u"@4"}},
      {"UTF mode cannot be switched on", false, u"(*UTF)a", u"a", {u"failed"}},
      {"an invalid pattern fails", false, u"(a", u"a", {u"failed"}},
  };
  for (const DialectCase& c : cases) {
    Options(false, c.multiline, true);
    EXPECT_EQ(Matches(c.pattern, c.subject), c.expected) << c.what;
  }
}

TEST_F(RegExpTest, OptionsTakeEffectOnTheNextRun) {
  Options(false, false, true);
  EXPECT_EQ(Matches(u"ab", u"AB ab"), (std::vector<std::u16string>{u"ab@3"}));
  regexp->SetIgnoreCase(true);
  EXPECT_EQ(Matches(u"ab", u"AB ab"), (std::vector<std::u16string>{u"AB@0", u"ab@3"}));
  regexp->SetGlobal(false);
  EXPECT_EQ(Matches(u"ab", u"AB ab"), (std::vector<std::u16string>{u"AB@0"}));
}

TEST_F(RegExpTest, SubMatchesGiveTextAndStartOfEachGroup) {
  Options(false, false, true);
  regexp->SetPattern(u"(a)(x)?(b)");
  std::shared_ptr<const MatchCollection> matches = regexp->Execute(u"--ab");
  ASSERT_NE(matches, nullptr);
  ASSERT_EQ(matches->Count(), 1);
  SubMatches groups = matches->Item(0)->SubMatches();
  ASSERT_EQ(groups.Count(), 3);
  EXPECT_EQ(groups.Item(0), u"a");
  EXPECT_EQ(groups.FirstIndex(0), 2);
  EXPECT_EQ(groups.Item(1), u"");  // took no part
  EXPECT_EQ(groups.FirstIndex(1), -1);
  EXPECT_EQ(groups.Item(2), u"b");
  EXPECT_EQ(groups.FirstIndex(2), 3);
  EXPECT_EQ(groups.Item(3), std::nullopt);
  EXPECT_EQ(matches->Item(1), std::nullopt);
  EXPECT_EQ(matches->Item(-1), std::nullopt);
}

struct ReplaceCase {
  std::u16string pattern;
  std::u16string replacement;
  std::u16string expected;
};

TEST_F(RegExpTest, ReplacementForms) {
  const std::u16string subject = u"<a-b>";
  const ReplaceCase cases[] = {
      {u"(a)-(b)", u"$2-$1", u"<b-a>"},
      {u"(a)-(b)", u"[$&]", u"<[a-b]>"},
      {u"(a)-(b)", u"[$`|$']", u"<[<|>]>"},
      {u"(a)-(b)", u"$$1", u"<$1>"},
      {u"(a)-(b)", u"$0$3$x$", u"<$0$3$x$>"},  // no such group, no $ form: plain text
      {u"(a)-(b)", u"$10", u"<a0>"},           // no group 10: group 1 and a "0"
      {u"(a)-(b)", u"$01", u"<a>"},
      {u"(a)(x)?-(b)", u"[$2]", u"<[]>"},      // a group that took no part is empty
      {u"(((((((((((a)))))))))))-(b)", u"$12$11", u"<ba>"},
      {u"z", u"y", u"<a-b>"},
  };
  Options(false, false, true);
  for (const ReplaceCase& c : cases) {
    regexp->SetPattern(c.pattern);
    EXPECT_EQ(regexp->Replace(subject, c.replacement), c.expected)
        << std::string(c.replacement.begin(), c.replacement.end());
  }
}

TEST_F(RegExpTest, ReplaceHonoursGlobalAndEmptyMatches) {
  Options(false, false, true);
  regexp->SetPattern(u"a*");
  EXPECT_EQ(regexp->Replace(u"bab", u"-"), u"-b--b-");
  regexp->SetGlobal(false);
  regexp->SetPattern(u"b");
  EXPECT_EQ(regexp->Replace(u"bab", u"-"), u"-ab");
  regexp->SetPattern(u"[");
  EXPECT_EQ(regexp->Replace(u"bab", u"-"), std::nullopt);
}

// A pattern that backtracks without end gives up at the match limit instead of holding the
// thread for minutes.
TEST_F(RegExpTest, RunawayBacktrackingFails) {
  Options(false, false, true);
  regexp->SetPattern(u"(a+)+$");
  std::u16string subject(40, u'a');
  subject += u'b';
  EXPECT_EQ(regexp->Execute(subject), nullptr);
  EXPECT_EQ(regexp->Replace(subject, u""), std::nullopt);
}

}  // namespace
}  // namespace cinevora
