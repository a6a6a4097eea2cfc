#pragma once
// The demo site's film table: old films whose copyright has run out, with a Chinese title, the
// original title, the year and a line of our own about each. Every listing entry and movie page
// of the demo site is generated from one row of this table.

#include <span>

namespace cinevora::demo {

struct Film {
  const char* chineseTitle;   // UTF-8
  const char* originalTitle;  // ASCII, no double quote
  int year;
  const char* region;         // UTF-8, e.g. "美国"
  const char* genre;          // UTF-8, e.g. "喜剧"
  const char* tagline;        // UTF-8, one sentence of our own
};

// The whole table, in no particular order; never empty. Thread-safe (constant data).
std::span<const Film> Films();

}  // namespace cinevora::demo
