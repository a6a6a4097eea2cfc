#pragma once
// The real HTTP service: InternetService over libcurl, HTTP/1.1 (also over TLS, never HTTP/2).
//
// Every limit that a peer could otherwise push without end has a bound here, so that an address
// read from a page cannot hang the program or exhaust its memory.

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>

#include "platform/inet/InternetService.h"

namespace cinevora {

// The CA bundle to verify servers against: the file named by SSL_CERT_FILE when that is set, else
// empty (the system store).
std::string CaBundleFromEnvironment();

struct CurlOptions {
  // Giving up on a server that does not accept the connection.
  std::chrono::milliseconds connectTimeout{60000};
  // A transfer that receives nothing for this long fails (libcurl counts whole seconds, at least 1).
  std::chrono::seconds stallTimeout{30};
  // Redirects followed before the request fails.
  long maxRedirects = 20;
  // A body beyond this fails the transfer.
  std::size_t maxBodyBytes = std::size_t{256} << 20;
  // One response's header block beyond this fails the transfer.
  std::size_t maxHeaderBytes = std::size_t{1} << 20;
  // PEM file of trusted certificate authorities; empty means the system store.
  std::string caBundle = CaBundleFromEnvironment();
};

// A new service. Each service keeps one cookie store that every request without
// INTERNET_FLAG_NO_COOKIES sends from and fills. Thread-safe; never returns null.
std::unique_ptr<InternetService> MakeCurlInternetService(CurlOptions options = {});

}  // namespace cinevora
