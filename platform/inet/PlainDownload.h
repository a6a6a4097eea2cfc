#pragma once
// The toolkit's plain download, used by the update check: one HTTP/1.0 GET of an address with a
// fixed old-browser agent and "Accept: */*", over a direct connection, never from a cache.

#include "platform/inet/InternetService.h"
#include "text/Text.h"

namespace cinevora {

// The agent the plain download announces.
inline constexpr const char* PLAIN_DOWNLOAD_AGENT = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";

// The response body whatever the status code (redirects are followed). No bytes when the address
// cannot be parsed, the server cannot be reached or the transfer fails. Blocks the calling thread
// until the transfer ends; safe on any thread.
Bytes PlainDownload(InternetService& service, const Text& url);

}  // namespace cinevora
