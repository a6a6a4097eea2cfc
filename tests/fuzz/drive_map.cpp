// Drive::Map on arbitrary texts: a mapped path never leaves the drive's folder.
// Input: the Windows path (CP936 bytes).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/drive/Drive.h"

using namespace cinevora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string ROOT = "/drive_c";
  const Drive drive(ROOT);
  const std::string mapped = drive.Map(Text(reinterpret_cast<const char*>(data), size));
  if (mapped.empty()) return 0;
  if (mapped.compare(0, ROOT.size(), ROOT) != 0) std::abort();
  // Below the root only non-empty names other than "." and "..", one slash apart.
  std::size_t at = ROOT.size();
  while (at < mapped.size()) {
    if (mapped[at] != '/') std::abort();
    const std::size_t next = mapped.find('/', at + 1);
    const std::string name = mapped.substr(at + 1, next == std::string::npos ? std::string::npos : next - at - 1);
    if (name.empty() || name == "." || name == ".." || name.find('\\') != std::string::npos) std::abort();
    at = next == std::string::npos ? mapped.size() : next;
  }
  return 0;
}
