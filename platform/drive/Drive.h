#pragma once
// The program's drive C: Windows paths "C:\..." mapped onto a per-user folder, the way other
// Windows-compatibility layers keep one. No Qt.

#include <string>

#include "text/Text.h"

namespace cinevora {

class Drive {
 public:
  // `root` is the native folder that stands for drive C (it need not exist yet).
  explicit Drive(std::string root);

  // ${XDG_DATA_HOME}/cinevora/drive_c, or ~/.local/share/cinevora/drive_c when XDG_DATA_HOME is
  // unset, empty or not absolute (as the XDG rules say); the home folder is $HOME, else the
  // user's entry in the password database, else /tmp. Creates nothing.
  static Drive ForCurrentUser();

  const std::string& Root() const { return root_; }

  // "C:\Windows\wurmix.dll" -> <root>/Windows/wurmix.dll. The drive letter may be either case;
  // backslashes and slashes both separate names; the text is converted from CP936 to the native
  // UTF-8 first (a GBK character's second byte may be a backslash). "." names and empty names
  // are dropped and ".." goes up one name but never above the root, so no path leaves the drive.
  // A path on another drive, or without a drive, gives the empty string. Creates nothing.
  // Thread-safe.
  std::string Map(const Text& windowsPath) const;

  // Creates the folder that holds `nativePath` and the folders above it (mkdir -p). True when the
  // folder exists afterwards. Thread-safe.
  bool EnsureFolderFor(const std::string& nativePath) const;

 private:
  std::string root_;
};

}  // namespace cinevora
