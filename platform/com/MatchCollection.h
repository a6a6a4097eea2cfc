#pragma once
// What RegExp::Execute returns: the match collection, its matches and their submatches, the
// stand-ins for the collection objects of "VBScript.RegExp".
//
// The collection keeps its own copy of the subject and, per match, the UTF-16 spans of the whole
// match and of each capturing group; RegExpMatch and SubMatches are light views into it, valid
// while the collection lives. Indexes are 0-based and counted in UTF-16 units. Nothing here
// changes after Execute has built it, so a collection may be read from any thread.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace cinevora {

class MatchCollection;

// The capturing groups of one match.
class SubMatches {
 public:
  int Count() const;
  // The text of group `index`: empty for a group that took no part in the match; nothing when
  // `index` is outside 0..Count()-1.
  std::optional<std::u16string> Item(int index) const;
  // Where group `index` starts in the subject; -1 for a group that took no part or an index
  // outside the collection. (An addition of ours: the original object reports only the text.)
  int FirstIndex(int index) const;

 private:
  friend class RegExpMatch;
  SubMatches(const MatchCollection& owner, std::size_t match) : owner_(owner), match_(match) {}
  const MatchCollection& owner_;
  std::size_t match_;
};

class RegExpMatch {
 public:
  std::u16string Value() const;
  int FirstIndex() const;
  class SubMatches SubMatches() const { return {owner_, match_}; }

 private:
  friend class MatchCollection;
  RegExpMatch(const MatchCollection& owner, std::size_t match) : owner_(owner), match_(match) {}
  const MatchCollection& owner_;
  std::size_t match_;
};

class MatchCollection {
 public:
  // An empty collection over `subject` for a pattern with `groupCount` capturing groups.
  MatchCollection(std::u16string subject, int groupCount);

  int Count() const;
  // Match `index`, or nothing when `index` is outside 0..Count()-1.
  std::optional<RegExpMatch> Item(int index) const;

  // Appends a match given as PCRE2's offset vector: groupCount + 1 pairs of start and end, a
  // pair of PCRE2_UNSET for a group that took no part.
  void Add(const std::size_t* offsetPairs);

 private:
  friend class RegExpMatch;
  friend class SubMatches;
  // The text and start of span `span` (0 the whole match, n group n) of match `match`; start -1
  // and no text for a group that took no part.
  int SpanStart(std::size_t match, int span) const;
  std::u16string SpanText(std::size_t match, int span) const;

  std::u16string subject_;
  int groupCount_;
  std::vector<std::size_t> spans_;  // per match, (groupCount_ + 1) start/end pairs
};

}  // namespace cinevora
