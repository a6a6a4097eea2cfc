#include "Catalogue.h"

#include <chrono>
#include <cstdio>

namespace cinevora::demo {
namespace {

const Category kCategories[] = {
    {"/ys/", "ys", "最新热门电影", false},
    {"/bd/", "bd", "BD高清", false},
    {"/1080p/", "1080p", "1080P高清", false},
    // One category speaks UTF-8 (with its meta tag), as some sites do for part of their pages.
    {"/720P/", "720P", "720P高清", true},
    {"/3d/", "3d", "3D电影专区", false},
};

// Edition words that end a listing title, per category, so the same film reads differently.
const std::string_view kEditions[][3] = {
    {"修复版中字", "高清国语中字", "中文字幕版"},
    {"BD中英双字", "BD修复版", "BD高清中字"},
    {"1080p高清修复", "1080p中字", "1080p珍藏版"},
    {"720p中字", "720p修复版", "720p双语字幕"},
    {"3D转制版", "3D左右格式", "3D红蓝版"},
};

// Kinds other than Links, in the order page 1 of every category shows them (entries 2 to 6, so
// all of them fall among the ten rows the program takes from a page).
constexpr EntryKind kSpecialKinds[] = {EntryKind::DownloadPage, EntryKind::Kuaichuan,
                                       EntryKind::NothingFound, EntryKind::MissingPoster,
                                       EntryKind::Utf8Page};
constexpr int SPECIAL_KIND_COUNT = 5;

EntryKind KindOf(int category, int page, int index) {
  if (page == 1) {
    return index >= 1 && index <= SPECIAL_KIND_COUNT ? kSpecialKinds[index - 1] : EntryKind::Links;
  }
  // One special entry on every later page, wandering through the first ten rows.
  if (index == (page * 3 + category) % 10) {
    return kSpecialKinds[(page + category) % SPECIAL_KIND_COUNT];
  }
  return EntryKind::Links;
}

std::string FormatDate(std::chrono::sys_days day, const char* format) {
  std::chrono::year_month_day ymd(day);
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, format, static_cast<int>(ymd.year()),
                static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
  return buffer;
}

}  // namespace

std::span<const Category> Categories() { return kCategories; }

Catalogue::Catalogue() {
  using namespace std::chrono;
  const std::span<const Film> films = Films();
  const sys_days newest = sys_days(year(2026) / November / 30);
  for (int c = 0; c < static_cast<int>(std::size(kCategories)); ++c) {
    int ordinal = 0;  // entry number within the category, across its pages
    for (int page = 1; page <= LISTING_PAGES; ++page) {
      pageStart_.push_back(entries_.size());
      const int count = 20 + (c * 7 + page * 3) % 6;  // 20 to 25, varying page by page
      for (int index = 0; index < count; ++index, ++ordinal) {
        Entry e;
        e.category = c;
        e.page = page;
        e.serial = (c + 1) * 10000 + page * 100 + index;
        // A step of 7 is prime to the table's length, so a category walks through every film
        // before it shows one again.
        e.film = &films[static_cast<std::size_t>(c * 17 + ordinal * 7) % films.size()];
        e.kind = KindOf(c, page, index);
        e.poster = 1 + (c * 3 + ordinal) % POSTER_COUNT;
        e.still = 1 + ordinal % STILL_COUNT;
        const bool offersLinks = e.kind == EntryKind::Links || e.kind == EntryKind::MissingPoster ||
                                 e.kind == EntryKind::Utf8Page;
        e.linkCount = offersLinks ? 1 + e.serial % 4 : 0;
        const sys_days day = newest - days(c + ordinal / 3);
        e.date = FormatDate(day, "%04d-%02u-%02u");
        e.title = std::to_string(e.film->year) + "年" + e.film->region + e.film->genre + "片《" +
                  e.film->chineseTitle + "》" + std::string(kEditions[c][ordinal % 3]);
        e.pagePath = "/html/" + std::string(kCategories[c].key) + "/" +
                     FormatDate(day, "%04d%02u%02u") + "/" + std::to_string(e.serial) + ".html";
        byPath_.emplace(e.pagePath, entries_.size());
        bySerial_.emplace(e.serial, entries_.size());
        entries_.push_back(std::move(e));
      }
    }
  }
  pageStart_.push_back(entries_.size());
}

std::span<const Entry> Catalogue::ListingEntries(int category, int page) const {
  const int categories = static_cast<int>(std::size(kCategories));
  if (category < 0 || category >= categories || page < 1 || page > LISTING_PAGES) return {};
  const std::size_t slot = static_cast<std::size_t>(category * LISTING_PAGES + page - 1);
  return std::span<const Entry>(entries_).subspan(pageStart_[slot],
                                                  pageStart_[slot + 1] - pageStart_[slot]);
}

const Entry* Catalogue::FindByPagePath(std::string_view path) const {
  auto it = byPath_.find(path);
  return it == byPath_.end() ? nullptr : &entries_[it->second];
}

const Entry* Catalogue::FindBySerial(int serial) const {
  auto it = bySerial_.find(serial);
  return it == bySerial_.end() ? nullptr : &entries_[it->second];
}

}  // namespace cinevora::demo

namespace cinevora::demo {
namespace {

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

}  // namespace

std::string ThumbPath(const Entry& entry) {
  return "/tupian/thumb-" + TwoDigits(entry.poster) + ".jpg";
}

std::string PosterPath(const Entry& entry) {
  // Nothing is served under "missing-": that poster answers 404 with an empty body.
  if (entry.kind == EntryKind::MissingPoster) {
    return "/tupian/missing-" + std::to_string(entry.serial) + ".jpeg";
  }
  return "/tupian/poster-" + TwoDigits(entry.poster) + ".jpeg";
}

std::string StillPath(const Entry& entry) {
  return "/tupian/still-" + TwoDigits(entry.still) + ".jpg";
}

std::string DownloadPagePath(const Entry& entry) {
  return "/down/" + std::to_string(entry.serial) + ".htm";
}

std::string KuaichuanPath(const Entry& entry) {
  return "/kuaichuan/" + std::to_string(entry.serial) + ".htm";
}

}  // namespace cinevora::demo
