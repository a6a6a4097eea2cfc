#pragma once
// Regular expressions for ANSI (CP936) texts, driving the regular-expression object of
// platform/com.
//
// One Compile builds the expression, sets its options and runs it over a subject; Replace and
// the match accessors then work on what that Compile left. Texts cross into the object as UTF-16
// and come back as ANSI text; positions come back as 0-based byte offsets into the subject.
//
// Construction calls ComInit and destruction ComUninit, so an object must be created and
// destroyed on the same thread and used only there. A copy shares the compiled object and its
// matches, keeps its own copy of the subject, and calls ComInit itself, so that every copy's
// destruction is balanced. Failures are never thrown: an object that could not be created or a
// pattern that does not compile leave Compile false, Replace empty and the counts 0.

#include <memory>
#include <vector>

#include "platform/com/MatchCollection.h"
#include "platform/com/RegExp.h"
#include "text/Text.h"

namespace cinevora {

class RegexObject {
 public:
  RegexObject();
  RegexObject(const RegexObject& other);
  RegexObject& operator=(const RegexObject& other);
  ~RegexObject();

  // Builds the expression with the options (case ignored unless `caseSensitive`; ^ and $ at line
  // feeds when `multiline`; all matches when `global`) and runs it over `subject`. With
  // `quoteMarks`, each "#引号" in the pattern stands for a double quote. True when the expression
  // ran (also when it found nothing); false when the object could not be created (no ComInit on
  // this thread) or the pattern does not compile.
  bool Compile(const Text& pattern, const Text& subject, bool caseSensitive = false,
               bool multiline = true, bool global = true, bool quoteMarks = false);

  // The pattern the object holds (quotes in place), empty before the first Compile.
  Text GetPattern() const;

  // The subject with the matches (only the first unless global) replaced by `replacement`, in
  // which $1..$99, $&, $`, $' and $$ refer to the match; empty on failure.
  Text Replace(const Text& replacement) const;

  int MatchCount() const;

  // The text of match `index` (1-based); empty, with position -1, outside 1..MatchCount().
  // `position` receives the match's 0-based byte offset in the subject.
  Text MatchText(int index, int* position = nullptr) const;

  // The text of group `subMatchIndex` (1-based) of match `matchIndex` (1-based): empty for a
  // group that took no part (position -1) and for indexes outside the collection (position -1).
  Text SubMatchText(int matchIndex, int subMatchIndex, int* position = nullptr) const;

  // The number of groups of the first match; 0 when there is no match.
  int SubMatchCount() const;

 private:
  // The 0-based byte offset of `text`, which the expression found at UTF-16 index `unitIndex` of
  // the subject, or -1 when unitIndex is -1 (a group that took no part).
  int BytePosition(int unitIndex, const Text& text) const;

  std::shared_ptr<RegExp> regexp;
  std::shared_ptr<const MatchCollection> matches;
  Text subject;
  // Byte offset of each UTF-16 unit of the subject; filled when a position is first asked for.
  mutable std::vector<int> unitOffsets;
};

}  // namespace cinevora
