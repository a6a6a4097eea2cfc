#include "catalogue/CategoryTable.h"

#include "platform/codepage/Codepage.h"

namespace cinevora {

const std::vector<CategoryEntry>& CategoryTable() {
  // The 1080p folder is spelt "/1080p/" while its caption reads "1018P", and the 720p folder has
  // a capital P: both are what the site and the window really use.
  static const std::vector<CategoryEntry> table = {
      {"超级按钮_最新电影", Gbk("最新热门电影"), "/ys/", Rgb(218, 84, 45), 150, 100, 0},
      {"超级按钮_BD高清", Gbk("BD高清"), "/bd/", Rgb(12, 100, 233), -20, 0, 0},
      {"超级按钮_1018P", Gbk("1018P"), "/1080p/", Rgb(196, 0, 206), 30, 0, 0},
      {"超级按钮_720P", Gbk("720P"), "/720P/", Rgb(214, 165, 1), -150, 0, 0},
      {"超级按钮_3D", Gbk("3D电影专区"), "/3d/", Rgb(0, 163, 0), -80, 0, 0},
  };
  return table;
}

namespace {

Text Blanks(int count) { return Text(static_cast<std::size_t>(count), ' '); }

}  // namespace

// The listing markup is cut by its exact indentation: the blank runs tell the date table
// (26/28/30 blanks) from the link table (23/26/28 blanks) that surround each entry.
const MarkerPair& TitleMarkers() {
  static const MarkerPair markers{".jpg\" alt=\"", "\" width=\"120\" height=\"150\" border=\"0\" "};
  return markers;
}

const MarkerPair& DateMarkers() {
  static const MarkerPair markers{
      Blanks(26) + "<tbody>\r\n" + Blanks(28) + "<tr>\r\n" + Blanks(30) + "<td>",
      "</td>\r\n" + Blanks(28) + "</tr>\r\n" + Blanks(26) + "</tbody>\r\n" + Blanks(24) +
          "</table></td>"};
  return markers;
}

const MarkerPair& LinkMarkers() {
  static const MarkerPair markers{
      Blanks(23) + "<tbody>\r\n" + Blanks(26) + "<tr>\r\n" + Blanks(28) + "<td><a href=\"",
      "\" target=\"_blank\"><img src=\""};
  return markers;
}

Text ListingPageAddress(const Text& siteBase, const CategoryEntry& entry, int page) {
  if (page <= 1) return siteBase + entry.path;
  return siteBase + entry.path + "index_" + std::to_string(page) + ".htm";
}

}  // namespace cinevora
