#include "web/UrlParts.h"

#include <climits>

#include "text/AnsiText.h"
#include "text/Characters.h"
#include "web/TextBetween.h"

namespace cinevora {

namespace {

const Text kHttp = "http://";
const Text kHttps = "https://";

// The lower-cased address as the host is cut from it: ending in "/" and with a scheme, and the
// scheme that the host follows.
struct SchemedAddress {
  Text text;
  Text scheme;
};

SchemedAddress WithScheme(const Text& address) {
  SchemedAddress result{LowerCase(address), kHttp};
  if (RightText(result.text, 1) != "/") result.text += '/';
  if (LeftText(result.text, static_cast<int>(kHttps.size())) == kHttps) {
    result.scheme = kHttps;
  } else if (!ContainsText(result.text, kHttp)) {
    result.text.insert(0, kHttp);
  }
  return result;
}

// Full-width digits (GBK A3 B0 to A3 B9) become ASCII digits; everything else stays.
Text AsciiDigits(const Text& text) {
  Text result;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = CharacterLength(text, i);
    const unsigned char second = length == 2 ? static_cast<unsigned char>(text[i + 1]) : 0;
    if (text[i] == '\xA3' && second >= 0xB0 && second <= 0xB9) {
      result += static_cast<char>('0' + (second - 0xB0));
    } else {
      result.append(text, i, length);
    }
    i += length;
  }
  return result;
}

bool IsWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// atoi, but held at the ends of the int range instead of overflowing.
int ReadInteger(const Text& text) {
  std::size_t i = 0;
  while (i < text.size() && IsWhiteSpace(text[i])) ++i;
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > INT_MAX) return negative ? INT_MIN : INT_MAX;
  }
  return static_cast<int>(negative ? -value : value);
}

}  // namespace

Text UrlHost(const Text& address, bool keepPort) {
  const SchemedAddress schemed = WithScheme(address);
  Text host = TextBetween(schemed.text, schemed.scheme, "/");
  if (!keepPort) {
    const int colon = FindText(host, ":");
    if (colon != -1) host.resize(static_cast<std::size_t>(colon) - 1);
  }
  return host;
}

int UrlPort(const Text& address) {
  const Text host = UrlHost(address, true);
  const int colon = FindLastText(host, ":");
  if (colon != -1) return ReadInteger(AsciiDigits(host.substr(static_cast<std::size_t>(colon))));
  return LowerCase(LeftText(address, 5)) == "https" ? 443 : 80;
}

Text UrlPath(const Text& address) {
  // The host is looked for where it was cut, after the scheme: searched from the beginning, a
  // host such as "t" or "p" would be found inside "http" itself.
  const Text scheme = WithScheme(address).scheme;
  const int schemeAt = FindText(address, scheme, 1, true);
  const int hostAt = schemeAt == -1 ? 1 : schemeAt + static_cast<int>(scheme.size());
  const int slash = FindText(address, "/", hostAt);
  return slash == -1 ? Text("/") : address.substr(static_cast<std::size_t>(slash) - 1);
}

}  // namespace cinevora
