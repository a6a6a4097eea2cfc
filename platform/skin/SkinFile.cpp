#include "platform/skin/SkinFile.h"

#include <algorithm>
#include <bitset>
#include <fstream>

namespace cinevora {
namespace {

constexpr std::string_view SIGNATURE = ".SHE";

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<Colour> ParseColour(std::string_view value) {
  if (value.size() != 7 || value[0] != '#') return std::nullopt;
  int channels[3];
  for (int i = 0; i < 3; ++i) {
    const int high = HexDigit(value[1 + 2 * i]);
    const int low = HexDigit(value[2 + 2 * i]);
    if (high < 0 || low < 0) return std::nullopt;
    channels[i] = high * 16 + low;
  }
  return Rgb(channels[0], channels[1], channels[2]);
}

}  // namespace

std::optional<SkinColours> ParseSkinFile(std::string_view content) {
  if (content.size() > SKIN_FILE_MAX_BYTES || !content.starts_with(SIGNATURE)) return std::nullopt;
  SkinColours colours;
  std::bitset<SKIN_COLOUR_KEYS.size()> seen;
  std::size_t lineStart = content.find('\n');
  while (lineStart != std::string_view::npos) {
    ++lineStart;
    const std::size_t lineEnd = content.find('\n', lineStart);
    const std::string_view line = Trim(content.substr(lineStart, lineEnd - lineStart));
    lineStart = lineEnd;
    if (line.empty() || line.front() == ';') continue;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    const std::string_view key = Trim(line.substr(0, equals));
    const auto known = std::find_if(SKIN_COLOUR_KEYS.begin(), SKIN_COLOUR_KEYS.end(),
                                    [key](const SkinColourKey& k) { return k.key == key; });
    if (known == SKIN_COLOUR_KEYS.end()) continue;
    const std::optional<Colour> colour = ParseColour(Trim(line.substr(equals + 1)));
    if (!colour) return std::nullopt;
    colours.*(known->colour) = *colour;
    seen.set(static_cast<std::size_t>(known - SKIN_COLOUR_KEYS.begin()));
  }
  if (!seen.all()) return std::nullopt;
  return colours;
}

std::optional<SkinColours> ReadSkinFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  // One byte more than allowed tells an oversized file from one of exactly the limit.
  std::string content(SKIN_FILE_MAX_BYTES + 1, '\0');
  file.read(content.data(), static_cast<std::streamsize>(content.size()));
  if (file.bad()) return std::nullopt;
  content.resize(static_cast<std::size_t>(file.gcount()));
  return ParseSkinFile(content);
}

}  // namespace cinevora
