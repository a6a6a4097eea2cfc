#pragma once
// A charset known by name, as the text stream's Charset property takes it: any name or alias
// that ICU resolves ("UTF-8", "GBK", "gb2312", "big5", "iso-8859-1", ...).
//
// Decoding turns bytes that are not valid in the charset into its substitute character (U+FFFD
// for most); encoding turns a character the charset cannot hold into "?". Byte-order marks follow
// ICU: only the bare "UTF-16" / "UTF-32" names read and write one. An object is used by one thread
// at a time (it owns an ICU converter); distinct objects are independent.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "text/Text.h"

struct UConverter;

namespace cinevora {

class NamedCharset {
 public:
  // The charset of that name, or nothing when ICU knows no such name (an empty name included:
  // it never means "the system default" here).
  static std::optional<NamedCharset> Open(std::string_view name);

  // The whole of `bytes` as UTF-16. A character cut off at the end is decoded as invalid.
  std::u16string Decode(const std::uint8_t* bytes, std::size_t size) const;

  // The whole of `text` in this charset.
  Bytes Encode(std::u16string_view text) const;

  // The same, appended to `out`, which grows in place.
  void EncodeAppend(std::u16string_view text, Bytes& out) const;

 private:
  struct Closer {
    void operator()(UConverter* converter) const;
  };
  // Charsets with a faster road than ICU's converter call, giving the same results.
  enum class Road { CONVERTER, UTF8, CP936 };
  static Road RoadOf(UConverter* converter);
  NamedCharset(UConverter* converter, Road road) : converter_(converter), road_(road) {}

  std::unique_ptr<UConverter, Closer> converter_;
  Road road_;
};

}  // namespace cinevora
