#pragma once
// Folding the blank lines out of a description.

#include "text/Text.h"

namespace cinevora {

// Cuts one leading and then one trailing CR LF off `text`, storing the shorter text back into the
// caller's variable, then removes every LF together with the white space that follows it up to
// the last CR of that run (the expression "\n\s*\r"), which joins a line to the text after the
// blank lines below it: A CR LF CR LF B becomes A CR LF B, while A CR LF LF B stays. Returns the
// folded text; empty when the regular-expression object cannot be made. With `initialiseCom`
// the calling thread's apartment is initialised and released around the work. Any thread.
Text BlankLineRemover(Text& text, bool initialiseCom);

}  // namespace cinevora
