// Host, port and path of an address, as the request routine splits it for connecting.
#include <gtest/gtest.h>

#include "web/UrlParts.h"

namespace cinevora {
namespace {

TEST(UrlParts, Cases) {
  const struct {
    Text address;
    Text host;
    Text hostWithPort;
    int port;
    Text path;
  } cases[] = {
      {"HTTP://Host:8080/A?b=1", "host", "host:8080", 8080, "/A?b=1"},
      {"http://host:8080/A/B?c=D", "host", "host:8080", 8080, "/A/B?c=D"},
      {"host/x", "host", "host", 80, "/x"},
      {"https://host/", "host", "host", 443, "/"},
      {"https://host:8443/x", "host", "host:8443", 8443, "/x"},
      {"HTTPS://Host/x#Top", "host", "host", 443, "/x#Top"},
      {"http://host:abc/", "host", "host:abc", 0, "/"},
      {"http://host", "host", "host", 80, "/"},
      {"http://host/", "host", "host", 80, "/"},
      {"http://host:\xA3\xB8\xA3\xB0/", "host", "host:\xA3\xB8\xA3\xB0", 80, "/"},  // full-width digits
      {"http://host: -12x/", "host", "host: -12x", -12, "/"},
      {"http://host:99999999999/", "host", "host:99999999999", 2147483647, "/"},
      {"http://[::1]:81/x", "[", "[::1]:81", 81, "/x"},
      // A host that also occurs in the scheme: the path still starts after the host.
      {"http://t/x", "t", "t", 80, "/x"},
      {"http://p:81/q", "p", "p:81", 81, "/q"},
      {"", "", "", 80, "/"},
      // A lone lead byte at the end takes the "/" put after it as its second byte: no host.
      {"http://h\x81", "", "", 80, "/"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(UrlHost(c.address), c.host) << c.address;
    EXPECT_EQ(UrlHost(c.address, true), c.hostWithPort) << c.address;
    EXPECT_EQ(UrlPort(c.address), c.port) << c.address;
    EXPECT_EQ(UrlPath(c.address), c.path) << c.address;
  }
}

}  // namespace
}  // namespace cinevora
