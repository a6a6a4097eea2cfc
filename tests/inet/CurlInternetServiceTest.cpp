// The HTTP service over libcurl against loopback servers: what goes out on the wire, what comes
// back through the handles, cookies, proxies and TLS.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "ServiceCall.h"
#include "tests/support/LoopbackServer.h"
#include "tests/support/ScriptedServer.h"

namespace cinevora::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

class CurlServiceTest : public ::testing::Test {
 protected:
  ServiceCall To(const std::string& path) {
    ServiceCall call;
    call.port = server_.Port();
    call.path = path;
    return call;
  }
  std::string HostLine() const { return "Host: 127.0.0.1:" + std::to_string(server_.Port()); }

  LoopbackServer server_;
  std::unique_ptr<InternetService> service_ = MakeCurlInternetService(QuickOptions());
};

TEST_F(CurlServiceTest, SendsTheCallersHeaderLinesAsWrittenAndNothingElseButHostAndAgent) {
  server_.Get("/p", [](const httplib::Request&, httplib::Response& res) {
    res.set_content("fine", "text/plain");
  });
  ServiceCall call = To("/p?q=1");
  call.headers = "Referer: http://x/\r\nAccept: */*\r\nX-Blank: \r\nContent-Type: a/b";
  const ServiceReply reply = CallService(*service_, call);

  EXPECT_TRUE(reply.sent);
  EXPECT_EQ(reply.body, "fine");
  EXPECT_EQ(server_.Requests().Last(),
            "GET /p?q=1 HTTP/1.1\r\n" + HostLine() +
                "\r\nUser-Agent: TestAgent/1.0\r\nReferer: http://x/\r\nAccept: */*\r\n"
                "X-Blank:\r\nContent-Type: a/b\r\n\r\n");
}

TEST_F(CurlServiceTest, WithoutAgentAndHeadersOnlyHostGoesOut) {
  ServiceCall call = To("/");
  call.agent = "";
  CallService(*service_, call);
  EXPECT_EQ(server_.Requests().Last(), "GET / HTTP/1.1\r\n" + HostLine() + "\r\n\r\n");
}

TEST_F(CurlServiceTest, SendsRequestDataWithTheGivenVerbAndNoExpectOrAddedContentType) {
  server_.Post("/form", [](const httplib::Request& req, httplib::Response& res) {
    res.set_content(std::to_string(req.body.size()), "text/plain");
  });
  // Above libcurl's threshold for "Expect: 100-continue".
  ServiceCall post = To("/form");
  post.verb = "POST";
  post.data = std::string(1536 * 1024, 'd');
  EXPECT_EQ(CallService(*service_, post).body, std::to_string(post.data.size()));
  const std::string posted = server_.Requests().Last();
  EXPECT_THAT(posted, StartsWith("POST /form HTTP/1.1\r\n"));
  EXPECT_THAT(posted, HasSubstr("\r\nContent-Length: 1572864\r\n"));
  EXPECT_THAT(posted, Not(HasSubstr("Expect")));
  EXPECT_THAT(posted, Not(HasSubstr("Content-Type")));
  EXPECT_EQ(posted.substr(posted.size() - post.data.size()), post.data);

  // httplib ignores the body of a GET, so a raw server takes this one.
  ScriptedServer raw([](ScriptedServer::Connection& c) {
    c.ReadRequest();
    c.Send("HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n");
  });
  ServiceCall get = To("/form");
  get.port = raw.Port();
  get.data = "a=1";
  EXPECT_TRUE(CallService(*service_, get).sent);
  EXPECT_EQ(raw.Requests().Last(), "GET /form HTTP/1.1\r\nHost: " + raw.HostAndPort() +
                                       "\r\nUser-Agent: TestAgent/1.0\r\nContent-Length: 3\r\n\r\na=1");
}

