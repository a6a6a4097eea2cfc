#pragma once
// One HTTP request run to its end with libcurl's easy interface.

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/inet/CookieShare.h"
#include "platform/inet/CurlInternetService.h"
#include "platform/inet/ResponseBuffer.h"

namespace cinevora {

// Everything a request handle knows once it is opened.
struct RequestTarget {
  std::string agent;      // empty: no agent line
  std::string proxyList;  // the session's list; empty for a direct session
  std::string host;
  int port = 0;           // 0: the scheme's own port
  std::string verb;
  std::string objectName;
  std::string version;    // "HTTP/1.0" or "HTTP/1.1"
  std::uint32_t flags = 0;
};

// Sends the request with `headers` (CR LF separated) and `size` bytes of `data`, and collects the
// final response into `response`. Returns false, with `response` emptied, when the address is not
// usable, the server cannot be reached or the transfer fails or passes a bound. `cookies` is used
// unless the flags say INTERNET_FLAG_NO_COOKIES. Blocks the calling thread until the end.
bool RunTransfer(const RequestTarget& target, const std::string& headers, const std::uint8_t* data,
                 std::size_t size, const CurlOptions& options, const CookieShare& cookies,
                 ResponseBuffer& response);

}  // namespace cinevora
