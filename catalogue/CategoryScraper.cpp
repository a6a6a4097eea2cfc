#include "catalogue/CategoryScraper.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include "catalogue/MovieList.h"
#include "platform/codepage/Codepage.h"
#include "text/ExtractBetweenAll.h"
#include "web/WebAccess.h"

namespace cinevora {

namespace {

class CategoryRun {
 public:
  CategoryRun(Program& program, const CategoryEntry& entry, std::uint64_t generation)
      : program_(program), toolkit_(program.toolkit), entry_(entry), generation_(generation) {}

  void Run() {
    if (!ClearList()) return;
    for (int page = 1; page <= LISTING_PAGES; ++page) {
      if (!Current()) return;
      ReadPage(page);
      if (titles_.size() != dates_.size()) {
        if (page <= LAST_ABORTING_PAGE) {
          // The indicator stays on: the list is incomplete.
          if (Current()) toolkit_.MessageBox(Gbk("获取最新电影失败"), MB_STYLE_OK);
          return;
        }
        continue;
      }
      if (!AppendRows()) return;
    }
    if (HideIndicator()) toolkit_.MessageBox(Gbk("双击电影可以查看详情"), MB_STYLE_OK);
  }

 private:
  bool Current() const { return program_.CategoryGeneration.load() == generation_; }

  bool ClearList() {
    std::lock_guard lock(program_.CategoryListMutex);
    if (!Current()) return false;
    toolkit_.ListDeleteAllRows(MAIN_WINDOW, MOVIE_LIST);
    return true;
  }

  // Replaces the page text and the three columns with those of listing page `page`. A failed
  // download leaves an empty page and so three empty columns.
  void ReadPage(int page) {
    page_ = WebAccess(program_.inet, ListingPageAddress(program_.addresses.siteBase, entry_, page));
    ExtractBetweenAll(page_, TitleMarkers().left, TitleMarkers().right, titles_);
    ExtractBetweenAll(page_, DateMarkers().left, DateMarkers().right, dates_);
    ExtractBetweenAll(page_, LinkMarkers().left, LinkMarkers().right, links_);
  }

  // Appends the page's first rows, as many as all three columns can fill, up to ROWS_PER_PAGE.
  // The page's rows go over in one toolkit call: on the screen every call from this worker waits
  // for the user-interface thread and repaints the list, and a call per cell made a run many
  // times slower than its downloads. The check and the rows happen under the list lock, so a
  // newer run's clearing comes before or after the page, never inside it. False when the run
  // was superseded.
  bool AppendRows() {
    const std::size_t count = std::min(
        {static_cast<std::size_t>(ROWS_PER_PAGE), titles_.size(), dates_.size(), links_.size()});
    std::vector<std::vector<Text>> rows;  // cells in column order: title, date, address
    rows.reserve(count);
    for (std::size_t i = 0; i < count; ++i) rows.push_back({titles_[i], dates_[i], links_[i]});
    std::lock_guard lock(program_.CategoryListMutex);
    if (!Current()) return false;
    if (!rows.empty()) toolkit_.ListAppendRows(MAIN_WINDOW, MOVIE_LIST, rows);
    return true;
  }

  // Hides the loading indicator unless a newer run owns it. A click does not take the list lock
  // (it runs on the user-interface thread, which the toolkit needs free to serve this worker), so
  // it can show the indicator between this run's check and its hiding; the second check puts the
  // indicator back for the newer run then. True when this run is still the newest.
  bool HideIndicator() {
    std::lock_guard lock(program_.CategoryListMutex);
    if (!Current()) return false;
    SetIndicatorVisible(false);
    if (Current()) return true;
    SetIndicatorVisible(true);
    return false;
  }

  void SetIndicatorVisible(bool visible) {
    toolkit_.SetVisible(MAIN_WINDOW, SPINNER_LABEL, visible);
    toolkit_.SetVisible(MAIN_WINDOW, STATUS_LABEL, visible);
  }

  Program& program_;
  Toolkit& toolkit_;
  const CategoryEntry& entry_;
  const std::uint64_t generation_;
  Text page_;
  std::vector<Text> titles_, dates_, links_;
};

}  // namespace

void CategoryScraper(Program& program, const CategoryEntry& entry, std::uint64_t generation) {
  CategoryRun(program, entry, generation).Run();
}

}  // namespace cinevora
