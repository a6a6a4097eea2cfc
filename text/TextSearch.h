#pragma once
// The search engine behind FindText and every routine that looks for a piece of text.
//
// A TextSearch finds the occurrences of one sought text that begin on a character start, the
// characters being counted from an origin. It finds candidates with memmem (on an ASCII-folded
// copy of the text, made block by block, when case is ignored) and then checks that a candidate
// starts a character by looking back only as far as the last character start it already knows, so
// that a whole run of searches over one text stays linear in its length.
//
// The text must outlive the object. One object belongs to one thread.

#include <cstddef>
#include <string_view>
#include <vector>

namespace cinevora {

class TextSearch {
 public:
  static constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

  // Characters are counted from `origin` (0-based, <= text.size()). `sought` must not be empty.
  TextSearch(std::string_view text, std::string_view sought, std::size_t origin, bool ignoreCase);

  // 0-based position of the first occurrence at or after `from` that begins on a character start,
  // or kNotFound. `from` must be at least the origin and at least every `from` passed before.
  std::size_t Next(std::size_t from);

 private:
  bool StartsCharacter(std::size_t position);
  bool MatchesIgnoringCase(std::size_t position) const;
  std::size_t NextExact(std::size_t from);
  std::size_t NextFolded(std::size_t from);
  void Fold(std::size_t begin, std::size_t block);

  std::string_view text_;
  std::string_view sought_;
  bool foldCase_;
  std::size_t knownStart_;          // a character start at or before every position still to check
  std::vector<unsigned char> foldedSought_;
  std::vector<unsigned char> folded_;  // text_[foldBegin_, foldEnd_) with ASCII capitals made small
  std::size_t foldBegin_ = 0;
  std::size_t foldEnd_ = 0;
  std::size_t lastDistance_ = 0;  // from the `from` of the last search to its match
};

}  // namespace cinevora
