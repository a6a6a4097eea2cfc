// The details window on the headless toolkit against a loopback movie site: the double-click,
// the download links and their fallback, and the description the reader shows.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "DetailsProgram.h"
#include "MoviePages.h"
#include "MovieSite.h"
#include "catalogue/MovieList.h"
#include "details/BlankLineRemover.h"
#include "details/DetailsWindow.h"
#include "platform/codepage/Codepage.h"
#include "platform/com/Apartment.h"
#include "platform/inet/CurlInternetService.h"
#include "platform/toolkit/HeadlessToolkit.h"
#include "resources/Resources.h"

namespace cinevora::test {
namespace {

const std::string POSTER = "GIF89a made-up poster bytes";
const Text NOT_FOUND = Gbk("没有找到下载资源地址");
const Text THUNDER_LINE = Gbk("下载地址： thunder://");

Bytes DefaultPosterBytes() {
  const auto poster = ResourceBytes("DefaultPoster");
  return Bytes(poster.begin(), poster.end());
}

class DetailsTest : public ::testing::Test {
 protected:
  DetailsTest() {
    site.Put("/poster.jpeg", POSTER);
    toolkit.LoadWindow(MovieListWindow(program));
  }

  // Puts `page` at `path`, adds the movie to the list, selects it and double-clicks it.
  void Open(const std::string& path, const Text& page, const Text& title = "Film") {
    site.Put(path, page);
    Open(AddMovie(toolkit, title, site.Url(path)));
  }
  void Open(int row) {
    toolkit.SelectRow(MAIN_WINDOW, MOVIE_LIST, row);
    ASSERT_TRUE(toolkit.DoubleClick(MAIN_WINDOW, MOVIE_LIST));
  }
  Text Links() { return toolkit.GetEditText(DETAILS_WINDOW, DOWNLOAD_LINK_BOX); }
  Text Description() { return toolkit.GetEditText(DETAILS_WINDOW, DESCRIPTION_BOX); }
  Bytes Poster() { return toolkit.GetPicture(DETAILS_WINDOW, POSTER_BOX); }

