#pragma once
// The colours of a window skin, as the skin file names them.

#include <array>
#include <string_view>

#include "platform/toolkit/WindowDefinition.h"

namespace cinevora {

struct SkinColours {
  Colour windowBackground = 0;
  Colour windowText = 0;
  Colour frameLight = 0;       // the lit edge of frames and group boxes
  Colour frameMid = 0;         // frame lines
  Colour frameDark = 0;        // the shaded edge of frames
  Colour buttonBackground = 0; // plain buttons (the message boxes' own)
  Colour buttonText = 0;
  Colour highlight = 0;        // selected rows and text
  Colour highlightText = 0;
  Colour scrollTrack = 0;
  Colour scrollHandle = 0;
  Colour scrollHandleHover = 0;
  Colour editBackground = 0;
  Colour editText = 0;
  Colour editBorder = 0;
  Colour editFocusBorder = 0;
  Colour messageBackground = 0;
  Colour messageText = 0;
};

// One entry of the skin file: its key, the colour it sets, and whether it is a text colour.
// Text colours are kept as they are when the skin is tinted, so that text stays readable.
struct SkinColourKey {
  std::string_view key;
  Colour SkinColours::*colour;
  bool text;
};

inline constexpr std::array<SkinColourKey, 18> SKIN_COLOUR_KEYS{{
    {"window.background", &SkinColours::windowBackground, false},
    {"window.text", &SkinColours::windowText, true},
    {"frame.light", &SkinColours::frameLight, false},
    {"frame.mid", &SkinColours::frameMid, false},
    {"frame.dark", &SkinColours::frameDark, false},
    {"button.background", &SkinColours::buttonBackground, false},
    {"button.text", &SkinColours::buttonText, true},
    {"highlight", &SkinColours::highlight, false},
    {"highlight.text", &SkinColours::highlightText, true},
    {"scrollbar.track", &SkinColours::scrollTrack, false},
    {"scrollbar.handle", &SkinColours::scrollHandle, false},
    {"scrollbar.handle.hover", &SkinColours::scrollHandleHover, false},
    {"edit.background", &SkinColours::editBackground, false},
    {"edit.text", &SkinColours::editText, true},
    {"edit.border", &SkinColours::editBorder, false},
    {"edit.border.focus", &SkinColours::editFocusBorder, false},
    {"messagebox.background", &SkinColours::messageBackground, false},
    {"messagebox.text", &SkinColours::messageText, true},
}};

}  // namespace cinevora
