#pragma once
// A loopback HTTP server that plays the movie site's listing pages for the catalogue tests: each
// category's ten pages come from a PageSet, every request is recorded, and a test can slow each
// answer down to keep runs overlapping.

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <set>
#include <vector>

#include "ListingPages.h"
#include "app/Program.h"
#include "tests/support/LoopbackServer.h"

namespace cinevora::test {

class ListingSite {
 public:
  ListingSite();  // listens on 127.0.0.1 at a free port
  ~ListingSite();

  // Serves the pages of `entry` as `pages` describes them (replacing what it served before).
  void Serve(const CategoryEntry& entry, const PageSet& pages = {});
  // Every answer waits this long first.
  void SetDelay(std::chrono::milliseconds delay);
  // While held, requests are recorded but wait for Release before they are answered.
  void Hold();
  void Release();

  Text Base() const;  // "http://127.0.0.1:<port>"
  // This site as the movie site; the other three bases empty.
  SiteAddresses Addresses() const;
  // The paths requested so far, in order of arrival.
  std::vector<Text> Requests();

 private:
  void Answer(const httplib::Request& request, httplib::Response& response);

  std::mutex mutex_;
  std::map<Text, Text> pages_;
  std::set<Text> failed_;
  std::vector<Text> requests_;
  std::chrono::milliseconds delay_{0};
  std::condition_variable released_;
  bool held_ = false;
  testing::LoopbackServer server_;  // last: its threads stop before the state above goes
};

// The address path of page `page` of `entry`, as the server sees it.
Text ListingPagePath(const CategoryEntry& entry, int page);

}  // namespace cinevora::test
