#pragma once
// Wide <-> ANSI conversion with the rules of the Windows code page 936 (GBK).
//
// The program keeps its texts as CP936 bytes (see text/Text.h); everything that reaches the screen
// or comes from a UTF-8 source file passes through here. Backed by ICU's "windows-936" converter,
// which maps the private-use area like the Windows code page (U+E052 <-> AA F3).
// All functions are thread-safe; they never fail, they substitute.

#include <string>
#include <string_view>
#include <vector>

#include "text/Text.h"

namespace cinevora {

// CP936 -> UTF-16. Bytes that are not valid CP936 become U+FFFD; a lone lead byte at the end is
// one (invalid) character.
std::u16string AnsiToWide(std::string_view ansi);

// The same, also giving for each UTF-16 unit the 0-based byte offset in `ansi` of the character
// it came from, plus one last entry, ansi.size(), for the end of the text. This is how a UTF-16
// index (a regular-expression match) finds its byte position.
std::u16string AnsiToWide(std::string_view ansi, std::vector<int>* unitOffsets);

// The same into `out`, which is replaced; its storage is reused when it is large enough, so a
// text on its way back from the code page can take the place of the one that went there.
void AnsiToWide(std::string_view ansi, std::u16string& out);

// UTF-16 -> CP936 with the default character "?" for anything the code page cannot hold (a
// character outside CP936, or an unpaired surrogate, becomes one "?").
Text WideToAnsi(std::u16string_view wide);

// UTF-8 -> CP936, for the program's own literals, which are written in UTF-8 source files:
// Gbk("信息：") gives the GBK bytes of that caption. Invalid UTF-8 becomes "?".
Text Gbk(std::string_view utf8);

// CP936 -> UTF-8 (for Qt, file names and test messages).
std::string AnsiToUtf8(std::string_view ansi);

}  // namespace cinevora