  MovieSite site;
  std::unique_ptr<InternetService> inet = MakeCurlInternetService();
  HeadlessToolkit toolkit{*inet};
  DetailsProgram parts{toolkit, *inet, site};
  Program& program = parts.program;
};

TEST_F(DetailsTest, DoubleClickWithoutSelectionDoesNothing) {
  AddMovie(toolkit, "Film", site.Url("/movie/1.htm"));
  ASSERT_TRUE(toolkit.DoubleClick(MAIN_WINDOW, MOVIE_LIST));
  EXPECT_FALSE(toolkit.IsWindowLoaded(DETAILS_WINDOW));
  EXPECT_TRUE(site.RequestedPaths().empty());
}

TEST_F(DetailsTest, WindowLayout) {
  Open("/movie/1.htm", MoviePage("text", site.Url("/poster.jpeg")));
  const WindowDefinition definition = DetailsWindowDefinition(program);
  EXPECT_EQ(definition.title, "");
  EXPECT_EQ(std::tuple(definition.left, definition.top, definition.outerWidth, definition.outerHeight),
            std::tuple(50, 50, 781, 555));

  const auto poster = toolkit.ControlState(DETAILS_WINDOW, POSTER_BOX);
  ASSERT_TRUE(poster);
  EXPECT_EQ(poster->kind, ControlKind::PictureBox);
  EXPECT_EQ(std::tuple(poster->left, poster->top, poster->width, poster->height),
            std::tuple(0, 0, 262, 400));
  EXPECT_EQ(poster->border, Border::Single);
  EXPECT_EQ(poster->pictureFit, PictureFit::Stretch);

  struct Box {
    std::string_view name;
    int left, top, width, height;
    Border border;
  };
  for (const Box& expected : {Box{DESCRIPTION_BOX, 262, 0, 512, 400, Border::ShallowSunken},
                              Box{DOWNLOAD_LINK_BOX, 2, 403, 768, 124, Border::Single}}) {
    SCOPED_TRACE(std::string(expected.name));
    const auto box = toolkit.ControlState(DETAILS_WINDOW, expected.name);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->kind, ControlKind::EditBox);
    EXPECT_EQ(std::tuple(box->left, box->top, box->width, box->height),
              std::tuple(expected.left, expected.top, expected.width, expected.height));
    EXPECT_EQ(box->border, expected.border);
    EXPECT_TRUE(box->multiLine && box->readOnly && box->verticalScrollBar);
    EXPECT_EQ(box->font.face, Gbk("微软雅黑"));
    EXPECT_EQ(std::tuple(box->font.height, box->font.weight, box->font.gb2312),
              std::tuple(-12, 400, true));
    EXPECT_EQ(std::pair(box->textColour, box->backgroundColour), std::pair(kBlack, kWhite));
  }
}

TEST_F(DetailsTest, SecondDoubleClickRaisesTheWindowStillShowingTheFirstMovie) {
  site.Put("/movie/2.htm", MoviePage("second", site.Url("/poster.jpeg")));
  Open("/movie/1.htm", MoviePage("first", site.Url("/poster.jpeg")), "First");
  const int second = AddMovie(toolkit, "Second", site.Url("/movie/2.htm"));
  const std::size_t requests = site.RequestedPaths().size();

  Open(second);
  EXPECT_EQ(toolkit.RaiseCount(DETAILS_WINDOW), 1);
  EXPECT_EQ(toolkit.GetWindowTitle(DETAILS_WINDOW), "First");
  EXPECT_EQ(Description(), "first");
  EXPECT_EQ(site.RequestedPaths().size(), requests);
}

TEST_F(DetailsTest, SectionLinksAreNumberedFromOneInEveryWindow) {
  Open("/movie/1.htm",
       MoviePage("text", site.Url("/poster.jpeg"), DownloadSection({"ed2k://a", "magnet:?b"})));
  // "下载地址" 1 "： " link CR LF, with the full-width colon A3 BA and a blank.
  const Text label = "\xCF\xC2\xD4\xD8\xB5\xD8\xD6\xB7";
  EXPECT_EQ(Links(), label + "1\xA3\xBA ed2k://a\r\n" + label + "2\xA3\xBA magnet:?b\r\n");

  ASSERT_TRUE(toolkit.CloseWindow(DETAILS_WINDOW));
  Open("/movie/2.htm", MoviePage("text", site.Url("/poster.jpeg"), DownloadSection({"ftp://c"})));
  EXPECT_EQ(Links(), label + "1\xA3\xBA ftp://c\r\n");
}

// What the link box shows when the download section has no links.
TEST_F(DetailsTest, FallbackWhenTheSectionHasNoLinks) {
  const auto anchorTo = [&](const std::string& path) {
    return "<td><a target=\"_blank\" href=\"" + site.Url(path) + Gbk("\">点击进入下载地址</a></td>\r\n");
  };
  const Text kuaichuan = Gbk("<td><a target=\"_blank\" href=\"http://share.invalid/k\">迅雷快传</a></td>\r\n");
  const Text downloadPageLink = "<a href=\"thunder://DOWNLOAD\">x</a>";
  struct Case {
    const char* name;
    Text rest;                 // of the movie page
    std::string downloadPath;  // where the download page is put, if there is one
    Text downloadPage;
    Text expected;
  };
  const std::vector<Case> cases = {
      {"no links anywhere", DownloadSection({}), "", "", NOT_FOUND},
      {"upper-case scheme only", "<a href=\"THUNDER://QUJD\">x</a>\r\n", "", "", NOT_FOUND},
      {"an earlier occurrence in other case starts the cut",
       "<p>Thunder://EARLY\">x</p>\r\n<a href=\"thunder://late\">y</a>\r\n", "", "",
       THUNDER_LINE + "EARLY"},
      {"no anchor end after the scheme", "thunder://QUJD\r\n", "", "", THUNDER_LINE},
      {"thunder beats the share notice", kuaichuan + "<a href=\"thunder://QUJD\">y</a>\r\n", "", "",
       THUNDER_LINE + "QUJD"},
      {"share notice with its address", kuaichuan, "", "",
       Gbk("该资源为迅雷快传,请手动负责地址在浏览器打开即可下载\r\nhttp://share.invalid/k")},
      {"section links win over a thunder link elsewhere",
       DownloadSection({"ed2k://a"}) + "<a href=\"thunder://QUJD\">y</a>\r\n", "", "",
       Gbk("下载地址1： ed2k://a\r\n")},
      {"only the download page is looked at",
       anchorTo("/dl/a.htm") + kuaichuan + "<a href=\"thunder://MOVIE\">y</a>\r\n", "/dl/a.htm",
       downloadPageLink, THUNDER_LINE + "DOWNLOAD"},
      {"a download page without links",
       anchorTo("/dl/b.htm") + "<a href=\"thunder://MOVIE\">y</a>\r\n", "/dl/b.htm",
       "<p>nothing here</p>", NOT_FOUND},
      {"an anchor without .htm is no download page",
       "<td><a target=\"_blank\" href=\"" + site.Url("/dl/c") +
           Gbk("\">点击进入下载地址</a></td>\r\n<a href=\"thunder://MOVIE\">y</a>\r\n"),
       "/dl/c", downloadPageLink, THUNDER_LINE + "MOVIE"},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(c.name);
    if (!c.downloadPath.empty()) site.Put(c.downloadPath, c.downloadPage);
    Open("/movie/" + std::to_string(i) + ".htm", MoviePage("text", site.Url("/poster.jpeg"), c.rest));
    EXPECT_EQ(AnsiToUtf8(Links()), AnsiToUtf8(c.expected));
    ASSERT_TRUE(toolkit.CloseWindow(DETAILS_WINDOW));
  }
}

TEST_F(DetailsTest, FallbackFetchesThePageAgainThenTheDownloadPage) {
  site.Put("/dl/1.htm", "<a href=\"thunder://QUJD\">x</a>");
  Open("/movie/1.htm", MoviePage("text", site.Url("/poster.jpeg"),
                                 "<td><a target=\"_blank\" href=\"" + site.Url("/dl/1.htm") +
                                     Gbk("\">点击进入下载地址</a></td>\r\n")));
  EXPECT_EQ(site.RequestedPaths(), (std::vector<std::string>{"/movie/1.htm", "/poster.jpeg",
                                                             "/movie/1.htm", "/movie/1.htm",
                                                             "/dl/1.htm"}));
  EXPECT_EQ(Links(), THUNDER_LINE + "QUJD");
}

// A page laid out as the site writes it: every one of the stripped texts occurs.
TEST_F(DetailsTest, ShowsTitlePosterAndTheStrippedDescription) {
  const Text poster = site.Url("/poster.jpeg");
  const Text page =
      Gbk("<div class=\"ad\"><script>show()</script></div><p><img alt=\"\" src=\"") + poster +
      "\" /></p>\r\n" + Gbk("<p>◎片名　Nosferatu<br />\r\n") +
      "&nbsp;&nbsp;Text&middot;more&hellip;<br />\r\n" + "<br />\r\n" +
      "<a target=\"_blank\" href=\"" + program.addresses.promoLinkUrl + "\">" +
      program.addresses.promoLinkUrl + "</a><br />\r\n" + "<A href=\"" + program.addresses.siteBase +
      Gbk("\" target=_blank>电影下载</A><br />\r\n") + "<br />\r\n" + Gbk("影片截图<br />\r\n") +
      "<img alt=\"\" src=\"" + program.addresses.pictureBase + "/tupian/9.jpg\" /></p>\r\n" +
      DownloadSection({"ed2k://a"});
  Open("/movie/9.htm", page, Gbk("诺斯费拉图 Nosferatu"));

  EXPECT_EQ(toolkit.GetWindowTitle(DETAILS_WINDOW), Gbk("诺斯费拉图 Nosferatu"));
  EXPECT_EQ(Poster(), BytesFromText(POSTER));
  EXPECT_EQ(AnsiToUtf8(Description()),
            AnsiToUtf8(poster + "\" />\r\n" + Gbk("◎片名　Nosferatu\r\n\nTextmore\r\n\n9")));
  EXPECT_EQ(Links(), Gbk("下载地址1： ed2k://a\r\n"));
}

TEST_F(DetailsTest, DescriptionLineEndsAndBlankLines) {
  const Text none = Gbk("暂无信息");
  const std::vector<std::pair<Text, Text>> cases = {
      {"first<br />\r\nsecond", "first\r\n\nsecond"},
      {"\r\nA</p>\r\n\r\n<p>B\r\n", "A\r\nB"},
      {"A\r\n \t \r\nB", "A\r\nB"},
      {"A\r\n\nB", "A\r\n\nB"},
      {"<p>\r\n</p>", none},  // one CR LF, which the remover cuts from the variable
      {"", none},
      {"\n\r", ""},  // left as it is by the cuts, folded away by the expression
      {"<P>one<br/>two<br />three</P>", "<P>one<br/>two<br />three</P>"},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(i);
    Open("/movie/" + std::to_string(i) + ".htm", MoviePage(cases[i].first, site.Url("/poster.jpeg")));
    EXPECT_EQ(AnsiToUtf8(Description()), AnsiToUtf8(cases[i].second));
    EXPECT_EQ(Poster(), BytesFromText(POSTER));
    ASSERT_TRUE(toolkit.CloseWindow(DETAILS_WINDOW));
  }
}

TEST_F(DetailsTest, PosterThatCannotBeFetchedGivesTheDefaultPosterAndNoDescription) {
  // The empty description would read "暂无信息" if the reader went on.
  const Text descriptions[] = {"text", ""};
  for (std::size_t i = 0; i < std::size(descriptions); ++i) {
    SCOPED_TRACE(descriptions[i]);
    Open("/movie/" + std::to_string(i) + ".htm", MoviePage(descriptions[i], site.Url("/missing.jpeg")));
    EXPECT_EQ(Poster(), DefaultPosterBytes());
    EXPECT_EQ(Description(), "");
    ASSERT_TRUE(toolkit.CloseWindow(DETAILS_WINDOW));
  }
}

TEST_F(DetailsTest, PageThatCannotBeFetched) {
  Open(AddMovie(toolkit, "Film", UnreachableUrl("/movie/1.htm")));
  EXPECT_EQ(toolkit.GetWindowTitle(DETAILS_WINDOW), "Film");
  EXPECT_EQ(Poster(), DefaultPosterBytes());
  EXPECT_EQ(Description(), "");
  EXPECT_EQ(Links(), NOT_FOUND);
}

TEST(BlankLineRemoverTest, CutsTheCallersTextAndKeepsTheApartmentBalanced) {
  for (const bool initialiseCom : {false, true}) {
    SCOPED_TRACE(initialiseCom);
    Text text = "\r\nA\r\n\r\nB\r\n";
    EXPECT_EQ(BlankLineRemover(text, initialiseCom), "A\r\nB");
    EXPECT_EQ(text, "A\r\n\r\nB");
    EXPECT_FALSE(ComInitialised());
  }
}

}  // namespace
}  // namespace cinevora::test
