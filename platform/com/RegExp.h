#pragma once
// The regular-expression object: our stand-in for the automation object "VBScript.RegExp", built
// on PCRE2's 16-bit library so that subjects stay UTF-16 and every index is a UTF-16 index.
//
// Properties (IgnoreCase, Multiline, Global, Pattern) take effect at the next Execute or
// Replace; the pattern is compiled then, once, and kept until a property changes. The dialect is
// described where the pattern is compiled (RegExp.cpp). Execute and Replace fail, returning
// nothing, when the pattern does not compile or when a match attempt gives up at the match limit
// (a pattern that backtracks without end). Empty matches never stall a global search: after one,
// the search goes on one UTF-16 unit further. An object belongs to the thread that created it.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/com/MatchCollection.h"

struct pcre2_real_code_16;
struct pcre2_real_match_context_16;

namespace cinevora {

class RegExp {
 public:
  RegExp();

  void SetIgnoreCase(bool ignoreCase);
  bool IgnoreCase() const { return ignoreCase_; }
  void SetMultiline(bool multiline);
  void SetGlobal(bool global);
  void SetPattern(std::u16string pattern);
  const std::u16string& Pattern() const { return pattern_; }

  // All matches in `subject` (only the first unless Global), in subject order; an empty
  // collection when nothing matches.
  std::shared_ptr<const MatchCollection> Execute(std::u16string_view subject);

  // `subject` with the matches (only the first unless Global) replaced by `replacement`, in
  // which $1..$99 stand for a group ($01 too; a number beyond the groups is plain text), $& for
  // the match, $` for the text before it, $' for the text after it and $$ for one "$".
  std::optional<std::u16string> Replace(std::u16string_view subject,
                                        std::u16string_view replacement);

 private:
  struct CodeDeleter {
    void operator()(pcre2_real_code_16* code) const;
  };
  struct ContextDeleter {
    void operator()(pcre2_real_match_context_16* context) const;
  };

  // The compiled pattern for the current properties, or null when the pattern does not compile.
  const pcre2_real_code_16* Program();

  // Runs `onMatch(offsetPairs)` for each match in subject order (offsetPairs as in
  // MatchCollection::Add); false when there is no program or a match attempt failed.
  template <typename OnMatch>
  bool Scan(std::u16string_view subject, OnMatch&& onMatch);

  bool ignoreCase_ = false;
  bool multiline_ = false;
  bool global_ = false;
  std::u16string pattern_;

  bool compiled_ = false;  // program_ matches the properties above
  std::unique_ptr<pcre2_real_code_16, CodeDeleter> program_;
  std::unique_ptr<pcre2_real_match_context_16, ContextDeleter> limits_;
};

// Creates a regular-expression object (all options off, empty pattern) in the calling thread's
// apartment; an empty reference when that thread has not called ComInit. Thread-safe.
std::shared_ptr<RegExp> CreateRegExp();

}  // namespace cinevora
