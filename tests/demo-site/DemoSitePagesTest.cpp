// Every page of the demo site, cut the way the program cuts it: the category table and listing
// markers of the category scraper, the poster and description cuts of the details reader with
// its markup stripping, and the download section with its fallbacks.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "DemoSite.h"
#include "DownloadLinks.h"
#include "SiteClient.h"
#include "catalogue/CategoryTable.h"
#include "details/BlankLineRemover.h"
#include "details/DescriptionMarkup.h"
#include "platform/codepage/Codepage.h"
#include "text/AnsiText.h"
#include "text/ExtractBetweenAll.h"
#include "web/TextBetween.h"

namespace cinevora::demo {
namespace {

using testing::Fetched;
using testing::PathOn;
using testing::SiteClient;

class DemoSitePages : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    DemoSiteOptions options;
    options.port = 0;
    options.addresses = {};  // every base: this site on its ephemeral port
    site_ = new DemoSite(options);
    ASSERT_TRUE(site_->Start()) << site_->error();
    client_ = new SiteClient(site_->port());
  }
  static void TearDownTestSuite() {
    delete client_;
    client_ = nullptr;
    delete site_;
    site_ = nullptr;
  }
  void SetUp() override { ASSERT_NE(client_, nullptr) << "the site did not start"; }
  static Fetched Get(const std::string& path) { return client_->Get(path); }

  static DemoSite* site_;
  static SiteClient* client_;
};
DemoSite* DemoSitePages::site_ = nullptr;
SiteClient* DemoSitePages::client_ = nullptr;

TEST_F(DemoSitePages, EveryListingPageCutsIntoEqualColumnsOfServedMoviePages) {
  const SiteAddresses& bases = site_->addresses();
  std::set<std::string> moviePaths;
  std::set<std::string> pictureAddresses;
  const auto categories = Categories();
  ASSERT_EQ(categories.size(), CategoryTable().size());
  for (int c = 0; c < static_cast<int>(categories.size()); ++c) {
    const Category& category = categories[static_cast<std::size_t>(c)];
    const CategoryEntry& programCategory = CategoryTable()[static_cast<std::size_t>(c)];
    ASSERT_EQ(category.path, programCategory.path);
    for (int page = 1; page <= LISTING_PAGES; ++page) {
      const std::string path =
          PathOn(bases.siteBase, ListingPageAddress(bases.siteBase, programCategory, page));
      SCOPED_TRACE(path);
      const Fetched f = Get(path);
      ASSERT_EQ(f.status, 200);
      EXPECT_EQ(f.utf8, category.utf8);
      if (category.utf8) {
        EXPECT_LT(f.body.find("charset=utf-8\""), 499u) << "meta tag not in the head";
      }

      std::vector<Text> titles, dates, links;
      ExtractBetweenAll(f.text, TitleMarkers().left, TitleMarkers().right, titles);
      ExtractBetweenAll(f.text, DateMarkers().left, DateMarkers().right, dates);
      ExtractBetweenAll(f.text, LinkMarkers().left, LinkMarkers().right, links);
      const auto entries = site_->catalogue().ListingEntries(c, page);
      ASSERT_GE(entries.size(), 20u);
      ASSERT_LE(entries.size(), 25u);
      ASSERT_EQ(titles.size(), entries.size());
      ASSERT_EQ(dates.size(), entries.size());
      ASSERT_EQ(links.size(), entries.size());
      for (std::size_t i = 0; i < entries.size(); ++i) {
        // The title survives the trip to GBK whole: no "?" for a character GBK lacks.
        EXPECT_EQ(titles[i], Gbk(entries[i].title));
        EXPECT_EQ(titles[i].find('?'), Text::npos) << AnsiToUtf8(titles[i]);
        EXPECT_EQ(dates[i], entries[i].date);
        EXPECT_EQ(links[i], bases.siteBase + entries[i].pagePath);
        EXPECT_EQ(links[i].find(bases.siteBase + "/html/"), 0u) << links[i];
        moviePaths.insert(PathOn(bases.siteBase, links[i]));
      }
      std::vector<Text> thumbs;
      ExtractBetweenAll(f.text, LinkMarkers().right, TitleMarkers().left, thumbs);
      pictureAddresses.insert(thumbs.begin(), thumbs.end());
    }
  }
  EXPECT_EQ(moviePaths.size(), site_->catalogue().entries().size()) << "a link repeats";
  for (const std::string& path : moviePaths) {
    const Fetched f = Get(path);
    ASSERT_EQ(f.status, 200) << path;
    EXPECT_TRUE(ContainsText(f.text, Gbk("【下载地址】"))) << path;
  }
  for (const std::string& address : pictureAddresses) {
    const Fetched f = Get(PathOn(bases.pictureBase, address + ".jpg"));
    EXPECT_EQ(f.status, 200) << address;
    EXPECT_EQ(f.body.substr(0, 3), "\xFF\xD8\xFF") << address;
  }
}

