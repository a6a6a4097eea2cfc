#include "app/SkinInstaller.h"

#include <filesystem>
#include <system_error>

#include "app/Program.h"
#include "platform/drive/Drive.h"
#include "platform/skin/SkinLibrary.h"
#include "resources/Resources.h"

namespace cinevora {
namespace {

// The write result is ignored on purpose: an old copy of the file still serves.
void WriteResource(Program& program, const char* windowsPath, const char* resource) {
  const std::string path = program.drive.Map(windowsPath);
  program.drive.EnsureFolderFor(path);
  program.toolkit.WriteFile(path, {ResourceBytes(resource)});
}

}  // namespace

void SkinInstaller(Program& program) {
  WriteResource(program, SKIN_LIBRARY_PATH, "SkinLibraryImage");
  WriteResource(program, SKIN_FILE_PATH, "SkinFileImage");
  program.skin.AttachEx(program.drive.Map(SKIN_FILE_PATH), "");
}

std::vector<std::string> SkinLibrarySearchFolders(const Drive& drive) {
  std::vector<std::string> folders{
      std::filesystem::path(drive.Map(SKIN_LIBRARY_PATH)).parent_path().string()};
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) folders.push_back(self.parent_path().string());
  return folders;
}

}  // namespace cinevora
