#pragma once
// The bundled demo movie site, as an object: tests and benchmarks run it in-process on an
// ephemeral port; the cinevora-demo-site program runs it on the configured one.
//
// It serves, on 127.0.0.1 only: the update answer ("/qatrelux.txt"), the home page, ten listing
// pages for each of the five categories, a movie page for every entry, the separate download and
// share pages, the promotional page, and the posters and stills under "/tupian/". Anything else,
// and a missing poster on purpose, answers 404 with an empty body.

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "Catalogue.h"
#include "Pictures.h"
#include "app/Program.h"

namespace httplib {
class Server;
}

namespace cinevora::demo {

// What this build was configured with (the CINEVORA_DEMO_PORT and CINEVORA_*_BASE cache
// variables), and the folder of the committed pictures.
int ConfiguredDemoPort();
SiteAddresses ConfiguredDemoAddresses();
std::string DefaultPictureFolder();

struct DemoSiteOptions {
  int port = ConfiguredDemoPort();  // 0: an ephemeral port, see DemoSite::port()
  std::string updateAnswer = "1";   // the whole body of "/qatrelux.txt", sent as is
  int delayMs = 0;                  // wait before answering each listing page
  // The bases written into the pages. A field left empty means this site itself on the port it
  // bound ("http://127.0.0.1:<port>", the promotional link with "/promo/" behind it): a test on
  // an ephemeral port clears all four.
  SiteAddresses addresses = ConfiguredDemoAddresses();
  std::string pictureFolder = DefaultPictureFolder();
};

class DemoSite {
 public:
  explicit DemoSite(DemoSiteOptions options = {});
  ~DemoSite();  // stops the site
  DemoSite(const DemoSite&) = delete;
  DemoSite& operator=(const DemoSite&) = delete;

  // Reads the pictures, binds 127.0.0.1 and serves from a thread of its own; requests are
  // accepted as soon as it returns. False, with error() saying why, when the pictures cannot be
  // read or the port cannot be bound. Call once.
  bool Start();

  // Stops serving and joins the serving thread; waiting listing pages give up their delay at
  // once. Idempotent; call from the thread that owns the object.
  void Stop();

  int port() const { return port_; }                               // bound port, after Start
  const SiteAddresses& addresses() const { return addresses_; }    // resolved bases, after Start
  const Catalogue& catalogue() const { return catalogue_; }
  const std::string& error() const { return error_; }

 private:
  void InstallRoutes();
  void ResolveAddresses();
  bool Delay();  // false when the site is stopping

  DemoSiteOptions options_;
  Catalogue catalogue_;
  Pictures pictures_;
  SiteAddresses addresses_;
  std::unique_ptr<httplib::Server> server_;
  std::thread thread_;
  std::atomic<bool> servingEnded_{false};  // the accept loop has returned
  int port_ = 0;
  std::string error_;
  std::mutex mutex_;
  std::condition_variable stopping_;
  bool stopped_ = false;
};

}  // namespace cinevora::demo
