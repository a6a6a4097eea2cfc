#pragma once
// Counting over whole texts, for sizing a conversion's output once before it is written.

#include <cstddef>

namespace cinevora {

// The sum of weight(unit) over `size` units. The work goes in blocks of a fixed length, which the
// compiler turns into vector instructions even at -O2: the count costs a fraction of the
// conversion it sizes. Thread-safe; `weight` must be cheap and give 0, 1 or 2.
template <typename Unit, typename Weight>
std::size_t SumOverUnits(const Unit* units, std::size_t size, Weight weight) {
  constexpr std::size_t BLOCK = 64;
  std::size_t sum = 0;
  std::size_t i = 0;
  for (; i + BLOCK <= size; i += BLOCK) {
    unsigned block = 0;
    for (std::size_t k = 0; k < BLOCK; ++k) block += weight(units[i + k]);
    sum += block;
  }
  for (; i < size; ++i) sum += weight(units[i]);
  return sum;
}

}  // namespace cinevora
