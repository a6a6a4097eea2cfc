// MainWindow and PlayerWindow on the headless toolkit: their controls, the bindings of their
// buttons and the lifecycle of the two windows.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "AppFixture.h"
#include "app/PlayerWindow.h"
#include "catalogue/CategoryTable.h"
#include "catalogue/MovieList.h"
#include "details/DetailsWindow.h"
#include "platform/codepage/Codepage.h"

namespace cinevora::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr std::string_view PLAYER_BUTTON = "超级按钮_免费云播";

class WindowTest : public AppFixture {
 protected:
  void SetUp() override { ASSERT_TRUE(Start()); }

  ControlDefinition State(std::string_view window, std::string_view control) {
    auto state = toolkit_->ControlState(window, control);
    if (!state) ADD_FAILURE() << "no control " << control << " in " << window;
    return state.value_or(ControlDefinition{});
  }
};

TEST_F(WindowTest, MainWindowStartsIdle) {
  EXPECT_EQ(toolkit_->GetWindowTitle(MAIN_WINDOW), "Cinevora v7.0");
  EXPECT_EQ(toolkit_->ListRowCount(MAIN_WINDOW, MOVIE_LIST), 0);
  EXPECT_EQ(toolkit_->GetListTextColour(MAIN_WINDOW, MOVIE_LIST), kBlack);
  EXPECT_EQ(toolkit_->GetListBackgroundColour(MAIN_WINDOW, MOVIE_LIST), kWhite);
  EXPECT_FALSE(toolkit_->IsVisible(MAIN_WINDOW, SPINNER_LABEL));
  EXPECT_FALSE(toolkit_->IsVisible(MAIN_WINDOW, STATUS_LABEL));
  EXPECT_EQ(toolkit_->GetCaption(MAIN_WINDOW, STATUS_LABEL), Gbk("正在获取电影信息"));

  const ControlDefinition list = State(MAIN_WINDOW, MOVIE_LIST);
  ASSERT_EQ(list.columns.size(), 3u);
  EXPECT_EQ(list.columns[0].heading, Gbk("标题"));
  EXPECT_EQ(list.columns[0].width, 300);
  EXPECT_EQ(list.columns[1].heading, Gbk("日期"));
  EXPECT_EQ(list.columns[1].width, 100);
  EXPECT_EQ(list.columns[2].heading, Gbk("地址"));
  EXPECT_EQ(list.columns[2].width, 0);
  EXPECT_FALSE(list.headerVisible);
  // The pictures are the embedded ones.
  EXPECT_FALSE(toolkit_->GetPicture(MAIN_WINDOW, "图片框1").empty());
  EXPECT_FALSE(toolkit_->GetPicture(MAIN_WINDOW, "图片框2").empty());
  EXPECT_FALSE(toolkit_->GetPicture(MAIN_WINDOW, "图片框3").empty());
}

TEST_F(WindowTest, CategoryButtonsWearTheirCategorysCaptionAndListColour) {
  for (const CategoryEntry& entry : CategoryTable()) {
    const ControlDefinition button = State(MAIN_WINDOW, entry.button);
    EXPECT_EQ(button.kind, ControlKind::Button) << entry.button;
    EXPECT_EQ(button.caption, entry.caption) << entry.button;
    EXPECT_EQ(button.buttonColours.outside, entry.listColour) << entry.button;
  }
}

TEST_F(WindowTest, CategoryClickRecoloursTheList) {
  const CategoryEntry& entry = CategoryTable().back();
  ASSERT_TRUE(toolkit_->Click(MAIN_WINDOW, entry.button));
  EXPECT_EQ(toolkit_->GetListBackgroundColour(MAIN_WINDOW, MOVIE_LIST), entry.listColour);
  ASSERT_TRUE(toolkit_->WaitForThreads(std::chrono::seconds(30)));
}

TEST_F(WindowTest, DoubleClickOnASelectedMovieOpensItsDetails) {
  ASSERT_TRUE(toolkit_->DoubleClick(MAIN_WINDOW, MOVIE_LIST));
  EXPECT_FALSE(toolkit_->IsWindowLoaded(DETAILS_WINDOW)) << "no row is selected yet";

  const int row = toolkit_->ListAppendRow(MAIN_WINDOW, MOVIE_LIST);
  toolkit_->ListSetCell(MAIN_WINDOW, MOVIE_LIST, row, TITLE_COLUMN, "Nosferatu");
  toolkit_->ListSetCell(MAIN_WINDOW, MOVIE_LIST, row, ADDRESS_COLUMN, server_.Url("/movie.htm"));
  toolkit_->SelectRow(MAIN_WINDOW, MOVIE_LIST, row);
  ASSERT_TRUE(toolkit_->DoubleClick(MAIN_WINDOW, MOVIE_LIST));
  EXPECT_TRUE(toolkit_->IsWindowLoaded(DETAILS_WINDOW));
}

