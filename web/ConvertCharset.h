#pragma once
// Re-encoding of a byte text from one named charset to another, through the text stream of
// platform/com. WebAccess uses it to turn a UTF-8 page into the program's GBK text.

#include "text/Text.h"

namespace cinevora {

// `input` re-encoded from `*sourceCharset` to `*targetCharset` (charset names as the text stream
// takes them). A missing or empty source charset means "UTF-8" and a missing or empty target
// charset "GBK"; the caller's variables receive these defaults. The text passes through the ANSI
// code page on its way, so a character outside CP936 comes out as "?". Brackets its own work
// with ComInit / ComUninit on the calling thread, so it works on any thread, initialised or not,
// and leaves an existing initialisation in force. Never fails; empty input gives empty bytes.
Bytes ConvertCharset(const Bytes& input, Text* sourceCharset = nullptr,
                     Text* targetCharset = nullptr);

// The stream sequence of ConvertCharset without its apartment bracket: expects ComInit on the
// calling thread and returns empty bytes without it. A step that fails is skipped and the
// sequence goes on: an unknown charset name leaves the stream's previous charset in use (a new
// stream's is UTF-16LE).
Bytes RecodeThroughStream(const Bytes& input, const Text& sourceCharset,
                          const Text& targetCharset);

}  // namespace cinevora
