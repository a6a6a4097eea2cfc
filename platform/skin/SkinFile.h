#pragma once
// The skin file: our own small text format. It begins with the characters ".SHE"; the rest of
// that line is free. Every further line is either empty, a note starting with ';', or
// `key = #RRGGBB` with a key of SKIN_COLOUR_KEYS. Keys we do not know are passed over (a newer
// skin may carry more); every known key must be present, and a line of any other shape makes the
// file invalid. Lines end in LF or CR LF.
//
// Pure functions, no Qt; thread-safe.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/skin/SkinColours.h"

namespace cinevora {

// A skin file is a few hundred bytes; anything larger than this is not one of ours.
constexpr std::size_t SKIN_FILE_MAX_BYTES = 64 * 1024;

// The colours of a skin file's content; nothing when the content does not begin with ".SHE", is
// larger than SKIN_FILE_MAX_BYTES, lacks a known key or gives one a value that is not #RRGGBB.
std::optional<SkinColours> ParseSkinFile(std::string_view content);

// Reads and parses the skin file at the native `path`; nothing when it cannot be read, is larger
// than SKIN_FILE_MAX_BYTES (read no further) or does not parse.
std::optional<SkinColours> ReadSkinFile(const std::string& path);

}  // namespace cinevora
