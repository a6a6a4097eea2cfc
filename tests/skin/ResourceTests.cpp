#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "resources/Resources.h"

namespace cinevora {
namespace {

struct Size {
  int width = 0, height = 0;
  bool operator==(const Size&) const = default;
};

std::uint32_t Le32(std::span<const std::uint8_t> b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t Le16(std::span<const std::uint8_t> b, std::size_t at) { return b[at] | b[at + 1] << 8; }
int Be16(std::span<const std::uint8_t> b, std::size_t at) { return b[at] << 8 | b[at + 1]; }

// A 24-bit uncompressed Windows bitmap with the plain 40-byte header: its size, else nothing.
std::optional<Size> Bmp24Size(std::span<const std::uint8_t> b) {
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || Le32(b, 2) != b.size() || Le32(b, 10) != 54 ||
      Le32(b, 14) != 40 || Le16(b, 28) != 24 || Le32(b, 30) != 0) {
    return std::nullopt;
  }
  return Size{static_cast<int>(Le32(b, 18)), static_cast<int>(Le32(b, 22))};
}

// A JFIF JPEG: the size in its first frame header, else nothing.
std::optional<Size> JpegSize(std::span<const std::uint8_t> b) {
  if (b.size() < 20 || b[0] != 0xFF || b[1] != 0xD8 || b[2] != 0xFF || b[3] != 0xE0 ||
      std::string(b.begin() + 6, b.begin() + 11) != std::string("JFIF\0", 5)) {
    return std::nullopt;
  }
  std::size_t at = 2;
  while (at + 9 < b.size() && b[at] == 0xFF) {
    const int marker = b[at + 1];
    if (marker >= 0xC0 && marker <= 0xC3) return Size{Be16(b, at + 7), Be16(b, at + 5)};
    at += 2 + static_cast<std::size_t>(Be16(b, at + 2));
  }
  return std::nullopt;
}

TEST(Resources, PicturesHaveTheirKindsAndSizes) {
  const struct {
    const char* name;
    bool bmp;
    Size size;
    std::size_t bytes;  // 0: any
  } cases[] = {
      {"MainHeader", true, {427, 22}, 28302},
      {"MainBadge", true, {63, 41}, 7926},
      {"MainFooter", false, {1353, 105}, 0},
      {"PlayerBanner", false, {865, 130}, 0},
      {"DefaultPoster", false, {213, 160}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto bytes = ResourceBytes(c.name);
    const std::optional<Size> size = c.bmp ? Bmp24Size(bytes) : JpegSize(bytes);
    ASSERT_TRUE(size);
    EXPECT_EQ(*size, c.size);
    if (c.bytes != 0) {
      EXPECT_EQ(bytes.size(), c.bytes);
    }
  }
}

TEST(Resources, FontSkinAndLibraryAreOfTheirKinds) {
  const auto font = ResourceBytes("SpinnerFont");
  ASSERT_GE(font.size(), 12u);
  EXPECT_EQ(Le32(font, 0), 0x00000100u);  // TrueType outlines (00 01 00 00)
  // The family name "Setup" as the name table keeps it for Windows: UTF-16 big-endian.
  const std::string family("\0S\0e\0t\0u\0p", 10);
  EXPECT_NE(std::string(font.begin(), font.end()).find(family), std::string::npos);

  const auto skin = ResourceBytes("SkinFileImage");
  EXPECT_EQ(std::string(skin.begin(), skin.end()).substr(0, 4), ".SHE");

  const auto library = ResourceBytes("SkinLibraryImage");
  ASSERT_GE(library.size(), 18u);
  EXPECT_EQ(std::string(library.begin(), library.begin() + 4), "\x7f" "ELF");
  EXPECT_EQ(Le16(library, 16), 3);  // ET_DYN: a shared object
}

TEST(Resources, AnUnknownNameIsEmpty) {
  EXPECT_TRUE(ResourceBytes("NoSuchResource").empty());
  EXPECT_TRUE(ResourceBytes("").empty());
}

}  // namespace
}  // namespace cinevora
