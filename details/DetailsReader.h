#pragma once
// Fills DetailsWindow from the movie selected in MainWindow's list.

#include "app/Program.h"

namespace cinevora {

// DetailsWindow's creation handler. Names the window after the selected movie's title, fetches
// the movie page and its poster, has DownloadLinkExtractor fill the link box, then shows the
// page's description with its markup stripped. A poster that cannot be fetched (also when the
// page itself cannot be) gives the default poster and leaves the description box empty; a
// description that strips to nothing reads "暂无信息". Nothing is reported otherwise.
// UI thread; blocks while its three to five requests run one after another.
void DetailsReader(Program& program);

}  // namespace cinevora
