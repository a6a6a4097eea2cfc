#pragma once
// The text stream: our stand-in for the automation object "Adodb.Stream", reduced to what the
// charset conversion drives.
//
// A stream is a byte buffer with a current position. In binary mode (Type 1) Write and Read move
// bytes; in text mode (Type 2) ReadText decodes the bytes from the position to the end with the
// Charset, and WriteText encodes text with it at the position. Every call either does its whole
// work and returns true (or a value), or fails, changes nothing and returns false (or nothing),
// the way a failed automation call leaves its object alone. The rules follow the original object:
//   - Open needs a closed stream and gives an empty one at position 0; Close needs an open one
//     and drops its bytes. Type and Charset survive Close / Open.
//   - Type may be written while the stream is closed or at position 0 only.
//   - Charset may be written while the stream is closed or at position 0 only, and only with a
//     name ICU resolves; in binary mode it is kept for later text work.
//   - Position may be set to any offset from 0 to the size of an open stream.
//   - Write and Read need binary mode, ReadText and WriteText text mode; all four need an open
//     stream. Writing overwrites from the position on and extends the buffer when it runs past
//     the end; reading takes everything from the position on; both leave the position at the end
//     of what they moved.
//   - ReadText from position 0 drops a leading byte-order mark, as the original does.
// A stream belongs to the thread that created it; it has no lock.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/com/NamedCharset.h"
#include "text/Text.h"

namespace cinevora {

class TextStream {
 public:
  static constexpr int BINARY = 1;
  static constexpr int TEXT = 2;

  // A new stream is closed, binary, with the charset "UTF-16LE" (what the original calls
  // "Unicode").
  TextStream();

  bool SetType(int type);
  bool SetCharset(std::string_view name);
  bool SetPosition(std::int64_t position);

  bool Open();
  bool Close();

  bool Write(const Bytes& bytes);
  std::optional<Bytes> Read() &;
  // The same Read on a stream that is done with (std::move(*stream).Read()): the bytes are
  // handed over instead of copied, and the stream is left open and empty.
  std::optional<Bytes> Read() &&;

  std::optional<std::u16string> ReadText();
  bool WriteText(std::u16string_view text);

 private:
  bool AtStartOrClosed() const { return !open_ || position_ == 0; }
  // Puts `data` at the position, overwriting and extending, and moves the position past it.
  void PutAtPosition(const Bytes& data);

  int type_ = BINARY;
  NamedCharset charset_;
  bool open_ = false;
  Bytes buffer_;
  std::size_t position_ = 0;
};

// Creates a text stream in the calling thread's apartment; an empty reference when that thread
// has not called ComInit. Thread-safe.
std::shared_ptr<TextStream> CreateTextStream();

}  // namespace cinevora
