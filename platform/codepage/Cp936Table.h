#pragma once
// Table-driven CP936 conversions for whole texts, several times faster than going through ICU's
// converter character by character and giving exactly its results: the tables are filled once
// from that converter, and whatever they cannot settle on their own (a byte sequence that is no
// mapped character) is left to the converter again. Used by Codepage.cpp for the program's ANSI
// texts and by the text stream when its charset is the same code page. Thread-safe.

#include <string>
#include <string_view>
#include <vector>

struct UConverter;

namespace cinevora {

// The converter the tables are made from and the fall-back of CP936Decode; one per thread,
// with "?" for whatever the code page cannot hold. Null only if ICU has no such converter.
UConverter* Cp936Converter();

// The room Cp936Encode needs for `wide`: one byte for each ASCII unit, two for any other, and one
// to spare (the encoder stores two bytes for every character and moves on by its length).
std::size_t Cp936EncodeRoom(std::u16string_view wide);

// Writes `wide` in CP936 to `out`, which has Cp936EncodeRoom(wide) bytes of room, and returns the
// number of bytes written: one "?" for each character the code page cannot hold (a surrogate
// pair, or a lone surrogate, counting as one character).
std::size_t Cp936Encode(std::u16string_view wide, char* out);

// Appends `wide` in CP936 to `out` (a Text or Bytes), which grows once.
template <typename Buffer>
void Cp936EncodeAppend(std::u16string_view wide, Buffer& out) {
  std::size_t start = out.size();
  out.resize(start + Cp936EncodeRoom(wide));
  out.resize(start + Cp936Encode(wide, reinterpret_cast<char*>(out.data() + start)));
}

// `ansi` as UTF-16 in `out`, whose storage is reused when it is large enough, and, when
// `unitOffsets` is given, the byte offset of the character each unit came from. False, leaving
// `out` and `unitOffsets` in an unspecified state, when `ansi` holds a byte sequence that is no
// mapped character: the caller then asks the converter.
bool Cp936DecodeMapped(std::string_view ansi, std::u16string& out, std::vector<int>* unitOffsets);

}  // namespace cinevora
