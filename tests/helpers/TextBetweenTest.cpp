// TextBetween and HeaderValue, the way the request routine and the page readers call them.
#include <gtest/gtest.h>

#include "platform/codepage/Codepage.h"
#include "web/TextBetween.h"

namespace cinevora {
namespace {

TEST(TextBetween, Cases) {
  const struct {
    Text text;
    Text left;
    Text right;
    Text expected;
  } cases[] = {
      {"a[x]b[x]c", "[x]", "[x]", "b"},           // only the first left marker counts
      {"a[X]b[x]c", "[x]", "[X]", "b"},           // ASCII letters in any case
      {"abc", "[", "]", ""},                      // no left marker
      {"a]b[c", "[", "]", ""},                    // no right marker after it
      {"a[]b", "[", "]", ""},                     // nothing between
      {"User-Agent: Cinevora\r\nAccept: */*\r\n", "User-Agent:", "\r\n", " Cinevora"},
      {"Set-Cookie: sid=7; path=/", "set-cookie:", ";", " sid=7"},
      {"\x81[x][y]", "[", "]", "y"},             // "[" as a second byte is no marker
      {"\x81" "a=1;a=2;", "a=", ";", "2"},        // "a" as a second byte is no marker
      {"[x\x81", "[", "\x81", "x"},               // a lone lead byte at the end
      {"[x\x81", "[", "]", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TextBetween(c.text, c.left, c.right), c.expected) << c.text << " / " << c.left << " / " << c.right;
  }
}

TEST(TextBetween, QuoteWordStandsForADoubleQuote) {
  EXPECT_EQ(TextBetween("<a id=\"x\" href=\"/m/1.htm\">", Gbk("id=#引号x#引号 href=#引号"), Gbk("#引号")),
            "/m/1.htm");
  EXPECT_EQ(TextBetween("<a id=\"x\">", Gbk("id=#引号"), Gbk("#引号")), "x");
  EXPECT_EQ(TextBetween(Gbk("id=#引号x#引号"), Gbk("id=#引号"), Gbk("#引号")), "");
}

TEST(HeaderValue, Cases) {
  EXPECT_EQ(HeaderValue("Set-Cookie: a=1; path=/"), "a=1; path=/");
  EXPECT_EQ(HeaderValue("Location:  http://h/x:y  "), "http://h/x:y");
  EXPECT_EQ(HeaderValue("Location:"), "");
  EXPECT_EQ(HeaderValue("no colon here"), "");
  EXPECT_EQ(HeaderValue("\x81:x"), "");  // ":" as a second byte is no colon
  EXPECT_EQ(HeaderValue("x: \x81"), "\x81");
}

}  // namespace
}  // namespace cinevora
