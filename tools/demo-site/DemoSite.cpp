#include "DemoSite.h"

#include <httplib.h>

#include <sys/socket.h>

#include <chrono>
#include <string_view>

#include "ListingPage.h"
#include "MoviePage.h"

namespace cinevora::demo {
namespace {

// Nothing the site serves takes a request body; a peer may not make us hold a large one.
constexpr std::size_t MAX_REQUEST_BODY = 4096;

// The decimal number that `text` is, when it is one of at most six digits; otherwise -1.
int SmallNumber(std::string_view text) {
  if (text.empty() || text.size() > 6) return -1;
  int n = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

// For "<prefix><number><suffix>" the number, otherwise -1.
int NumberBetween(std::string_view path, std::string_view prefix, std::string_view suffix) {
  if (path.size() <= prefix.size() + suffix.size() || !path.starts_with(prefix) ||
      !path.ends_with(suffix)) {
    return -1;
  }
  return SmallNumber(path.substr(prefix.size(), path.size() - prefix.size() - suffix.size()));
}

// The path of an absolute address ("/" when it has none), or empty when it is not absolute.
std::string PathOf(const std::string& address) {
  const std::size_t scheme = address.find("://");
  if (scheme == std::string::npos) return {};
  const std::size_t slash = address.find('/', scheme + 3);
  return slash == std::string::npos ? "/" : address.substr(slash);
}

void Send(httplib::Response& res, const Page& page) { res.set_content(page.bytes, std::string(page.contentType).c_str()); }

void SendPicture(httplib::Response& res, const std::string& bytes) {
  if (!bytes.empty()) res.set_content(bytes, "image/jpeg");
  else res.status = 404;
}

}  // namespace

int ConfiguredDemoPort() { return CINEVORA_DEMO_PORT; }

SiteAddresses ConfiguredDemoAddresses() {
  return {CINEVORA_UPDATE_BASE, CINEVORA_SITE_BASE, CINEVORA_PICTURE_BASE, CINEVORA_PROMO_LINK_URL};
}

std::string DefaultPictureFolder() { return CINEVORA_DEMO_PICTURE_FOLDER; }

DemoSite::DemoSite(DemoSiteOptions options) : options_(std::move(options)) {}

DemoSite::~DemoSite() { Stop(); }

bool DemoSite::Start() {
  if (!pictures_.Load(options_.pictureFolder, error_)) return false;
  server_ = std::make_unique<httplib::Server>();
  server_->set_payload_max_length(MAX_REQUEST_BODY);
  server_->set_read_timeout(5, 0);
  server_->set_write_timeout(5, 0);
  // A client that keeps its connection open delays Stop() by at most this long.
  server_->set_keep_alive_timeout(1);
  // Headers and body leave in separate writes; without this, a kept-alive connection waits for
  // the peer's delayed acknowledgement on every page.
  server_->set_tcp_nodelay(true);
  // Only SO_REUSEADDR, for a quick restart. The library's default adds SO_REUSEPORT, which would
  // let a second site bind the same port and take half of the first one's requests.
  server_->set_socket_options([](int sock) {
    const int yes = 1;
    setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  });
  if (options_.port == 0) {
    port_ = server_->bind_to_any_port("127.0.0.1");
  } else {
    port_ = server_->bind_to_port("127.0.0.1", options_.port) ? options_.port : -1;
  }
  if (port_ <= 0) {
    error_ = "cannot listen on 127.0.0.1:" + std::to_string(options_.port);
    server_.reset();
    return false;
  }
  ResolveAddresses();
  InstallRoutes();
  thread_ = std::thread([this] {
    server_->listen_after_bind();
    servingEnded_ = true;
  });
  // stop() only reaches a server whose accept loop runs: wait for it, so Stop() right after
  // Start() cannot miss it.
  while (!server_->is_running() && !servingEnded_) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

void DemoSite::Stop() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopped_ = true;
  }
  stopping_.notify_all();
  if (server_) server_->stop();
  if (thread_.joinable()) thread_.join();
}

bool DemoSite::Delay() {
  if (options_.delayMs <= 0) return true;
  std::unique_lock<std::mutex> lock(mutex_);
  return !stopping_.wait_for(lock, std::chrono::milliseconds(options_.delayMs),
                             [this] { return stopped_; });
}

void DemoSite::ResolveAddresses() {
  const std::string self = "http://127.0.0.1:" + std::to_string(port_);
  addresses_ = options_.addresses;
  if (addresses_.updateBase.empty()) addresses_.updateBase = self;
  if (addresses_.siteBase.empty()) addresses_.siteBase = self;
  if (addresses_.pictureBase.empty()) addresses_.pictureBase = self;
  if (addresses_.promoLinkUrl.empty()) addresses_.promoLinkUrl = self + "/promo/";
}

void DemoSite::InstallRoutes() {
  const std::string promoPath = PathOf(addresses_.promoLinkUrl);
  // One handler routes every GET itself: the paths are few and fixed, and exact string tests
  // read more plainly than patterns.
  server_->Get(".*", [this, promoPath](const httplib::Request& req, httplib::Response& res) {
    const std::string& path = req.path;
    if (path == "/qatrelux.txt") {
      res.set_content(options_.updateAnswer, "text/plain");
      return;
    }
    if (path == "/") return Send(res, HomePage());
    if (path == promoPath) return Send(res, PromoPage());
    const auto categories = Categories();
    for (int c = 0; c < static_cast<int>(categories.size()); ++c) {
      const std::string_view listing = categories[static_cast<std::size_t>(c)].path;
      // Page 1 is the category's folder; "index_2.htm" to "index_10.htm" follow it.
      const int numbered = NumberBetween(path, std::string(listing) + "index_", ".htm");
      const int page = path == listing ? 1 : numbered >= 2 ? numbered : -1;
      if (page >= 1 && page <= LISTING_PAGES) {
        if (!Delay()) {
          res.status = 503;
          return;
        }
        return Send(res, ListingPage(catalogue_, c, page, addresses_));
      }
    }
    if (const Entry* entry = catalogue_.FindByPagePath(path)) return Send(res, MoviePage(*entry, addresses_));
    if (const Entry* entry = catalogue_.FindBySerial(NumberBetween(path, "/down/", ".htm"));
        entry != nullptr && entry->kind == EntryKind::DownloadPage) {
      return Send(res, DownloadPage(*entry, addresses_));
    }
    if (const Entry* entry = catalogue_.FindBySerial(NumberBetween(path, "/kuaichuan/", ".htm"));
        entry != nullptr && entry->kind == EntryKind::Kuaichuan) {
      return Send(res, SharePage(*entry, addresses_));
    }
    if (int n = NumberBetween(path, "/tupian/thumb-", ".jpg"); n > 0) return SendPicture(res, pictures_.Poster(n));
    if (int n = NumberBetween(path, "/tupian/poster-", ".jpeg"); n > 0) return SendPicture(res, pictures_.Poster(n));
    if (int n = NumberBetween(path, "/tupian/still-", ".jpg"); n > 0) return SendPicture(res, pictures_.Still(n));
    res.status = 404;  // with an empty body: a missing poster must read as "no picture"
  });
}

}  // namespace cinevora::demo
