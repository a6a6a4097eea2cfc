#include "app/LoadingSpinner.h"

#include "app/Program.h"
#include "catalogue/MovieList.h"
#include "platform/codepage/Codepage.h"

namespace cinevora {

void SpinnerStep(Program& program) {
  Toolkit& toolkit = program.toolkit;
  // The step after the last frame is the blank one, so that the last frame stays on screen for
  // its 30 ms like every other instead of being blanked in the tick that drew it.
  if (program.SpinnerGlyph > LAST_SPINNER_GLYPH) {
    program.SpinnerGlyph = FIRST_SPINNER_GLYPH;
    toolkit.SetCaption(MAIN_WINDOW, SPINNER_LABEL, " ");
    toolkit.SetTimerPeriod(MAIN_WINDOW, RESTART_TIMER, PAUSE_PERIOD_MS);
    toolkit.SetTimerPeriod(MAIN_WINDOW, STEP_TIMER, 0);
    return;
  }
  // The spinner font maps the private-use characters to its frames; CP936 gives each of them a
  // two-byte code, so the label's ANSI caption carries the frame through.
  const char16_t glyph[1] = {static_cast<char16_t>(program.SpinnerGlyph.load())};
  toolkit.SetCaption(MAIN_WINDOW, SPINNER_LABEL, WideToAnsi(std::u16string_view(glyph, 1)));
  ++program.SpinnerGlyph;
}

void SpinnerRestart(Program& program) {
  program.toolkit.SetTimerPeriod(MAIN_WINDOW, STEP_TIMER, STEP_PERIOD_MS);
  program.toolkit.SetTimerPeriod(MAIN_WINDOW, RESTART_TIMER, 0);
}

}  // namespace cinevora
