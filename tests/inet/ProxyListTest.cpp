// Which proxy a request takes from a session's proxy list.

#include <gtest/gtest.h>

#include "platform/inet/ProxyList.h"

namespace cinevora {
namespace {

struct ProxyCase {
  const char* list;
  const char* scheme;
  const char* proxy;
};

TEST(ProxyListTest, PicksTheEntryForTheSchemeElseABareOneElseNone) {
  const ProxyCase cases[] = {
      {"", "http", ""},
      {"http=10.0.0.1:8080", "http", "http://10.0.0.1:8080"},
      {"http=10.0.0.1:8080", "https", ""},  // another scheme's entry never applies
      {"HTTP=10.0.0.1:8080", "http", "http://10.0.0.1:8080"},
      {"10.0.0.2:3128", "https", "http://10.0.0.2:3128"},
      {"10.0.0.2:3128 https=10.0.0.3:1", "https", "http://10.0.0.3:1"},
      {"https=10.0.0.3:1;10.0.0.2:3128", "http", "http://10.0.0.2:3128"},
      {"  ;; http=a:1 ;", "http", "http://a:1"},
      {"http=", "http", ""},  // an empty entry names no proxy
      {"http=http://a:1", "http", "http://a:1"},
      {"ftp=a:1", "http", ""},
  };
  for (const ProxyCase& c : cases) {
    EXPECT_EQ(ProxyForScheme(c.list, c.scheme), c.proxy) << '"' << c.list << "\" " << c.scheme;
  }
}

}  // namespace
}  // namespace cinevora
