// The skin library built without Qt: there are no windows to skin, it only keeps its state.
#include "platform/skin/SkinApply.h"

namespace cinevora {

void ApplySkin(const SkinColours&) {}

}  // namespace cinevora
