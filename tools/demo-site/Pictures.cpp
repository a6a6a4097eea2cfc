#include "Pictures.h"

#include <fstream>

namespace cinevora::demo {
namespace {

// Our own pictures are a few KB each; anything larger is not one of them.
constexpr std::streamsize MAX_PICTURE_BYTES = 1 << 20;

bool ReadSeries(const std::string& folder, const char* stem, int count,
                std::vector<std::string>& out, std::string& error) {
  out.clear();
  for (int n = 1; n <= count; ++n) {
    const std::string path =
        folder + "/" + stem + (n < 10 ? "-0" : "-") + std::to_string(n) + ".jpg";
    std::ifstream file(path, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(MAX_PICTURE_BYTES) + 1, '\0');
    file.read(bytes.data(), MAX_PICTURE_BYTES + 1);
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    if (!file.eof() || bytes.empty()) {
      error = "cannot read the picture " + path;
      return false;
    }
    out.push_back(std::move(bytes));
  }
  return true;
}

const std::string& Pick(const std::vector<std::string>& series, int n) {
  static const std::string kNone;
  return n >= 1 && n <= static_cast<int>(series.size()) ? series[static_cast<std::size_t>(n - 1)]
                                                       : kNone;
}

}  // namespace

bool Pictures::Load(const std::string& folder, std::string& error) {
  return ReadSeries(folder, "poster", POSTER_COUNT, posters_, error) &&
         ReadSeries(folder, "still", STILL_COUNT, stills_, error);
}

const std::string& Pictures::Poster(int n) const { return Pick(posters_, n); }
const std::string& Pictures::Still(int n) const { return Pick(stills_, n); }

}  // namespace cinevora::demo
