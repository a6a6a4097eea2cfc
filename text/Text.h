#pragma once
// The program's two string types.
//
// Text is a byte string in the ANSI code page CP936 (GBK) and never holds a NUL byte. Bytes is a
// plain byte array (a page body, a picture). They are distinct types on purpose: turning bytes
// into text stops at the first NUL, the way a C string would.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace cinevora {

using Text = std::string;
using Bytes = std::vector<std::uint8_t>;

// The bytes up to, not including, the first NUL (all of them when there is none).
inline Text TextFromBytes(const std::uint8_t* data, std::size_t size) {
  // memchr, not a byte loop: pages of many kilobytes pass through here.
  const auto* nul = static_cast<const std::uint8_t*>(size != 0 ? std::memchr(data, 0, size) : nullptr);
  return Text(reinterpret_cast<const char*>(data), nul != nullptr ? nul - data : size);
}
inline Text TextFromBytes(const Bytes& bytes) { return TextFromBytes(bytes.data(), bytes.size()); }

inline Bytes BytesFromText(std::string_view text) { return Bytes(text.begin(), text.end()); }

}  // namespace cinevora
