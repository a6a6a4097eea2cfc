// The category click and the listing run against the headless toolkit and a loopback site.

#include <gtest/gtest.h>

#include <thread>

#include "CatalogueFixture.h"
#include "platform/codepage/Codepage.h"

namespace cinevora::test {
namespace {

using namespace std::chrono_literals;

const CategoryEntry& Category3D() { return CategoryTable()[4]; }
const CategoryEntry& CategoryBD() { return CategoryTable()[1]; }

TEST(CategoryTableTest, MarkersAreByteExact) {
  EXPECT_EQ(TitleMarkers().left.size(), 11u);
  EXPECT_EQ(TitleMarkers().right.size(), 38u);
  EXPECT_EQ(DateMarkers().left.size(), 103u);
  EXPECT_EQ(DateMarkers().right.size(), 115u);
  EXPECT_EQ(LinkMarkers().left.size(), 105u);
  EXPECT_EQ(LinkMarkers().right.size(), 28u);
  EXPECT_EQ(DateMarkers().left.substr(0, 27), Text(26, ' ') + "<");
  EXPECT_EQ(LinkMarkers().left.substr(0, 24), Text(23, ' ') + "<");
}

TEST(CategoryTableTest, ListingPageAddresses) {
  const CategoryEntry& c = Category3D();
  EXPECT_EQ(ListingPageAddress("http://h", c, 1), "http://h/3d/");
  EXPECT_EQ(ListingPageAddress("http://h", c, 2), "http://h/3d/index_2.htm");
  EXPECT_EQ(ListingPageAddress("http://h", c, 10), "http://h/3d/index_10.htm");
  // The folders are the site's own spelling, whatever the captions say.
  EXPECT_EQ(CategoryTable()[2].path, "/1080p/");
  EXPECT_EQ(CategoryTable()[2].caption, Gbk("1018P"));
  EXPECT_EQ(CategoryTable()[3].path, "/720P/");
}

TEST_F(CatalogueFixture, ClickPaintsListShowsIndicatorTintsAndReturnsAtOnce) {
  site.Serve(Category3D());
  site.Hold();  // the run stays on page 1 while the click's effects are looked at
  ASSERT_TRUE(Click(Category3D()));

  EXPECT_EQ(toolkit.GetListBackgroundColour(MAIN_WINDOW, MOVIE_LIST), Rgb(0, 163, 0));
  EXPECT_EQ(toolkit.GetListTextBackgroundColour(MAIN_WINDOW, MOVIE_LIST), Rgb(0, 163, 0));
  EXPECT_EQ(toolkit.GetListTextColour(MAIN_WINDOW, MOVIE_LIST), kWhite);
  EXPECT_TRUE(IndicatorVisible());
  EXPECT_EQ(Tint(), (SkinTint{-80, 0, 0}));
  EXPECT_EQ(toolkit.ThreadsStarted(), 1);

  site.Release();
  ASSERT_TRUE(toolkit.WaitForThreads(10s));
  EXPECT_FALSE(IndicatorVisible());
}

// One run over a page set: which rows each page gives (its first entries), how far the run
// fetches, and how it ends.
struct RunCase {
  const char* name;
  PageSet pages;
  std::vector<int> rowsFromPage;  // per page, from page 1; pages not named give none
  int lastFetchedPage;
  bool completes;  // true: final message, indicator hidden; false: failure message, indicator on
};

// Ten rows from each of the first `pages` pages.
std::vector<int> Tens(int pages) { return std::vector<int>(pages, 10); }
// Ten rows from every page but those named (page, rows).
std::vector<int> TensExcept(std::initializer_list<std::pair<int, int>> pages) {
  std::vector<int> counts = Tens(10);
  for (const auto& [page, rows] : pages) counts[page - 1] = rows;
  return counts;
}

const RunCase kRunCases[] = {
    {"TenConsistentPages", {}, Tens(10), 10, true},
    {"PageOf25GivesItsFirst10", {{1, {25, 25, 25}}}, Tens(10), 10, true},
    {"Page2MismatchEndsTheRun", {{2, {20, 19, 20}}}, Tens(1), 2, false},
    {"Page3MismatchEndsTheRun", {{3, {12, 13, 12}}}, Tens(2), 3, false},
    {"Page4MismatchIsSkipped", {{4, {12, 11, 12}}}, TensExcept({{4, 0}}), 10, true},
    {"Page5MismatchIsSkipped", {{5, {12, 11, 12}}}, TensExcept({{5, 0}}), 10, true},
    {"Page10MismatchIsSkipped", {{10, {11, 12, 12}}}, TensExcept({{10, 0}}), 10, true},
    {"ShortLinksListIsNotCompared", {{3, {15, 15, 10}}}, Tens(10), 10, true},
    {"EmptyAltTextOnPage1EndsTheRun", {{1, {.emptyTitleAt = 4}}}, {}, 1, false},
    {"EmptyAltTextOnPage6SkipsIt", {{6, {.emptyTitleAt = 0}}}, TensExcept({{6, 0}}), 10, true},
    {"ShortPageGivesWhatAllColumnsHold", {{3, {4, 4, 4}}, {7, {12, 12, 6}}},
     TensExcept({{3, 4}, {7, 6}}), 10, true},
    {"FailedPagesGiveNothingAndTheRunGoesOn", {{1, {.failed = true}}, {8, {.failed = true}}},
     TensExcept({{1, 0}, {8, 0}}), 10, true},
};

class CategoryRunTest : public CatalogueFixture, public ::testing::WithParamInterface<RunCase> {};

TEST_P(CategoryRunTest, RowsRequestsAndEnding) {
  const RunCase& c = GetParam();
  const CategoryEntry& category = Category3D();
  site.Serve(category, c.pages);
  ASSERT_TRUE(Click(category));
  ASSERT_TRUE(toolkit.WaitForThreads(20s));

  std::vector<Text> expectedRequests;
  for (int page = 1; page <= c.lastFetchedPage; ++page)
    expectedRequests.push_back(ListingPagePath(category, page));
  EXPECT_EQ(site.Requests(), expectedRequests);

  EXPECT_EQ(Rows(), ExpectedRows(category, c.rowsFromPage));
  EXPECT_EQ(IndicatorVisible(), !c.completes);

  const auto boxes = toolkit.MessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(AnsiToUtf8(boxes[0].text), c.completes ? "双击电影可以查看详情" : "获取最新电影失败");
  EXPECT_EQ(boxes[0].style, MB_STYLE_OK);
  // Shown by the worker, so MainWindow stays usable while it is open.
  EXPECT_NE(boxes[0].thread, std::this_thread::get_id());
}

INSTANTIATE_TEST_SUITE_P(PageSets, CategoryRunTest, ::testing::ValuesIn(kRunCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CatalogueFixture, NextRunStartsWithAnEmptyList) {
  site.Serve(Category3D());
  site.Serve(CategoryBD(), {{1, {3, 3, 3}}});
  ASSERT_TRUE(Click(Category3D()));
  ASSERT_TRUE(toolkit.WaitForThreads(20s));
  ASSERT_EQ(Rows().size(), 100u);

  ASSERT_TRUE(Click(CategoryBD()));
  ASSERT_TRUE(toolkit.WaitForThreads(20s));
  EXPECT_EQ(Rows(), ExpectedRows(CategoryBD(), TensExcept({{1, 3}})));
  EXPECT_EQ(toolkit.GetListBackgroundColour(MAIN_WINDOW, MOVIE_LIST), Rgb(12, 100, 233));
}

class MissingSkinTest : public CatalogueFixture {
 protected:
  MissingSkinTest() : CatalogueFixture(false) {}
};

TEST_F(MissingSkinTest, ClickStartsNoRunOnceTheSkinLibraryHasEndedTheProgram) {
  site.Serve(Category3D());
  ASSERT_TRUE(Click(Category3D()));
  EXPECT_EQ(toolkit.ExitCode(), 1);
  EXPECT_EQ(toolkit.ThreadsStarted(), 0);
  EXPECT_TRUE(site.Requests().empty());
}

}  // namespace
}  // namespace cinevora::test
