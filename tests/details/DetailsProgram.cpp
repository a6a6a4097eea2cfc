#include "DetailsProgram.h"

namespace cinevora::test {

DetailsProgram::DetailsProgram(Toolkit& toolkit, InternetService& inet, const MovieSite& site)
    : skin(toolkit, {}),
      program{.toolkit = toolkit,
              .inet = inet,
              .skin = skin,
              .drive = drive,
              .addresses = {.updateBase = {},
                            .siteBase = site.Url(),
                            .pictureBase = site.Url(),
                            .promoLinkUrl = site.Url("/promo/")},
              .ExpectedVersion = {},
              .FetchedVersion = {}} {}

}  // namespace cinevora::test
