#include "details/DetailsWindow.h"

#include "catalogue/MovieList.h"
#include "details/DetailsReader.h"
#include "platform/codepage/Codepage.h"

namespace cinevora {
namespace {

ControlDefinition ReadOnlyTextBox(std::string_view name, int left, int top, int width, int height,
                                  Border border) {
  ControlDefinition box;
  box.kind = ControlKind::EditBox;
  box.name = name;
  box.left = left;
  box.top = top;
  box.width = width;
  box.height = height;
  box.font = {.face = Gbk("微软雅黑"), .height = -12, .weight = 400, .gb2312 = true};
  box.textColour = kBlack;
  box.backgroundColour = kWhite;
  box.border = border;
  box.multiLine = true;
  box.readOnly = true;
  box.verticalScrollBar = true;
  return box;
}

}  // namespace

WindowDefinition DetailsWindowDefinition(Program& program) {
  WindowDefinition window;
  window.name = DETAILS_WINDOW;  // untitled until the reader names it after the movie
  window.left = 50;
  window.top = 50;
  window.outerWidth = 781;
  window.outerHeight = 555;
  window.onCreate = [&program] { DetailsReader(program); };

  ControlDefinition poster;
  poster.kind = ControlKind::PictureBox;
  poster.name = POSTER_BOX;
  poster.width = 262;
  poster.height = 400;
  poster.border = Border::Single;
  poster.pictureFit = PictureFit::Stretch;
  window.controls.push_back(std::move(poster));

  window.controls.push_back(
      ReadOnlyTextBox(DESCRIPTION_BOX, 262, 0, 512, 400, Border::ShallowSunken));
  window.controls.push_back(ReadOnlyTextBox(DOWNLOAD_LINK_BOX, 2, 403, 768, 124, Border::Single));
  return window;
}

void OpenDetailsWindow(Program& program) {
  if (program.toolkit.ListSelection(MAIN_WINDOW, MOVIE_LIST) == -1) return;
  program.toolkit.LoadWindow(DetailsWindowDefinition(program));
}

}  // namespace cinevora
