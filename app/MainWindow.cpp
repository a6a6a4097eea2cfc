#include "app/MainWindow.h"

#include "app/Controls.h"
#include "app/LoadingSpinner.h"
#include "app/MainWindowEvents.h"
#include "app/PlayerWindow.h"
#include "app/Program.h"
#include "catalogue/CategoryClick.h"
#include "catalogue/CategoryTable.h"
#include "catalogue/MovieList.h"
#include "details/DetailsWindow.h"
#include "platform/codepage/Codepage.h"

namespace cinevora {
namespace {

constexpr char HEADER_BOX[] = "图片框1";
constexpr Colour SPINNER_BACKGROUND = Rgb(8, 168, 218);

// Where each category button sits and how it lights up; its caption and its colour with the mouse
// outside come from the category table, so that button and list always agree.
struct CategoryButtonPlace {
  const char* button;
  int left, top;
  Colour hover, focused;
};
constexpr CategoryButtonPlace CATEGORY_BUTTONS[] = {
    {"超级按钮_最新电影", 0, 82, Rgb(215, 78, 38), Rgb(168, 61, 30)},
    {"超级按钮_BD高清", 254, 82, Rgb(10, 88, 205), Rgb(7, 70, 165)},
    {"超级按钮_1018P", 508, 82, Rgb(175, 0, 185), Rgb(141, 0, 149)},
    {"超级按钮_720P", 0, 146, Rgb(199, 154, 1), Rgb(182, 123, 1)},
    {"超级按钮_3D", 254, 146, Rgb(0, 153, 0), Rgb(0, 119, 0)},
};
constexpr int BUTTON_WIDTH = 250;
constexpr int BUTTON_HEIGHT = 62;

ControlDefinition Timer(std::string_view name, int period, std::function<void()> onTimer) {
  ControlDefinition timer =
      PlacedControl(ControlKind::Timer, std::string(name), HEADER_BOX, 0, 0, 0, 0);
  timer.timerPeriod = period;
  timer.onTimer = std::move(onTimer);
  return timer;
}

ControlDefinition SpinnerLabel(std::string_view name, int left, int top, int width, Text caption,
                               FontSpec font) {
  ControlDefinition label =
      PlacedControl(ControlKind::Label, std::string(name), HEADER_BOX, left, top, width, 24);
  label.caption = std::move(caption);
  label.visible = false;
  label.font = std::move(font);
  label.textColour = kWhite;
  label.backgroundColour = SPINNER_BACKGROUND;
  return label;
}

ControlDefinition MovieList(Program& program) {
  ControlDefinition list =
      PlacedControl(ControlKind::ListView, std::string(MOVIE_LIST), "", 2, 212, 753, 341);
  list.font = UiFont(-12);
  list.textColour = kBlack;
  list.backgroundColour = kWhite;
  list.border = Border::StaticEdge;
  // The address column is there for the details window, not for the eye.
  list.columns = {{Gbk("标题"), 300}, {Gbk("日期"), 100}, {Gbk("地址"), 0}};
  list.headerVisible = false;
  list.onDoubleClick = [&program] { OpenDetailsWindow(program); };
  return list;
}

}  // namespace

WindowDefinition MainWindowDefinition(Program& program) {
  WindowDefinition window;
  window.name = MAIN_WINDOW;
  window.title = Gbk("Cinevora v7.0");
  window.outerWidth = MAIN_OUTER_WIDTH;
  window.outerHeight = MAIN_OUTER_HEIGHT;
  window.fixedBorder = true;
  window.background = kWhite;
  window.onCreate = [&program] { MainWindowCreated(program); };
  window.onDestroy = [&program] { MainWindowDestroyed(program); };

  auto& controls = window.controls;
  controls.push_back(
      PictureBox(HEADER_BOX, "", -32, 0, 936, 80, "MainHeader", PictureFit::Stretch));
  controls.push_back(Timer(RESTART_TIMER, 0, [&program] { SpinnerRestart(program); }));
  controls.push_back(Timer(STEP_TIMER, STEP_PERIOD_MS, [&program] { SpinnerStep(program); }));
  controls.push_back(
      SpinnerLabel(STATUS_LABEL, 352, 48, 128, Gbk("正在获取电影信息"), UiFont(-15)));
  // The creation event swaps the face for the spinner font and keeps the rest.
  FontSpec glyphFont;
  glyphFont.height = -16;
  controls.push_back(SpinnerLabel(SPINNER_LABEL, 320, 49, 32, Gbk("标签"), glyphFont));
  controls.push_back(
      PictureBox("图片框2", HEADER_BOX, 80, 40, 56, 40, "MainBadge", PictureFit::ActualSize));

  for (const CategoryButtonPlace& place : CATEGORY_BUTTONS) {
    for (const CategoryEntry& entry : CategoryTable()) {
      if (entry.button != place.button) continue;
      controls.push_back(ColouredButton(entry.button, place.left, place.top, BUTTON_WIDTH,
                                        BUTTON_HEIGHT, entry.caption,
                                        {entry.listColour, place.hover, place.focused},
                                        [&program, &entry] { CategoryClick(program, entry); }));
    }
  }
  controls.push_back(ColouredButton(
      "超级按钮_免费云播", 508, 146, BUTTON_WIDTH, BUTTON_HEIGHT, Gbk("免费在线云播"),
      {Rgb(255, 106, 106), Rgb(215, 78, 38), Rgb(255, 151, 151)},
      [&program] { OpenPlayerWindow(program); }));

  controls.push_back(MovieList(program));
  controls.push_back(
      PictureBox("图片框3", "", 0, 557, 896, 47, "MainFooter", PictureFit::Stretch));
  return window;
}

}  // namespace cinevora
