// The toolkit's plain download: what it asks for and what it gives back.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ServiceCall.h"
#include "platform/inet/PlainDownload.h"
#include "tests/support/LoopbackServer.h"
#include "tests/support/ScriptedServer.h"

namespace cinevora::testing {
namespace {

using ::testing::StartsWith;

std::string AsString(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

TEST(PlainDownloadTest, AsksWithHttp10TheOldAgentAndAcceptAll) {
  LoopbackServer server;
  server.Get("/x", [](const httplib::Request&, httplib::Response& res) {
    res.set_content("1", "text/plain");
  });
  const auto service = MakeCurlInternetService(QuickOptions());
  EXPECT_EQ(AsString(PlainDownload(*service, server.Url("/x"))), "1");
  EXPECT_EQ(server.Requests().Last(),
            "GET /x HTTP/1.0\r\nHost: 127.0.0.1:" + std::to_string(server.Port()) +
                "\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n"
                "Accept: */*\r\n\r\n");
}

TEST(PlainDownloadTest, ReturnsTheBodyWhateverTheStatusAndKeepsPathAndQuery) {
  LoopbackServer server;
  server.Get("/missing", [](const httplib::Request&, httplib::Response& res) {
    res.status = 404;
    res.set_content("not here", "text/plain");
  });
  const auto service = MakeCurlInternetService(QuickOptions());
  const std::string address = server.Url("/missing?v=1");
  EXPECT_EQ(AsString(PlainDownload(*service, address)), "not here");
  // Without a scheme the address is an http one.
  EXPECT_EQ(AsString(PlainDownload(*service, address.substr(7))), "not here");
  EXPECT_THAT(server.Requests().Last(), StartsWith("GET /missing?v=1 HTTP/1.0\r\n"));
}

TEST(PlainDownloadTest, NoBytesWhenNothingCanBeFetched) {
  const auto service = MakeCurlInternetService(QuickOptions());
  const int closedPort = ScriptedServer([](ScriptedServer::Connection&) {}).Port();
  EXPECT_TRUE(PlainDownload(*service, "http://127.0.0.1:" + std::to_string(closedPort) + "/x").empty());
  EXPECT_TRUE(PlainDownload(*service, "").empty());
  ScriptedServer broken([](ScriptedServer::Connection& c) {
    c.ReadRequest();
    c.Send("HTTP/1.0 200 OK\r\nContent-Length: 50\r\n\r\npartial");
  });
  EXPECT_TRUE(PlainDownload(*service, broken.Url("/x")).empty());
}

}  // namespace
}  // namespace cinevora::testing
