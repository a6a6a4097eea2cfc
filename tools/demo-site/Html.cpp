#include "Html.h"

#include "Catalogue.h"
#include "platform/codepage/Codepage.h"

namespace cinevora::demo {

void Line(std::string& page, std::string_view text) {
  page.append(text);
  page.append("\r\n");
}

std::string PageStart(std::string_view title, bool utf8) {
  std::string page;
  Line(page,
       "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
       "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">");
  Line(page, "<html xmlns=\"http://www.w3.org/1999/xhtml\">");
  Line(page, "<head>");
  Line(page, utf8 ? "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" />"
                  : "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\" />");
  Line(page, "<title>" + std::string(title) + " - Cinevora 演示影库</title>");
  Line(page, "</head>");
  Line(page, "<body>");
  std::string nav = "<div class=\"nav\"><a href=\"/\">首页</a>";
  for (const Category& category : Categories()) {
    nav += " | <a href=\"" + std::string(category.path) + "\">" + std::string(category.name) + "</a>";
  }
  Line(page, nav + "</div>");
  return page;
}

void PageEnd(std::string& page) {
  Line(page, "<div class=\"footer\">Cinevora 演示影库：片目取自版权已过期的老电影，文字均为本站自撰。</div>");
  Line(page, "</body>");
  Line(page, "</html>");
}

Page Encode(const std::string& utf8Markup, bool utf8) {
  if (utf8) return {utf8Markup, "text/html"};
  return {Gbk(utf8Markup), "text/html; charset=gb2312"};
}

}  // namespace cinevora::demo
