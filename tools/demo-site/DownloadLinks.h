#pragma once
// Made-up download links for the demo site's movie pages: magnet, ftp, ed2k and thunder links
// whose hashes and hosts are invented (the hosts end in ".invalid"). They are shown, never fetched.

#include <string>
#include <vector>

#include "Catalogue.h"

namespace cinevora::demo {

// The `entry.linkCount` links of the entry's download section, the schemes taking turns.
// None holds a double quote or a ">".
std::vector<std::string> DownloadLinks(const Entry& entry);

// The thunder link of the entry's separate download page.
std::string ThunderLink(const Entry& entry);

}  // namespace cinevora::demo
