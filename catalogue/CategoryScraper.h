#pragma once
// One category run: fills MainWindow's movie list from the category's ten listing pages.

#include <cstdint>

#include "app/Program.h"
#include "catalogue/CategoryTable.h"

namespace cinevora {

// Runs on a worker thread started by CategoryClick; nothing waits for it. Clears the movie list,
// then for pages 1 to LISTING_PAGES in order fetches the page, cuts titles, dates and links and
// appends up to ROWS_PER_PAGE rows, each only when all three of its cells exist (a short or failed
// page gives fewer or none, and the run goes on). When titles and dates disagree, a page up to
// LAST_ABORTING_PAGE ends the run with "获取最新电影失败" (the loading indicator stays), a later
// page is skipped. After the last page it hides the indicator and shows "双击电影可以查看详情";
// it returns once that box is closed.
//
// `generation` is the value of program.CategoryGeneration that the click gave this run. As soon
// as a newer click has changed it, the run stops at its next step (before a fetch, before a
// page's rows) and leaves the list, the labels and the screen to the newer run. List writes happen
// under program.CategoryListMutex so that rows of two runs never mix.
void CategoryScraper(Program& program, const CategoryEntry& entry, std::uint64_t generation);

}  // namespace cinevora
