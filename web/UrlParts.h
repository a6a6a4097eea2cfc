#pragma once
// Splitting an address into what a connection and a request need: host, port and path.
// All three are thread-safe and never fail; a missing part has a default.

#include "text/Text.h"

namespace cinevora {

// The host of `address`, lower-cased: what lies between "https://" (when the address begins with
// it) or the first "http://" and the next "/". An address without a scheme is read as "http://".
// The ":port" after the host is kept only with `keepPort`.
Text UrlHost(const Text& address, bool keepPort = false);

// The port written after the host, read like atoi (full-width digits count as digits; no digits
// gives 0, values beyond the int range are held at its ends); without one, 443 for an address
// beginning with "https" and 80 otherwise.
int UrlPort(const Text& address);

// Everything from the first "/" after the host to the end, query and fragment included, in the
// address's own letter case; "/" when nothing follows the host.
Text UrlPath(const Text& address);

}  // namespace cinevora
