#include "platform/inet/CurlTransfer.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>
#include <string_view>

#include "platform/inet/ProxyList.h"
#include "platform/inet/RequestHeaders.h"

namespace cinevora {

namespace {

// A host name, an IPv4 address or a bracketed IPv6 address. Anything else (a blank, "@", "?", a
// control byte) came from a malformed address and would let the host text reshape the URL.
bool IsUsableHost(std::string_view host) {
  if (host.size() > 2 && host.front() == '[' && host.back() == ']') {
    for (char c : host.substr(1, host.size() - 2)) {
      if (!std::isxdigit(static_cast<unsigned char>(c)) && c != ':' && c != '.') return false;
    }
    return true;
  }
  if (host.empty()) return false;
  for (char c : host) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '-' && c != '_') {
      return false;
    }
  }
  return true;
}

// The object name as a request target: blanks and control bytes are escaped so that they can
// neither break the request line nor be refused as a malformed address; everything else, bytes of
// GBK characters included, goes out as it is.
std::string RequestTargetPath(std::string_view objectName) {
  std::string path = objectName.starts_with("/") ? "" : "/";
  for (char c : objectName) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte <= 0x20 || byte == 0x7f) {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
      path += escaped;
    } else {
      path += c;
    }
  }
  return path;
}

std::size_t OnBody(char* data, std::size_t, std::size_t size, void* response) {
  return static_cast<ResponseBuffer*>(response)->AppendBody(data, size) ? size : 0;
}

std::size_t OnHeader(char* data, std::size_t, std::size_t size, void* response) {
  return static_cast<ResponseBuffer*>(response)->AddHeaderLine({data, size}) ? size : 0;
}

struct EasyCleanup {
  void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};

}  // namespace

bool RunTransfer(const RequestTarget& target, const std::string& headers, const std::uint8_t* data,
                 std::size_t size, const CurlOptions& options, const CookieShare& cookies,
                 ResponseBuffer& response) {
  response.Discard();
  const bool secure = (target.flags & INTERNET_FLAG_SECURE) != 0;
  const std::string scheme = secure ? "https" : "http";
  const int port = target.port == 0 ? (secure ? 443 : 80) : target.port;
  if (!IsUsableHost(target.host) || port < 1 || port > 65535) return false;
  std::unique_ptr<CURL, EasyCleanup> owner(curl_easy_init());
  CURL* easy = owner.get();
  if (easy == nullptr) return false;

  const std::string url = scheme + "://" + target.host + ":" + std::to_string(port) +
                          RequestTargetPath(target.objectName);
  curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
  curl_easy_setopt(easy, CURLOPT_PATH_AS_IS, 1L);
  curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
  // Redirect targets come from the server: never let one reach a file or another protocol.
  curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION,
                   (target.flags & INTERNET_FLAG_NO_AUTO_REDIRECT) != 0 ? 0L : 1L);
  curl_easy_setopt(easy, CURLOPT_MAXREDIRS, options.maxRedirects);
  // HTTP/2 would change the header block the callers read.
  curl_easy_setopt(easy, CURLOPT_HTTP_VERSION,
                   target.version == "HTTP/1.0" ? CURL_HTTP_VERSION_1_0 : CURL_HTTP_VERSION_1_1);
  curl_easy_setopt(easy, CURLOPT_USERAGENT, target.agent.empty() ? nullptr : target.agent.c_str());
  // Always set, even empty: otherwise libcurl would take a proxy from the environment.
  const std::string proxy = ProxyForScheme(target.proxyList, scheme);
  curl_easy_setopt(easy, CURLOPT_PROXY, proxy.c_str());
  curl_easy_setopt(easy, CURLOPT_NOPROXY, "");
  curl_easy_setopt(easy, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
  // libcurl reads 0 as "no limit" for both; a zero here means as short as possible.
  curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS,
                   std::max(1L, static_cast<long>(options.connectTimeout.count())));
  curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME,
                   std::max(1L, static_cast<long>(options.stallTimeout.count())));
  curl_easy_setopt(easy, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(options.maxBodyBytes));
  // The body is handed on exactly as the server sent it.
  curl_easy_setopt(easy, CURLOPT_HTTP_CONTENT_DECODING, 0L);
  if (!options.caBundle.empty()) curl_easy_setopt(easy, CURLOPT_CAINFO, options.caBundle.c_str());
  if ((target.flags & INTERNET_FLAG_NO_COOKIES) == 0) cookies.Attach(easy);

  const bool post = target.verb == "POST";
  const bool sendsData = post || size > 0;
  if (sendsData) {
    curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(size));
    curl_easy_setopt(easy, CURLOPT_POSTFIELDS, data != nullptr ? static_cast<const void*>(data) : "");
    if (!post) curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, target.verb.c_str());
  } else if (target.verb == "HEAD") {
    curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
  } else if (target.verb != "GET") {
    curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, target.verb.c_str());
  }
  const HeaderList headerList = MakeHeaderList(headers, sendsData);
  curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headerList.get());

  curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &OnBody);
  curl_easy_setopt(easy, CURLOPT_WRITEDATA, &response);
  curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &OnHeader);
  curl_easy_setopt(easy, CURLOPT_HEADERDATA, &response);
  if (curl_easy_perform(easy) != CURLE_OK) {
    response.Discard();
    return false;
  }
  return true;
}

}  // namespace cinevora
