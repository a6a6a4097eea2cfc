// Any bytes through ConvertCharset, both ways between UTF-8 and GBK and between a pair of other
// charsets the first byte picks. What UTF-8 -> GBK gives must come back unchanged through
// GBK -> UTF-8 -> GBK: it holds only GBK characters and "?".

#include <cstdint>
#include <cstdlib>
#include <iterator>

#include "web/ConvertCharset.h"

using cinevora::Bytes;
using cinevora::ConvertCharset;
using cinevora::Text;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > (1 << 16)) return 0;  // a page-sized input shows nothing a small one does not
  const Bytes input(data, data + size);

  Bytes gbk = ConvertCharset(input);
  Text fromGbk = "GBK";
  Text toUtf8 = "UTF-8";
  Bytes utf8 = ConvertCharset(gbk, &fromGbk, &toUtf8);
  if (ConvertCharset(utf8) != gbk) std::abort();
  ConvertCharset(input, &fromGbk, &toUtf8);

  static const char* const CHARSETS[] = {"big5", "gb2312", "iso-8859-1", "UTF-16", "UTF-16LE",
                                         "shift_jis", "no-such-charset", ""};
  constexpr std::size_t COUNT = std::size(CHARSETS);
  if (size > 0) {
    Text source = CHARSETS[data[0] % COUNT];
    Text target = CHARSETS[(data[0] / COUNT) % COUNT];
    ConvertCharset(input, &source, &target);
  }
  return 0;
}
