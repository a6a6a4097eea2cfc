#include "platform/inet/PlainDownload.h"

#include <curl/curl.h>

#include <cstdlib>
#include <memory>
#include <strings.h>

namespace cinevora {

namespace {

struct UrlFree {
  void operator()(CURLU* url) const { curl_url_cleanup(url); }
};

// One part of a parsed address, empty when it has none.
std::string UrlPart(CURLU* url, CURLUPart what, unsigned flags = 0) {
  char* part = nullptr;
  if (curl_url_get(url, what, &part, flags) != CURLUE_OK) return {};
  std::string copy(part);
  curl_free(part);
  return copy;
}

struct Address {
  bool secure;
  std::string host;
  int port;
  std::string path;  // path and query
};

// The address split the way the service's connect and request calls want it; an address without
// a scheme is an http one. False when it cannot be parsed. libcurl's parser does the work: the
// request routine's address helpers live in web/, a layer above this one.
bool SplitAddress(const Text& text, Address& address) {
  const std::string absolute = text.find("://") == Text::npos ? "http://" + text : text;
  std::unique_ptr<CURLU, UrlFree> url(curl_url());
  if (!url || curl_url_set(url.get(), CURLUPART_URL, absolute.c_str(), 0) != CURLUE_OK) return false;
  address.secure = strcasecmp(UrlPart(url.get(), CURLUPART_SCHEME).c_str(), "https") == 0;
  address.host = UrlPart(url.get(), CURLUPART_HOST);
  address.port = std::atoi(UrlPart(url.get(), CURLUPART_PORT, CURLU_DEFAULT_PORT).c_str());
  address.path = UrlPart(url.get(), CURLUPART_PATH);
  const std::string query = UrlPart(url.get(), CURLUPART_QUERY);
  if (!query.empty()) address.path += "?" + query;
  return true;
}

}  // namespace

Bytes PlainDownload(InternetService& service, const Text& url) {
  Address address;
  if (!SplitAddress(url, address)) return {};
  Bytes body;
  const InetHandle session = service.Open(PLAIN_DOWNLOAD_AGENT, INTERNET_OPEN_TYPE_DIRECT, {});
  const InetHandle connection = session ? service.Connect(session, address.host, address.port) : 0;
  const std::uint32_t flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                              (address.secure ? INTERNET_FLAG_SECURE : 0);
  const InetHandle request =
      connection ? service.OpenRequest(connection, "GET", address.path, "HTTP/1.0", flags) : 0;
  if (request && service.SendRequest(request, "Accept: */*", nullptr, 0)) {
    std::uint8_t chunk[1024];
    while (const std::size_t count = service.ReadFile(request, chunk, sizeof chunk)) {
      body.insert(body.end(), chunk, chunk + count);
    }
  }
  service.CloseHandle(request);
  service.CloseHandle(connection);
  service.CloseHandle(session);
  return body;
}

}  // namespace cinevora
