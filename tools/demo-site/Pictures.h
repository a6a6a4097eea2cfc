#pragma once
// The demo site's JPEG pictures (posters and stills), read once from the folder that holds the
// committed files and their generator script.

#include <string>
#include <vector>

#include "Catalogue.h"

namespace cinevora::demo {

class Pictures {
 public:
  // Reads poster-01.jpg .. poster-NN.jpg and still-01.jpg .. still-NN.jpg from `folder`.
  // False, with `error` set, when one is missing or unreadable. Call once, before any reader.
  bool Load(const std::string& folder, std::string& error);

  // The bytes of poster / still `n` (1-based); empty for a number out of range. Thread-safe
  // after Load.
  const std::string& Poster(int n) const;
  const std::string& Still(int n) const;

 private:
  std::vector<std::string> posters_;
  std::vector<std::string> stills_;
};

}  // namespace cinevora::demo
