#include <gtest/gtest.h>
#include <unicode/ucnv.h>

#include "platform/com/NamedCharset.h"

namespace cinevora {
namespace {

// UTF-8 and CP936 take a faster road than ICU's converter call; it must end where the converter
// would, ill-formed input included.
TEST(NamedCharset, FastRoadsGiveTheConvertersResults) {
  const char* const utf8Inputs[] = {
      "plain", "\xE4\xB8\xAD\xE6\x96\x87", "\xEF\xBB\xBF" "bom", "\xFF\xFE", "\xC0\x80",
      "\xE4\xB8", "\xED\xA0\x80", "\xF0\x9F\x98\x80", "\xF4\x90\x80\x80", "a\x80" "b\xE4" "c",
  };
  std::optional<NamedCharset> utf8 = NamedCharset::Open("utf8");
  ASSERT_TRUE(utf8);
  for (std::string_view input : utf8Inputs) {
    std::u16string expected(input.size() + 1, u'\0');
    UErrorCode status = U_ZERO_ERROR;
    int32_t n = ucnv_convert("UTF-16LE", "UTF-8", reinterpret_cast<char*>(expected.data()),
                             static_cast<int32_t>(expected.size() * 2), input.data(),
                             static_cast<int32_t>(input.size()), &status);
    expected.resize(static_cast<std::size_t>(n) / 2);
    EXPECT_EQ(utf8->Decode(reinterpret_cast<const std::uint8_t*>(input.data()), input.size()),
              expected)
        << input;
  }
  std::optional<NamedCharset> gbk = NamedCharset::Open("cp936");
  ASSERT_TRUE(gbk);
  EXPECT_EQ(gbk->Encode(u"\u4E2D\u0E01\U0001F600a"), Bytes({0xD6, 0xD0, '?', '?', 'a'}));
}

}  // namespace
}  // namespace cinevora
