#include "platform/skin/SkinLibrary.h"

#include <dlfcn.h>
#include <unistd.h>

#include "platform/codepage/Codepage.h"
#include "platform/skin/SkinExports.h"

namespace cinevora {

SkinLibrary::SkinLibrary(Toolkit& toolkit, std::vector<std::string> searchFolders)
    : toolkit_(toolkit), searchFolders_(std::move(searchFolders)) {}

int SkinLibrary::AttachEx(const Text& skinPath, const Text& second) {
  const auto attach = reinterpret_cast<SkinAttachExFunction>(Entry("SkinH_AttachEx"));
  return attach != nullptr ? attach(skinPath.c_str(), second.c_str()) : 0;
}

int SkinLibrary::AdjustHSV(int hue, int saturation, int brightness) {
  const auto adjust = reinterpret_cast<SkinAdjustHsvFunction>(Entry("SkinH_AdjustHSV"));
  return adjust != nullptr ? adjust(hue, saturation, brightness) : 0;
}

bool SkinLibrary::Failed() const {
  std::lock_guard lock(mutex_);
  return failed_;
}

std::string SkinLibrary::FindLibrary() const {
  for (const std::string& folder : searchFolders_) {
    std::string path = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    path += SKIN_LIBRARY_FILE;
    if (::access(path.c_str(), F_OK) == 0) return path;
  }
  return {};
}

void* SkinLibrary::Entry(const char* name) {
  Text message;
  {
    std::lock_guard lock(mutex_);
    if (failed_) return nullptr;
    if (handle_ == nullptr) {
      // Only ever a path with a slash, so the system's own library search never takes part.
      const std::string path = FindLibrary();
      if (!path.empty()) handle_ = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    }
    if (handle_ != nullptr) {
      if (void* entry = ::dlsym(handle_, name)) return entry;
      message = Gbk("动态链接库 ") + SKIN_LIBRARY_FILE + Gbk(" 中找不到程序输入点 ") + name + Gbk("。");
    } else {
      message = Gbk("无法加载动态链接库 ") + SKIN_LIBRARY_FILE + Gbk("，程序输入点 ") + name +
                Gbk(" 不可用。");
    }
    failed_ = true;
  }
  // Outside the lock: the box waits for the user, and other threads may ask Failed() meanwhile.
  toolkit_.MessageBox(message, MB_STYLE_OK);
  // Exit code 1: ending with 0 would report this failure as success.
  toolkit_.EndProgram(1);
  return nullptr;
}

}  // namespace cinevora
