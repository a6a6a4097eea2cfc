#pragma once
// The program's text operations on ANSI (CP936) texts.
//
// Every routine counts by character the way the Windows code page does: a byte of 0x80 or more
// starts a two-byte character, and a lead byte at the very end of a text is a character of its
// own (nothing ever reads past the end). Positions are 1-based byte positions, -1 means "not
// found". Case folding touches the ASCII letters of single-byte characters only.
//
// None of the routines can fail or keeps state; all are safe to call from any thread.

#include <string_view>
#include <vector>

#include "text/Text.h"

namespace cinevora {

// Position of the first occurrence of `sought` that begins on a character start at or after
// `start`, or -1. A start of 1 or less means the beginning, one past the end finds nothing; the
// walk over characters begins at `start`. An empty `sought` gives 1 when the searched part is not
// empty. With `ignoreCase`, ASCII letters match either case. Linear in the length of the text.
int FindText(const Text& text, const Text& sought, int start = 1, bool ignoreCase = false);

// Position of the last occurrence of `sought` that begins on a character start, or -1.
int FindLastText(const Text& text, const Text& sought, bool ignoreCase = false);

// True when FindText finds `sought` anywhere in `text`.
bool ContainsText(const Text& text, const Text& sought, bool ignoreCase = false);

// The first / last `n` bytes; the whole text when it is shorter, empty when n <= 0.
Text LeftText(const Text& text, int n);
Text RightText(const Text& text, int n);

// `n` bytes from 1-based `position`, fewer at the end; empty when the position lies outside the
// text or n <= 0.
Text MiddleText(const Text& text, int position, int n);

// Removes blanks (0x20) and ideographic spaces (A1 A1) from both ends. Tabs, CR and LF stay, and
// a character whose second byte happens to be A1 is never cut in half.
Text TrimSpaces(const Text& text);

// The part of `text` that TrimSpaces keeps, without copying it.
std::string_view TrimmedPart(std::string_view text);

// Removes every blank and ideographic space, wherever it stands.
Text RemoveSpaces(const Text& text);

// Cuts `text` at every occurrence of `separator` (found case-sensitively, as FindText finds it).
// Empty pieces between separators and before a leading separator are kept; the piece after the
// last separator only when it is not empty. An empty text gives no pieces, a text without the
// separator (or an empty separator) gives the text as its single piece.
std::vector<Text> SplitText(const Text& text, const Text& separator);

// ASCII letters of single-byte characters made small; second bytes stay as they are.
Text LowerCase(const Text& text);

// Byte-wise, case-sensitive equality.
bool TextEqual(const Text& a, const Text& b);

// Replaces every occurrence of `search` (case-sensitive, on character starts, left to right,
// never rescanning inserted text). An empty `search` leaves the text as it is.
Text ReplaceAll(const Text& text, const Text& search, const Text& replacement);

}  // namespace cinevora
