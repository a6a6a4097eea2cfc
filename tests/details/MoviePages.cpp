#include "MoviePages.h"

#include "catalogue/MovieList.h"
#include "details/DetailsWindow.h"
#include "platform/codepage/Codepage.h"

namespace cinevora::test {

Text MoviePage(const Text& description, const Text& posterUrl, const Text& rest) {
  return "<html><body>\r\n<p><img alt=\"\" src=\"" + description + ".jpg\" /></p>\r\n" +
         "<div class=\"ad\"><script>show()</script></div><p><img alt=\"\" src=\"" + posterUrl +
         "\" /></p>\r\n" + rest + "</body></html>\r\n";
}

Text DownloadSection(const std::vector<Text>& links) {
  Text section = Gbk("<p><strong>【下载地址】</strong></p>\r\n");
  for (const Text& link : links)
    section += "<table><tr><td><a href=\"" + link + "\">" + link + "</a></td></tr></table>\r\n";
  return section + Gbk("<p>下载帮助：复制上面的地址。</p>\r\n");
}

WindowDefinition MovieListWindow(Program& program) {
  WindowDefinition window;
  window.name = MAIN_WINDOW;
  window.outerWidth = 764;
  window.outerHeight = 400;
  ControlDefinition list;
  list.kind = ControlKind::ListView;
  list.name = MOVIE_LIST;
  list.width = 753;
  list.height = 341;
  list.columns = {{"title", 300}, {"date", 100}, {"address", 0}};
  list.onDoubleClick = [&program] { OpenDetailsWindow(program); };
  window.controls.push_back(std::move(list));
  return window;
}

int AddMovie(Toolkit& toolkit, const Text& title, const Text& address) {
  const int row = toolkit.ListAppendRow(MAIN_WINDOW, MOVIE_LIST);
  toolkit.ListSetCell(MAIN_WINDOW, MOVIE_LIST, row, TITLE_COLUMN, title);
  toolkit.ListSetCell(MAIN_WINDOW, MOVIE_LIST, row, DATE_COLUMN, "2026-01-01");
  toolkit.ListSetCell(MAIN_WINDOW, MOVIE_LIST, row, ADDRESS_COLUMN, address);
  return row;
}

}  // namespace cinevora::test
