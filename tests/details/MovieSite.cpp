#include "MovieSite.h"

namespace cinevora::test {

MovieSite::MovieSite() {
  server_.Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
    std::lock_guard lock(mutex_);
    const auto page = bodies_.find(request.path);
    if (page == bodies_.end()) {
      response.status = 404;
      return;
    }
    response.set_content(page->second, "text/html");
  });
}

void MovieSite::Put(const std::string& path, std::string body) {
  std::lock_guard lock(mutex_);
  bodies_[path] = std::move(body);
}

Text MovieSite::Url(const std::string& path) const { return server_.Url(path); }

std::vector<std::string> MovieSite::RequestedPaths() const {
  std::vector<std::string> paths;
  for (const std::string& request : server_.Requests().All()) {
    const std::size_t start = request.find(' ') + 1;
    paths.push_back(request.substr(start, request.find(' ', start) - start));
  }
  return paths;
}

void MovieSite::ForgetRequests() { server_.Requests().Clear(); }

Text UnreachableUrl(const std::string& path) {
  // Port 1 on the loopback interface: privileged and unused, so the connection is refused.
  return "http://127.0.0.1:1" + path;
}

}  // namespace cinevora::test
