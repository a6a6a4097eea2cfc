#include "platform/inet/RequestHeaders.h"

#include <strings.h>

#include <string>
#include <vector>

namespace cinevora {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool HasHeader(const std::vector<std::string_view>& names, std::string_view name) {
  for (std::string_view n : names) {
    if (n.size() == name.size() && strncasecmp(n.data(), name.data(), n.size()) == 0) return true;
  }
  return false;
}

void Append(HeaderList& list, const std::string& line) {
  curl_slist* grown = curl_slist_append(list.get(), line.c_str());
  if (grown != nullptr) {
    list.release();
    list.reset(grown);
  }
}

}  // namespace

HeaderList MakeHeaderList(std::string_view headers, bool sendsData) {
  HeaderList list;
  std::vector<std::string_view> names;
  std::size_t pos = 0;
  while (pos <= headers.size()) {
    std::size_t end = headers.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = headers.size();
    const std::string_view line = headers.substr(pos, end - pos);
    pos = end + 1;
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) continue;
    std::string_view name = line.substr(0, colon);
    while (!name.empty() && IsBlank(name.back())) name.remove_suffix(1);
    if (name.empty()) continue;
    names.push_back(name);
    std::string_view value = line.substr(colon + 1);
    while (!value.empty() && IsBlank(value.front())) value.remove_prefix(1);
    // libcurl reads "Name:" as "drop this header" and "Name;" as "send it with no value".
    Append(list, value.empty() ? std::string(name) + ";" : std::string(line));
  }
  for (std::string_view own : {std::string_view("Accept"), std::string_view("Expect")}) {
    if (!HasHeader(names, own)) Append(list, std::string(own) + ":");
  }
  if (sendsData && !HasHeader(names, "Content-Type")) Append(list, "Content-Type:");
  return list;
}

}  // namespace cinevora
