#pragma once
// The pieces every page of the demo site shares: CR LF lines, the head with its charset, the
// navigation bar, and the final encoding (GBK, or UTF-8 for the pages that announce it).

#include <string>
#include <string_view>

namespace cinevora::demo {

// A page as it goes on the wire.
struct Page {
  std::string bytes;             // GBK, or UTF-8 when the page says so in its head
  std::string_view contentType;  // never mentions utf-8: a UTF-8 page announces itself in its head
};

// Appends `text` and the site's line end, CR LF.
void Line(std::string& page, std::string_view text);

// Starts a page: doctype, head with the charset meta tag and `title` (UTF-8), opening body and
// the navigation bar. The charset tag lies well inside the first 499 bytes of the page.
std::string PageStart(std::string_view title, bool utf8);

// Closes the body and the page opened by PageStart.
void PageEnd(std::string& page);

// Turns markup written in UTF-8 into the page as sent: converted to GBK unless `utf8`.
Page Encode(const std::string& utf8Markup, bool utf8);

}  // namespace cinevora::demo
