#include "details/DownloadLinkExtractor.h"

#include <string>
#include <vector>

#include "catalogue/MovieList.h"
#include "details/DetailsWindow.h"
#include "details/DownloadLinkFallback.h"
#include "details/SelectedMovie.h"
#include "platform/codepage/Codepage.h"
#include "text/ExtractBetweenAll.h"
#include "web/TextBetween.h"
#include "web/WebAccess.h"

namespace cinevora {

void DownloadLinkExtractor(Program& program) {
  std::vector<Text> links;
  const Text page = WebAccess(program.inet, SelectedMovieCell(program.toolkit, ADDRESS_COLUMN));
  const Text section = TextBetween(page, Gbk("【下载地址】"), Gbk("下载帮助"));
  ExtractBetweenAll(section, "<a href=\"", "\">", links);
  if (links.empty()) {
    DownloadLinkFallback(program);
    return;
  }
  const Text label = Gbk("下载地址");
  const Text separator = Gbk("： ");
  const std::size_t count = links.size();
  for (std::size_t i = 0; i < count; ++i) {
    program.toolkit.AppendEditText(DETAILS_WINDOW, DOWNLOAD_LINK_BOX,
                                   label + std::to_string(i + 1) + separator + links[i] + "\r\n");
  }
}

}  // namespace cinevora
