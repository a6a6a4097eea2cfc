#include "app/MainWindowEvents.h"

#include "app/LoadingSpinner.h"
#include "app/Program.h"
#include "app/UpdateCheck.h"
#include "catalogue/MovieList.h"
#include "platform/skin/SkinLibrary.h"
#include "resources/Resources.h"

namespace cinevora {

void MainWindowCreated(Program& program) {
  program.ExpectedVersion = Text(EXPECTED_VERSION);
  if (!UpdateCheck(program)) return;

  program.skin.AdjustHSV(120, 90, 40);
  if (program.skin.Failed()) return;

  Toolkit& toolkit = program.toolkit;
  // A failed registration leaves handle 0; the label then gets the system's substitute face.
  program.SpinnerFontHandle = toolkit.AddFontFromMemory(ResourceBytes("SpinnerFont"));
  program.SpinnerGlyph = FIRST_SPINNER_GLYPH;
  toolkit.SetFontFace(MAIN_WINDOW, SPINNER_LABEL, "Setup");
}

void MainWindowDestroyed(Program& program) {
  program.toolkit.RemoveFont(program.SpinnerFontHandle);
}

}  // namespace cinevora
