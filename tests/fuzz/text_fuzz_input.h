#pragma once
// Fuzz inputs of the text targets: a first byte of switches, then texts separated by NUL bytes
// (a text never holds one), so that a seed file can be written by hand.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "text/Text.h"

namespace cinevora {

struct TextFuzzInput {
  std::uint8_t switches = 0;
  std::vector<Text> texts;  // exactly `count` of them, missing ones empty

  TextFuzzInput(const std::uint8_t* data, std::size_t size, std::size_t count) : texts(count) {
    if (size == 0) return;
    switches = data[0];
    std::size_t field = 0;
    for (std::size_t i = 1; i < size && field < count; ++i) {
      if (data[i] == 0) {
        ++field;
      } else {
        texts[field] += static_cast<char>(data[i]);
      }
    }
  }
};

// A broken invariant is a crash, so that the fuzzer keeps the input.
inline void Require(bool condition) {
  if (!condition) std::abort();
}

// True when `piece` occurs in `text` byte for byte.
inline bool IsPartOf(const Text& piece, const Text& text) { return text.find(piece) != Text::npos; }

}  // namespace cinevora
