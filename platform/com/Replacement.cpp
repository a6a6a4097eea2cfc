#include "platform/com/Replacement.h"

#include <limits>

namespace cinevora {
namespace {

constexpr std::size_t UNSET = std::numeric_limits<std::size_t>::max();

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// The group number that the digits after a "$" at `form` name: two digits when they name an
// existing group, else one; 0 when neither does. `length` receives the characters used.
int GroupNumber(std::u16string_view form, int groupCount, std::size_t* length) {
  if (form.size() < 2 || !IsDigit(form[1])) return 0;
  int one = form[1] - u'0';
  if (form.size() >= 3 && IsDigit(form[2])) {
    int two = one * 10 + (form[2] - u'0');
    if (two >= 1 && two <= groupCount) {
      *length = 3;
      return two;
    }
  }
  *length = 2;
  return one <= groupCount ? one : 0;
}

}  // namespace

void AppendReplacement(std::u16string& out, std::u16string_view replacement,
                       std::u16string_view subject, const std::size_t* offsetPairs,
                       int groupCount) {
  const std::size_t matchStart = offsetPairs[0];
  const std::size_t matchEnd = offsetPairs[1];
  std::size_t i = 0;
  while (i < replacement.size()) {
    std::u16string_view form = replacement.substr(i);
    char16_t next = form.size() >= 2 ? form[1] : u'\0';
    std::size_t length = 2;
    if (form[0] != u'$') {
      out += form[0];
      length = 1;
    } else if (next == u'$') {
      out += u'$';
    } else if (next == u'&') {
      out += subject.substr(matchStart, matchEnd - matchStart);
    } else if (next == u'`') {
      out += subject.substr(0, matchStart);
    } else if (next == u'\'') {
      out += subject.substr(matchEnd);
    } else if (int group = GroupNumber(form, groupCount, &length); group > 0) {
      std::size_t start = offsetPairs[2 * group];
      if (start != UNSET) out += subject.substr(start, offsetPairs[2 * group + 1] - start);
    } else {
      out += u'$';  // not a $ form: the "$" is plain text, what follows is read on its own
      length = 1;
    }
    i += length;
  }
}

}  // namespace cinevora
