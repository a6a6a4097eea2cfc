#include "web/ConvertCharset.h"

#include <memory>
#include <string>

#include "platform/codepage/Codepage.h"
#include "platform/com/Apartment.h"
#include "platform/com/TextStream.h"

namespace cinevora {

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
  // The text travels as the program's own ANSI text between reading and writing.
  Text text = WideToAnsi(stream->ReadText().value_or(std::u16string()));
  stream->Close();
  stream->Open();
  stream->SetCharset(targetCharset);
  stream->WriteText(AnsiToWide(text));
  stream->SetPosition(0);
  stream->SetType(TextStream::BINARY);
  return stream->Read().value_or(Bytes());
}

}  // namespace cinevora
