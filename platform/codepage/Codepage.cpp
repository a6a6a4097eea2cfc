#include "platform/codepage/Codepage.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/ustring.h>

#include <memory>

namespace cinevora {
namespace {

struct ConverterCloser {
  void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// One converter per thread: ICU converters are not thread-safe, and opening one per call costs
// more than the conversion of a short caption.
UConverter* Cp936() {
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

}  // namespace

std::u16string AnsiToWide(std::string_view ansi) { return AnsiToWide(ansi, nullptr); }

std::u16string AnsiToWide(std::string_view ansi, std::vector<int>* unitOffsets) {
  if (unitOffsets != nullptr) unitOffsets->clear();
  UConverter* cnv = Cp936();
  std::u16string out;
  if (cnv != nullptr && !ansi.empty()) {
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
  return out;
}

Text WideToAnsi(std::u16string_view wide) {
  UConverter* cnv = Cp936();
  if (cnv == nullptr || wide.empty()) return {};
  ucnv_resetFromUnicode(cnv);
  Text out(wide.size() * 2 + 2, '\0');
  UErrorCode status = U_ZERO_ERROR;
  int32_t n = ucnv_fromUChars(cnv, out.data(), static_cast<int32_t>(out.size()),
                              reinterpret_cast<const UChar*>(wide.data()),
                              static_cast<int32_t>(wide.size()), &status);
  if (U_FAILURE(status)) return {};
  out.resize(static_cast<std::size_t>(n));
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
