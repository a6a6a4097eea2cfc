#pragma once
// A program with the headless toolkit, the real HTTP service and the real skin library, a
// MainWindow with the movie list, the loading indicator and the five category buttons bound to
// CategoryClick, and a loopback site for the listing pages.

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

#include "ListingSite.h"
#include "app/Program.h"
#include "catalogue/CategoryTable.h"
#include "catalogue/MovieList.h"
#include "platform/drive/Drive.h"
#include "platform/inet/CurlInternetService.h"
#include "platform/skin/SkinLibrary.h"
#include "platform/skin/SkinTint.h"
#include "platform/toolkit/HeadlessToolkit.h"
#include "tests/skin/SkinTestSupport.h"

namespace cinevora::test {

using ListRow = std::array<Text, 3>;  // title, date, address

class CatalogueFixture : public ::testing::Test {
 protected:
  // Without `skinAvailable` the skin library cannot be loaded, as if "wurmix.dll" were missing.
  explicit CatalogueFixture(bool skinAvailable = true);
  ~CatalogueFixture() override;

  // The user clicks the category's button; false when it is not bound.
  bool Click(const CategoryEntry& entry);

  std::vector<ListRow> Rows();
  // The first rowsFromPage[p - 1] entries of each page p of the category, in page order.
  static std::vector<ListRow> ExpectedRows(const CategoryEntry& entry,
                                           const std::vector<int>& rowsFromPage);
  // Both labels of the loading indicator (a mismatch between them fails the test).
  bool IndicatorVisible();
  // The tint the skin library holds now.
  SkinTint Tint() const;

  skintest::ScratchFolder scratch;  // drive C; the skin library is copied in here
  std::string skinLibrary;
  ListingSite site;
  std::unique_ptr<InternetService> inet = MakeCurlInternetService();
  HeadlessToolkit toolkit{*inet};
  SkinLibrary skin;
  Drive drive{scratch.Path().string()};
  Program program;
};

}  // namespace cinevora::test
