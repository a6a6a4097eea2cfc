#include "ListingPages.h"

#include <algorithm>
#include <cstdio>

#include "platform/codepage/Codepage.h"

namespace cinevora::test {

namespace {

Text Blanks(int count) { return Text(static_cast<std::size_t>(count), ' '); }

Text Number(int page, int index) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d-%02d", page, index);
  return buffer;
}

// The link table of one entry; the poster (and so the title) sits inside its link. Without a link
// the table is indented differently, so the link marker does not find it.
Text LinkTable(const Text& tag, int page, int index, const PageContent& content) {
  const bool hasLink = index < content.links;
  Text alt;
  if (index != content.emptyTitleAt) alt = EntryTitle(tag, page, index);
  // Without a title the poster is a GIF, which the title marker (".jpg") passes over.
  const Text poster = index < content.titles ? "/pic/" + Number(page, index) + ".jpg"
                                          : "/pic/" + Number(page, index) + ".gif";
  return "                      <table width=\"100%\" border=\"0\">\r\n" +
         Blanks(hasLink ? 23 : 4) + "<tbody>\r\n" + Blanks(26) + "<tr>\r\n" + Blanks(28) +
         "<td><a href=\"" + EntryLink(tag, page, index) + "\" target=\"_blank\"><img src=\"" +
         poster + "\" alt=\"" + alt +
         "\" width=\"120\" height=\"150\" border=\"0\" /></a></td>\r\n" + Blanks(26) + "</tr>\r\n" +
         Blanks(23) + "</tbody>\r\n" + Blanks(22) + "</table>\r\n";
}

Text DateTable(int page, int index) {
  return "                        <table width=\"100%\" border=\"0\">\r\n" + Blanks(26) +
         "<tbody>\r\n" + Blanks(28) + "<tr>\r\n" + Blanks(30) + "<td>" + EntryDate(page, index) +
         "</td>\r\n" + Blanks(28) + "</tr>\r\n" + Blanks(26) + "</tbody>\r\n" + Blanks(24) +
         "</table></td>\r\n";
}

}  // namespace

Text EntryTitle(const Text& tag, int page, int index) {
  return Gbk("影片") + " " + tag + " " + Number(page, index);
}

Text EntryDate(int page, int index) { return "2026-" + Number(page % 12 + 1, index + 1); }

Text EntryLink(const Text& tag, int page, int index) {
  return "/" + tag + "/movie/" + Number(page, index) + ".htm";
}

Text ListingPageMarkup(const Text& tag, int page, const PageContent& content) {
  Text markup =
      "<html>\r\n<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">"
      "</head>\r\n<body>\r\n";
  const int entries = std::max({content.titles, content.dates, content.links});
  for (int i = 0; i < entries; ++i) {
    markup += "<tr><td>\r\n" + LinkTable(tag, page, i, content);
    if (i < content.dates) markup += DateTable(page, i);
    markup += "</tr>\r\n";
  }
  return markup + "</body>\r\n</html>\r\n";
}

Text CategoryTag(const CategoryEntry& entry) {
  Text tag;
  for (char c : entry.path)
    if (c != '/') tag += c;
  return tag;
}

}  // namespace cinevora::test
