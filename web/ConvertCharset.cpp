#include "web/ConvertCharset.h"

#include <memory>
#include <string>

#include "platform/codepage/Codepage.h"
#include "platform/com/Apartment.h"
#include "platform/com/TextStream.h"

namespace cinevora {
namespace {

// The text between reading and writing travels as the program's own ANSI text: what the code
// page cannot hold comes back as "?".
void ThroughAnsiCodePage(std::u16string& wide) { AnsiToWide(WideToAnsi(wide), wide); }

}  // namespace

Bytes ConvertCharset(const Bytes& input, Text* sourceCharset, Text* targetCharset) {
  Text source = sourceCharset != nullptr ? *sourceCharset : Text();
  Text target = targetCharset != nullptr ? *targetCharset : Text();
  if (source.empty()) source = "UTF-8";
  if (target.empty()) target = "GBK";
  if (sourceCharset != nullptr) *sourceCharset = source;
  if (targetCharset != nullptr) *targetCharset = target;
  ComInit();
  Bytes output = RecodeThroughStream(input, source, target);
  ComUninit();
  return output;
}

Bytes RecodeThroughStream(const Bytes& input, const Text& sourceCharset,
                          const Text& targetCharset) {
  // Every step is taken whatever the one before it did; a failed call leaves the stream as it
  // was, so the bytes that come out say how far the sequence got.
  std::shared_ptr<TextStream> stream = CreateTextStream();
  if (!stream) return {};  // every step would be a call on nothing
  stream->SetType(TextStream::BINARY);
  stream->Open();
  stream->Write(input);
  stream->SetPosition(0);
  stream->SetType(TextStream::TEXT);
  stream->SetCharset(sourceCharset);
  // A page is megabytes: the bytes, the text read and the text to write are never all held at
  // once. The text read is taken to the program's own ANSI text and back after Close has let go
  // of the bytes, and the text coming back takes the storage of the one that went.
  std::u16string wide = stream->ReadText().value_or(std::u16string());
  stream->Close();
  stream->Open();
  stream->SetCharset(targetCharset);
  ThroughAnsiCodePage(wide);
  stream->WriteText(wide);
  stream->SetPosition(0);
  stream->SetType(TextStream::BINARY);
  return std::move(*stream).Read().value_or(Bytes());
}

}  // namespace cinevora
