#pragma once
// The caller's request header text as libcurl's header list.

#include <curl/curl.h>

#include <memory>
#include <string_view>

namespace cinevora {

struct HeaderListFree {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using HeaderList = std::unique_ptr<curl_slist, HeaderListFree>;

// One entry per "Name: value" line of `headers` (lines separated by CR, LF or both; a line without
// a colon, or no name before it, is not a header and is left out). The lines go out as the caller
// wrote them; one with a blank value goes out as "Name:". libcurl's own Accept, Expect and (when `sendsData`) Content-Type lines are
// switched off unless the caller wrote them, so the server sees the caller's headers plus Host,
// the agent and the body's length. May return null (no lines, nothing to switch off).
HeaderList MakeHeaderList(std::string_view headers, bool sendsData);

}  // namespace cinevora
