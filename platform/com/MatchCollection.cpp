#include "platform/com/MatchCollection.h"

#include <limits>

namespace cinevora {
namespace {

// PCRE2_UNSET, without pulling PCRE2's header into every user of the collection.
constexpr std::size_t UNSET = std::numeric_limits<std::size_t>::max();

}  // namespace

MatchCollection::MatchCollection(std::u16string subject, int groupCount)
    : subject_(std::move(subject)), groupCount_(groupCount) {}

int MatchCollection::Count() const {
  return static_cast<int>(spans_.size() / (2 * static_cast<std::size_t>(groupCount_ + 1)));
}

std::optional<RegExpMatch> MatchCollection::Item(int index) const {
  if (index < 0 || index >= Count()) return std::nullopt;
  return RegExpMatch(*this, static_cast<std::size_t>(index));
}

void MatchCollection::Add(const std::size_t* offsetPairs) {
  spans_.insert(spans_.end(), offsetPairs, offsetPairs + 2 * (groupCount_ + 1));
}

int MatchCollection::SpanStart(std::size_t match, int span) const {
  std::size_t start = spans_[(match * (groupCount_ + 1) + span) * 2];
  return start == UNSET ? -1 : static_cast<int>(start);
}

std::u16string MatchCollection::SpanText(std::size_t match, int span) const {
  std::size_t at = (match * (groupCount_ + 1) + span) * 2;
  if (spans_[at] == UNSET) return {};
  return subject_.substr(spans_[at], spans_[at + 1] - spans_[at]);
}

std::u16string RegExpMatch::Value() const { return owner_.SpanText(match_, 0); }

int RegExpMatch::FirstIndex() const { return owner_.SpanStart(match_, 0); }

int SubMatches::Count() const { return owner_.groupCount_; }

std::optional<std::u16string> SubMatches::Item(int index) const {
  if (index < 0 || index >= Count()) return std::nullopt;
  return owner_.SpanText(match_, index + 1);
}

int SubMatches::FirstIndex(int index) const {
  if (index < 0 || index >= Count()) return -1;
  return owner_.SpanStart(match_, index + 1);
}

}  // namespace cinevora
