#include "CatalogueFixture.h"

#include <chrono>

#include "CatalogueWindow.h"

namespace cinevora::test {

using namespace std::chrono_literals;

CatalogueFixture::CatalogueFixture(bool skinAvailable)
    : skinLibrary(skinAvailable ? skintest::InstallSkinLibrary(scratch, CINEVORA_SKIN_LIBRARY_FILE)
                                : std::string()),
      skin(toolkit, {scratch.Path().string()}),
      program{.toolkit = toolkit,
              .inet = *inet,
              .skin = skin,
              .drive = drive,
              .addresses = site.Addresses()} {
  toolkit.LoadWindow(CatalogueWindow(program));
}

CatalogueFixture::~CatalogueFixture() {
  // A run still going would outlive the program it writes to.
  site.Release();
  EXPECT_TRUE(toolkit.WaitForThreads(30s));
}

bool CatalogueFixture::Click(const CategoryEntry& entry) {
  return toolkit.Click(MAIN_WINDOW, entry.button);
}

std::vector<ListRow> CatalogueFixture::Rows() {
  std::vector<ListRow> rows;
  const int count = toolkit.ListRowCount(MAIN_WINDOW, MOVIE_LIST);
  for (int row = 0; row < count; ++row) {
    ListRow cells;
    for (int column = TITLE_COLUMN; column <= ADDRESS_COLUMN; ++column)
      cells[column] = toolkit.ListGetCell(MAIN_WINDOW, MOVIE_LIST, row, column);
    rows.push_back(cells);
  }
  return rows;
}

std::vector<ListRow> CatalogueFixture::ExpectedRows(const CategoryEntry& entry,
                                                    const std::vector<int>& rowsFromPage) {
  const Text tag = CategoryTag(entry);
  std::vector<ListRow> rows;
  for (std::size_t p = 0; p < rowsFromPage.size(); ++p) {
    const int page = static_cast<int>(p) + 1;
    for (int i = 0; i < rowsFromPage[p]; ++i)
      rows.push_back({EntryTitle(tag, page, i), EntryDate(page, i), EntryLink(tag, page, i)});
  }
  return rows;
}

bool CatalogueFixture::IndicatorVisible() {
  const bool spinner = toolkit.IsVisible(MAIN_WINDOW, SPINNER_LABEL);
  EXPECT_EQ(spinner, toolkit.IsVisible(MAIN_WINDOW, STATUS_LABEL)) << "the two labels disagree";
  return spinner;
}

SkinTint CatalogueFixture::Tint() const {
  const skintest::SkinState state = skintest::ReadSkinState(skinLibrary);
  return {state.hue, state.saturation, state.brightness};
}

}  // namespace cinevora::test
