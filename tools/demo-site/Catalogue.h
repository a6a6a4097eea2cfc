#pragma once
// The demo site's catalogue: five categories of ten listing pages, 20 to 25 entries a page, each
// entry one film of the film table with its date, title, movie page and the way its downloads
// are offered. Built once, deterministically, so tests can predict every page.

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Films.h"

namespace cinevora::demo {

// How a movie page offers its downloads. Every kind but Links leaves the download section empty,
// so the program falls back to the page's other clues.
enum class EntryKind {
  Links,          // one to four links in the download section
  DownloadPage,   // a separate download page ".htm" that holds a thunder link
  Kuaichuan,      // a "迅雷快传" anchor with a share address
  NothingFound,   // nothing at all: no links, no download page, no share
  MissingPoster,  // like Links, but the poster address answers 404 with no body
  Utf8Page,       // like Links, but the page is sent as UTF-8
};

struct Category {
  std::string_view path;  // listing path under the site, "/ys/"
  std::string_view key;   // folder of its movie pages, "ys"
  std::string_view name;  // UTF-8 caption for page titles and the home page
  bool utf8;              // listing pages sent as UTF-8 instead of GBK
};

constexpr int LISTING_PAGES = 10;
constexpr int POSTER_COUNT = 10;
constexpr int STILL_COUNT = 4;

struct Entry {
  int category = 0;  // index into Categories()
  int page = 1;      // listing page, 1 to LISTING_PAGES
  int serial = 0;    // unique in the catalogue; names the entry's extra pages
  const Film* film = nullptr;
  EntryKind kind = EntryKind::Links;
  int poster = 1;     // 1 to POSTER_COUNT
  int still = 1;      // 1 to STILL_COUNT
  int linkCount = 0;  // links in the download section (0 unless the kind offers links)
  std::string date;   // "2026-11-30"
  std::string title;  // UTF-8; the poster's alternative text on the listing
  std::string pagePath;  // "/html/ys/20261130/10102.html"
};

// The five categories in the order of the program's buttons. Thread-safe (constant data).
std::span<const Category> Categories();

// Every entry of the demo site. Immutable once built, so any thread may read it.
class Catalogue {
 public:
  Catalogue();

  const std::vector<Entry>& entries() const { return entries_; }

  // The entries of listing page `page` (1 to LISTING_PAGES) of category `category`, in page
  // order; empty for a page that does not exist.
  std::span<const Entry> ListingEntries(int category, int page) const;

  // The entry whose movie page lives at `path` (or whose serial is `serial`); null when none.
  const Entry* FindByPagePath(std::string_view path) const;
  const Entry* FindBySerial(int serial) const;

 private:
  std::vector<Entry> entries_;
  std::vector<std::size_t> pageStart_;  // index of each listing page's first entry, plus the end
  std::map<std::string, std::size_t, std::less<>> byPath_;
  std::map<int, std::size_t> bySerial_;
};

}  // namespace cinevora::demo

namespace cinevora::demo {

// Where an entry's pictures and extra pages live on the site (paths, without the base).
std::string ThumbPath(const Entry& entry);         // listing thumbnail, ends in ".jpg"
std::string PosterPath(const Entry& entry);        // movie page poster, ends in ".jpeg"
std::string StillPath(const Entry& entry);         // movie page screenshot, ends in ".jpg"
std::string DownloadPagePath(const Entry& entry);  // "/down/<serial>.htm"
std::string KuaichuanPath(const Entry& entry);     // "/kuaichuan/<serial>.htm"

}  // namespace cinevora::demo
