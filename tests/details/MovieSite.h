#pragma once
// A loopback movie site for the details window: whatever pages and posters a test puts on it,
// served as they are (GBK bytes, no charset), and the order in which the program asked for them.
// A path nobody put there answers 404 with an empty body, which the program reads as nothing.

#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "tests/support/LoopbackServer.h"
#include "text/Text.h"

namespace cinevora::test {

class MovieSite {
 public:
  MovieSite();

  // Puts `body` at `path` ("/movie/1.htm"), replacing what was there. Any thread.
  void Put(const std::string& path, std::string body);
  // "http://127.0.0.1:<port>" + path.
  Text Url(const std::string& path = "") const;
  // The paths requested so far, in order.
  std::vector<std::string> RequestedPaths() const;
  void ForgetRequests();

 private:
  mutable std::mutex mutex_;
  std::map<std::string, std::string> bodies_;
  cinevora::testing::LoopbackServer server_;  // last: its handlers use the members above
};

// An address where nothing listens: every request to it fails.
Text UnreachableUrl(const std::string& path);

}  // namespace cinevora::test
