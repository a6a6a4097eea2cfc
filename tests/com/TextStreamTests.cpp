#include <gtest/gtest.h>

#include "platform/com/Apartment.h"
#include "platform/com/TextStream.h"

namespace cinevora {
namespace {

Bytes B(std::string_view s) { return Bytes(s.begin(), s.end()); }

class TextStreamTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ComInit();
    stream = CreateTextStream();
    ASSERT_NE(stream, nullptr);
  }
  void TearDown() override {
    stream.reset();
    ComUninit();
  }
  // An open binary stream holding `bytes`, positioned at `position`.
  void Holding(std::string_view bytes, int position) {
    ASSERT_TRUE(stream->Open());
    ASSERT_TRUE(stream->Write(B(bytes)));
    ASSERT_TRUE(stream->SetPosition(position));
  }
  std::shared_ptr<TextStream> stream;
};

TEST_F(TextStreamTest, WriteOverwritesFromThePositionAndExtends) {
  Holding("abcdef", 4);
  ASSERT_TRUE(stream->Write(B("XYZ")));
  EXPECT_EQ(stream->Read(), B(""));  // the position is past what was written
  ASSERT_TRUE(stream->SetPosition(2));
  EXPECT_EQ(stream->Read(), B("cdXYZ"));
}

TEST_F(TextStreamTest, WriteTextOverwritesFromThePositionAndExtends) {
  ASSERT_TRUE(stream->SetCharset("GBK"));
  Holding("abcd", 0);
  ASSERT_TRUE(stream->SetType(TextStream::TEXT));
  ASSERT_TRUE(stream->SetPosition(3));
  ASSERT_TRUE(stream->WriteText(u"\u4E2D!"));
  ASSERT_TRUE(stream->SetPosition(0));
  ASSERT_TRUE(stream->SetType(TextStream::BINARY));
  EXPECT_EQ(stream->Read(), B("abc\xD6\xD0!"));
}

// A stream that is done with hands its bytes over from the position on, like any Read.
TEST_F(TextStreamTest, ReadOfAStreamDoneWithHandsOverTheRest) {
  Holding("abcdef", 2);
  EXPECT_EQ(std::move(*stream).Read(), B("cdef"));
  ASSERT_TRUE(stream->SetPosition(0));
  EXPECT_EQ(stream->Read(), B(""));  // nothing is left behind
  ASSERT_TRUE(stream->SetType(TextStream::TEXT));
  EXPECT_EQ(std::move(*stream).Read(), std::nullopt);  // text mode
}

TEST_F(TextStreamTest, ReadTextDecodesFromThePositionWithTheCharset) {
  Holding("ab\xE4\xB8\xAD", 0);  // "ab中" in UTF-8
  ASSERT_TRUE(stream->SetType(TextStream::TEXT));
  ASSERT_TRUE(stream->SetCharset("utf-8"));
  ASSERT_TRUE(stream->SetPosition(1));
  EXPECT_EQ(stream->ReadText(), u"b\u4E2D");
  EXPECT_EQ(stream->ReadText(), u"");  // the first read left the position at the end
}

TEST_F(TextStreamTest, ReadTextFromTheStartDropsAByteOrderMark) {
  Holding("\xEF\xBB\xBFok", 0);
  ASSERT_TRUE(stream->SetType(TextStream::TEXT));
  ASSERT_TRUE(stream->SetCharset("UTF-8"));
  EXPECT_EQ(stream->ReadText(), u"ok");
}

TEST_F(TextStreamTest, WriteTextEncodesWithTheCharsetAndSubstitutes) {
  ASSERT_TRUE(stream->SetType(TextStream::TEXT));
  ASSERT_TRUE(stream->SetCharset("gb2312"));
  ASSERT_TRUE(stream->Open());
  ASSERT_TRUE(stream->WriteText(u"\u4E2D\u0E01!"));  // Thai has no GB2312 form
  ASSERT_TRUE(stream->SetPosition(0));
  ASSERT_TRUE(stream->SetType(TextStream::BINARY));
  EXPECT_EQ(stream->Read(), B("\xD6\xD0?!"));
}

TEST_F(TextStreamTest, TypeAndCharsetSurviveCloseButTheBytesDoNot) {
  Holding("old", 0);
  ASSERT_TRUE(stream->SetType(TextStream::TEXT));
  ASSERT_TRUE(stream->SetCharset("big5"));
  ASSERT_TRUE(stream->Close());
  ASSERT_TRUE(stream->Open());
  ASSERT_TRUE(stream->WriteText(u"\u81FA"));  // still text mode, still Big5
  ASSERT_TRUE(stream->SetPosition(0));
  ASSERT_TRUE(stream->SetType(TextStream::BINARY));
  EXPECT_EQ(stream->Read(), B("\xBB\x4F"));
}

// Each call that breaks a rule fails and leaves the stream as it was: the bytes read afterwards
// are the ones written before it.
TEST_F(TextStreamTest, RefusedCallsChangeNothing) {
  EXPECT_FALSE(stream->Close());         // not open
  EXPECT_FALSE(stream->Write(B("x")));   // not open
  EXPECT_FALSE(stream->SetPosition(0));  // not open
  EXPECT_FALSE(stream->SetType(3));
  EXPECT_FALSE(stream->SetCharset("no-such-charset"));
  EXPECT_FALSE(stream->SetCharset(""));  // never "the system default"
  Holding("abc", 1);
  EXPECT_FALSE(stream->Open());  // already open
  EXPECT_FALSE(stream->SetType(TextStream::TEXT));  // only at position 0
  EXPECT_FALSE(stream->SetCharset("GBK"));          // only at position 0
  EXPECT_FALSE(stream->SetPosition(4));             // past the end
  EXPECT_FALSE(stream->SetPosition(-1));
  EXPECT_EQ(stream->ReadText(), std::nullopt);      // binary mode
  EXPECT_FALSE(stream->WriteText(u"x"));            // binary mode
  ASSERT_TRUE(stream->SetPosition(0));
  ASSERT_TRUE(stream->SetType(TextStream::TEXT));
  EXPECT_EQ(stream->Read(), std::nullopt);  // text mode
  EXPECT_FALSE(stream->Write(B("x")));      // text mode
  ASSERT_TRUE(stream->SetType(TextStream::BINARY));
  EXPECT_EQ(stream->Read(), B("abc"));
}

}  // namespace
}  // namespace cinevora
