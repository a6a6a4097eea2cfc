#pragma once
// The download links of the selected movie, written into DetailsWindow's link box.

#include "app/Program.h"

namespace cinevora {

// Fetches the page of the movie selected in MainWindow's list (anew: nothing is shared with the
// reader) and appends one line "下载地址<n>： <link>" CR LF per link of the page's download
// section, numbered from 1 in page order. A section without links (also a page that cannot be
// fetched) hands over to DownloadLinkFallback. Every outcome is text in the link box; nothing is
// reported otherwise and nothing is kept between calls. UI thread; blocks while it downloads.
void DownloadLinkExtractor(Program& program);

}  // namespace cinevora
