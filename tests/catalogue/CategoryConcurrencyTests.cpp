// Category clicks while earlier runs are still going: the newest run owns the list. Free of Qt so
// that `make test-tsan` sees every frame.

#include <gtest/gtest.h>

#include <thread>

#include "CatalogueFixture.h"
#include "platform/codepage/Codepage.h"

namespace cinevora::test {
namespace {

using namespace std::chrono_literals;

TEST_F(CatalogueFixture, RapidClicksEndWithTheLastCategoryAlone) {
  for (const CategoryEntry& entry : CategoryTable()) site.Serve(entry);
  // Slow pages keep every run going for a while, so that later clicks land in the middle of
  // earlier runs: some still fetching, some appending rows.
  site.SetDelay(5ms);
  const auto& table = CategoryTable();
  const CategoryEntry* last = nullptr;
  for (int click = 0; click < 20; ++click) {
    last = &table[click % table.size()];
    ASSERT_TRUE(Click(*last));
    std::this_thread::sleep_for(std::chrono::milliseconds(click % 4));
  }
  ASSERT_TRUE(toolkit.WaitForThreads(60s));

  EXPECT_EQ(Rows(), ExpectedRows(*last, std::vector<int>(LISTING_PAGES, ROWS_PER_PAGE)));
  EXPECT_FALSE(IndicatorVisible());
  EXPECT_EQ(toolkit.GetListBackgroundColour(MAIN_WINDOW, MOVIE_LIST), last->listColour);
  // Superseded runs end quietly: only the newest one says it is done.
  const auto boxes = toolkit.MessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(AnsiToUtf8(boxes[0].text), "双击电影可以查看详情");
}

TEST_F(CatalogueFixture, SupersededRunStopsBeforeItsNextFetch) {
  const CategoryEntry& first = CategoryTable()[0];
  const CategoryEntry& second = CategoryTable()[1];
  site.Serve(first);
  site.Serve(second);
  site.Hold();  // the first run waits for its page 1
  ASSERT_TRUE(Click(first));
  while (site.Requests().empty()) std::this_thread::sleep_for(1ms);
  ASSERT_TRUE(Click(second));
  site.Release();
  ASSERT_TRUE(toolkit.WaitForThreads(30s));

  // The first run fetched its page 1 and nothing after it.
  const auto requests = site.Requests();
  EXPECT_EQ(std::count(requests.begin(), requests.end(), ListingPagePath(first, 1)), 1);
  for (int page = 2; page <= LISTING_PAGES; ++page)
    EXPECT_EQ(std::count(requests.begin(), requests.end(), ListingPagePath(first, page)), 0);
  EXPECT_EQ(Rows(), ExpectedRows(second, std::vector<int>(LISTING_PAGES, ROWS_PER_PAGE)));
  EXPECT_EQ(toolkit.MessageBoxes().size(), 1u);
}

}  // namespace
}  // namespace cinevora::test
