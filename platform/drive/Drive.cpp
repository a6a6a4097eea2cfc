#include "platform/drive/Drive.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/codepage/Codepage.h"

namespace cinevora {
namespace {

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') return home;
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr) {
    return found->pw_dir;
  }
  return "/tmp";
}

}  // namespace

Drive::Drive(std::string root) : root_(std::move(root)) {}

Drive Drive::ForCurrentUser() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  const std::string dataHome =
      xdg != nullptr && xdg[0] == '/' ? std::string(xdg) : HomeFolder() + "/.local/share";
  return Drive(dataHome + "/cinevora/drive_c");
}

std::string Drive::Map(const Text& windowsPath) const {
  if (windowsPath.size() < 2 || windowsPath[1] != ':' || (windowsPath[0] | 0x20) != 'c') return {};
  const std::string native = AnsiToUtf8(std::string_view(windowsPath).substr(2));
  std::vector<std::string> names;
  std::string name;
  const auto endName = [&] {
    if (name == "..") {
      if (!names.empty()) names.pop_back();
    } else if (!name.empty() && name != ".") {
      names.push_back(name);
    }
    name.clear();
  };
  for (char c : native) {
    if (c == '\\' || c == '/') {
      endName();
    } else {
      name += c;
    }
  }
  endName();
  std::string mapped = root_;
  for (const std::string& n : names) mapped += "/" + n;
  return mapped;
}

bool Drive::EnsureFolderFor(const std::string& nativePath) const {
  const std::filesystem::path folder = std::filesystem::path(nativePath).parent_path();
  if (folder.empty()) return true;
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  return std::filesystem::is_directory(folder, error);
}

}  // namespace cinevora
