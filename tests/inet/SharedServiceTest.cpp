// One service used by several threads at once: every request gets its own answer, and the
// shared cookie store stays consistent.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "ServiceCall.h"
#include "tests/support/LoopbackServer.h"
#include "web/WebAccess.h"

namespace cinevora::testing {
namespace {

TEST(SharedServiceTest, ThreadsShareOneServiceAndItsCookieStore) {
  LoopbackServer server;
  server.Get(R"(/page/(\d+))", [](const httplib::Request& req, httplib::Response& res) {
    res.set_header("Set-Cookie", "seen=" + req.matches[1].str() + "; path=/");
    res.set_content("page " + req.matches[1].str(), "text/plain");
  });
  const auto service = MakeCurlInternetService(QuickOptions());
  constexpr int THREADS = 4;
  constexpr int PAGES = 15;
  std::vector<int> wrong(THREADS, 0);
  std::vector<std::thread> threads;
  for (int t = 0; t < THREADS; ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < PAGES; ++i) {
        const std::string id = std::to_string(t * 100 + i);
        if (WebAccess(*service, server.Url("/page/" + id)) != "page " + id) ++wrong[t];
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_THAT(wrong, ::testing::Each(0));
  EXPECT_EQ(server.Requests().Count(), static_cast<std::size_t>(THREADS * PAGES));
  // One cookie of that name survives in the store, whichever thread set it last.
  WebAccess(*service, server.Url("/page/1"));
  EXPECT_THAT(server.Requests().Last(), ::testing::ContainsRegex("\r\nCookie: seen=[0-9]+\r\n"));
}

}  // namespace
}  // namespace cinevora::testing
