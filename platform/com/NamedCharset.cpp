#include "platform/com/NamedCharset.h"

#include <unicode/ucnv.h>

namespace cinevora {

void NamedCharset::Closer::operator()(UConverter* converter) const { ucnv_close(converter); }

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
  return NamedCharset(converter);
}

namespace {

// Runs one of ICU's streaming conversions (`convert`, given target, target end, source, source
// end and status) over the whole input in one flush, doubling `out` whenever ICU reports it full;
// the first size the callers guess fits every common charset.
template <typename Unit, typename Out, typename Source, typename Convert>
void ConvertAll(Out& out, const Source* source, const Source* sourceEnd, Convert convert) {
  std::size_t written = 0;
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

}  // namespace

std::u16string NamedCharset::Decode(const std::uint8_t* bytes, std::size_t size) const {
  UConverter* converter = converter_.get();
  ucnv_resetToUnicode(converter);
  std::u16string out(size + 16, u'\0');
  const char* source = reinterpret_cast<const char*>(bytes);
  ConvertAll<UChar>(out, source, source + size,
                    [&](UChar** target, const UChar* targetEnd, const char** from,
                        const char* fromEnd, UErrorCode* status) {
                      ucnv_toUnicode(converter, target, targetEnd, from, fromEnd, nullptr, true,
                                     status);
                    });
  return out;
}

Bytes NamedCharset::Encode(std::u16string_view text) const {
  UConverter* converter = converter_.get();
  ucnv_resetFromUnicode(converter);
  Bytes out(text.size() * 2 + 16);
  const auto* source = reinterpret_cast<const UChar*>(text.data());
  ConvertAll<char>(out, source, source + text.size(),
                   [&](char** target, const char* targetEnd, const UChar** from,
                       const UChar* fromEnd, UErrorCode* status) {
                     ucnv_fromUnicode(converter, target, targetEnd, from, fromEnd, nullptr, true,
                                      status);
                   });
  return out;
}

}  // namespace cinevora