TEST_F(WindowTest, PlayerButtonOpensOnePlayerWindowAndRaisesItAfterwards) {
  ASSERT_TRUE(toolkit_->Click(MAIN_WINDOW, PLAYER_BUTTON));
  ASSERT_TRUE(toolkit_->IsWindowLoaded(PLAYER_WINDOW));
  EXPECT_EQ(toolkit_->GetWindowTitle(PLAYER_WINDOW), "Cinevora\xA1\xAA" + Gbk("免费在线云播放器"));
  EXPECT_EQ(toolkit_->RaiseCount(PLAYER_WINDOW), 0);

  toolkit_->SetEditText(PLAYER_WINDOW, LINK_BOX, "typed by the user");
  ASSERT_TRUE(toolkit_->Click(MAIN_WINDOW, PLAYER_BUTTON));
  EXPECT_EQ(toolkit_->RaiseCount(PLAYER_WINDOW), 1);
  EXPECT_EQ(toolkit_->GetEditText(PLAYER_WINDOW, LINK_BOX), "typed by the user");
}

TEST_F(WindowTest, PlayOnlyAsksForACorrectLinkWhateverTheBoxHolds) {
  ASSERT_TRUE(toolkit_->Click(MAIN_WINDOW, PLAYER_BUTTON));
  const Text initial = Gbk("请在此输入视频链接（thunder、ftp、http、ed2k、magnet、xplan、bt）");
  ASSERT_EQ(toolkit_->GetEditText(PLAYER_WINDOW, LINK_BOX), initial);
  const std::size_t requestsBefore = server_.Requests().Count();

  for (const Text& content :
       {initial, Text(), Text("magnet:?xt=urn:btih:0123456789abcdef0123456789abcdef01234567"),
        Text("thunder://QUFodHRwOi8vMTI3LjAuMC4xL2EubXA0Wlo=")}) {
    toolkit_->SetEditText(PLAYER_WINDOW, LINK_BOX, content);
    const std::size_t boxesBefore = toolkit_->MessageBoxes().size();
    ASSERT_TRUE(toolkit_->Click(PLAYER_WINDOW, PLAY_BUTTON));
    const auto boxes = toolkit_->MessageBoxes();
    ASSERT_EQ(boxes.size(), boxesBefore + 1);
    EXPECT_EQ(boxes.back().text, Gbk("请输入正确的视频链接"));
    EXPECT_EQ(boxes.back().style, MB_STYLE_OK);
    EXPECT_EQ(toolkit_->GetEditText(PLAYER_WINDOW, LINK_BOX), content);
  }
  EXPECT_EQ(server_.Requests().Count(), requestsBefore);
  EXPECT_THAT(toolkit_->OpenedUrls(), IsEmpty());
}

TEST_F(WindowTest, ClosingMainWindowFirstReleasesTheFontAndTheProgramGoesOn) {
  ASSERT_TRUE(toolkit_->Click(MAIN_WINDOW, PLAYER_BUTTON));
  const FontHandle font = program_->SpinnerFontHandle;

  ASSERT_TRUE(toolkit_->CloseWindow(MAIN_WINDOW));
  EXPECT_THAT(toolkit_->RemovedFonts(), ElementsAre(font));
  EXPECT_THAT(toolkit_->LiveFonts(), IsEmpty());
  EXPECT_FALSE(toolkit_->MessageLoopResult().has_value());
  EXPECT_TRUE(toolkit_->IsWindowLoaded(PLAYER_WINDOW));

  ASSERT_TRUE(toolkit_->CloseWindow(PLAYER_WINDOW));
  EXPECT_EQ(toolkit_->MessageLoopResult(), 0);
  EXPECT_FALSE(toolkit_->ExitCode().has_value());
}

TEST_F(WindowTest, ClosingPlayerWindowAloneKeepsMainWindow) {
  ASSERT_TRUE(toolkit_->Click(MAIN_WINDOW, PLAYER_BUTTON));
  ASSERT_TRUE(toolkit_->CloseWindow(PLAYER_WINDOW));
  EXPECT_FALSE(toolkit_->MessageLoopResult().has_value());
  EXPECT_THAT(toolkit_->RemovedFonts(), IsEmpty());

  ASSERT_TRUE(toolkit_->CloseWindow(MAIN_WINDOW));
  EXPECT_EQ(toolkit_->MessageLoopResult(), 0);
  EXPECT_THAT(toolkit_->RemovedFonts(), ElementsAre(program_->SpinnerFontHandle));
}

}  // namespace
}  // namespace cinevora::testing
