#include "platform/skin/SkinTint.h"

#include <algorithm>
#include <cmath>

namespace cinevora {
namespace {

// Hue in degrees [0, 360), saturation and value in [0, 1].
struct Hsv {
  double h = 0, s = 0, v = 0;
};

Hsv ToHsv(Colour c) {
  const double r = RedOf(c) / 255.0, g = GreenOf(c) / 255.0, b = BlueOf(c) / 255.0;
  const double max = std::max({r, g, b}), min = std::min({r, g, b}), delta = max - min;
  Hsv hsv;
  hsv.v = max;
  hsv.s = max > 0 ? delta / max : 0;
  if (delta > 0) {
    if (max == r) {
      hsv.h = 60 * std::fmod((g - b) / delta + 6, 6.0);
    } else if (max == g) {
      hsv.h = 60 * ((b - r) / delta + 2);
    } else {
      hsv.h = 60 * ((r - g) / delta + 4);
    }
  }
  return hsv;
}

Colour FromHsv(Hsv hsv) {
  const double c = hsv.v * hsv.s;
  const double x = c * (1 - std::fabs(std::fmod(hsv.h / 60, 2.0) - 1));
  const double m = hsv.v - c;
  double r = 0, g = 0, b = 0;
  switch (static_cast<int>(hsv.h / 60) % 6) {
    case 0: r = c; g = x; break;
    case 1: r = x; g = c; break;
    case 2: g = c; b = x; break;
    case 3: g = x; b = c; break;
    case 4: r = x; b = c; break;
    default: r = c; b = x; break;
  }
  const auto channel = [m](double value) {
    return static_cast<int>(std::lround(std::clamp(value + m, 0.0, 1.0) * 255));
  };
  return Rgb(channel(r), channel(g), channel(b));
}

}  // namespace

SkinTint ClampTint(SkinTint tint) {
  return {std::clamp(tint.hue, -180, 180), std::clamp(tint.saturation, -100, 100),
          std::clamp(tint.brightness, -100, 100)};
}

Colour TintColour(Colour colour, SkinTint tint) {
  Hsv hsv = ToHsv(colour);
  if (hsv.s > 0) {
    hsv.h = std::fmod(hsv.h + tint.hue + 360, 360.0);
    hsv.s = std::clamp(hsv.s * (1 + tint.saturation / 100.0), 0.0, 1.0);
  }
  const double toward = tint.brightness >= 0 ? 1.0 : 0.0;
  hsv.v += (toward - hsv.v) * std::abs(tint.brightness) / 100.0;
  return FromHsv(hsv);
}

SkinColours TintSkin(const SkinColours& skin, SkinTint tint) {
  SkinColours tinted = skin;
  for (const SkinColourKey& key : SKIN_COLOUR_KEYS) {
    if (!key.text) tinted.*(key.colour) = TintColour(skin.*(key.colour), tint);
  }
  return tinted;
}

}  // namespace cinevora
