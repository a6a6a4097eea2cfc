#include <gtest/gtest.h>

#include <string>

#include "platform/skin/SkinFile.h"
#include "resources/Resources.h"
#include "SkinTestSupport.h"

namespace cinevora {
namespace {

std::string EmbeddedSkin() {
  const auto bytes = ResourceBytes("SkinFileImage");
  return std::string(bytes.begin(), bytes.end());
}

// The embedded skin with the line of `key` replaced by `line` (or removed when it is empty).
std::string SkinWithLine(const std::string& key, const std::string& line) {
  std::string skin = EmbeddedSkin();
  const std::size_t at = skin.find("\n" + key + " =");
  const std::size_t end = skin.find('\n', at + 1);
  return skin.replace(at + 1, end - at - 1, line);
}

TEST(SkinFile, EmbeddedSkinGivesItsColours) {
  const auto colours = ParseSkinFile(EmbeddedSkin());
  ASSERT_TRUE(colours);
  EXPECT_EQ(colours->highlight, Rgb(8, 168, 218));
  EXPECT_EQ(colours->windowBackground, Rgb(0xF4, 0xF8, 0xFB));
  EXPECT_EQ(colours->messageText, Rgb(0x1F, 0x2B, 0x36));
}

TEST(SkinFile, AcceptsCrLfUnknownKeysAndAnyCaseOfHex) {
  std::string skin = SkinWithLine("highlight", "highlight=#0a0B0c\r");
  skin += "future.key = something we do not read yet\n";
  const auto colours = ParseSkinFile(skin);
  ASSERT_TRUE(colours);
  EXPECT_EQ(colours->highlight, Rgb(10, 11, 12));
}

TEST(SkinFile, RejectsWhatIsNotOneOfOurSkins) {
  const std::string big = EmbeddedSkin() + std::string(SKIN_FILE_MAX_BYTES, ';');
  const struct {
    const char* what;
    std::string content;
  } cases[] = {
      {"empty", ""},
      {"no signature", EmbeddedSkin().substr(1)},
      {"signature only", ".SHE"},
      {"a key missing", SkinWithLine("scrollbar.handle", "")},
      {"short colour", SkinWithLine("highlight", "highlight = #08A8D")},
      {"no hash", SkinWithLine("highlight", "highlight = 08A8DA")},
      {"not hex", SkinWithLine("highlight", "highlight = #08A8DG")},
      {"line without equals", SkinWithLine("highlight", "highlight #08A8DA")},
      {"larger than the bound", big},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(ParseSkinFile(c.content)) << c.what;
  }
}

TEST(SkinFile, ReadsFromDiskWithinTheBound) {
  skintest::ScratchFolder folder;
  skintest::WriteBytes(folder.File("good.she"), EmbeddedSkin());
  skintest::WriteBytes(folder.File("huge.she"), EmbeddedSkin() + std::string(SKIN_FILE_MAX_BYTES, ';'));
  EXPECT_TRUE(ReadSkinFile(folder.File("good.she")));
  EXPECT_FALSE(ReadSkinFile(folder.File("huge.she")));
  EXPECT_FALSE(ReadSkinFile(folder.File("missing.she")));
  EXPECT_FALSE(ReadSkinFile(folder.Path().string()));  // a folder
}

}  // namespace
}  // namespace cinevora
