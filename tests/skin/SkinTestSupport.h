#pragma once
// Helpers shared by the skin tests: a scratch folder, file writing and the skin library copied
// in under its program name.

#include <filesystem>
#include <string>
#include <string_view>

#include "text/Text.h"

namespace cinevora::skintest {

// A fresh folder below the system's temporary folder, removed with the object.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  const std::filesystem::path& Path() const { return path_; }
  // Path() / name, as a native string.
  std::string File(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

void WriteBytes(const std::string& path, std::string_view bytes);

// Copies the library at `builtPath` into `folder` as "wurmix.dll"; returns the copy's path.
std::string InstallSkinLibrary(const ScratchFolder& folder, const std::string& builtPath);

// The skin library's test entry, looked up in the library at `path` (which shares the loader's
// instance once the loader has loaded that same path).
struct SkinState {
  int attached = 0;
  std::string path;
  int hue = 0, saturation = 0, brightness = 0;
};
SkinState ReadSkinState(const std::string& libraryPath);

}  // namespace cinevora::skintest
