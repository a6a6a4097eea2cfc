#pragma once
// What the link box shows for a movie whose download section holds no links.

#include "app/Program.h"

namespace cinevora {

// Fetches the selected movie's page once more and, when it points to a separate download page,
// looks at that page instead. Then the link box gets the page's first thunder link as its whole
// content ("下载地址： thunder://..." without a line end), or else, for a "迅雷快传" resource, a
// notice followed by the resource's address, or else "没有找到下载资源地址" (also when nothing
// could be fetched). The presence of each text is tested with regard to case, the cuts ignore
// ASCII case. Called by DownloadLinkExtractor only. UI thread; blocks while it downloads.
void DownloadLinkFallback(Program& program);

}  // namespace cinevora
