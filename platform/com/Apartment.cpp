#include "platform/com/Apartment.h"

namespace cinevora {
namespace {

// How many ComInit calls of this thread are still open.
thread_local int openInits = 0;

}  // namespace

void ComInit() { ++openInits; }

void ComUninit() {
  if (openInits > 0) --openInits;
}

bool ComInitialised() { return openInits > 0; }

}  // namespace cinevora
