#pragma once
// The markup the movie site wraps a film's description in, and its stripping.

#include "app/Program.h"
#include "text/Text.h"

namespace cinevora {

// The description with the site's markup removed by a fixed, ordered list of exact replacements:
// a line-break tag and the CR behind it become CR LF (the page's own LF stays, so such a line
// ends in CR LF LF); paragraph tags, anchors' ends, the entities "&hellip;", "&nbsp;" and
// "&middot;", the words "影片截图" and "下载地址", the promotional anchor (from `addresses`'
// promoLinkUrl), the site's own anchor (siteBase) and the prefix of the site's pictures
// (pictureBase) are removed. Matching is case-sensitive, by character, and text a replacement
// inserts is not searched again. Thread-safe.
Text StripDescriptionMarkup(Text description, const SiteAddresses& addresses);

}  // namespace cinevora
