#include "platform/com/NamedCharset.h"

#include <unicode/ucnv.h>
#include <unicode/ustring.h>

#include <cstdint>

#include "platform/codepage/Cp936Table.h"
#include "platform/codepage/UnitCount.h"

namespace cinevora {

void NamedCharset::Closer::operator()(UConverter* converter) const { ucnv_close(converter); }

namespace {

// ICU's own name of the converter ("GBK" and "cp936" both give "windows-936-2000").
std::string_view ResolvedName(UConverter* converter) {
  UErrorCode status = U_ZERO_ERROR;
  const char* name = converter != nullptr ? ucnv_getName(converter, &status) : nullptr;
  return U_SUCCESS(status) && name != nullptr ? name : "";
}

}  // namespace

NamedCharset::Road NamedCharset::RoadOf(UConverter* converter) {
  std::string_view name = ResolvedName(converter);
  if (name.empty()) return Road::CONVERTER;
  if (name == "UTF-8") return Road::UTF8;
  if (name == ResolvedName(Cp936Converter())) return Road::CP936;
  return Road::CONVERTER;
}

std::optional<NamedCharset> NamedCharset::Open(std::string_view name) {
  // ICU opens the process default for an empty name; a name with a NUL would be cut short.
  if (name.empty() || name.find('\0') != std::string_view::npos) return std::nullopt;
  UErrorCode status = U_ZERO_ERROR;
  UConverter* converter = ucnv_open(std::string(name).c_str(), &status);
  if (U_FAILURE(status) || converter == nullptr) {
    ucnv_close(converter);
    return std::nullopt;
  }
  // The Windows rule for what a code page cannot hold. Charsets whose substitute cannot be one
  // byte (UTF-16, UTF-32) refuse this and keep their own, which they never need for text.
  UErrorCode ignored = U_ZERO_ERROR;
  ucnv_setSubstChars(converter, "?", 1, &ignored);
  return NamedCharset(converter, RoadOf(converter));
}

namespace {

// Runs one of ICU's streaming conversions (`convert`, given target, target end, source, source
// end and status) over the whole input in one flush, writing `out` from `written` units on and
// doubling it whenever ICU reports it full; the first size the callers guess fits every common
// charset.
template <typename Unit, typename Out, typename Source, typename Convert>
void ConvertAll(Out& out, std::size_t written, const Source* source, const Source* sourceEnd,
                Convert convert) {
  for (;;) {
    auto* begin = reinterpret_cast<Unit*>(out.data());
    Unit* target = begin + written;
    UErrorCode status = U_ZERO_ERROR;
    convert(&target, begin + out.size(), &source, sourceEnd, &status);
    written = static_cast<std::size_t>(target - begin);
    if (status != U_BUFFER_OVERFLOW_ERROR) break;
    out.resize(out.size() * 2);
  }
  out.resize(written);
}

// The UTF-16 length of `size` bytes of well-formed UTF-8: a unit for each byte that does not
// continue a character, two for the lead byte of a four-byte one.
std::size_t Utf16LengthOfWellFormed(const std::uint8_t* bytes, std::size_t size) {
  return SumOverUnits(bytes, size, [](std::uint8_t b) {
    return static_cast<unsigned>((b & 0xC0) != 0x80) + static_cast<unsigned>(b >= 0xF0);
  });
}

// `size` bytes of UTF-8 into `out`, sized for them beforehand: ICU's string call substitutes
// ill-formed UTF-8 exactly as its converter does, at twice the speed. False when `out` is too
// short (ill-formed input can need more than the well-formed count), with `*length` the length
// it needs.
bool DecodeUtf8(const char* source, std::size_t size, std::u16string& out, int32_t* length) {
  UErrorCode status = U_ZERO_ERROR;
  u_strFromUTF8WithSub(reinterpret_cast<UChar*>(out.data()), static_cast<int32_t>(out.size()),
                       length, source, static_cast<int32_t>(size), 0xFFFD, nullptr, &status);
  if (status == U_BUFFER_OVERFLOW_ERROR) return false;
  out.resize(U_SUCCESS(status) ? static_cast<std::size_t>(*length) : 0);
  return true;
}

}  // namespace

std::u16string NamedCharset::Decode(const std::uint8_t* bytes, std::size_t size) const {
  const char* source = reinterpret_cast<const char*>(bytes);
  if (road_ == Road::UTF8 && size < INT32_MAX) {
    // Sized once for a page of well-formed UTF-8, without the room that every byte being a
    // character of its own would take.
    std::u16string out(Utf16LengthOfWellFormed(bytes, size), u'\0');
    int32_t length = 0;
    if (!DecodeUtf8(source, size, out, &length)) {
      out.resize(static_cast<std::size_t>(length));
      DecodeUtf8(source, size, out, &length);
    }
    return out;
  }
  UConverter* converter = converter_.get();
  ucnv_resetToUnicode(converter);
  std::u16string out(size + 16, u'\0');
  ConvertAll<UChar>(out, 0, source, source + size,
                    [&](UChar** target, const UChar* targetEnd, const char** from,
                        const char* fromEnd, UErrorCode* status) {
                      ucnv_toUnicode(converter, target, targetEnd, from, fromEnd, nullptr, true,
                                     status);
                    });
  return out;
}

Bytes NamedCharset::Encode(std::u16string_view text) const {
  Bytes out;
  EncodeAppend(text, out);
  return out;
}

void NamedCharset::EncodeAppend(std::u16string_view text, Bytes& out) const {
  if (road_ == Road::CP936) {
    Cp936EncodeAppend(text, out);
    return;
  }
  UConverter* converter = converter_.get();
  ucnv_resetFromUnicode(converter);
  std::size_t start = out.size();
  out.resize(start + text.size() * 2 + 16);
  const auto* source = reinterpret_cast<const UChar*>(text.data());
  ConvertAll<char>(out, start, source, source + text.size(),
                   [&](char** target, const char* targetEnd, const UChar** from,
                       const UChar* fromEnd, UErrorCode* status) {
                     ucnv_fromUnicode(converter, target, targetEnd, from, fromEnd, nullptr, true,
                                      status);
                   });
}

}  // namespace cinevora
