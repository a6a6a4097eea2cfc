#pragma once
// The program's way to the skin library: loads "wurmix.dll" by its file name on first use and
// calls its entry points. No Qt here: the library brings its own, and shares the program's.

#include <mutex>
#include <string>
#include <vector>

#include "platform/toolkit/Toolkit.h"
#include "text/Text.h"

namespace cinevora {

// The skin library's file name, as the program writes it and looks for it.
inline constexpr char SKIN_LIBRARY_FILE[] = "wurmix.dll";

// Thread-safe: every member may be called from any thread (the calls into the library run
// outside the lock; the library serialises them itself).
class SkinLibrary {
 public:
  // Reports through `toolkit`, which must outlive this object. `searchFolders` are native
  // folders, tried in order.
  SkinLibrary(Toolkit& toolkit, std::vector<std::string> searchFolders);
  // The library stays loaded for the life of the process: the palette and style it gave the
  // application may still refer to it.
  ~SkinLibrary() = default;
  SkinLibrary(const SkinLibrary&) = delete;
  SkinLibrary& operator=(const SkinLibrary&) = delete;

  // Call SkinH_AttachEx / SkinH_AdjustHSV and return its result. The library is loaded from the
  // first search folder that holds "wurmix.dll" the first time an entry is needed. When it cannot
  // be loaded, or lacks the entry point, a message box (style 0) names the file and the entry
  // point, the program is ended with exit code 1 (toolkit.EndProgram(1)) and 0 is returned;
  // Failed() is true from then on, the caller must return at once, and later calls return 0
  // without showing anything. `skinPath` is a native path, passed on unchanged.
  int AttachEx(const Text& skinPath, const Text& second);
  int AdjustHSV(int hue, int saturation, int brightness);

  bool Failed() const;

 private:
  // The address of the entry `name`, loading the library if need be; nullptr after a failure
  // (reported here, once).
  void* Entry(const char* name);
  std::string FindLibrary() const;

  Toolkit& toolkit_;
  const std::vector<std::string> searchFolders_;
  mutable std::mutex mutex_;
  void* handle_ = nullptr;
  bool failed_ = false;
};

}  // namespace cinevora
