// The HTTP service against servers that misbehave: every answer either arrives whole or fails
// like an unreachable server, within the bounds, and never leaves the http/https world.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>

#include "ServiceCall.h"
#include "tests/support/ScriptedServer.h"

namespace cinevora::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using Script = ScriptedServer::Script;

const std::string OK_HEAD = "HTTP/1.1 200 OK\r\n";

CurlOptions BoundedOptions() {
  CurlOptions options = QuickOptions();
  options.maxBodyBytes = 256 * 1024;
  options.maxHeaderBytes = 8 * 1024;
  options.maxRedirects = 5;
  return options;
}

ServiceReply Fetch(const ScriptedServer& server, std::uint32_t flags = 0) {
  ServiceCall call;
  call.port = server.Port();
  call.path = "/page";
  call.flags = flags;
  return CallService(*MakeCurlInternetService(BoundedOptions()), call);
}

Script Reply(std::string bytes) {
  return [bytes](ScriptedServer::Connection& c) {
    c.ReadRequest();
    c.Send(bytes);
  };
}

struct WholeCase {
  const char* name;
  std::string reply;
  std::string body;
};

TEST(HostileServerTest, OddButCompleteAnswersArriveWhole) {
  const WholeCase cases[] = {
      {"chunked", OK_HEAD + "Transfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n6\r\n world\r\n0\r\n\r\n",
       "hello world"},
      {"close-delimited HTTP/1.0", "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\nuntil the end",
       "until the end"},
      {"NUL bytes", OK_HEAD + "Content-Length: 5\r\n\r\n" + std::string("a\0b\0c", 5),
       std::string("a\0b\0c", 5)},
      {"error status", "HTTP/1.1 500 Broken\r\nContent-Length: 4\r\n\r\noops", "oops"},
  };
  for (const WholeCase& c : cases) {
    ScriptedServer server(Reply(c.reply));
    const ServiceReply reply = Fetch(server);
    EXPECT_TRUE(reply.sent) << c.name;
    EXPECT_EQ(reply.body, c.body) << c.name;
    EXPECT_TRUE(reply.haveHeaders) << c.name;
  }
}

TEST(HostileServerTest, HeaderBlockIsStoredWithCrLfAndWithoutTrailers) {
  ScriptedServer server(Reply(
      "HTTP/1.1 200 OK\nX-Bare: lf\nTransfer-Encoding: chunked\nTrailer: X-Late\n\n"
      "2\r\nok\r\n0\r\nX-Late: 1\r\n\r\n"));
  const ServiceReply reply = Fetch(server);
  EXPECT_EQ(reply.body, "ok");
  EXPECT_EQ(reply.headers,
            "HTTP/1.1 200 OK\r\nX-Bare: lf\r\nTransfer-Encoding: chunked\r\nTrailer: X-Late\r\n\r\n");
}

struct FailCase {
  const char* name;
  Script script;
};

TEST(HostileServerTest, BrokenAnswersFailLikeAnUnreachableServer) {
  const FailCase cases[] = {
      {"garbage status line", Reply("GARBAGE 200\r\n\r\nbody")},
      {"reset in mid-body",
       [](ScriptedServer::Connection& c) {
         c.ReadRequest();
         c.Send(OK_HEAD + "Content-Length: 100000\r\n\r\n" + std::string(2000, 'x'));
         c.Pause(std::chrono::milliseconds(100));
         c.Reset();
       }},
      {"closed in mid-body", Reply(OK_HEAD + "Content-Length: 100\r\n\r\nshort")},
      {"announced body beyond the bound", Reply(OK_HEAD + "Content-Length: 99999999999\r\n\r\n")},
      {"endless body",
       [](ScriptedServer::Connection& c) {
         c.ReadRequest();
         c.Send(OK_HEAD + "\r\n");
         while (c.Send(std::string(64 * 1024, 'e'))) {
         }
       }},
      {"endless header block",
       [](ScriptedServer::Connection& c) {
         c.ReadRequest();
         c.Send(OK_HEAD);
         while (c.Send("X-More: " + std::string(1000, 'h') + "\r\n")) {
         }
       }},
      {"no answer at all",
       [](ScriptedServer::Connection& c) {
         c.ReadRequest();
         c.HoldUntilStopped();
       }},
      {"stalls in mid-body",
       [](ScriptedServer::Connection& c) {
         c.ReadRequest();
         c.Send(OK_HEAD + "Content-Length: 10\r\n\r\nhalf");
         c.HoldUntilStopped();
       }},
  };
  for (const FailCase& c : cases) {
    ScriptedServer server(c.script);
    const auto start = std::chrono::steady_clock::now();
    const ServiceReply reply = Fetch(server);
    EXPECT_FALSE(reply.sent) << c.name;
    EXPECT_EQ(reply.available, 0u) << c.name;
    EXPECT_EQ(reply.body, "") << c.name;
    EXPECT_FALSE(reply.haveHeaders) << c.name;
    // The stall timeout is one second; nothing may wait for the real thirty.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10)) << c.name;
  }
}

TEST(HostileServerTest, ARedirectLoopEndsAtTheRedirectBound) {
  ScriptedServer server(Reply("HTTP/1.1 302 Found\r\nLocation: /page\r\nContent-Length: 0\r\n\r\n"));
  EXPECT_FALSE(Fetch(server).sent);
  EXPECT_EQ(server.Requests().Count(), 6u);  // the first request and five redirects
}

TEST(HostileServerTest, RedirectsLeadingOutOfHttpAreNotFollowed) {
  ScriptedServer ftp([](ScriptedServer::Connection& c) { c.Send("220 ready\r\n"); });
  for (const std::string& target : {std::string("file:///etc/passwd"), "ftp://" + ftp.HostAndPort() + "/f",
                                   std::string("gopher://127.0.0.1/")}) {
    ScriptedServer server(
        Reply("HTTP/1.1 302 Found\r\nLocation: " + target + "\r\nContent-Length: 0\r\n\r\n"));
    const ServiceReply reply = Fetch(server);
    EXPECT_FALSE(reply.sent) << target;
    EXPECT_THAT(reply.body, Not(HasSubstr("root:"))) << target;
  }
  EXPECT_EQ(ftp.ConnectionCount(), 0);
}

TEST(HostileServerTest, ARedirectIsOnlyReportedWhenAutoRedirectIsOff) {
  ScriptedServer server(
      Reply("HTTP/1.1 302 Found\r\nLocation: file:///etc/passwd\r\nContent-Length: 2\r\n\r\nno"));
  const ServiceReply reply = Fetch(server, INTERNET_FLAG_NO_AUTO_REDIRECT);
  EXPECT_TRUE(reply.sent);
  EXPECT_EQ(reply.body, "no");
  EXPECT_THAT(reply.headers, HasSubstr("\r\nLocation: file:///etc/passwd\r\n"));
}

}  // namespace
}  // namespace cinevora::testing
