// The cookie text the request routine keeps between requests.
#include <gtest/gtest.h>

#include "web/Cookies.h"

namespace cinevora {
namespace {

TEST(MergeCookies, Cases) {
  const struct {
    Text stored;
    Text returned;
    Text merged;
    Text returnedAfter;
  } cases[] = {
      {"a=1; b=2", "b=3; c=4", "b=3; c=4; a=1", "b=3;c=4"},
      {"a=1; b=2", "a=deleted", "b=2", "a=deleted"},
      {"x=hello world", "", "x=helloworld", ""},
      {"a=1; a=2", "", "a=1", ""},
      {"", "s=1; path=/", "s=1; path=/", "s=1;path=/"},
      {"a=1", "a=2; a=3", "a=2; a=3", "a=2;a=3"},          // the response's own items all stay
      {"a=1", "b=2; b=2", "b=2; a=1", "b=2;b=2"},          // repeated items only once
      {"a=1; b=DELETED", "", "a=1; b=DELETED", ""},         // "=deleted" is compared exactly
      {"", "", "", ""},
      {"a=\x81", "b=\xA1", "b=\xA1; a=\x81", "b=\xA1"},    // lone lead bytes at the ends
  };
  for (const auto& c : cases) {
    Text stored = c.stored;
    Text returned = c.returned;
    EXPECT_EQ(MergeCookies(stored, returned), c.merged) << c.stored << " + " << c.returned;
    EXPECT_EQ(stored, c.merged) << c.stored << " + " << c.returned;
    EXPECT_EQ(returned, c.returnedAfter) << c.stored << " + " << c.returned;
  }
}

TEST(CookieItems, NamesAndLists) {
  EXPECT_EQ(CookieName(" sid =7=8"), "sid");
  EXPECT_EQ(CookieName("flag "), "flag");
  EXPECT_EQ(CookieName(""), "");
  EXPECT_EQ(CookieName("\x81=x=1"), "\x81=x");  // "=" as a second byte
  EXPECT_EQ(CookieName(" a\x81"), "a\x81");
  EXPECT_TRUE(HasCookieNamed({"a=1", " b =2"}, "b"));
  EXPECT_FALSE(HasCookieNamed({"a=1"}, "A"));
  EXPECT_FALSE(HasCookieNamed({}, ""));
  EXPECT_EQ(FindItem({"a", "b", "a"}, "a"), 1);
  EXPECT_EQ(FindItem({"a", "b"}, "b"), 2);
  EXPECT_EQ(FindItem({"a", "b"}, "B"), -1);
  EXPECT_EQ(FindItem({}, ""), -1);
}

TEST(RemoveDuplicateItems, Cases) {
  EXPECT_EQ(RemoveDuplicateItems("a; b; a; c", "; "), "a; b; c");
  EXPECT_EQ(RemoveDuplicateItems("", "; "), "");
  EXPECT_EQ(RemoveDuplicateItems("a; A; a", "; "), "a; A");
  EXPECT_EQ(RemoveDuplicateItems("; a; ", "; "), "; a");  // the leading empty piece is an item
  EXPECT_EQ(RemoveDuplicateItems("a,b", ""), "a,b");
  EXPECT_EQ(RemoveDuplicateItems("a;\x81;a;\x81", ";"), "a;\x81;a;\x81");  // ";" after a lead byte is its second byte
}

}  // namespace
}  // namespace cinevora
