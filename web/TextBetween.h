#pragma once
// Cutting one value out of a text: the piece between two markers, and the value of a header line.

#include "text/Text.h"

namespace cinevora {

// The text between the first `leftMarker` and the first `rightMarker` after it, both matched
// without regard to ASCII case; empty when either is missing or nothing lies between them. A
// marker may write a double quote as "#引号" (GBK), which stands for one '"'. Thread-safe.
Text TextBetween(const Text& text, const Text& leftMarker, const Text& rightMarker);

// Everything after the first ':' of a header line, trimmed of blanks ("Location: x" gives "x");
// empty when the line has no colon. Thread-safe.
Text HeaderValue(const Text& line);

}  // namespace cinevora
