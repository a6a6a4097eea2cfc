#include "text/TextSearch.h"

#include <algorithm>
#include <cstring>

#include "text/Characters.h"

namespace cinevora {

namespace {

// The first block folded for a search is small, so that a search whose match lies close by stays
// cheap; blocks double while the search goes on, up to a size that stays in the cache. A search
// that found its last match far away starts with a block that size (repeated entries of a page
// lie about as far apart as the ones before).
constexpr std::size_t kFirstBlock = 256;
constexpr std::size_t kLargestBlock = 64 * 1024;

const unsigned char* Bytes(std::string_view text) {
  return reinterpret_cast<const unsigned char*>(text.data());
}

// True when some single-byte character of `text` is an ASCII letter, i.e. when ignoring case can
// change what matches.
bool HasAsciiLetter(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); i += CharacterLength(text, i)) {
    const unsigned char small = FoldAscii(static_cast<unsigned char>(text[i]));
    if (static_cast<unsigned char>(small - 'a') < 26) return true;
  }
  return false;
}

// Sixteen bytes at a time (GCC and Clang vector types): the fold is most of the work of a search
// that ignores case, and a byte-by-byte loop would make it several times slower than memmem.
void FoldBytes(const unsigned char* source, std::size_t size, unsigned char* target) {
  using Block = unsigned char __attribute__((vector_size(16)));
  std::size_t i = 0;
  for (; i + sizeof(Block) <= size; i += sizeof(Block)) {
    Block bytes;
    std::memcpy(&bytes, source + i, sizeof bytes);
    const Block capital = reinterpret_cast<Block>(bytes - 'A' < 26);  // all ones where A to Z
    bytes += capital & 32;
    std::memcpy(target + i, &bytes, sizeof bytes);
  }
  for (; i < size; ++i) target[i] = FoldAscii(source[i]);
}

}  // namespace

TextSearch::TextSearch(std::string_view text, std::string_view sought, std::size_t origin,
                       bool ignoreCase)
    : text_(text),
      sought_(sought),
      foldCase_(ignoreCase && HasAsciiLetter(sought)),
      knownStart_(origin) {
  if (foldCase_) {
    foldedSought_.resize(sought.size());
    FoldBytes(Bytes(sought), sought.size(), foldedSought_.data());
  }
}

std::size_t TextSearch::Next(std::size_t from) {
  return foldCase_ ? NextFolded(from) : NextExact(from);
}

// Every byte below 0x80 ends a character (it is one, or it is a second byte), so the byte after it
// starts one; from there on, a run of bytes of 0x80 or more pairs up. Looking back no further
// than the last known start keeps the total work linear.
bool TextSearch::StartsCharacter(std::size_t position) {
  const unsigned char* bytes = Bytes(text_);
  std::size_t start = position;
  while (start > knownStart_ && IsLeadByte(bytes[start - 1])) --start;
  const bool starts = (position - start) % 2 == 0;
  knownStart_ = starts ? position : position + 1;
  return starts;
}

// The candidate matched the folded copy; a second byte must still match exactly, because only
// single-byte characters are letters. The candidate starts a character, so the sought text's
// characters line up with the text's.
bool TextSearch::MatchesIgnoringCase(std::size_t position) const {
  const unsigned char* candidate = Bytes(text_) + position;
  const unsigned char* sought = Bytes(sought_);
  for (std::size_t i = 0; i < sought_.size(); ++i) {
    if (IsLeadByte(sought[i])) {
      if (candidate[i] != sought[i]) return false;
      if (++i < sought_.size() && candidate[i] != sought[i]) return false;
    } else if (FoldAscii(candidate[i]) != FoldAscii(sought[i])) {
      return false;
    }
  }
  return true;
}

std::size_t TextSearch::NextExact(std::size_t from) {
  const unsigned char* bytes = Bytes(text_);
  while (from + sought_.size() <= text_.size()) {
    const void* hit = memmem(bytes + from, text_.size() - from, sought_.data(), sought_.size());
    if (hit == nullptr) return kNotFound;
    const std::size_t position = static_cast<const unsigned char*>(hit) - bytes;
    if (StartsCharacter(position)) return position;
    from = position + 1;
  }
  return kNotFound;
}

std::size_t TextSearch::NextFolded(std::size_t from) {
  const std::size_t size = sought_.size();
  std::size_t block = std::clamp(lastDistance_, kFirstBlock, kLargestBlock);
  const std::size_t searchFrom = from;
  while (from + size <= text_.size()) {
    if (from < foldBegin_ || from + size > foldEnd_) {
      Fold(from, block);
      block = std::min(block * 2, kLargestBlock);
    }
    const unsigned char* window = folded_.data() + (from - foldBegin_);
    const void* hit = memmem(window, foldEnd_ - from, foldedSought_.data(), size);
    if (hit == nullptr) {
      from = foldEnd_ - size + 1;  // the first start the folded block could not hold whole
      continue;
    }
    const std::size_t position = foldBegin_ + (static_cast<const unsigned char*>(hit) - folded_.data());
    if (MatchesIgnoringCase(position) && StartsCharacter(position)) {
      lastDistance_ = position - searchFrom;
      return position;
    }
    from = position + 1;
  }
  return kNotFound;
}

// Folds enough of the text from `begin` to hold every occurrence starting in the next `block`
// bytes.
void TextSearch::Fold(std::size_t begin, std::size_t block) {
  foldBegin_ = begin;
  foldEnd_ = std::min(text_.size(), begin + block + sought_.size() - 1);
  folded_.resize(foldEnd_ - foldBegin_);
  FoldBytes(Bytes(text_) + foldBegin_, folded_.size(), folded_.data());
}

}  // namespace cinevora
