// ParseSkinFile on arbitrary bytes; what parses must tint and turn into a style sheet.
// Input: the file content.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/skin/SkinFile.h"
#include "platform/skin/SkinStyleSheet.h"
#include "platform/skin/SkinTint.h"

using namespace cinevora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  const auto colours = ParseSkinFile(content);
  if (!colours) return 0;
  if (size > SKIN_FILE_MAX_BYTES || !content.starts_with(".SHE")) std::abort();
  // The tint values come from the bytes too, clamped as the library clamps them.
  const SkinTint tint = ClampTint({size > 4 ? data[4] * 7 - 900 : 0, size > 5 ? data[5] - 128 : 0,
                                   size > 6 ? data[6] - 128 : 0});
  const SkinColours tinted = TintSkin(*colours, tint);
  for (const SkinColourKey& key : SKIN_COLOUR_KEYS) {
    if (tinted.*(key.colour) > 0xFFFFFFu) std::abort();
  }
  // Colours reach the style sheet only as #rrggbb: no byte of the file gets into it.
  for (const char c : ApplicationStyleSheet(tinted)) {
    if (c != '\n' && (c < ' ' || c > '~')) std::abort();
  }
  return 0;
}
