#include "platform/codepage/Codepage.h"

#include <unicode/ucnv.h>
#include <unicode/ustring.h>

#include "platform/codepage/Cp936Table.h"

namespace cinevora {

namespace {

void Decode(std::string_view ansi, std::u16string& out, std::vector<int>* unitOffsets) {
  if (Cp936DecodeMapped(ansi, out, unitOffsets)) {
    if (unitOffsets != nullptr) unitOffsets->push_back(static_cast<int>(ansi.size()));
    return;
  }
  // Bytes that are no mapped character: the converter decides what they become.
  if (unitOffsets != nullptr) unitOffsets->clear();
  out.clear();
  UConverter* cnv = Cp936Converter();
  if (cnv != nullptr) {
    ucnv_resetToUnicode(cnv);
    // One byte never gives more than one UTF-16 unit in this code page.
    out.resize(ansi.size() + 1);
    if (unitOffsets != nullptr) unitOffsets->resize(out.size());
    UChar* begin = reinterpret_cast<UChar*>(out.data());
    UChar* target = begin;
    const char* source = ansi.data();
    UErrorCode status = U_ZERO_ERROR;
    ucnv_toUnicode(cnv, &target, begin + out.size(), &source, ansi.data() + ansi.size(),
                   unitOffsets != nullptr ? unitOffsets->data() : nullptr, true, &status);
    if (U_FAILURE(status)) target = begin;
    out.resize(static_cast<std::size_t>(target - begin));
  }
  if (unitOffsets != nullptr) {
    unitOffsets->resize(out.size());
    unitOffsets->push_back(static_cast<int>(ansi.size()));
  }
}

}  // namespace

std::u16string AnsiToWide(std::string_view ansi) { return AnsiToWide(ansi, nullptr); }

std::u16string AnsiToWide(std::string_view ansi, std::vector<int>* unitOffsets) {
  std::u16string out;
  Decode(ansi, out, unitOffsets);
  return out;
}

void AnsiToWide(std::string_view ansi, std::u16string& out) { Decode(ansi, out, nullptr); }

Text WideToAnsi(std::u16string_view wide) {
  Text out;
  Cp936EncodeAppend(wide, out);
  return out;
}

Text Gbk(std::string_view utf8) {
  if (utf8.empty()) return {};
  std::u16string wide(utf8.size() + 1, u'\0');
  int32_t n = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strFromUTF8WithSub(reinterpret_cast<UChar*>(wide.data()), static_cast<int32_t>(wide.size()),
                       &n, utf8.data(), static_cast<int32_t>(utf8.size()), u'?', nullptr,
                       &status);
  if (U_FAILURE(status)) return {};
  wide.resize(static_cast<std::size_t>(n));
  return WideToAnsi(wide);
}

std::string AnsiToUtf8(std::string_view ansi) {
  std::u16string wide = AnsiToWide(ansi);
  if (wide.empty()) return {};
  std::string out(wide.size() * 3 + 1, '\0');
  int32_t n = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strToUTF8WithSub(out.data(), static_cast<int32_t>(out.size()), &n,
                     reinterpret_cast<const UChar*>(wide.data()), static_cast<int32_t>(wide.size()),
                     0xFFFD, nullptr, &status);
  if (U_FAILURE(status)) return {};
  out.resize(static_cast<std::size_t>(n));
  return out;
}

}  // namespace cinevora