// What DetailsReader and DownloadLinkExtractor cut out of each movie page, for every entry.
TEST_F(DemoSitePages, EveryMoviePageGivesTheDetailsReaderItsPosterDescriptionAndLinks) {
  const SiteAddresses& bases = site_->addresses();
  const Text downloadPageAnchor = Gbk(".htm\">点击进入下载地址</a></td>\r");
  std::map<std::string, int> posterStatus;  // each poster address fetched once
  for (const Entry& entry : site_->catalogue().entries()) {
    SCOPED_TRACE(entry.pagePath);
    const Fetched f = Get(entry.pagePath);
    ASSERT_EQ(f.status, 200);
    ASSERT_EQ(f.utf8, entry.kind == EntryKind::Utf8Page);
    const Text& page = f.text;

    const Text poster = TextBetween(page, "</script></div><p><img alt=\"\" src=\"", "\" /></p>\r");
    ASSERT_FALSE(poster.empty());
    if (!posterStatus.contains(poster)) {
      const Fetched picture = Get(PathOn(bases.pictureBase, poster));
      posterStatus[poster] = picture.status;
      if (picture.status == 200) EXPECT_EQ(picture.body.substr(0, 3), "\xFF\xD8\xFF");
      else EXPECT_EQ(picture.body, "") << "a missing poster must read as no picture";
    }
    EXPECT_EQ(posterStatus[poster], entry.kind == EntryKind::MissingPoster ? 404 : 200);

    // The description runs from the poster's address to the screenshot: it holds the film's
    // own text, and none of the download section.
    const Text description = TextBetween(page, "<p><img alt=\"\" src=\"", ".jpg\" /></p>\r");
    EXPECT_EQ(description.find(poster), 0u);
    EXPECT_TRUE(ContainsText(description, Gbk(entry.film->tagline)));
    EXPECT_TRUE(ContainsText(description, Gbk("影片截图")));
    EXPECT_FALSE(ContainsText(description, Gbk("【下载地址】")));
    // What the window finally shows reads as plain text: below the poster's address line no
    // tag, entity or quote is left over.
    Text stripped = StripDescriptionMarkup(description, bases);
    const Text shown = BlankLineRemover(stripped, false);
    const std::size_t firstLineEnd = shown.find("\r\n");
    ASSERT_NE(firstLineEnd, Text::npos);
    const Text below = shown.substr(firstLineEnd);
    EXPECT_TRUE(ContainsText(below, Gbk(entry.film->tagline)));
    EXPECT_EQ(below.find_first_of("<>&\""), Text::npos) << AnsiToUtf8(below);

    std::vector<Text> links;
    ExtractBetweenAll(TextBetween(page, Gbk("【下载地址】"), Gbk("下载帮助")), "<a href=\"", "\">", links);
    EXPECT_EQ(links, DownloadLinks(entry));
    const bool hasThunder = ContainsText(page, "thunder://");
    const bool hasShare = ContainsText(page, Gbk("迅雷快传"));
    const bool hasDownloadPage = ContainsText(page, downloadPageAnchor);
    switch (entry.kind) {
      case EntryKind::Links:
      case EntryKind::MissingPoster:
      case EntryKind::Utf8Page:
        EXPECT_GE(links.size(), 1u);
        EXPECT_LE(links.size(), 4u);
        break;
      case EntryKind::DownloadPage: {
        ASSERT_TRUE(hasDownloadPage);
        EXPECT_FALSE(hasThunder);
        const Text address = TextBetween(page, "<a target=\"_blank\" href=\"",
                                         Gbk("\">点击进入下载地址</a></td>"));
        ASSERT_EQ(address, bases.siteBase + DownloadPagePath(entry));
        const Fetched download = Get(PathOn(bases.siteBase, address));
        ASSERT_EQ(download.status, 200);
        EXPECT_EQ("thunder://" + TextBetween(download.text, "thunder://", "\">"), ThunderLink(entry));
        break;
      }
      case EntryKind::Kuaichuan: {
        EXPECT_FALSE(hasThunder);
        EXPECT_FALSE(hasDownloadPage);
        ASSERT_TRUE(hasShare);
        const Text address = TextBetween(page, "<a target=\"_blank\" href=\"",
                                         Gbk("\">迅雷快传</a></td>\r"));
        ASSERT_EQ(address, bases.siteBase + KuaichuanPath(entry));
        EXPECT_EQ(Get(PathOn(bases.siteBase, address)).status, 200);
        break;
      }
      case EntryKind::NothingFound:
        EXPECT_TRUE(links.empty());
        EXPECT_FALSE(hasThunder || hasShare || hasDownloadPage);
        break;
    }
  }
}

// The program takes the first ten entries of a page: every kind of movie page is among them.
TEST_F(DemoSitePages, EveryKindIsAmongTheFirstTenEntriesOfEachCategory) {
  for (int c = 0; c < static_cast<int>(Categories().size()); ++c) {
    std::set<EntryKind> kinds;
    for (const Entry& entry : site_->catalogue().ListingEntries(c, 1).first(10)) kinds.insert(entry.kind);
    EXPECT_EQ(kinds.size(), 6u) << Categories()[static_cast<std::size_t>(c)].path;
  }
}

TEST_F(DemoSitePages, PromoHomeAndUnknownPages) {
  EXPECT_EQ(Get(PathOn(site_->addresses().siteBase, site_->addresses().promoLinkUrl)).status, 200);
  EXPECT_EQ(Get("/").status, 200);
  for (const char* path : {"/nothing", "/ys/index_1.htm", "/ys/index_11.htm", "/down/10100.htm",
                           "/tupian/thumb-11.jpg", "/html/ys/1.html"}) {
    const Fetched f = Get(path);
    EXPECT_EQ(f.status, 404) << path;
    EXPECT_EQ(f.body, "") << path;
  }
}

}  // namespace
}  // namespace cinevora::demo
