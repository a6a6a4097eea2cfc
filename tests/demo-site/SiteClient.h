#pragma once
// Fetching from a demo site the way the program sees it: the body, and the page text after the
// program's UTF-8 rule (the bytes "utf-8" among the first 499 or in the content type) and its
// charset conversion.

#include <memory>
#include <string>

#include "text/Text.h"

namespace httplib {
class Client;
}

namespace cinevora::demo::testing {

struct Fetched {
  int status = 0;  // 0 when the request failed
  std::string body;
  std::string contentType;
  bool utf8 = false;  // what the program would take the page for
  Text text;          // the page as the program's GBK text
};

// One kept-alive connection to 127.0.0.1:port, so a sweep over a thousand pages stays quick.
// Use from one thread at a time.
class SiteClient {
 public:
  explicit SiteClient(int port);
  ~SiteClient();
  Fetched Get(const std::string& path);

 private:
  std::unique_ptr<httplib::Client> client_;
};

// The path of an absolute address on the site at `base` ("" when it is not on that site).
std::string PathOn(const std::string& base, const std::string& address);

}  // namespace cinevora::demo::testing
