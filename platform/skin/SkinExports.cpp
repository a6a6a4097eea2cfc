#include "platform/skin/SkinExports.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>

#include "platform/skin/SkinApply.h"
#include "platform/skin/SkinFile.h"
#include "platform/skin/SkinTint.h"

namespace cinevora {
namespace {

// The library's one state: what the host attached and how it is tinted. The library is loaded
// once per process, so this is its natural home.
struct SkinState {
  std::mutex mutex;
  std::string path;
  std::optional<SkinColours> skin;
  SkinTint tint;
};

SkinState& State() {
  static SkinState state;
  return state;
}

}  // namespace
}  // namespace cinevora

using cinevora::SkinColours;
using cinevora::SkinTint;

extern "C" int SkinH_AttachEx(const char* skinPath, const char* /*second*/) {
  if (skinPath == nullptr) return 0;
  std::optional<SkinColours> skin = cinevora::ReadSkinFile(skinPath);
  if (!skin) return 0;
  cinevora::SkinState& state = cinevora::State();
  std::lock_guard lock(state.mutex);
  state.path = skinPath;
  state.skin = *skin;
  state.tint = SkinTint{};
  // Under the lock, so that two callers cannot show their colours in the wrong order.
  cinevora::ApplySkin(*skin);
  return 1;
}

extern "C" int SkinH_AdjustHSV(int hue, int saturation, int brightness) {
  cinevora::SkinState& state = cinevora::State();
  std::lock_guard lock(state.mutex);
  state.tint = cinevora::ClampTint({hue, saturation, brightness});
  if (!state.skin) return 0;
  cinevora::ApplySkin(cinevora::TintSkin(*state.skin, state.tint));
  return 1;
}

extern "C" int SkinH_GetState(char* pathOut, int pathCapacity, int* hue, int* saturation,
                              int* brightness) {
  cinevora::SkinState& state = cinevora::State();
  std::lock_guard lock(state.mutex);
  if (pathOut != nullptr && pathCapacity > 0) {
    const std::size_t n = std::min(state.path.size(), static_cast<std::size_t>(pathCapacity - 1));
    std::memcpy(pathOut, state.path.data(), n);
    pathOut[n] = '\0';
  }
  if (hue != nullptr) *hue = state.tint.hue;
  if (saturation != nullptr) *saturation = state.tint.saturation;
  if (brightness != nullptr) *brightness = state.tint.brightness;
  return state.skin ? 1 : 0;
}