TEST_F(CurlServiceTest, AnHttp10RequestSaysSo) {
  ServiceCall call = To("/old");
  call.version = "HTTP/1.0";
  CallService(*service_, call);
  EXPECT_THAT(server_.Requests().Last(), StartsWith("GET /old HTTP/1.0\r\n"));
}

TEST_F(CurlServiceTest, ReadsTheBodyInChunksOfAtMostTheBufferAndEveryByteOfIt) {
  std::string body(3000, '\0');
  for (std::size_t i = 0; i < body.size(); ++i) body[i] = static_cast<char>(i * 7);
  server_.Get("/bin", [&](const httplib::Request&, httplib::Response& res) {
    res.set_content(body, "application/octet-stream");
  });
  const ServiceReply reply = CallService(*service_, To("/bin"));
  EXPECT_EQ(reply.available, body.size());
  EXPECT_EQ(reply.body, body);
  EXPECT_EQ(reply.largestRead, 1024u);
}

TEST_F(CurlServiceTest, HeadersAreTheFinalResponsesOfARedirectChain) {
  server_.Get("/a", [](const httplib::Request&, httplib::Response& res) {
    res.set_redirect("/b");
    res.set_header("X-First", "1");
  });
  server_.Get("/b", [](const httplib::Request&, httplib::Response& res) {
    res.set_header("X-Final", "2");
    res.set_content("at b", "text/plain");
  });
  const ServiceReply followed = CallService(*service_, To("/a"));
  EXPECT_EQ(followed.body, "at b");
  ASSERT_TRUE(followed.haveHeaders);
  EXPECT_THAT(followed.headers, StartsWith("HTTP/1.1 200 OK\r\n"));
  EXPECT_THAT(followed.headers, HasSubstr("\r\nX-Final: 2\r\n"));
  EXPECT_THAT(followed.headers, Not(HasSubstr("X-First")));
  EXPECT_THAT(followed.headers, ::testing::EndsWith("\r\n\r\n"));

  ServiceCall stay = To("/a");
  stay.flags = INTERNET_FLAG_NO_AUTO_REDIRECT;
  const ServiceReply kept = CallService(*service_, stay);
  EXPECT_THAT(kept.headers, StartsWith("HTTP/1.1 302 Found\r\n"));
  EXPECT_THAT(kept.headers, HasSubstr("\r\nLocation: /b\r\n"));
  EXPECT_EQ(server_.Requests().Count(), 3u);
}

TEST_F(CurlServiceTest, HeaderQueryNeedsRoomForTheBlockAndItsNulAndOtherwiseLeavesTheBuffer) {
  const ServiceCall call = To("/none");
  const InetHandle session = service_->Open("a", INTERNET_OPEN_TYPE_DIRECT, "");
  const InetHandle connection = service_->Connect(session, call.host, call.port);
  const InetHandle request = service_->OpenRequest(connection, "GET", "/none", "HTTP/1.1", 0);
  ASSERT_TRUE(service_->SendRequest(request, "", nullptr, 0));
  std::string block(4096, '#');
  ASSERT_TRUE(service_->QueryRawHeaders(request, block.data(), block.size()));
  const std::size_t length = std::strlen(block.c_str());
  EXPECT_THAT(block, StartsWith("HTTP/1.1 404 Not Found\r\n"));

  std::string tight(length, ' ');
  EXPECT_FALSE(service_->QueryRawHeaders(request, tight.data(), tight.size()));
  EXPECT_EQ(tight, std::string(length, ' '));
  std::string exact(length + 1, ' ');
  EXPECT_TRUE(service_->QueryRawHeaders(request, exact.data(), exact.size()));
  EXPECT_EQ(exact.substr(0, length), block.substr(0, length));
  EXPECT_EQ(exact.back(), '\0');
  for (InetHandle h : {request, connection, session}) service_->CloseHandle(h);
}

