#include "ListingPage.h"

namespace cinevora::demo {
namespace {

std::string Blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

// One entry. The program finds the three columns of its list by fixed markers, blanks and line
// ends included, so the runs of blanks here are exact, not decoration:
//  - the link: 23 blanks "<tbody>", 26 blanks "<tr>", 28 blanks "<td><a href=\"" ... "\" target=
//    \"_blank\"><img src=\"";
//  - the title: the thumbnail's ".jpg\" alt=\"" ... "\" width=\"120\" height=\"150\" border=\"0\" ";
//  - the date: 26 blanks "<tbody>", 28 blanks "<tr>", 30 blanks "<td>" ... "</td>", 28 blanks
//    "</tr>", 26 blanks "</tbody>", 24 blanks "</table></td>".
// The link table's own closing lines use other blank runs, so no marker matches twice.
void AppendEntry(std::string& page, const Entry& entry, const SiteAddresses& addresses) {
  Line(page, Blanks(16) + "<table class=\"entry\">");
  Line(page, Blanks(18) + "<tr>");
  Line(page, Blanks(20) + "<td class=\"poster\"><table class=\"cell\">");
  Line(page, Blanks(23) + "<tbody>");
  Line(page, Blanks(26) + "<tr>");
  Line(page, Blanks(28) + "<td><a href=\"" + addresses.siteBase + entry.pagePath +
                 "\" target=\"_blank\"><img src=\"" + addresses.pictureBase + ThumbPath(entry) +
                 "\" alt=\"" + entry.title + "\" width=\"120\" height=\"150\" border=\"0\" /></a></td>");
  Line(page, Blanks(26) + "</tr>");
  Line(page, Blanks(23) + "</tbody>");
  Line(page, Blanks(20) + "</table></td>");
  Line(page, Blanks(20) + "<td class=\"info\"><table class=\"cell\">");
  Line(page, Blanks(26) + "<tbody>");
  Line(page, Blanks(28) + "<tr>");
  Line(page, Blanks(30) + "<td>" + entry.date + "</td>");
  Line(page, Blanks(28) + "</tr>");
  Line(page, Blanks(26) + "</tbody>");
  Line(page, Blanks(24) + "</table></td>");
  Line(page, Blanks(18) + "</tr>");
  Line(page, Blanks(16) + "</table>");
}

std::string PageAddress(const Category& category, int page) {
  const std::string path(category.path);
  return page == 1 ? path : path + "index_" + std::to_string(page) + ".htm";
}

}  // namespace

Page ListingPage(const Catalogue& catalogue, int category, int page, const SiteAddresses& addresses) {
  const Category& c = Categories()[static_cast<std::size_t>(category)];
  std::string markup = PageStart(std::string(c.name) + " 第" + std::to_string(page) + "页", c.utf8);
  Line(markup, "<div class=\"listing\">");
  Line(markup, "<h2>" + std::string(c.name) + "</h2>");
  for (const Entry& entry : catalogue.ListingEntries(category, page)) {
    AppendEntry(markup, entry, addresses);
  }
  std::string pager = "<div class=\"pages\">页码：";
  for (int n = 1; n <= LISTING_PAGES; ++n) {
    pager += n == page ? " <b>" + std::to_string(n) + "</b>"
                       : " <a href=\"" + PageAddress(c, n) + "\">" + std::to_string(n) + "</a>";
  }
  Line(markup, pager + "</div>");
  Line(markup, "</div>");
  PageEnd(markup);
  return Encode(markup, c.utf8);
}

Page HomePage() {
  std::string markup = PageStart("首页", false);
  Line(markup, "<h1>Cinevora 演示影库</h1>");
  Line(markup, "<p>这是 Cinevora 自带的演示站点，收录的都是版权已经过期的老电影。请从下面选择分类：</p>");
  Line(markup, "<ul>");
  for (const Category& category : Categories()) {
    Line(markup, "<li><a href=\"" + std::string(category.path) + "\">" + std::string(category.name) +
                     "</a></li>");
  }
  Line(markup, "</ul>");
  PageEnd(markup);
  return Encode(markup, false);
}

}  // namespace cinevora::demo
