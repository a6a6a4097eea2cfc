#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/codepage/Codepage.h"
#include "platform/skin/SkinLibrary.h"
#include "platform/toolkit/HeadlessToolkit.h"
#include "resources/Resources.h"
#include "SkinTestSupport.h"
#include "tests/toolkit/NoNetwork.h"

namespace cinevora {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using skintest::InstallSkinLibrary;
using skintest::ReadSkinState;
using skintest::ScratchFolder;
using skintest::WriteBytes;

std::string_view Embedded(const char* name) {
  const auto bytes = ResourceBytes(name);
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

class SkinLibraryTest : public ::testing::Test {
 protected:
  test::NoNetwork inet_;
  HeadlessToolkit toolkit_{inet_};
  ScratchFolder empty_, first_, second_;
};

TEST_F(SkinLibraryTest, LoadsFromTheFirstFolderThatHasItAndReachesBothEntries) {
  const std::string library = InstallSkinLibrary(first_, SKIN_LIBRARY_BUILT);
  // A library without SkinH_AdjustHSV further down the list must never be the one loaded.
  InstallSkinLibrary(second_, SKIN_PARTIAL_LIBRARY);
  WriteBytes(first_.File("win8.she"), Embedded("SkinFileImage"));
  SkinLibrary skin(toolkit_, {empty_.Path().string(), first_.Path().string() + "/",
                              second_.Path().string()});

  EXPECT_EQ(skin.AttachEx(first_.File("win8.she"), ""), 1);
  skintest::SkinState state = ReadSkinState(library);
  EXPECT_EQ(state.attached, 1);
  EXPECT_EQ(state.path, first_.File("win8.she"));

  EXPECT_EQ(skin.AdjustHSV(120, 90, 40), 1);
  state = ReadSkinState(library);
  EXPECT_EQ(state.hue, 120);
  EXPECT_EQ(state.saturation, 90);
  EXPECT_EQ(state.brightness, 40);

  EXPECT_EQ(skin.AdjustHSV(-500, 300, -101), 1);  // clamped by the library
  state = ReadSkinState(library);
  EXPECT_EQ(state.hue, -180);
  EXPECT_EQ(state.saturation, 100);
  EXPECT_EQ(state.brightness, -100);

  EXPECT_FALSE(skin.Failed());
  EXPECT_TRUE(toolkit_.MessageBoxes().empty());
  EXPECT_FALSE(toolkit_.ExitCode());
}

TEST_F(SkinLibraryTest, AFileThatIsNotASkinLeavesTheLibraryUnattached) {
  const std::string library = InstallSkinLibrary(first_, SKIN_LIBRARY_BUILT);
  WriteBytes(first_.File("win8.she"), "not a skin");
  SkinLibrary skin(toolkit_, {first_.Path().string()});
  EXPECT_EQ(skin.AttachEx(first_.File("win8.she"), ""), 0);
  EXPECT_EQ(skin.AttachEx(first_.File("missing.she"), ""), 0);
  EXPECT_EQ(skin.AdjustHSV(30, 0, 0), 0);  // recorded, but nothing to tint
  EXPECT_EQ(ReadSkinState(library).attached, 0);
  EXPECT_EQ(ReadSkinState(library).hue, 30);
  EXPECT_FALSE(skin.Failed());  // the library itself is fine: no box, no exit
  EXPECT_TRUE(toolkit_.MessageBoxes().empty());
}

enum class Installed { Nothing, NotALibrary, WithoutAdjustHsv };
enum class Call { AttachEx, AdjustHsv };

TEST_F(SkinLibraryTest, AMissingLibraryOrEntryShowsOneBoxAndEndsWithCodeOne) {
  const struct {
    const char* what;
    Installed installed;
    Call call;
    const char* entry;
  } cases[] = {
      {"no library, attach", Installed::Nothing, Call::AttachEx, "SkinH_AttachEx"},
      {"no library, tint", Installed::Nothing, Call::AdjustHsv, "SkinH_AdjustHSV"},
      {"not a library", Installed::NotALibrary, Call::AttachEx, "SkinH_AttachEx"},
      {"entry missing", Installed::WithoutAdjustHsv, Call::AdjustHsv, "SkinH_AdjustHSV"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder folder;
    if (c.installed == Installed::NotALibrary) WriteBytes(folder.File("wurmix.dll"), "MZ not an ELF");
    if (c.installed == Installed::WithoutAdjustHsv) InstallSkinLibrary(folder, SKIN_PARTIAL_LIBRARY);
    test::NoNetwork inet;
    HeadlessToolkit toolkit(inet);
    SkinLibrary skin(toolkit, {folder.Path().string()});

    const auto call = [&] {
      return c.call == Call::AttachEx ? skin.AttachEx(folder.File("win8.she"), "")
                                      : skin.AdjustHSV(120, 90, 40);
    };
    EXPECT_EQ(call(), 0);
    EXPECT_TRUE(skin.Failed());
    EXPECT_EQ(toolkit.ExitCode(), 1);
    const auto boxes = toolkit.MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].style, MB_STYLE_OK);
    EXPECT_THAT(AnsiToUtf8(boxes[0].text), AllOf(HasSubstr("wurmix.dll"), HasSubstr(c.entry)));

    // The caller was told to stop; a later call neither shows a box nor reaches the library.
    EXPECT_EQ(skin.AttachEx(folder.File("win8.she"), ""), 0);
    EXPECT_EQ(skin.AdjustHSV(0, 0, 0), 0);
    EXPECT_EQ(toolkit.MessageBoxes().size(), 1u);
  }
}

TEST_F(SkinLibraryTest, ThreadsThatNeedTheLibraryAtOnceLoadItOnce) {
  const std::string library = InstallSkinLibrary(first_, SKIN_LIBRARY_BUILT);
  SkinLibrary skin(toolkit_, {first_.Path().string()});
  std::vector<std::thread> threads;
  for (int i = 0; i < 8; ++i) {
    threads.emplace_back([&skin, i] { skin.AdjustHSV(i * 10, 0, 0); });
  }
  for (std::thread& t : threads) t.join();
  EXPECT_FALSE(skin.Failed());
  EXPECT_EQ(ReadSkinState(library).hue % 10, 0);
  EXPECT_TRUE(toolkit_.MessageBoxes().empty());
}

// The start-up path: the library and the skin the program carries, written out and attached.
TEST_F(SkinLibraryTest, TheEmbeddedLibraryAttachesTheEmbeddedSkin) {
  WriteBytes(first_.File("wurmix.dll"), Embedded("SkinLibraryImage"));
  WriteBytes(first_.File("win8.she"), Embedded("SkinFileImage"));
  SkinLibrary skin(toolkit_, {first_.Path().string()});
  EXPECT_EQ(skin.AttachEx(first_.File("win8.she"), ""), 1);
  EXPECT_EQ(skin.AdjustHSV(120, 90, 40), 1);
  EXPECT_EQ(ReadSkinState(first_.File("wurmix.dll")).path, first_.File("win8.she"));
  EXPECT_FALSE(skin.Failed());
}

}  // namespace
}  // namespace cinevora
