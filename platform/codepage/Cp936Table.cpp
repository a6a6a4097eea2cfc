#include "platform/codepage/Cp936Table.h"

#include <unicode/ucnv.h>

#include <algorithm>
#include <cstdint>
#include <memory>

#include "platform/codepage/UnitCount.h"

namespace cinevora {
namespace {

struct ConverterCloser {
  void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

constexpr std::uint32_t NONE = 0xFFFFFFFF;
// An encoding is packed as its first byte, its second byte << 8 and its length << 16, so that
// the encoder stores both bytes and moves on by the length without a branch on it.
constexpr std::uint32_t LENGTH_SHIFT = 16;
// The encoding of a unit that gives no bytes at all: ICU drops a default-ignorable character the
// code page cannot hold (a soft hyphen, a zero-width space) instead of writing "?".
constexpr std::uint32_t DROPPED = 0;
// The entry of a surrogate, which the encoder settles with its neighbour: length 3, no bytes.
constexpr std::uint32_t SURROGATE = 3 << LENGTH_SHIFT;
constexpr std::uint32_t QUESTION_MARK = '?' | 1 << LENGTH_SHIFT;

// The packed form of `length` (1 or 2) bytes.
std::uint32_t Packed(const char* bytes, std::size_t length) {
  auto packed = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[0]) |
                                           length << LENGTH_SHIFT);
  if (length == 2) packed |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[1])) << 8;
  return packed;
}

bool IsSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDFFF; }
bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

struct Tables {
  // Per UTF-16 unit: its CP936 form, packed ("?" for a character the code page cannot hold), or
  // DROPPED, or SURROGATE.
  std::vector<std::uint32_t> encode = std::vector<std::uint32_t>(0x10000, DROPPED);
  // Per byte: the unit of the single-byte character it is, or NONE.
  std::vector<std::uint32_t> single = std::vector<std::uint32_t>(0x100, NONE);
  // Per lead << 8 | trail: the unit of that two-byte character, or NONE.
  std::vector<std::uint32_t> pair = std::vector<std::uint32_t>(0x10000, NONE);
};

// Every unit other than a surrogate through the converter in one call; the offsets say which
// output bytes each unit gave.
void FillEncode(UConverter* cnv, Tables& t) {
  std::u16string units;
  for (char32_t c = 0; c < 0x10000; ++c) {
    if (!IsSurrogate(static_cast<char16_t>(c))) units += static_cast<char16_t>(c);
  }
  std::string bytes(units.size() * 2, '\0');
  std::vector<int32_t> offsets(bytes.size(), -1);
  char* target = bytes.data();
  const UChar* source = reinterpret_cast<const UChar*>(units.data());
  UErrorCode status = U_ZERO_ERROR;
  ucnv_resetFromUnicode(cnv);
  ucnv_fromUnicode(cnv, &target, bytes.data() + bytes.size(), &source, source + units.size(),
                   offsets.data(), true, &status);
  std::size_t written = static_cast<std::size_t>(target - bytes.data());
  for (std::size_t j = 0; j < written;) {
    std::size_t length = 1;
    while (j + length < written && offsets[j + length] == offsets[j]) ++length;
    if (offsets[j] >= 0) {
      t.encode[units[static_cast<std::size_t>(offsets[j])]] = Packed(&bytes[j], length);
    }
    j += length;
  }
  for (char32_t c = 0xD800; c <= 0xDFFF; ++c) t.encode[c] = SURROGATE;
}

// Decodes `samples` (each `width` bytes: a candidate character and a blank that ends it) and
// keeps each candidate that gives exactly one unit which encodes back to the same bytes: the
// substitutes for invalid bytes never do, so those sequences stay NONE.
void FillDecode(UConverter* cnv, const Tables& t, const std::string& samples, std::size_t width,
                std::vector<std::uint32_t>& table) {
  std::u16string units(samples.size(), u'\0');
  std::vector<int32_t> offsets(units.size(), -1);
  UChar* target = reinterpret_cast<UChar*>(units.data());
  const char* source = samples.data();
  UErrorCode status = U_ZERO_ERROR;
  ucnv_resetToUnicode(cnv);
  ucnv_toUnicode(cnv, &target, target + units.size(), &source, source + samples.size(),
                 offsets.data(), true, &status);
  std::size_t count = static_cast<std::size_t>(target - reinterpret_cast<UChar*>(units.data()));
  for (std::size_t k = 0; k < count; ++k) {
    std::size_t at = static_cast<std::size_t>(offsets[k]);
    if (offsets[k] < 0 || at % width != 0) continue;  // a blank, or a sample read out of step
    bool alone = k + 1 == count || offsets[k + 1] == static_cast<int32_t>(at + width - 1);
    std::size_t code = width == 2 ? static_cast<unsigned char>(samples[at])
                                  : static_cast<unsigned char>(samples[at]) << 8 |
                                        static_cast<unsigned char>(samples[at + 1]);
    char16_t unit = units[k];
    if (alone && t.encode[unit] == Packed(&samples[at], width - 1)) table[code] = unit;
  }
}

