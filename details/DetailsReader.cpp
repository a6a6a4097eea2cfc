#include "details/DetailsReader.h"

#include "catalogue/MovieList.h"
#include "details/BlankLineRemover.h"
#include "details/DescriptionMarkup.h"
#include "details/DetailsWindow.h"
#include "details/DownloadLinkExtractor.h"
#include "details/SelectedMovie.h"
#include "platform/codepage/Codepage.h"
#include "resources/Resources.h"
#include "web/TextBetween.h"
#include "web/WebAccess.h"

namespace cinevora {
namespace {

// The poster is the picture right behind the page's advertising script; the description starts
// at the same picture tag and runs to the first ".jpg" picture that ends a paragraph line.
constexpr char POSTER_LEFT[] = "</script></div><p><img alt=\"\" src=\"";
constexpr char POSTER_RIGHT[] = "\" /></p>\r";
constexpr char DESCRIPTION_LEFT[] = "<p><img alt=\"\" src=\"";
constexpr char DESCRIPTION_RIGHT[] = ".jpg\" /></p>\r";

Bytes DefaultPoster() {
  const auto poster = ResourceBytes("DefaultPoster");
  return Bytes(poster.begin(), poster.end());
}

}  // namespace

void DetailsReader(Program& program) {
  Toolkit& toolkit = program.toolkit;
  toolkit.SetWindowTitle(DETAILS_WINDOW, SelectedMovieCell(toolkit, TITLE_COLUMN));
  const Text page = WebAccess(program.inet, SelectedMovieCell(toolkit, ADDRESS_COLUMN));

  // An empty address is requested all the same: it fails like any unreachable poster.
  const Text posterAddress = TextBetween(page, POSTER_LEFT, POSTER_RIGHT);
  toolkit.SetPicture(DETAILS_WINDOW, POSTER_BOX, WebAccessBytes(program.inet, posterAddress));

  DownloadLinkExtractor(program);

  if (toolkit.GetPicture(DETAILS_WINDOW, POSTER_BOX).empty()) {
    toolkit.SetPicture(DETAILS_WINDOW, POSTER_BOX, DefaultPoster());
    return;
  }

  Text description = StripDescriptionMarkup(TextBetween(page, DESCRIPTION_LEFT, DESCRIPTION_RIGHT),
                                            program.addresses);
  toolkit.SetEditText(DETAILS_WINDOW, DESCRIPTION_BOX, BlankLineRemover(description, false));
  // The remover has cut the description's outer line ends in place: a description that was no
  // more than a line end counts as none.
  if (description.empty()) toolkit.SetEditText(DETAILS_WINDOW, DESCRIPTION_BOX, Gbk("暂无信息"));
}

}  // namespace cinevora
