// The start-up sequence and the update check, against a loopback update server.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "AppFixture.h"
#include "app/LoadingSpinner.h"
#include "catalogue/MovieList.h"
#include "platform/codepage/Codepage.h"
#include "resources/Resources.h"

namespace cinevora::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const Text BOX_1 = Gbk("系统发现最新版本，请下载最新的版本。");
const Text BOX_2 = Gbk("当前不是最新版本，请下载最新的版本。");
const Text BOX_3 = Gbk("很抱歉，当前版本已失效停用，请下载最新版本使用。");

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string ResourceText(std::string_view name) {
  const auto bytes = ResourceBytes(name);
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

class StartUpTest : public AppFixture {
 protected:
  // What a failed check must leave behind: the browser on the update server, exit code 0, and
  // nothing of MainWindow's set-up done (no tint, no font, no spinner).
  void ExpectEndedByFailedCheck(bool started) {
    EXPECT_FALSE(started);
    EXPECT_THAT(toolkit_->OpenedUrls(), ElementsAre(server_.Url("")));
    EXPECT_EQ(toolkit_->ExitCode(), 0);
    EXPECT_THAT(toolkit_->LiveFonts(), IsEmpty());
    EXPECT_EQ(program_->SpinnerGlyph, 0);
    const SkinState skin = Skin();
    EXPECT_EQ(skin.attached, 1);
    EXPECT_EQ(skin.hue, 0);
    EXPECT_NE(toolkit_->GetFontFace(MAIN_WINDOW, SPINNER_LABEL), "Setup");
  }
};

TEST_F(StartUpTest, AcceptedVersionShowsTheTintedWindowWithTheSpinnerFont) {
  ASSERT_TRUE(Start());

  EXPECT_THAT(toolkit_->MessageBoxes(), IsEmpty());
  EXPECT_FALSE(toolkit_->ExitCode().has_value());
  EXPECT_THAT(toolkit_->OpenedUrls(), IsEmpty());
  EXPECT_EQ(UpdateRequests(), 1u);
  EXPECT_EQ(program_->ExpectedVersion, "1");
  EXPECT_EQ(program_->FetchedVersion, "1");

  const SkinState skin = Skin();
  EXPECT_EQ(skin.attached, 1);
  EXPECT_EQ(skin.path, SkinFileFile());
  EXPECT_EQ(skin.hue, 120);
  EXPECT_EQ(skin.saturation, 90);
  EXPECT_EQ(skin.brightness, 40);

  EXPECT_EQ(program_->SpinnerGlyph, FIRST_SPINNER_GLYPH);
  EXPECT_NE(program_->SpinnerFontHandle, 0u);
  EXPECT_THAT(toolkit_->LiveFonts(), ElementsAre(program_->SpinnerFontHandle));
  EXPECT_EQ(toolkit_->GetFontFace(MAIN_WINDOW, SPINNER_LABEL), "Setup");
  // The face changes and nothing else of the label's font.
  const auto label = toolkit_->ControlState(MAIN_WINDOW, SPINNER_LABEL);
  ASSERT_TRUE(label.has_value());
  EXPECT_EQ(label->font.height, -16);
  EXPECT_EQ(label->font.weight, 400);
}

struct VersionCase {
  const char* name;
  std::string body;
  bool accepted;
};

class UpdateAnswerTest : public StartUpTest, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(UpdateAnswerTest, OnlyTheExactVersionUpToTheFirstNulPasses) {
  SetUpdateBody(GetParam().body);
  const bool started = Start();
  EXPECT_EQ(program_->FetchedVersion, GetParam().body.substr(0, GetParam().body.find('\0')));
  if (GetParam().accepted) {
    EXPECT_TRUE(started);
    EXPECT_THAT(toolkit_->MessageBoxes(), IsEmpty());
  } else {
    ExpectEndedByFailedCheck(started);  // the first box's default answer is Yes
    EXPECT_EQ(toolkit_->MessageBoxes().size(), 1u);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, UpdateAnswerTest,
    ::testing::Values(VersionCase{"Exact", "1", true},
                      VersionCase{"NulThenJunk", std::string("1\0junk\r\n", 8), true},
                      VersionCase{"LineBreak", "1\r\n", false},
                      VersionCase{"TrailingBlank", "1 ", false},
                      VersionCase{"LeadingBlank", " 1", false},
                      VersionCase{"OtherVersion", "2", false},
                      VersionCase{"Empty", "", false},
                      VersionCase{"NulFirst", std::string("\0" "1", 2), false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartUpTest, UnreachableUpdateServerEndsTheProgram) {
  MakeUpdateServerUnreachable();
  toolkit_->QueueMessageBoxAnswers({MB_RESULT_NO, MB_RESULT_NO, MB_RESULT_OK});
  const bool started = Start();
  EXPECT_EQ(program_->FetchedVersion, "");
  EXPECT_EQ(toolkit_->MessageBoxes().size(), 3u);
  EXPECT_FALSE(started);
  EXPECT_EQ(toolkit_->ExitCode(), 0);
  ASSERT_EQ(toolkit_->OpenedUrls().size(), 1u);
  EXPECT_EQ(toolkit_->OpenedUrls()[0], program_->addresses.updateBase);
}

struct AnswersCase {
  const char* name;
  std::vector<int> answers;
  std::vector<std::pair<Text, int>> boxes;  // text and style, in order
};

class FailedCheckTest : public StartUpTest, public ::testing::WithParamInterface<AnswersCase> {};

TEST_P(FailedCheckTest, BoxesUntilYesThenBrowserAndExit) {
  SetUpdateBody("0");
  for (int answer : GetParam().answers) toolkit_->QueueMessageBoxAnswers({answer});
  // A box beyond the expected ones would take this answer and show up in the records.
  toolkit_->SetDefaultMessageBoxAnswer(MB_RESULT_NO);
  const bool started = Start();

  std::vector<std::pair<Text, int>> shown;
  for (const MessageBoxRecord& box : toolkit_->MessageBoxes()) shown.emplace_back(box.text, box.style);
  EXPECT_EQ(shown, GetParam().boxes);
  ExpectEndedByFailedCheck(started);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, FailedCheckTest,
    ::testing::Values(
        AnswersCase{"Yes", {MB_RESULT_YES}, {{BOX_1, 36}}},
        AnswersCase{"NoYes", {MB_RESULT_NO, MB_RESULT_YES}, {{BOX_1, 36}, {BOX_2, 36}}},
        AnswersCase{"NoNoOk",
                    {MB_RESULT_NO, MB_RESULT_NO, MB_RESULT_OK},
                    {{BOX_1, 36}, {BOX_2, 36}, {BOX_3, 64}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartUpTest, SkinFilesAreReplacedAtEveryStart) {
  for (const std::string& path : {SkinLibraryFile(), SkinFileFile()}) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    WriteBytes(path, "an older copy that is not a skin at all");
  }
  ASSERT_TRUE(Start());
  EXPECT_EQ(ReadFile(SkinLibraryFile()), ResourceText("SkinLibraryImage"));
  EXPECT_EQ(ReadFile(SkinFileFile()), ResourceText("SkinFileImage"));
  EXPECT_EQ(Skin().path, SkinFileFile());
}

TEST_F(StartUpTest, SkinLibraryThatCannotBeWrittenOrFoundEndsBeforeAnyWindow) {
  // A plain file where the Windows folder should be: neither skin file can be written there.
  const std::filesystem::path windows = std::filesystem::path(SkinFileFile()).parent_path();
  std::filesystem::create_directories(windows.parent_path());
  WriteBytes(windows.string(), "not a folder");

  EXPECT_FALSE(Start());
  EXPECT_EQ(toolkit_->ExitCode(), 1);
  EXPECT_FALSE(toolkit_->IsWindowLoaded(MAIN_WINDOW));
  EXPECT_EQ(UpdateRequests(), 0u);
  const auto boxes = toolkit_->MessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_THAT(boxes[0].text, ::testing::HasSubstr("wurmix.dll"));
}

}  // namespace
}  // namespace cinevora::testing