Tables Build() {
  Tables t;
  UConverter* cnv = Cp936Converter();
  if (cnv == nullptr) return t;
  FillEncode(cnv, t);
  std::string singles;
  for (int b = 0; b < 0x100; ++b) singles += {static_cast<char>(b), ' '};
  FillDecode(cnv, t, singles, 2, t.single);
  std::string pairs;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      pairs += {static_cast<char>(lead), static_cast<char>(trail), ' '};
    }
  }
  FillDecode(cnv, t, pairs, 3, t.pair);
  return t;
}

const Tables& Get() {
  static const Tables tables = Build();
  return tables;
}

}  // namespace

// One converter per thread: ICU converters are not thread-safe, and opening one per call costs
// more than the conversion of a short caption.
UConverter* Cp936Converter() {
  thread_local Converter converter = [] {
    UErrorCode status = U_ZERO_ERROR;
    Converter c(ucnv_open("windows-936", &status));
    if (U_SUCCESS(status)) {
      // Unmappable characters become the code page's default character "?", as on Windows.
      ucnv_setSubstChars(c.get(), "?", 1, &status);
      ucnv_setFromUCallBack(c.get(), UCNV_FROM_U_CALLBACK_SUBSTITUTE, nullptr, nullptr, nullptr,
                            &status);
    }
    return c;
  }();
  return converter.get();
}

std::size_t Cp936EncodeRoom(std::u16string_view wide) {
  std::size_t nonAscii =
      SumOverUnits(wide.data(), wide.size(), [](char16_t c) { return unsigned{c >= 0x80}; });
  return wide.size() + nonAscii + 1;
}

std::size_t Cp936Encode(std::u16string_view wide, char* out) {
  // A local copy of the table's address: stores through `p` (a char pointer) could otherwise
  // change the vector as far as the compiler knows, and it would reload it for every unit.
  const std::uint32_t* const encode = Get().encode.data();
  char* p = out;
  for (std::size_t i = 0; i < wide.size(); ++i) {
    std::uint32_t code = encode[wide[i]];
    if (code == SURROGATE) {
      char16_t c = wide[i];
      if (IsHighSurrogate(c) && i + 1 < wide.size() && IsLowSurrogate(wide[i + 1])) ++i;
      code = QUESTION_MARK;  // no character beyond the BMP has a CP936 form
    }
    // ASCII and Chinese alternate unpredictably in a page: storing both bytes and moving on by
    // the length beats a branch on the length. The spare byte of the room takes the last store.
    p[0] = static_cast<char>(code & 0xFF);
    p[1] = static_cast<char>(code >> 8 & 0xFF);
    p += code >> LENGTH_SHIFT;
  }
  return static_cast<std::size_t>(p - out);
}

bool Cp936DecodeMapped(std::string_view ansi, std::u16string& out, std::vector<int>* unitOffsets) {
  const std::uint32_t* const single = Get().single.data();
  const std::uint32_t* const pair = Get().pair.data();
  const auto* bytes = reinterpret_cast<const unsigned char*>(ansi.data());
  const std::size_t size = ansi.size();
  // A text has at most one unit per byte. Storage that `out` already has is used first; the
  // rest of that room is only taken when the text needs it.
  if (out.size() < size) out.resize(std::min(size, out.capacity()));
  char16_t* units = out.data();
  std::size_t room = out.size();
  if (unitOffsets != nullptr) unitOffsets->clear();
  std::size_t n = 0;
  for (std::size_t i = 0; i < size;) {
    if (n == room) {
      out.resize(size);
      units = out.data();
      room = size;
    }
    std::uint32_t unit = single[bytes[i]];
    std::size_t length = 1;
    if (unit == NONE) {
      if (i + 1 == size) return false;
      unit = pair[bytes[i] << 8 | bytes[i + 1]];
      if (unit == NONE) return false;
      length = 2;
    }
    if (unitOffsets != nullptr) unitOffsets->push_back(static_cast<int>(i));
    units[n++] = static_cast<char16_t>(unit);
    i += length;
  }
  out.resize(n);
  return true;
}

}  // namespace cinevora
