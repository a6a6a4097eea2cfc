#include "CatalogueWindow.h"

#include "catalogue/CategoryClick.h"
#include "catalogue/MovieList.h"

namespace cinevora::test {

WindowDefinition CatalogueWindow(Program& program) {
  WindowDefinition window;
  window.name = MAIN_WINDOW;
  window.outerWidth = 764;
  window.outerHeight = 632;
  ControlDefinition list;
  list.kind = ControlKind::ListView;
  list.name = MOVIE_LIST;
  list.left = 2;
  list.top = 212;
  list.width = 753;
  list.height = 341;
  list.columns = {{"title", 300}, {"date", 100}, {"address", 0}};
  list.headerVisible = false;
  window.controls.push_back(list);
  for (std::string_view name : {SPINNER_LABEL, STATUS_LABEL}) {
    ControlDefinition label;
    label.kind = ControlKind::Label;
    label.name = name;
    label.width = 128;
    label.height = 24;
    label.visible = false;
    window.controls.push_back(label);
  }
  for (const CategoryEntry& entry : CategoryTable()) {
    ControlDefinition button;
    button.kind = ControlKind::Button;
    button.name = entry.button;
    button.caption = entry.caption;
    button.width = 250;
    button.height = 62;
    button.onClick = [&program, &entry] { CategoryClick(program, entry); };
    window.controls.push_back(button);
  }
  return window;
}

}  // namespace cinevora::test
