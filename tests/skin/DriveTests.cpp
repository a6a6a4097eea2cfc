#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/codepage/Codepage.h"
#include "platform/drive/Drive.h"
#include "SkinTestSupport.h"

namespace cinevora {
namespace {

TEST(Drive, MapsWindowsPathsBelowItsRoot) {
  const Drive drive("/home/u/.local/share/cinevora/drive_c");
  const struct {
    Text windowsPath;
    std::string expected;
  } cases[] = {
      {"C:\\Windows\\wurmix.dll", "/home/u/.local/share/cinevora/drive_c/Windows/wurmix.dll"},
      {"c:\\Windows\\win8.she", "/home/u/.local/share/cinevora/drive_c/Windows/win8.she"},
      {"C:/Windows/win8.she", "/home/u/.local/share/cinevora/drive_c/Windows/win8.she"},
      {"C:\\Windows\\", "/home/u/.local/share/cinevora/drive_c/Windows"},
      {"C:\\", "/home/u/.local/share/cinevora/drive_c"},
      {"C:", "/home/u/.local/share/cinevora/drive_c"},
      {"C:\\a\\\\.\\b", "/home/u/.local/share/cinevora/drive_c/a/b"},
      // ".." never climbs out of the drive.
      {"C:\\Windows\\..\\..\\..\\etc\\passwd", "/home/u/.local/share/cinevora/drive_c/etc/passwd"},
      // A GBK character whose second byte is a backslash stays one name.
      {Gbk("C:\\Windows\\深淺.she"), "/home/u/.local/share/cinevora/drive_c/Windows/深淺.she"},
      {"D:\\Windows\\wurmix.dll", ""},
      {"\\Windows\\wurmix.dll", ""},
      {"wurmix.dll", ""},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(drive.Map(c.windowsPath), c.expected) << AnsiToUtf8(c.windowsPath);
  }
}

// Sets an environment variable for one scope and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    value != nullptr ? ::setenv(name, value, 1) : ::unsetenv(name);
  }
  ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(Drive, ForCurrentUserFollowsXdgDataHome) {
  ScopedEnv home("HOME", "/home/someone");
  {
    ScopedEnv xdg("XDG_DATA_HOME", "/data/xdg");
    EXPECT_EQ(Drive::ForCurrentUser().Root(), "/data/xdg/cinevora/drive_c");
  }
  for (const char* ignored : {static_cast<const char*>(nullptr), "", "relative/data"}) {
    ScopedEnv xdg("XDG_DATA_HOME", ignored);
    EXPECT_EQ(Drive::ForCurrentUser().Root(), "/home/someone/.local/share/cinevora/drive_c");
  }
}

TEST(Drive, MapCreatesNothingAndEnsureFolderForMakesTheFolders) {
  skintest::ScratchFolder scratch;
  const Drive drive(scratch.File("drive_c"));
  const std::string path = drive.Map("C:\\Windows\\System\\wurmix.dll");
  EXPECT_FALSE(std::filesystem::exists(scratch.File("drive_c")));
  EXPECT_TRUE(drive.EnsureFolderFor(path));
  EXPECT_TRUE(std::filesystem::is_directory(scratch.File("drive_c/Windows/System")));
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_TRUE(drive.EnsureFolderFor(path));  // already there

  skintest::WriteBytes(scratch.File("file"), "x");  // a file where a folder should go
  EXPECT_FALSE(drive.EnsureFolderFor(scratch.File("file/below/name")));
}

}  // namespace
}  // namespace cinevora
