#include <gtest/gtest.h>

#include "platform/skin/SkinTint.h"

namespace cinevora {
namespace {

TEST(SkinTint, ClampsToTheDocumentedRanges) {
  EXPECT_EQ(ClampTint({500, -300, 101}), (SkinTint{180, -100, 100}));
  EXPECT_EQ(ClampTint({-181, 100, -100}), (SkinTint{-180, 100, -100}));
  EXPECT_EQ(ClampTint({120, 90, 40}), (SkinTint{120, 90, 40}));
}

TEST(SkinTint, TurnsSaturatesAndBrightens) {
  const struct {
    Colour in;
    SkinTint tint;
    Colour out;
  } cases[] = {
      {Rgb(255, 0, 0), {0, 0, 0}, Rgb(255, 0, 0)},
      {Rgb(255, 0, 0), {120, 0, 0}, Rgb(0, 255, 0)},
      {Rgb(255, 0, 0), {-120, 0, 0}, Rgb(0, 0, 255)},
      {Rgb(255, 0, 0), {180, 0, 0}, Rgb(0, 255, 255)},
      {Rgb(255, 128, 128), {0, -100, 0}, Rgb(255, 255, 255)},  // greyed: saturation 0
      {Rgb(255, 128, 128), {0, 100, 0}, Rgb(255, 1, 1)},       // doubled saturation, near full
      {Rgb(101, 0, 0), {0, 0, 50}, Rgb(178, 0, 0)},            // halfway to full brightness
      {Rgb(200, 0, 0), {0, 0, -50}, Rgb(100, 0, 0)},           // halfway to black
      {Rgb(128, 128, 128), {90, 100, 0}, Rgb(128, 128, 128)},  // a grey has no hue to turn
      {Rgb(128, 128, 128), {0, 0, 100}, Rgb(255, 255, 255)},
      {Rgb(255, 255, 255), {150, 100, 40}, Rgb(255, 255, 255)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TintColour(c.in, c.tint), c.out)
        << std::hex << c.in << " tinted " << std::dec << c.tint.hue << "," << c.tint.saturation
        << "," << c.tint.brightness;
  }
}

TEST(SkinTint, KeepsTextColoursAndTintsTheRest) {
  SkinColours skin;
  for (const SkinColourKey& key : SKIN_COLOUR_KEYS) skin.*(key.colour) = Rgb(8, 168, 218);
  const SkinColours tinted = TintSkin(skin, {120, 0, 0});
  for (const SkinColourKey& key : SKIN_COLOUR_KEYS) {
    if (key.text) {
      EXPECT_EQ(tinted.*(key.colour), Rgb(8, 168, 218)) << key.key;
    } else {
      EXPECT_EQ(tinted.*(key.colour), TintColour(Rgb(8, 168, 218), {120, 0, 0})) << key.key;
    }
  }
}

}  // namespace
}  // namespace cinevora
