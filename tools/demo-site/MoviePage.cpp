#include "MoviePage.h"

#include "DownloadLinks.h"

namespace cinevora::demo {
namespace {

std::string YearText(const Film& film) { return std::to_string(film.year); }

// The anchor the program follows when a download section is empty. It has to be the page's
// first "<a target=\"_blank\" href=\"" and end its table cell on the same line, so it sits
// above the poster, before the promotional anchor of the description.
void AppendFallbackAnchor(std::string& page, const Entry& entry, const SiteAddresses& addresses) {
  if (entry.kind == EntryKind::DownloadPage) {
    Line(page, "<table width=\"100%\"><tr><td align=\"center\"><a target=\"_blank\" href=\"" +
                   addresses.siteBase + DownloadPagePath(entry) + "\">点击进入下载地址</a></td>");
    Line(page, "</tr></table>");
  } else if (entry.kind == EntryKind::Kuaichuan) {
    Line(page, "<table width=\"100%\"><tr><td align=\"center\"><a target=\"_blank\" href=\"" +
                   addresses.siteBase + KuaichuanPath(entry) + "\">迅雷快传</a></td>");
    Line(page, "</tr></table>");
  }
}

// Poster and description. The details window cuts the description from the page's first
// "<p><img alt=\"\" src=\"" (the poster's own tag, right behind "</script></div>") up to the
// first ".jpg\" /></p>" + CR after it. Posters therefore end in ".jpeg": with ".jpg" the cut
// would stop at the poster and leave nothing but its address. The cut ends at the screenshot,
// the one ".jpg" picture of the description, so the window shows the poster's address line,
// the film's facts and text, and the screenshot's name last. The promotional anchor, the site
// anchor, "影片截图" and the "&hellip;" pause each stand on a line of their own: the window strips
// them, and the blank line left behind is folded away. "&nbsp;" only indents and "&middot;"
// only joins two words, so the text reads the same without them.
void AppendDescription(std::string& page, const Entry& entry, const SiteAddresses& addresses) {
  const Film& film = *entry.film;
  Line(page, "<div class=\"film\">");
  Line(page, "<div class=\"ad\"><script type=\"text/javascript\">/* 广告位 */</script></div><p><img alt=\"\" src=\"" +
                 addresses.pictureBase + PosterPath(entry) + "\" /></p>");
  Line(page, std::string("<p>中文片名：") + film.chineseTitle + "<br />");
  Line(page, std::string("原始片名：") + film.originalTitle + "<br />");
  Line(page, "上映年份：" + YearText(film) + "<br />");
  Line(page, std::string("出品地区：") + film.region + "<br />");
  Line(page, std::string("影片类型：") + film.genre + "<br />");
  Line(page, std::string("对白语言：") + (film.year < 1928 ? "无对白（默片）" : "原声对白") + "<br />");
  Line(page, "字幕语言：中文<br />");
  Line(page, "影片长度：" + std::to_string(60 + entry.serial % 90) + "分钟<br />");
  Line(page, "本站发布：" + entry.date + "<br />");
  Line(page, "<br />");
  Line(page, "剧情简介：<br />");
  Line(page, "<br />");
  Line(page, std::string("&nbsp;&nbsp;&nbsp;&nbsp;") + film.tagline + "<br />");
  Line(page, "&nbsp;&nbsp;&nbsp;&nbsp;" + YearText(film) + "年" + film.region + "出品的" + film.genre +
                 "片，本站的拷贝经过修复，画面干净，节奏还是当年的样子。<br />");
  Line(page, "&hellip;&hellip;<br />");
  Line(page, "本片由 Cinevora&middot;演示影库 整理<br />");
  Line(page, "<br />");
  Line(page, "<a target=\"_blank\" href=\"" + addresses.promoLinkUrl + "\">" + addresses.promoLinkUrl + "</a><br />");
  Line(page, "<A href=\"" + addresses.siteBase + "\" target=_blank>电影下载</A><br />");
  Line(page, "<br />");
  Line(page, "影片截图<br />");
  Line(page, "<img alt=\"\" src=\"" + addresses.pictureBase + StillPath(entry) + "\" /></p>");
}

// The download section between "【下载地址】" and "下载帮助". Only entries that offer links
// put an anchor inside it; the help line names its topic before any anchor could follow.
void AppendDownloadSection(std::string& page, const Entry& entry) {
  Line(page, "<p class=\"download-head\">【下载地址】</p>");
  const std::vector<std::string> links = DownloadLinks(entry);
  for (const std::string& link : links) {
    Line(page, "<table class=\"download\"><tbody><tr><td><a href=\"" +
                   link + "\">" + link + "</a></td></tr></tbody></table>");
  }
  if (links.empty()) {
    switch (entry.kind) {
      case EntryKind::DownloadPage:
        Line(page, "<p>本片的下载地址在单独的下载页上，请点击页面上方的链接。</p>");
        break;
      case EntryKind::Kuaichuan:
        Line(page, "<p>本片以分享的方式提供，请点击页面上方的分享链接。</p>");
        break;
      default:
        Line(page, "<p>下载资源整理中，请稍后再来。</p>");
        break;
    }
  }
  Line(page, "<p>下载帮助：复制上面的地址，粘贴到下载工具里即可开始下载。</p>");
  Line(page, "</div>");
}

}  // namespace

Page MoviePage(const Entry& entry, const SiteAddresses& addresses) {
  const bool utf8 = entry.kind == EntryKind::Utf8Page;
  std::string page = PageStart(entry.film->chineseTitle, utf8);
  Line(page, "<div class=\"film-title\"><h1>" + entry.title + "</h1></div>");
  Line(page, "<div class=\"film-page\">");
  Line(page, "<p>发布时间：" + entry.date + "</p>");
  AppendFallbackAnchor(page, entry, addresses);
  AppendDescription(page, entry, addresses);
  AppendDownloadSection(page, entry);
  Line(page, "</div>");
  PageEnd(page);
  return Encode(page, utf8);
}

namespace {

// A small GBK page about one entry: its title, `body` and the way back to its movie page.
Page EntrySidePage(const Entry& entry, const SiteAddresses& addresses, std::string_view heading,
                   const std::string& body) {
  std::string page = PageStart(std::string(entry.film->chineseTitle) + " " + std::string(heading), false);
  Line(page, "<h1>" + entry.title + "</h1>");
  page += body;
  Line(page, "<p><a href=\"" + addresses.siteBase + entry.pagePath + "\">返回影片页</a></p>");
  PageEnd(page);
  return Encode(page, false);
}

}  // namespace

Page DownloadPage(const Entry& entry, const SiteAddresses& addresses) {
  const std::string thunder = ThunderLink(entry);
  std::string body;
  Line(body, "<p>请用下载工具打开下面的地址：</p>");
  Line(body, "<table><tr><td><a href=\"" + thunder + "\">" + thunder + "</a></td></tr></table>");
  return EntrySidePage(entry, addresses, "下载地址", body);
}

Page SharePage(const Entry& entry, const SiteAddresses& addresses) {
  std::string body;
  Line(body, "<p>这是演示用的分享页面：真正的分享服务会在这里开始下载。</p>");
  return EntrySidePage(entry, addresses, "分享", body);
}

Page PromoPage() {
  std::string page = PageStart("推广", false);
  Line(page, "<h1>Cinevora 演示推广页</h1>");
  Line(page, "<p>影片介绍里的推广链接指向这里。演示站点不做任何推广。</p>");
  PageEnd(page);
  return Encode(page, false);
}

}  // namespace cinevora::demo
