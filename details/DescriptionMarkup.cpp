#include "details/DescriptionMarkup.h"

#include <utility>

#include "platform/codepage/Codepage.h"
#include "text/AnsiText.h"

namespace cinevora {

Text StripDescriptionMarkup(Text description, const SiteAddresses& addresses) {
  // The order matters: "<br />" must give its CR to the line end before the paragraph tags go.
  const std::pair<Text, Text> replacements[] = {
      {"<br />\r", "\r\n"},
      {"<a target=\"_blank\" href=\"" + addresses.promoLinkUrl + "\">" + addresses.promoLinkUrl,
       ""},
      {"<p>", ""},
      {Gbk("影片截图"), ""},
      {"</p>", ""},
      {"&hellip;", ""},
      {"&nbsp;", ""},
      {"</a>", ""},
      {Gbk("下载地址"), ""},
      {"&middot;", ""},
      {"<A href=\"" + addresses.siteBase + Gbk("\" target=_blank>电影下载</A>"), ""},
      {"<img alt=\"\" src=\"" + addresses.pictureBase + "/tupian/", ""},
  };
  for (const auto& [searched, replacement] : replacements)
    description = ReplaceAll(description, searched, replacement);
  return description;
}

}  // namespace cinevora
