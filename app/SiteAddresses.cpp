#include "app/Program.h"

namespace cinevora {

// The values come from the build's CINEVORA_* cache variables (see app/CMakeLists.txt).
SiteAddresses ConfiguredSiteAddresses() {
  return {CINEVORA_UPDATE_BASE, CINEVORA_SITE_BASE, CINEVORA_PICTURE_BASE,
          CINEVORA_PROMO_LINK_URL};
}

}  // namespace cinevora