TEST_F(CurlServiceTest, OneCookieStorePerServiceUnlessTheRequestSaysNoCookies) {
  server_.Get("/set", [](const httplib::Request&, httplib::Response& res) {
    res.set_header("Set-Cookie", "kept=1; path=/");
  });
  server_.Get("/set-ignored", [](const httplib::Request&, httplib::Response& res) {
    res.set_header("Set-Cookie", "ignored=1; path=/");
  });
  ServiceCall noCookies = To("/set-ignored");
  noCookies.flags = INTERNET_FLAG_NO_COOKIES;
  CallService(*service_, noCookies);
  CallService(*service_, To("/set"));

  CallService(*service_, To("/again"));
  EXPECT_THAT(server_.Requests().Last(), HasSubstr("\r\nCookie: kept=1\r\n"));
  EXPECT_THAT(server_.Requests().Last(), Not(HasSubstr("ignored")));

  noCookies.path = "/private";
  CallService(*service_, noCookies);
  EXPECT_THAT(server_.Requests().Last(), Not(HasSubstr("Cookie")));

  const auto other = MakeCurlInternetService(QuickOptions());
  CallService(*other, To("/elsewhere"));
  EXPECT_THAT(server_.Requests().Last(), Not(HasSubstr("Cookie")));
}

TEST_F(CurlServiceTest, UnreachableServerFailsTheSendTheReadsAndTheHeaderQuery) {
  ServiceCall call = To("/");
  call.port = ScriptedServer([](ScriptedServer::Connection&) {}).Port();  // closed again
  const ServiceReply reply = CallService(*service_, call);
  EXPECT_FALSE(reply.sent);
  EXPECT_EQ(reply.body, "");
  EXPECT_FALSE(reply.haveHeaders);
}

TEST_F(CurlServiceTest, AHostThatWouldReshapeTheAddressIsNotContacted) {
  for (const std::string host : {"", "127.0.0.1@evil", "127.0.0.1/x", "a b", "x?y=1"}) {
    ServiceCall call = To("/");
    call.host = host;
    EXPECT_FALSE(CallService(*service_, call).sent) << host;
  }
  EXPECT_EQ(server_.Requests().Count(), 0u);
}

TEST_F(CurlServiceTest, BlanksAndLineBreaksInThePathAreEscapedNotSent) {
  const ServiceReply reply = CallService(*service_, To("/a b\r\nX-Injected: 1"));
  EXPECT_TRUE(reply.sent);
  EXPECT_THAT(server_.Requests().Last(), StartsWith("GET /a%20b%0D%0AX-Injected:%201 HTTP/1.1\r\n"));
}

TEST_F(CurlServiceTest, PortZeroMeansTheSchemesPort) {
  // Nothing listens on port 80 here; what matters is that no request is refused up front.
  ServiceCall call = To("/");
  call.port = 0;
  call.accessType = INTERNET_OPEN_TYPE_PROXY;
  ScriptedServer proxy([](ScriptedServer::Connection& c) {
    c.ReadRequest();
    c.Send("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok");
  });
  call.proxyList = proxy.HostAndPort();
  call.host = "example.test";
  EXPECT_EQ(CallService(*service_, call).body, "ok");
  EXPECT_THAT(proxy.Requests().Last(), StartsWith("GET http://example.test/ HTTP/1.1\r\n"));
}

// --- proxies ---------------------------------------------------------------------------------

class ProxyTest : public ::testing::Test {
 protected:
  ProxyTest()
      : proxy_([](ScriptedServer::Connection& c) {
          c.ReadRequest();
          c.Send("HTTP/1.1 200 OK\r\nContent-Length: 7\r\n\r\nproxied");
        }) {}

  ServiceCall Through(const std::string& list, const std::string& host, std::uint32_t flags = 0) {
    ServiceCall call;
    call.accessType = INTERNET_OPEN_TYPE_PROXY;
    call.proxyList = list;
    call.host = host;
    call.path = "/x";
    call.flags = flags;
    return call;
  }

  ScriptedServer proxy_;
  std::unique_ptr<InternetService> service_ = MakeCurlInternetService(QuickOptions());
};

