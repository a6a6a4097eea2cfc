#include "web/WebAccess.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "text/AnsiText.h"
#include "web/ConvertCharset.h"
#include "web/Cookies.h"
#include "web/TextBetween.h"
#include "web/UrlParts.h"

namespace cinevora {

namespace {

constexpr std::size_t READ_CHUNK = 1024;
constexpr std::size_t HEADER_BUFFER = 5000;
// "utf-8" counts when it starts at one of the body's first 499 bytes.
constexpr std::size_t UTF8_MARKER_STARTS = 499;

// The agent: the caller's own User-Agent line when there is one, else the program's.
Text ChooseAgent(const Text& headers) {
  if (!ContainsText(headers, "User-Agent:", true)) return DEFAULT_USER_AGENT;
  const Text agent = TrimSpaces(TextBetween(headers, "User-Agent:", "\r\n"));
  // No CR LF after the line (it is the last one): the value after the text's first colon.
  return agent.empty() ? HeaderValue(headers) : agent;
}

void AddLine(Text& headers, const Text& line) {
  if (!headers.empty()) headers += "\r\n";
  headers += line;
}

// The default lines the caller did not write (tests are case-sensitive, in this order), and the
// cookie line.
void CompleteHeaders(Text& headers, const Text& url, const Text* cookies) {
  if (!ContainsText(headers, "Referer:")) AddLine(headers, "Referer: " + url);
  if (!ContainsText(headers, "Accept:")) AddLine(headers, "Accept: */*");
  if (!ContainsText(headers, "Accept-Language:")) AddLine(headers, "Accept-Language: zh-cn");
  if (!ContainsText(headers, "Content-Type:")) {
    AddLine(headers, "Content-Type: application/x-www-form-urlencoded");
  }
  if (cookies != nullptr && !cookies->empty()) AddLine(headers, "Cookie: " + *cookies);
}

Bytes ReadBody(InternetService& inet, InetHandle request) {
  Bytes body;
  // One allocation of the right size: growing a large body step by step would hold two copies.
  body.reserve(inet.QueryDataAvailable(request));
  for (;;) {
    std::array<std::uint8_t, READ_CHUNK> chunk{};
    const std::size_t count = inet.ReadFile(request, chunk.data(), chunk.size());
    if (count == 0) break;
    body.insert(body.end(), chunk.begin(), chunk.begin() + std::min(count, chunk.size()));
  }
  return body;
}

// The raw header block as text; 5000 blanks when the service has none that fits.
Text QueryHeaders(InternetService& inet, InetHandle request) {
  Text headers(HEADER_BUFFER, ' ');
  inet.QueryRawHeaders(request, headers.data(), headers.size());
  headers.resize(strnlen(headers.data(), headers.size()));
  return headers;
}

// Location and cookies of the response: the last line naming "Location:" wins, and every
// Set-Cookie line gives its first item (empty when no ";" follows it).
void ScanHeaders(const Text& responseHeaders, Text& location, Text& returnedCookies) {
  returnedCookies.clear();
  for (const Text& line : SplitText(responseHeaders, "\r\n")) {
    if (ContainsText(line, "Location:")) location = HeaderValue(line);
    if (ContainsText(line, "Set-Cookie")) {
      returnedCookies += TrimSpaces(TextBetween(line, "Set-Cookie:", ";")) + "; ";
    }
  }
  if (!returnedCookies.empty()) returnedCookies.resize(returnedCookies.size() - 2);
}

bool LooksLikeUtf8(const Bytes& body, const Text& responseHeaders) {
  static constexpr char MARKER[] = "utf-8";
  const std::size_t markerLength = sizeof MARKER - 1;
  const auto end = body.begin() + std::min(body.size(), UTF8_MARKER_STARTS - 1 + markerLength);
  return std::search(body.begin(), end, MARKER, MARKER + markerLength) != end ||
         ContainsText(responseHeaders, MARKER, true);
}

}  // namespace

Bytes WebAccessBytes(InternetService& inet, const Text& url, int method, const Text& postText,
                     Text* cookies, Text* returnedCookies, Text* headers, Text* location,
                     bool noRedirect, Bytes* postBytes, const Text* proxy, Text* responseHeaders) {
  // An omitted parameter is a variable of the routine's own.
  Text ownReturnedCookies, ownHeaders, ownLocation, ownResponseHeaders;
  Bytes ownPostBytes;
  Text& returned = returnedCookies != nullptr ? *returnedCookies : ownReturnedCookies;
  Text& sent = headers != nullptr ? *headers : ownHeaders;
  Text& where = location != nullptr ? *location : ownLocation;
  Text& received = responseHeaders != nullptr ? *responseHeaders : ownResponseHeaders;
  Bytes& data = postBytes != nullptr ? *postBytes : ownPostBytes;

  const Text verb = method == 1 ? "POST" : "GET";
  const Text agent = ChooseAgent(sent);
  const InetHandle root = proxy != nullptr
                              ? inet.Open(agent, INTERNET_OPEN_TYPE_PROXY, "http=" + *proxy)
                              : inet.Open(agent, INTERNET_OPEN_TYPE_DIRECT, {});
  if (root == 0) return {};
  const InetHandle connection = inet.Connect(root, UrlHost(url), UrlPort(url));
  if (connection == 0) {
    inet.CloseHandle(root);
    return {};
  }
  std::uint32_t flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NEED_FILE;
  if (cookies != nullptr) flags |= INTERNET_FLAG_NO_COOKIES;
  if (noRedirect) flags |= INTERNET_FLAG_NO_AUTO_REDIRECT;
  flags |= LowerCase(LeftText(url, 5)) == "https" ? INTERNET_FLAG_SECURE
                                                   : INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTPS;
  const InetHandle request = inet.OpenRequest(connection, verb, UrlPath(url), "HTTP/1.1", flags);
  if (request == 0) {
    inet.CloseHandle(connection);
    inet.CloseHandle(root);
    return {};
  }

  CompleteHeaders(sent, url, cookies);
  if (method == 0) {
    inet.SendRequest(request, sent, nullptr, 0);
  } else {
    if (data.empty()) data = BytesFromText(postText);
    inet.SendRequest(request, sent, data.data(), data.size());
  }
  Bytes body = ReadBody(inet, request);
  received = QueryHeaders(inet, request);
  inet.CloseHandle(request);
  inet.CloseHandle(connection);
  inet.CloseHandle(root);

  ScanHeaders(received, where, returned);
  if (cookies != nullptr) MergeCookies(*cookies, returned);
  if (where.empty()) where = received;
  return body;
}

Text WebAccess(InternetService& inet, const Text& url, int method, const Text& postText,
               Text* cookies, Text* returnedCookies, Text* headers, Text* location,
               bool noRedirect, Bytes* postBytes, const Text* proxy, Text* responseHeaders) {
  Text ownResponseHeaders;
  Text& received = responseHeaders != nullptr ? *responseHeaders : ownResponseHeaders;
  Bytes body = WebAccessBytes(inet, url, method, postText, cookies, returnedCookies, headers,
                              location, noRedirect, postBytes, proxy, &received);
  if (LooksLikeUtf8(body, received)) body = ConvertCharset(body);
  return TextFromBytes(body);
}

}  // namespace cinevora
