#include "platform/toolkit/ToolkitRules.h"

#include <algorithm>
#include <array>

#include "platform/codepage/Codepage.h"

namespace cinevora {

Text EffectiveFontFace(const Text& requested) {
  if (!requested.empty() && requested.size() <= MAX_FONT_FACE_BYTES) return requested;
  return Gbk("宋体");
}

TimerChange TimerPeriodChange(int current, int requested) {
  const int period = std::max(requested, 0);
  return TimerChange{period != current, period};
}

bool LooksLikeFontFile(std::span<const std::uint8_t> bytes) {
  // The sfnt version tags: TrueType 1.0, OpenType with CFF outlines, Apple's 'true', collections.
  static constexpr std::array<std::array<std::uint8_t, 4>, 4> kTags{{
      {0x00, 0x01, 0x00, 0x00}, {'O', 'T', 'T', 'O'}, {'t', 'r', 'u', 'e'}, {'t', 't', 'c', 'f'}}};
  if (bytes.size() < 12) return false;  // shorter than the table directory's header
  return std::any_of(kTags.begin(), kTags.end(),
                     [&](const auto& tag) { return std::equal(tag.begin(), tag.end(), bytes.begin()); });
}

}  // namespace cinevora