TEST_F(ProxyTest, AnEntryForTheSchemeOrABareOneCarriesTheRequest) {
  const std::string at = proxy_.HostAndPort();
  for (const std::string& list : {"http=" + at, at, "ftp=1.2.3.4:1 " + at, "https=1.2.3.4:1;http=" + at}) {
    EXPECT_EQ(CallService(*service_, Through(list, "example.test")).body, "proxied") << list;
    EXPECT_THAT(proxy_.Requests().Last(), StartsWith("GET http://example.test/x HTTP/1.1\r\n"));
  }
  EXPECT_EQ(proxy_.Requests().Count(), 4u);
}

TEST_F(ProxyTest, AnHttpsRequestTunnelsToPort443OrItsOwnPort) {
  ServiceCall call = Through("https=" + proxy_.HostAndPort(), "example.test", INTERNET_FLAG_SECURE);
  CallService(*service_, call);
  EXPECT_THAT(proxy_.Requests().Last(), StartsWith("CONNECT example.test:443 HTTP/1.1\r\n"));
  call.port = 8443;
  CallService(*service_, call);
  EXPECT_THAT(proxy_.Requests().Last(), StartsWith("CONNECT example.test:8443 HTTP/1.1\r\n"));
}

TEST_F(ProxyTest, AnEntryForAnotherSchemeOrTheEnvironmentLeavesTheConnectionDirect) {
  LoopbackServer direct;
  ServiceCall call = Through("https=" + proxy_.HostAndPort(), "127.0.0.1");
  call.port = direct.Port();
  setenv("http_proxy", ("http://" + proxy_.HostAndPort()).c_str(), 1);
  setenv("ALL_PROXY", ("http://" + proxy_.HostAndPort()).c_str(), 1);
  CallService(*service_, call);
  call.accessType = INTERNET_OPEN_TYPE_DIRECT;
  CallService(*service_, call);
  unsetenv("http_proxy");
  unsetenv("ALL_PROXY");
  EXPECT_EQ(direct.Requests().Count(), 2u);
  EXPECT_EQ(proxy_.Requests().Count(), 0u);
}

// --- TLS -------------------------------------------------------------------------------------

TEST(TlsTest, VerifiesTheServerAgainstTheConfiguredAuthority) {
  TlsIdentity identity;
  ASSERT_TRUE(identity.Valid());
  LoopbackServer server(identity);
  server.Get("/s", [](const httplib::Request&, httplib::Response& res) {
    res.set_content("secret", "text/plain");
  });
  ServiceCall call;
  call.port = server.Port();
  call.path = "/s";
  call.flags = INTERNET_FLAG_SECURE;

  CurlOptions trusting = QuickOptions();
  trusting.caBundle = identity.CaFile();
  const ServiceReply reply = CallService(*MakeCurlInternetService(trusting), call);
  EXPECT_EQ(reply.body, "secret");
  EXPECT_THAT(reply.headers, StartsWith("HTTP/1.1 200 OK\r\n"));
  EXPECT_THAT(server.Requests().Last(), StartsWith("GET /s HTTP/1.1\r\n"));

  CurlOptions systemStore = QuickOptions();
  systemStore.caBundle = "";
  EXPECT_FALSE(CallService(*MakeCurlInternetService(systemStore), call).sent);
  EXPECT_EQ(server.Requests().Count(), 1u);
}

TEST(TlsTest, TheCaBundleComesFromSslCertFile) {
  const char* before = std::getenv("SSL_CERT_FILE");
  const std::string saved = before != nullptr ? before : "";
  setenv("SSL_CERT_FILE", "/some/ca.pem", 1);
  EXPECT_EQ(CurlOptions().caBundle, "/some/ca.pem");
  unsetenv("SSL_CERT_FILE");
  EXPECT_EQ(CurlOptions().caBundle, "");
  if (before != nullptr) setenv("SSL_CERT_FILE", saved.c_str(), 1);
}

}  // namespace
}  // namespace cinevora::testing
