#include "details/DownloadLinkFallback.h"

#include "catalogue/MovieList.h"
#include "details/DetailsWindow.h"
#include "details/SelectedMovie.h"
#include "platform/codepage/Codepage.h"
#include "text/AnsiText.h"
#include "web/TextBetween.h"
#include "web/WebAccess.h"

namespace cinevora {
namespace {

constexpr char ANCHOR_START[] = "<a target=\"_blank\" href=\"";

}  // namespace

void DownloadLinkFallback(Program& program) {
  Toolkit& toolkit = program.toolkit;
  Text page = WebAccess(program.inet, SelectedMovieCell(toolkit, ADDRESS_COLUMN));

  // The anchor to a separate download page ends its table cell on its own line; the cut stops
  // before the anchor's text, so the address it yields keeps its ".htm".
  if (ContainsText(page, Gbk(".htm\">点击进入下载地址</a></td>\r"))) {
    const Text downloadPage = TextBetween(page, ANCHOR_START, Gbk("\">点击进入下载地址</a></td>"));
    page = WebAccess(program.inet, downloadPage);
  }

  if (ContainsText(page, "thunder://")) {
    toolkit.SetEditText(DETAILS_WINDOW, DOWNLOAD_LINK_BOX,
                        Gbk("下载地址： thunder://") + TextBetween(page, "thunder://", "\">"));
  } else if (ContainsText(page, Gbk("迅雷快传"))) {
    const Text address = TextBetween(page, ANCHOR_START, Gbk("\">迅雷快传</a></td>\r"));
    const Text notice = Gbk("该资源为迅雷快传,请手动负责地址在浏览器打开即可下载\r\n");
    toolkit.AppendEditText(DETAILS_WINDOW, DOWNLOAD_LINK_BOX, notice + address);
  } else {
    toolkit.AppendEditText(DETAILS_WINDOW, DOWNLOAD_LINK_BOX, Gbk("没有找到下载资源地址"));
  }
}

}  // namespace cinevora
