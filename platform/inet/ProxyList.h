#pragma once
// Choosing the proxy of one request from a session's proxy list.

#include <string>
#include <string_view>

namespace cinevora {

// The libcurl proxy address ("http://host:port") that `proxyList` names for `scheme` ("http" or
// "https"), or "" for a direct connection. The list holds entries "scheme=host:port" or a bare
// "host:port" (every scheme), separated by blanks or ";". An entry for the scheme wins over a bare
// one; an entry for another scheme never applies, and an empty entry means none. An entry that
// already carries "scheme://" is passed on as it is.
std::string ProxyForScheme(std::string_view proxyList, std::string_view scheme);

}  // namespace cinevora
