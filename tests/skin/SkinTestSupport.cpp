#include "SkinTestSupport.h"

#include <dlfcn.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <stdexcept>

#include "platform/skin/SkinExports.h"

namespace cinevora::skintest {

ScratchFolder::ScratchFolder() {
  static std::atomic<int> counter{0};
  path_ = std::filesystem::temp_directory_path() /
          ("cinevora-skin-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string ScratchFolder::File(const std::string& name) const { return (path_ / name).string(); }

void WriteBytes(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

std::string InstallSkinLibrary(const ScratchFolder& folder, const std::string& builtPath) {
  const std::string target = folder.File("wurmix.dll");
  std::filesystem::copy_file(builtPath, target, std::filesystem::copy_options::overwrite_existing);
  return target;
}

SkinState ReadSkinState(const std::string& libraryPath) {
  void* handle = ::dlopen(libraryPath.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) throw std::runtime_error(::dlerror());
  const auto getState = reinterpret_cast<SkinGetStateFunction>(::dlsym(handle, "SkinH_GetState"));
  if (getState == nullptr) throw std::runtime_error("no SkinH_GetState");
  char path[4096];
  SkinState state;
  state.attached = getState(path, sizeof path, &state.hue, &state.saturation, &state.brightness);
  state.path = path;
  ::dlclose(handle);
  return state;
}

}  // namespace cinevora::skintest
