// Between-marker extraction: one table of pages, markers and options, one checker.
#include <gtest/gtest.h>

#include "platform/codepage/Codepage.h"
#include "text/ExtractBetweenAll.h"

namespace cinevora {
namespace {

using Items = std::vector<Text>;

struct Options {
  bool caseSensitive = false;
  int maxLength = 0;
  Text prefix = {};
  Text suffix = {};
  bool withLeftMarker = false;
  bool withRightMarker = false;
  int startPos = 0;
};

struct ExtractCase {
  const char* what;
  Text text;
  Text left;
  Text right;
  Items expected;
  Options options = {};
};

void Check(const ExtractCase& c) {
  Items results = {"left over from an earlier call"};
  const Options& o = c.options;
  const int count = ExtractBetweenAll(c.text, c.left, c.right, results, o.caseSensitive, o.maxLength,
                                      o.prefix, o.suffix, o.withLeftMarker, o.withRightMarker, o.startPos);
  EXPECT_EQ(results, c.expected) << c.what;
  EXPECT_EQ(count, static_cast<int>(results.size())) << c.what;
}

TEST(ExtractBetweenAll, Cases) {
  const ExtractCase cases[] = {
      {"no left marker empties the array", "abc", "[", "]", {}},
      {"a left marker without a right one", "x[a", "[", "]", {}},
      {"two items", "[a][b]", "[", "]", {"a", "b"}},
      {"a blank item ends the extraction", "[a][ ][c]", "[", "]", {"a"}},
      {"an empty item ends the extraction", "[][x]", "[", "]", {}},
      {"a second left marker stays inside", "[a[b]", "[", "]", {"a[b"}},
      {"one marker opens and closes", "|a|b|", "|", "|", {"a", "b"}},
      {"the next left marker begins inside the right marker", "bc1abc2ab", "bc", "ab", {"1", "2"}},
      {"markers match in any case", "<TD>a</td><td>b</TD>", "<td>", "</TD>", {"a", "b"}},
      {"unless told otherwise", "<TD>a</td><td>b</TD>", "<td>", "</TD>", {"b"}, {.caseSensitive = true}},
      {"tabs are not trimmed", "[\tx\t]", "[", "]", {"\tx\t"}},
      {"both kinds of space are trimmed", "[ \xA1\xA1" "a b\xA1\xA1 ]", "[", "]", {"a b"}},
      {"only spaces", "[\xA1\xA1][b]", "[", "]", {}},
      {"maxLength lets the short item through", "[abc][abcd][ab]", "[", "]", {"abc"}, {.maxLength = 3}},
      {"maxLength stops at the long item", "[abcd][abc]", "[", "]", {}, {.maxLength = 3}},
      {"maxLength counts the trimmed item", "[ abc ]", "[", "]", {"abc"}, {.maxLength = 3}},
      {"a marker letter as a second byte", "\x81" "a=1;a=2;", "a=", ";", {"2"}},
      {"a right marker as a second byte", "[x\x81]y]", "[", "]", {"x\x81]y"}},
      {"a Chinese item", Gbk("<b>电影</b>"), "<B>", "</B>", {Gbk("电影")}},
      {"a right marker that is a lone lead byte at the end", "[a\x81", "[", "\x81", {"a"}},
      {"a lone lead byte at the end", "[a][\x81", "[", "]", {"a"}},
      {"element parts", "[a][b]", "[", "]", {"[<a>]", "[<b>]"},
       {.prefix = "<", .suffix = ">", .withLeftMarker = true, .withRightMarker = true}},
      {"left marker kept", "[a]", "[", "]", {"[a"}, {.withLeftMarker = true}},
      {"startPos", "[a][b]", "[", "]", {"b"}, {.startPos = 2}},
      {"startPos 1", "[a][b]", "[", "]", {"a", "b"}, {.startPos = 1}},
      {"startPos past the end", "[a][b]", "[", "]", {}, {.startPos = 7}},
      {"an empty left marker", "[a]", "", "]", {}},
      {"an empty right marker", "[a]", "[", "", {}},
  };
  for (const ExtractCase& c : cases) Check(c);
}

// The title markers of a listing page, with the entry shaped the way the site writes it.
TEST(ExtractBetweenAll, ListingTitles) {
  const Text left = ".jpg\" alt=\"";
  const Text right = "\" width=\"120\" height=\"150\" border=\"0\" ";
  Text page;
  for (const char* title : {"电影一", "Movie Two", "　电影三　"}) {
    page += "<img src=\"/p/1.JPG\" alt=\"" + Gbk(title) + right + "/>\r\n";
  }
  Items titles;
  EXPECT_EQ(ExtractBetweenAll(page, left, right, titles), 3);
  EXPECT_EQ(titles, (Items{Gbk("电影一"), "Movie Two", Gbk("电影三")}));
}

}  // namespace
}  // namespace cinevora
