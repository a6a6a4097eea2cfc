#include "platform/com/TextStream.h"

#include <algorithm>

#include "platform/com/Apartment.h"

namespace cinevora {

TextStream::TextStream() : charset_(*NamedCharset::Open("UTF-16LE")) {}

bool TextStream::SetType(int type) {
  if ((type != BINARY && type != TEXT) || !AtStartOrClosed()) return false;
  type_ = type;
  return true;
}

bool TextStream::SetCharset(std::string_view name) {
  if (!AtStartOrClosed()) return false;
  std::optional<NamedCharset> charset = NamedCharset::Open(name);
  if (!charset) return false;
  charset_ = std::move(*charset);
  return true;
}

bool TextStream::SetPosition(std::int64_t position) {
  if (!open_ || position < 0 || static_cast<std::uint64_t>(position) > buffer_.size()) {
    return false;
  }
  position_ = static_cast<std::size_t>(position);
  return true;
}

bool TextStream::Open() {
  if (open_) return false;
  open_ = true;
  buffer_.clear();
  position_ = 0;
  return true;
}

bool TextStream::Close() {
  if (!open_) return false;
  open_ = false;
  Bytes().swap(buffer_);
  position_ = 0;
  return true;
}

void TextStream::PutAtPosition(const Bytes& data) {
  // What falls on bytes already there overwrites them; the rest is appended, growing the buffer
  // once and exactly (no room cleared first only to be written over).
  std::size_t overlap = std::min(data.size(), buffer_.size() - position_);
  std::copy_n(data.begin(), overlap, buffer_.begin() + static_cast<std::ptrdiff_t>(position_));
  buffer_.insert(buffer_.end(), data.begin() + static_cast<std::ptrdiff_t>(overlap), data.end());
  position_ += data.size();
}

bool TextStream::Write(const Bytes& bytes) {
  if (!open_ || type_ != BINARY) return false;
  PutAtPosition(bytes);
  return true;
}

std::optional<Bytes> TextStream::Read() & {
  if (!open_ || type_ != BINARY) return std::nullopt;
  Bytes out(buffer_.begin() + static_cast<std::ptrdiff_t>(position_), buffer_.end());
  position_ = buffer_.size();
  return out;
}

std::optional<Bytes> TextStream::Read() && {
  if (!open_ || type_ != BINARY) return std::nullopt;
  buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(position_));
  position_ = 0;
  return std::move(buffer_);
}

std::optional<std::u16string> TextStream::ReadText() {
  if (!open_ || type_ != TEXT) return std::nullopt;
  bool fromStart = position_ == 0;
  std::u16string text = charset_.Decode(buffer_.data() + position_, buffer_.size() - position_);
  position_ = buffer_.size();
  if (fromStart && !text.empty() && text.front() == u'\uFEFF') text.erase(0, 1);
  return text;
}

bool TextStream::WriteText(std::u16string_view text) {
  if (!open_ || type_ != TEXT) return false;
  if (position_ == buffer_.size()) {
    // At the end, the usual case (a fresh stream): the text is encoded straight into the buffer.
    charset_.EncodeAppend(text, buffer_);
    position_ = buffer_.size();
  } else {
    PutAtPosition(charset_.Encode(text));
  }
  return true;
}

std::shared_ptr<TextStream> CreateTextStream() {
  if (!ComInitialised()) return nullptr;
  return std::make_shared<TextStream>();
}

}  // namespace cinevora
