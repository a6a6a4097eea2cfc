#pragma once
// The category listing pages and the home page of the demo site.

#include "Catalogue.h"
#include "Html.h"
#include "app/Program.h"

namespace cinevora::demo {

// Listing page `page` (1 to LISTING_PAGES) of category `category`: one entry block per entry, in
// the exact markup the program's scraper cuts (see ListingPage.cpp). Absolute links use
// `addresses`. GBK, or UTF-8 for a UTF-8 category. The page must exist (ListingEntries not empty).
Page ListingPage(const Catalogue& catalogue, int category, int page, const SiteAddresses& addresses);

// The home page: the categories and a word about the site. GBK.
Page HomePage();

}  // namespace cinevora::demo
