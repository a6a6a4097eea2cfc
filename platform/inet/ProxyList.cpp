#include "platform/inet/ProxyList.h"

#include <strings.h>

namespace cinevora {

namespace {

bool SameLetters(std::string_view a, std::string_view b) {
  return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

std::string AsProxyAddress(std::string_view address) {
  if (address.empty()) return {};
  if (address.find("://") != std::string_view::npos) return std::string(address);
  return "http://" + std::string(address);
}

}  // namespace

std::string ProxyForScheme(std::string_view proxyList, std::string_view scheme) {
  std::string_view bare;
  bool haveBare = false;
  std::size_t pos = 0;
  while (pos < proxyList.size()) {
    const std::size_t end = proxyList.find_first_of(" ;", pos);
    const std::string_view entry =
        proxyList.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
    pos = end == std::string_view::npos ? proxyList.size() : end + 1;
    if (entry.empty()) continue;
    const std::size_t equals = entry.find('=');
    if (equals == std::string_view::npos) {
      if (!haveBare) bare = entry, haveBare = true;
    } else if (SameLetters(entry.substr(0, equals), scheme)) {
      return AsProxyAddress(entry.substr(equals + 1));
    }
  }
  return AsProxyAddress(bare);
}

}  // namespace cinevora
