#pragma once
// The replacement text of RegExp::Replace: expands its $ forms for one match.

#include <cstddef>
#include <string>
#include <string_view>

namespace cinevora {

// Appends `replacement` to `out` with $1..$99 (and $01..$09), $&, $`, $' and $$ expanded for the
// match that `offsetPairs` describes (groupCount + 1 start/end pairs into `subject`, PCRE2's
// unset marker for a group that took no part, which expands to nothing). A $ form that names no
// group of the pattern, and a $ before anything else, is copied as it stands; of two digits
// the longest group number that exists is taken, so $10 is group 1 and a "0" when there is no
// group 10.
void AppendReplacement(std::u16string& out, std::u16string_view replacement,
                       std::u16string_view subject, const std::size_t* offsetPairs,
                       int groupCount);

}  // namespace cinevora
