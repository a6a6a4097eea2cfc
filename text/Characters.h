#pragma once
// The character rules of the ANSI code page, shared by every routine that walks a text.
//
// A byte of 0x80 or more starts a two-byte character; a lead byte at the very end of a text is a
// character of its own, so a walk never reads past the end. Only single-byte characters are ASCII
// letters: the second byte of a two-byte character is never folded, even when it looks like one.

#include <cstddef>
#include <string_view>

namespace cinevora {

inline bool IsLeadByte(unsigned char byte) { return byte >= 0x80; }

// Length in bytes (1 or 2) of the character that starts at `index` (< text.size()).
inline std::size_t CharacterLength(std::string_view text, std::size_t index) {
  return IsLeadByte(static_cast<unsigned char>(text[index])) && index + 1 < text.size() ? 2 : 1;
}

// The byte with an ASCII capital made small; every other byte unchanged.
inline unsigned char FoldAscii(unsigned char byte) {
  return static_cast<unsigned char>(byte - 'A') < 26 ? static_cast<unsigned char>(byte + 32) : byte;
}

}  // namespace cinevora
