#pragma once
// MainWindow's movie list and the loading indicator, as the catalogue and the details window
// address them, and the format of one row of the list.

#include <string_view>

#include "text/Text.h"

namespace cinevora {

inline constexpr std::string_view MAIN_WINDOW = "MainWindow";
inline constexpr std::string_view MOVIE_LIST = "超级列表框1";
inline constexpr std::string_view SPINNER_LABEL = "标签1";  // the spinner glyph
inline constexpr std::string_view STATUS_LABEL = "标签2";   // "正在获取电影信息"

// One row of the movie list: three cells, each trimmed GBK text, nothing else.
struct MovieListRow {
  Text title;    // column 0 "标题": the poster's alternative text on the listing page
  Text date;     // column 1 "日期": the entry's date cell
  Text address;  // column 2 "地址": the movie page's address, unchanged from the page
};

inline constexpr int TITLE_COLUMN = 0;
inline constexpr int DATE_COLUMN = 1;
inline constexpr int ADDRESS_COLUMN = 2;

}  // namespace cinevora
