#pragma once
// Re-tinting a skin: the three values of SkinH_AdjustHSV.
//
//   hue         -180 .. 180  degrees the colour wheel is turned by (positive: red -> yellow)
//   saturation  -100 .. 100  per cent of each colour's own saturation added (-100 greys it,
//                            100 doubles it, up to full)
//   brightness  -100 .. 100  per cent of the way towards full brightness (positive) or black
//                            (negative)
//
// Values outside a range are clamped to it. A tint always applies to the skin as its file gives
// it: tints do not add up. Greys have no hue, so only the brightness changes them; text colours
// are not tinted at all (see SkinColourKey). Pure functions; thread-safe.

#include "platform/skin/SkinColours.h"

namespace cinevora {

struct SkinTint {
  int hue = 0;
  int saturation = 0;
  int brightness = 0;
  bool operator==(const SkinTint&) const = default;
};

SkinTint ClampTint(SkinTint tint);

// One colour tinted by `tint` (which must be clamped).
Colour TintColour(Colour colour, SkinTint tint);

// Every colour of the skin but its text colours, tinted by `tint` (which must be clamped).
SkinColours TintSkin(const SkinColours& skin, SkinTint tint);

}  // namespace cinevora
