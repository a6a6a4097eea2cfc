// The request helpers on arbitrary addresses, header lines and cookie texts.
// Input: switches (unused), address or header line, NUL, stored cookies, NUL, returned cookies.
#include "text/AnsiText.h"
#include "web/Cookies.h"
#include "web/TextBetween.h"
#include "web/UrlParts.h"
#include "tests/fuzz/text_fuzz_input.h"

using namespace cinevora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const TextFuzzInput input(data, size, 3);
  const Text& address = input.texts[0];

  const Text host = UrlHost(address);
  const Text hostWithPort = UrlHost(address, true);
  Require(LowerCase(hostWithPort) == hostWithPort && hostWithPort.compare(0, host.size(), host) == 0);
  Require(FindText(host, ":") == -1 && FindText(hostWithPort, "/") == -1);
  const int port = UrlPort(address);
  Require(FindText(hostWithPort, ":") != -1 || port == 80 || port == 443);
  const Text path = UrlPath(address);
  Require(path == "/" || (path[0] == '/' && address.size() >= path.size() &&
                          address.compare(address.size() - path.size(), path.size(), path) == 0));
  Require(IsPartOf(HeaderValue(address), address));

  Text stored = input.texts[1];
  Text returned = input.texts[2];
  const Text merged = MergeCookies(stored, returned);
  Require(merged == stored && FindText(returned, " ") == -1);
  std::vector<Text> seen;
  for (const Text& item : SplitText(merged, "; ")) {
    Require(RightText(item, 8) != "=deleted" && FindItem(seen, item) == -1);
    seen.push_back(item);
  }
  return 0;
}
