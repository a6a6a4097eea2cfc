#include "platform/com/RegExp.h"

#include <pcre2.h>

#include "platform/com/Apartment.h"
#include "platform/com/Replacement.h"

namespace cinevora {
namespace {

// One match attempt (one start position) may take this many backtracking steps before it gives
// up and the whole Execute or Replace fails. PCRE2's own default is ten times larger; with it a
// pattern that backtracks without end (say "(a+)+$" over a long run of "a") keeps a thread busy
// for many seconds per start position, and for minutes over a page. The blank-line pattern and
// other plain patterns need a handful of steps per position.
constexpr uint32_t MATCH_LIMIT = 1'000'000;
// Backtracking memory of one match attempt, in KiB.
constexpr uint32_t HEAP_LIMIT_KIB = 16 * 1024;

}  // namespace

void RegExp::CodeDeleter::operator()(pcre2_code_16* code) const { pcre2_code_free_16(code); }

void RegExp::ContextDeleter::operator()(pcre2_match_context_16* context) const {
  pcre2_match_context_free_16(context);
}

RegExp::RegExp() : limits_(pcre2_match_context_create_16(nullptr)) {
  if (limits_) {
    pcre2_set_match_limit_16(limits_.get(), MATCH_LIMIT);
    pcre2_set_heap_limit_16(limits_.get(), HEAP_LIMIT_KIB);
  }
}

void RegExp::SetIgnoreCase(bool ignoreCase) {
  ignoreCase_ = ignoreCase;
  compiled_ = false;
}

void RegExp::SetMultiline(bool multiline) {
  multiline_ = multiline;
  compiled_ = false;
}

void RegExp::SetGlobal(bool global) { global_ = global; }

void RegExp::SetPattern(std::u16string pattern) {
  pattern_ = std::move(pattern);
  compiled_ = false;
}

const pcre2_code_16* RegExp::Program() {
  if (compiled_) return program_.get();
  // The dialect: close to the ECMAScript one the original object speaks.
  //  - Patterns and subjects are plain UTF-16 code units (no UTF mode, and a pattern cannot
  //    switch it on), so every index is a UTF-16 index and a lone surrogate is just a unit.
  //  - \s, \d, \w and case folding know ASCII only; \s is [ \t\n\v\f\r] (so neither U+00A0 nor
  //    the ideographic space U+3000 is white space).
  //  - Lines end at LF alone: "." matches anything but LF (CR included), and in multi-line mode
  //    ^ and $ match after and before each LF.
  //  - Without multi-line mode $ matches at the very end only, not before a final LF.
  //  - \uhhhh and \xhh name a character; a back reference to a group that took no part matches
  //    the empty text.
  uint32_t options = PCRE2_ALT_BSUX | PCRE2_MATCH_UNSET_BACKREF | PCRE2_NEVER_UTF |
                     PCRE2_NEVER_UCP;
  if (ignoreCase_) options |= PCRE2_CASELESS;
  options |= multiline_ ? PCRE2_MULTILINE : PCRE2_DOLLAR_ENDONLY;
  pcre2_compile_context_16* context = pcre2_compile_context_create_16(nullptr);
  if (context) pcre2_set_newline_16(context, PCRE2_NEWLINE_LF);
  int error = 0;
  PCRE2_SIZE errorOffset = 0;
  program_.reset(pcre2_compile_16(reinterpret_cast<PCRE2_SPTR16>(pattern_.data()),
                                  pattern_.size(), options, &error, &errorOffset, context));
  pcre2_compile_context_free_16(context);
  compiled_ = true;
  return program_.get();
}

template <typename OnMatch>
bool RegExp::Scan(std::u16string_view subject, OnMatch&& onMatch) {
  const pcre2_code_16* program = Program();
  if (program == nullptr || !limits_) return false;
  pcre2_match_data_16* data = pcre2_match_data_create_from_pattern_16(program, nullptr);
  if (data == nullptr) return false;
  const auto* units = reinterpret_cast<PCRE2_SPTR16>(subject.data());
  const PCRE2_SIZE* offsets = pcre2_get_ovector_pointer_16(data);
  bool ok = true;
  PCRE2_SIZE start = 0;
  while (start <= subject.size()) {
    int rc = pcre2_match_16(program, units, subject.size(), start, 0, data, limits_.get());
    if (rc == PCRE2_ERROR_NOMATCH) break;
    if (rc < 0) {
      ok = false;
      break;
    }
    onMatch(offsets);
    if (!global_) break;
    // After an empty match the next attempt starts one unit on, or it would find the same
    // empty match for ever.
    start = offsets[1] > offsets[0] ? offsets[1] : offsets[1] + 1;
  }
  pcre2_match_data_free_16(data);
  return ok;
}

std::shared_ptr<const MatchCollection> RegExp::Execute(std::u16string_view subject) {
  const pcre2_code_16* program = Program();
  if (program == nullptr) return nullptr;
  uint32_t groups = 0;
  pcre2_pattern_info_16(program, PCRE2_INFO_CAPTURECOUNT, &groups);
  auto matches = std::make_shared<MatchCollection>(std::u16string(subject),
                                                   static_cast<int>(groups));
  if (!Scan(subject, [&](const PCRE2_SIZE* offsets) { matches->Add(offsets); })) return nullptr;
  return matches;
}

std::optional<std::u16string> RegExp::Replace(std::u16string_view subject,
                                              std::u16string_view replacement) {
  const pcre2_code_16* program = Program();
  if (program == nullptr) return std::nullopt;
  uint32_t groups = 0;
  pcre2_pattern_info_16(program, PCRE2_INFO_CAPTURECOUNT, &groups);
  std::u16string out;
  out.reserve(subject.size());
  PCRE2_SIZE copied = 0;
  bool ok = Scan(subject, [&](const PCRE2_SIZE* offsets) {
    out.append(subject.substr(copied, offsets[0] - copied));
    AppendReplacement(out, replacement, subject, offsets, static_cast<int>(groups));
    copied = offsets[1];
  });
  if (!ok) return std::nullopt;
  out.append(subject.substr(copied));
  return out;
}

std::shared_ptr<RegExp> CreateRegExp() {
  if (!ComInitialised()) return nullptr;
  return std::make_shared<RegExp>();
}

}  // namespace cinevora
