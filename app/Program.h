#pragma once
// The program object: the platform services and the program-wide state that the routines share.
// One instance per run of the program (tests build a fresh one per case); nothing of it lives in
// hidden globals.

#include <atomic>
#include <cstdint>
#include <mutex>

#include "platform/toolkit/Toolkit.h"
#include "text/Text.h"

namespace cinevora {

class InternetService;
class SkinLibrary;
class Drive;

// The four base addresses the program builds its requests from.
struct SiteAddresses {
  Text updateBase;    // update server: scheme and host
  Text siteBase;      // movie site: scheme and host, no trailing slash
  Text pictureBase;   // picture host: scheme, host and port, no trailing slash
  Text promoLinkUrl;  // a promotional link ending in a slash
};

// The addresses this build was configured with (the CINEVORA_*_BASE cache variables).
SiteAddresses ConfiguredSiteAddresses();

struct Program {
  Toolkit& toolkit;
  InternetService& inet;
  SkinLibrary& skin;
  Drive& drive;
  SiteAddresses addresses;

  // Program-wide state. ExpectedVersion, FetchedVersion and SpinnerFontHandle are touched on the
  // user-interface thread only; SpinnerGlyph too, but it is atomic so tests may read it anywhere.
  Text ExpectedVersion{};
  Text FetchedVersion{};
  std::atomic<int> SpinnerGlyph{0};
  FontHandle SpinnerFontHandle = 0;

  // Generation of the newest category run: a run whose number is no longer the newest stops at
  // its next step and never touches the window again.
  std::atomic<std::uint64_t> CategoryGeneration{0};
  // Held by a category run while it checks its generation and writes the movie list, so that a
  // newer run's clearing never falls between an older run's check and its row. Never held while
  // a message box is open; the user-interface thread never takes it.
  std::mutex CategoryListMutex{};
};

}  // namespace cinevora
