// Any pattern over any subject through RegexObject: Compile, Replace and every accessor. The
// first byte holds the four options, the second the pattern length; the pattern is kept short
// and the subject page-sized at most, and the object's match limit stops runaway backtracking.

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "text/RegexObject.h"

using cinevora::RegexObject;
using cinevora::Text;

namespace {

constexpr std::size_t MAX_PATTERN = 64;
constexpr std::size_t MAX_SUBJECT = 4096;
constexpr int MAX_MATCHES_READ = 16;

// A reported position must lie inside the subject with room for the text found there.
void CheckPosition(const Text& subject, const Text& text, int position) {
  if (position < -1) std::abort();
  if (position >= 0 && static_cast<std::size_t>(position) + text.size() > subject.size()) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::uint8_t options = data[0];
  const std::size_t patternSize = std::min<std::size_t>({data[1], MAX_PATTERN, size - 2});
  const char* rest = reinterpret_cast<const char*>(data + 2);
  const Text pattern(rest, patternSize);
  const Text subject(rest + patternSize, std::min(size - 2 - patternSize, MAX_SUBJECT));

  RegexObject regex;
  regex.Compile(pattern, subject, options & 1, options & 2, options & 4, options & 8);
  regex.GetPattern();
  regex.Replace("<$1$&$$$'>");
  const int count = std::min(regex.MatchCount(), MAX_MATCHES_READ);
  const int groups = std::min(regex.SubMatchCount(), 4);
  for (int i = 0; i <= count + 1; ++i) {
    int position = 0;
    Text text = regex.MatchText(i, &position);
    CheckPosition(subject, text, position);
    for (int g = 0; g <= groups + 1; ++g) {
      text = regex.SubMatchText(i, g, &position);
      CheckPosition(subject, text, position);
    }
  }
  RegexObject copy = regex;
  copy.Replace("$`");
  return 0;
}
