#pragma once
// Made-up listing pages in the site's exact markup, built from a few counts, so that each test
// states its page set as a table instead of carrying page copies.

#include <map>

#include "catalogue/CategoryTable.h"
#include "text/Text.h"

namespace cinevora::test {

// What one listing page holds. Entries are numbered from 0; entry i has a title when i < titles,
// a date cell when i < dates and a link when i < links (the markup of a missing part is there but
// does not match its markers). A failed page is answered with status 500 and no body.
struct PageContent {
  int titles = 12;
  int dates = 12;
  int links = 12;
  int emptyTitleAt = -1;  // this entry's poster has an empty alternative text
  bool failed = false;
};

// Pages 1 to 10 of one category; a page not named is a consistent page of twelve entries.
using PageSet = std::map<int, PageContent>;

// The three cells that entry `index` of page `page` of the category tagged `tag` shows.
Text EntryTitle(const Text& tag, int page, int index);
Text EntryDate(int page, int index);
Text EntryLink(const Text& tag, int page, int index);

// The page's markup (GBK, CR LF line ends).
Text ListingPageMarkup(const Text& tag, int page, const PageContent& content);

// A short tag that tells the categories' rows apart: the category's folder without slashes.
Text CategoryTag(const CategoryEntry& entry);

}  // namespace cinevora::test
