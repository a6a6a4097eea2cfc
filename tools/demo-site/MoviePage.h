#pragma once
// A film's pages on the demo site: the movie page the details window reads, the separate
// download page, the share page of a "迅雷快传" entry, and the promotional page.

#include "Catalogue.h"
#include "Html.h"
#include "app/Program.h"

namespace cinevora::demo {

// The entry's movie page: poster, description, download section (see MoviePage.cpp for the
// markup the program relies on). GBK, UTF-8 for a Utf8Page entry.
Page MoviePage(const Entry& entry, const SiteAddresses& addresses);

// The separate download page of a DownloadPage entry, holding one thunder link. GBK.
Page DownloadPage(const Entry& entry, const SiteAddresses& addresses);

// The share page a Kuaichuan entry points at. GBK.
Page SharePage(const Entry& entry, const SiteAddresses& addresses);

// The page behind the promotional link. GBK.
Page PromoPage();

}  // namespace cinevora::demo
