#include <gtest/gtest.h>

#include <thread>

#include "platform/codepage/Codepage.h"
#include "platform/com/Apartment.h"
#include "web/ConvertCharset.h"

namespace cinevora {
namespace {

Bytes B(std::string_view s) { return Bytes(s.begin(), s.end()); }

struct ConvertCase {
  const char* what;
  Bytes input;
  Text source;
  Text target;
  Bytes expected;
};

TEST(ConvertCharset, Conversions) {
  const ConvertCase cases[] = {
      {"UTF-8 Chinese to GBK", B("<p>简体中文页面</p>\r\n"), "", "",
       BytesFromText(Gbk("<p>简体中文页面</p>\r\n"))},
      {"empty in, empty out", {}, "", "", {}},
      {"no GBK form: one ? each, the rest unchanged", B("中ก文😀!"), "", "",
       BytesFromText(Gbk("中?文?!"))},
      {"invalid UTF-8 becomes ?", B("a\xFF" "b\xE4\xB8"), "", "", B("a?b?")},
      {"a byte-order mark is dropped", B("\xEF\xBB\xBF" "中"), "", "", BytesFromText(Gbk("中"))},
      {"NUL bytes pass through", B(std::string_view("a\0b", 3)), "", "",
       B(std::string_view("a\0b", 3))},
      {"GBK to UTF-8", BytesFromText(Gbk("电影")), "GBK", "UTF-8", B("电影")},
      {"through the code page to Big5", B("臺灣ก"), "utf-8", "big5",
       B("\xBB\x4F\xC6\x57?")},
  };
  for (const ConvertCase& c : cases) {
    Text source = c.source;
    Text target = c.target;
    EXPECT_EQ(ConvertCharset(c.input, &source, &target), c.expected) << c.what;
  }
}

TEST(ConvertCharset, EmptyOrMissingCharsetsTakeTheDefaults) {
  Text source;
  Text target;
  Bytes gbk = ConvertCharset(B("电影"), &source, &target);
  EXPECT_EQ(source, "UTF-8");
  EXPECT_EQ(target, "GBK");
  EXPECT_EQ(ConvertCharset(B("电影")), gbk);
  Text big5 = "big5";
  ConvertCharset(B("电影"), nullptr, &big5);
  EXPECT_EQ(big5, "big5");
}

TEST(ConvertCharset, KeepsTheCallersApartment) {
  ComInit();
  EXPECT_EQ(ConvertCharset(B("中")), BytesFromText(Gbk("中")));
  EXPECT_TRUE(ComInitialised());
  ComUninit();
  EXPECT_FALSE(ComInitialised());
  EXPECT_EQ(ConvertCharset(B("中")), BytesFromText(Gbk("中")));
  EXPECT_FALSE(ComInitialised());  // its own init is undone
}

TEST(ConvertCharset, WorksOnAFreshWorkerThread) {
  Bytes out;
  std::thread([&] { out = ConvertCharset(B("片名")); }).join();
  EXPECT_EQ(out, BytesFromText(Gbk("片名")));
}

TEST(RecodeThroughStream, NeedsAnInitialisedThread) {
  EXPECT_EQ(RecodeThroughStream(B("中"), "UTF-8", "GBK"), Bytes());
  ComInit();
  EXPECT_EQ(RecodeThroughStream(B("中"), "UTF-8", "GBK"), BytesFromText(Gbk("中")));
  ComUninit();
}

}  // namespace
}  // namespace cinevora
