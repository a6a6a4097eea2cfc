#include "text/RegexObject.h"

#include <algorithm>

#include "platform/codepage/Codepage.h"
#include "platform/com/Apartment.h"
#include "text/AnsiText.h"

namespace cinevora {

RegexObject::RegexObject() { ComInit(); }

RegexObject::RegexObject(const RegexObject& other)
    : regexp(other.regexp), matches(other.matches), subject(other.subject) {
  ComInit();
}

// Both objects already hold one ComInit each; assignment only shares the state.
RegexObject& RegexObject::operator=(const RegexObject& other) {
  regexp = other.regexp;
  matches = other.matches;
  subject = other.subject;
  unitOffsets.clear();
  return *this;
}

RegexObject::~RegexObject() {
  matches.reset();
  regexp.reset();
  subject.clear();
  ComUninit();
}

bool RegexObject::Compile(const Text& pattern, const Text& subject, bool caseSensitive,
                          bool multiline, bool global, bool quoteMarks) {
  matches.reset();
  regexp = CreateRegExp();
  if (regexp) {
    regexp->SetIgnoreCase(!caseSensitive);
    regexp->SetMultiline(multiline);
    regexp->SetGlobal(global);
    static const Text QUOTE_MARK = Gbk("#引号");
    regexp->SetPattern(AnsiToWide(quoteMarks ? ReplaceAll(pattern, QUOTE_MARK, "\"") : pattern));
    matches = regexp->Execute(AnsiToWide(subject));
  }
  this->subject = subject;
  unitOffsets.clear();
  return matches != nullptr;
}

Text RegexObject::GetPattern() const { return regexp ? WideToAnsi(regexp->Pattern()) : Text(); }

Text RegexObject::Replace(const Text& replacement) const {
  if (!regexp) return {};
  std::optional<std::u16string> replaced =
      regexp->Replace(AnsiToWide(subject), AnsiToWide(replacement));
  return replaced ? WideToAnsi(*replaced) : Text();
}

int RegexObject::MatchCount() const { return matches ? matches->Count() : 0; }

Text RegexObject::MatchText(int index, int* position) const {
  std::optional<RegExpMatch> match = matches ? matches->Item(index - 1) : std::nullopt;
  Text text = match ? WideToAnsi(match->Value()) : Text();
  if (position != nullptr) *position = match ? BytePosition(match->FirstIndex(), text) : -1;
  return text;
}

Text RegexObject::SubMatchText(int matchIndex, int subMatchIndex, int* position) const {
  std::optional<RegExpMatch> match = matches ? matches->Item(matchIndex - 1) : std::nullopt;
  std::optional<std::u16string> value;
  int unitIndex = -1;
  if (match) {
    SubMatches groups = match->SubMatches();
    value = groups.Item(subMatchIndex - 1);
    unitIndex = groups.FirstIndex(subMatchIndex - 1);
  }
  Text text = value ? WideToAnsi(*value) : Text();
  if (position != nullptr) *position = BytePosition(unitIndex, text);
  return text;
}

int RegexObject::SubMatchCount() const {
  std::optional<RegExpMatch> first = matches ? matches->Item(0) : std::nullopt;
  return first ? first->SubMatches().Count() : 0;
}

int RegexObject::BytePosition(int unitIndex, const Text& text) const {
  if (unitIndex < 0) return -1;
  // The expression counts UTF-16 units, the subject bytes: a Chinese character is one unit but
  // two bytes, so the unit index alone would point too early once one stands before the match.
  if (unitOffsets.empty()) AnsiToWide(subject, &unitOffsets);
  int start = unitOffsets[std::min<std::size_t>(unitIndex, unitOffsets.size() - 1)];
  if (text.empty()) return start;
  // Confirms the match text stands there in the subject's own bytes (it may not, where the
  // subject held bytes that are no CP936 character); otherwise its next occurrence, or -1.
  int found = FindText(subject, text, start + 1, regexp->IgnoreCase());
  return found < 0 ? -1 : found - 1;
}

}  // namespace cinevora
