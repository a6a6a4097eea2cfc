#include "catalogue/CategoryClick.h"

#include "catalogue/CategoryScraper.h"
#include "catalogue/MovieList.h"
#include "platform/skin/SkinLibrary.h"

namespace cinevora {

void CategoryClick(Program& program, const CategoryEntry& entry) {
  Toolkit& toolkit = program.toolkit;
  const std::uint64_t generation = ++program.CategoryGeneration;

  toolkit.SetListBackgroundColour(MAIN_WINDOW, MOVIE_LIST, entry.listColour);
  toolkit.SetListTextBackgroundColour(MAIN_WINDOW, MOVIE_LIST, entry.listColour);
  toolkit.SetListTextColour(MAIN_WINDOW, MOVIE_LIST, kWhite);
  toolkit.SetVisible(MAIN_WINDOW, SPINNER_LABEL, true);
  toolkit.SetVisible(MAIN_WINDOW, STATUS_LABEL, true);

  program.skin.AdjustHSV(entry.hue, entry.saturation, entry.brightness);
  if (program.skin.Failed()) return;

  // The entry is copied: the worker must not depend on where the caller keeps it.
  toolkit.StartThread(
      [&program, entry, generation] { CategoryScraper(program, entry, generation); });
}

}  // namespace cinevora
