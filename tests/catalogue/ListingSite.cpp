#include "ListingSite.h"

#include <thread>

namespace cinevora::test {

Text ListingPagePath(const CategoryEntry& entry, int page) {
  return ListingPageAddress("", entry, page);
}

ListingSite::ListingSite() {
  server_.Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
    Answer(request, response);
  });
}

ListingSite::~ListingSite() { Release(); }

void ListingSite::Answer(const httplib::Request& request, httplib::Response& response) {
  std::unique_lock lock(mutex_);
  requests_.push_back(request.path);
  released_.wait(lock, [this] { return !held_; });
  const auto delay = delay_;
  lock.unlock();
  std::this_thread::sleep_for(delay);
  lock.lock();
  const auto page = pages_.find(request.path);
  if (page == pages_.end()) {
    response.status = 404;
  } else if (failed_.count(request.path) != 0) {
    response.status = 500;
  } else {
    response.set_content(page->second, "text/html");
  }
}

void ListingSite::Serve(const CategoryEntry& entry, const PageSet& pages) {
  const Text tag = CategoryTag(entry);
  std::lock_guard lock(mutex_);
  for (int page = 1; page <= LISTING_PAGES; ++page) {
    const auto named = pages.find(page);
    const PageContent content = named == pages.end() ? PageContent{} : named->second;
    const Text path = ListingPagePath(entry, page);
    pages_[path] = ListingPageMarkup(tag, page, content);
    if (content.failed)
      failed_.insert(path);
    else
      failed_.erase(path);
  }
}

void ListingSite::SetDelay(std::chrono::milliseconds delay) {
  std::lock_guard lock(mutex_);
  delay_ = delay;
}

void ListingSite::Hold() {
  std::lock_guard lock(mutex_);
  held_ = true;
}

void ListingSite::Release() {
  {
    std::lock_guard lock(mutex_);
    held_ = false;
  }
  released_.notify_all();
}

Text ListingSite::Base() const { return server_.Url(""); }

SiteAddresses ListingSite::Addresses() const { return {"", Base(), "", ""}; }

std::vector<Text> ListingSite::Requests() {
  std::lock_guard lock(mutex_);
  return requests_;
}

}  // namespace cinevora::test
