#pragma once
// Binary resources carried inside the program (fonts, skin, pictures).

#include <cstdint>
#include <span>
#include <string_view>

namespace cinevora {

// The bytes of the embedded resource `name` ("SpinnerFont", "SkinLibraryImage", ...), valid for
// the life of the process. An unknown name gives an empty span. Thread-safe (read-only data).
std::span<const std::uint8_t> ResourceBytes(std::string_view name);

}  // namespace cinevora
