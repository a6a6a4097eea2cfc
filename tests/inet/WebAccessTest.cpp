// The request routine: the bytes it puts on the wire, and what it makes of the answer.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ServiceCall.h"
#include "platform/codepage/Codepage.h"
#include "tests/support/LoopbackServer.h"
#include "tests/support/ScriptedServer.h"
#include "web/WebAccess.h"

namespace cinevora::testing {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

const Text DEFAULT_LINES_AFTER_REFERER =
    "Accept: */*\r\nAccept-Language: zh-cn\r\nContent-Type: application/x-www-form-urlencoded";
const Text FIVE_THOUSAND_BLANKS(5000, ' ');

std::string AsString(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

class WebAccessTest : public ::testing::Test {
 protected:
  void Serve(const std::string& path, const std::string& body,
             const std::string& type = "text/html") {
    server_.Get(path, [=](const httplib::Request&, httplib::Response& res) {
      res.set_content(body, type.c_str());
    });
  }
  std::string HostLine() const { return "Host: 127.0.0.1:" + std::to_string(server_.Port()); }

  LoopbackServer server_;
  std::unique_ptr<InternetService> service_ = MakeCurlInternetService(QuickOptions());
};

TEST_F(WebAccessTest, AnAddressAloneSendsTheAgentAndTheFourDefaultLinesInOrder) {
  Serve("/page", "the page");
  const Text url = server_.Url("/page?a=B");
  Text headers;
  EXPECT_EQ(WebAccess(*service_, url, 0, {}, nullptr, nullptr, &headers), "the page");
  EXPECT_EQ(headers, "Referer: " + url + "\r\n" + DEFAULT_LINES_AFTER_REFERER);
  EXPECT_EQ(server_.Requests().Last(), "GET /page?a=B HTTP/1.1\r\n" + HostLine() +
                                           "\r\nUser-Agent: " + DEFAULT_USER_AGENT + "\r\n" +
                                           headers + "\r\n\r\n");
}

TEST_F(WebAccessTest, AnAddressWithoutSchemeIsAnHttpOneAndIsTheRefererAsWritten) {
  Serve("/Page", "found");
  const Text url = server_.Url("/Page").substr(7);  // "127.0.0.1:port/Page"
  EXPECT_EQ(WebAccess(*service_, url), "found");
  EXPECT_THAT(server_.Requests().Last(), StartsWith("GET /Page HTTP/1.1\r\n"));
  EXPECT_THAT(server_.Requests().Last(), HasSubstr("\r\nReferer: " + url + "\r\n"));
}

TEST_F(WebAccessTest, RedirectsAreFollowedUnlessNoRedirectIsSet) {
  server_.Get("/old", [](const httplib::Request&, httplib::Response& res) {
    res.set_redirect("/new");
    res.set_content("moved", "text/plain");
  });
  Serve("/new", "new page");
  EXPECT_EQ(WebAccess(*service_, server_.Url("/old")), "new page");
  Text location;
  EXPECT_EQ(WebAccess(*service_, server_.Url("/old"), 0, {}, nullptr, nullptr, nullptr, &location,
                      true),
            "moved");
  EXPECT_EQ(location, "/new");
}

struct HeaderCase {
  const char* given;
  const char* agentLine;  // what libcurl adds before the caller's lines, if anything
  const char* sent;       // the completed header text, "%s" standing for the address
};

TEST_F(WebAccessTest, CallersHeaderLinesAreCompletedByCaseSensitiveTests) {
  Serve("/h", "ok");
  const Text url = server_.Url("/h");
  const std::string defaults = "Referer: " + url + "\r\n" + DEFAULT_LINES_AFTER_REFERER;
  const HeaderCase cases[] = {
      // A lower-case "referer:" does not count as a Referer line.
      {"referer: x", "default", "referer: x\r\n%s"},
      // The agent comes from the only line, which stays among the lines sent.
      {"User-Agent: X", "", "User-Agent: X\r\n%s"},
      {"user-agent:  Y  \r\nAccept: text/html", "",
       "user-agent:  Y  \r\nAccept: text/html\r\nReferer: URL\r\nAccept-Language: zh-cn\r\n"
       "Content-Type: application/x-www-form-urlencoded"},
  };
  for (const HeaderCase& c : cases) {
    Text headers = c.given;
    WebAccess(*service_, url, 0, {}, nullptr, nullptr, &headers);
    std::string expected = c.sent;
    if (const auto at = expected.find("%s"); at != std::string::npos) expected.replace(at, 2, defaults);
    if (const auto at = expected.find("URL"); at != std::string::npos) expected.replace(at, 3, url);
    EXPECT_EQ(headers, expected) << c.given;
    const std::string agent =
        std::string(c.agentLine) == "default" ? "User-Agent: " + Text(DEFAULT_USER_AGENT) + "\r\n" : "";
    EXPECT_EQ(server_.Requests().Last(),
              "GET /h HTTP/1.1\r\n" + HostLine() + "\r\n" + agent + expected + "\r\n\r\n")
        << c.given;
  }
}

struct MethodCase {
  int method;
  const char* postText;
  const char* postBytes;
  const char* requestLine;
  const char* data;  // sent after the head
};

TEST(WebAccessMethodTest, MethodChoosesVerbAndWhetherDataGoes) {
  ScriptedServer server([](ScriptedServer::Connection& c) {
    c.ReadRequest();
    c.Send("HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n");
  });
  const auto service = MakeCurlInternetService(QuickOptions());
  const MethodCase cases[] = {
      {0, "a=1", "", "GET /f HTTP/1.1", ""},
      {1, "a=1", "", "POST /f HTTP/1.1", "a=1"},
      {2, "a=1", "", "GET /f HTTP/1.1", "a=1"},
      {1, "a=1", "b=2", "POST /f HTTP/1.1", "b=2"},
      {1, "", "", "POST /f HTTP/1.1", ""},
  };
  for (const MethodCase& c : cases) {
    Bytes postBytes = BytesFromText(c.postBytes);
    WebAccess(*service, server.Url("/f"), c.method, c.postText, nullptr, nullptr, nullptr, nullptr,
              false, &postBytes);
    const std::string request = server.Requests().Last();
    EXPECT_THAT(request, StartsWith(std::string(c.requestLine) + "\r\n")) << c.method;
    EXPECT_THAT(request, EndsWith(std::string("\r\n\r\n") + c.data)) << c.method;
    const bool sendsData = c.method != 0;
    EXPECT_EQ(request.find("Content-Length: ") != std::string::npos, sendsData) << c.method;
    // The text's bytes replace empty request bytes, in the caller's variable too.
    EXPECT_EQ(AsString(postBytes), sendsData ? c.data : c.postBytes) << c.method;
  }
}

TEST_F(WebAccessTest, WithoutCookiesTheServicesStoreKeepsThemBetweenCalls) {
  server_.Get("/set", [](const httplib::Request&, httplib::Response& res) {
    res.set_header("Set-Cookie", "s=1; path=/");
  });
  Text returned = "old";
  WebAccess(*service_, server_.Url("/set"), 0, {}, nullptr, &returned);
  EXPECT_EQ(returned, "s=1");
  WebAccess(*service_, server_.Url("/next"));
  EXPECT_THAT(server_.Requests().Last(), HasSubstr("\r\nCookie: s=1\r\n"));
}

TEST_F(WebAccessTest, PresentCookiesReplaceTheStoreAndReceiveTheMerge) {
  server_.Get("/set", [](const httplib::Request&, httplib::Response& res) {
    res.set_header("Set-Cookie", "s=1; path=/");
  });
  Text cookies;  // present but empty: no Cookie line
  WebAccess(*service_, server_.Url("/set"), 0, {}, &cookies);
  EXPECT_THAT(server_.Requests().Last(), Not(HasSubstr("Cookie")));
  EXPECT_EQ(cookies, "s=1");
  // The service's own store was off: it learnt nothing.
  WebAccess(*service_, server_.Url("/next"));
  EXPECT_THAT(server_.Requests().Last(), Not(HasSubstr("Cookie")));

  cookies = "u=3; s=0";
  Text headers;
  WebAccess(*service_, server_.Url("/set"), 0, {}, &cookies, nullptr, &headers);
  EXPECT_THAT(headers, EndsWith("\r\nCookie: u=3; s=0"));
  EXPECT_THAT(server_.Requests().Last(), HasSubstr("\r\nCookie: u=3; s=0\r\n"));
  EXPECT_EQ(cookies, "s=1; u=3");
}

TEST(WebAccessHeaderScanTest, EachSetCookieLineGivesItsFirstItemEvenWhenEmpty) {
  ScriptedServer server([](ScriptedServer::Connection& c) {
    c.ReadRequest();
    c.Send("HTTP/1.1 200 OK\r\nSet-Cookie: a=1; path=/\r\nSet-Cookie: b=2\r\n"
           "Content-Length: 2\r\n\r\nok");
  });
  Text returned;
  Text location = "kept";
  EXPECT_EQ(WebAccess(*MakeCurlInternetService(QuickOptions()), server.Url("/"), 0, {}, nullptr,
                      &returned, nullptr, &location),
            "ok");
  EXPECT_EQ(returned, "a=1; ");
  EXPECT_EQ(location, "kept");
}

TEST_F(WebAccessTest, WithoutLocationLineLocationReceivesTheWholeHeaderBlock) {
  Serve("/p", "x");
  Text location, responseHeaders;
  WebAccess(*service_, server_.Url("/p"), 0, {}, nullptr, nullptr, nullptr, &location, false,
            nullptr, nullptr, &responseHeaders);
  EXPECT_THAT(responseHeaders, StartsWith("HTTP/1.1 200 OK\r\n"));
  EXPECT_THAT(responseHeaders, EndsWith("\r\n\r\n"));
  EXPECT_EQ(location, responseHeaders);
}

struct BlockCase {
  std::size_t blockBytes;
  bool scanned;
};

TEST(WebAccessHeaderScanTest, AHeaderBlockNeedsRoomForItsNulInTheFiveThousandByteBuffer) {
  for (const BlockCase& c : {BlockCase{4999, true}, BlockCase{5000, false}, BlockCase{9000, false}}) {
    std::string block = "HTTP/1.1 200 OK\r\nLocation: /x\r\nSet-Cookie: c=1; p\r\n"
                        "Content-Length: 4\r\nX-Pad: ";
    block += std::string(c.blockBytes - block.size() - 4, 'p') + "\r\n\r\n";
    ScriptedServer server([&](ScriptedServer::Connection& conn) {
      conn.ReadRequest();
      conn.Send(block + "body");
    });
    Text returned, location, responseHeaders;
    EXPECT_EQ(WebAccess(*MakeCurlInternetService(QuickOptions()), server.Url("/"), 0, {}, nullptr,
                        &returned, nullptr, &location, false, nullptr, nullptr, &responseHeaders),
              "body");
    EXPECT_EQ(responseHeaders, c.scanned ? block : FIVE_THOUSAND_BLANKS) << c.blockBytes;
    EXPECT_EQ(location, c.scanned ? "/x" : FIVE_THOUSAND_BLANKS) << c.blockBytes;
    EXPECT_EQ(returned, c.scanned ? "c=1" : "") << c.blockBytes;
  }
}

struct CharsetCase {
  const char* name;
  std::string body;
  const char* contentType;
  bool converted;
};

TEST_F(WebAccessTest, Utf8PagesBecomeGbkWhenTheMarkerStartsEarlyOrTheHeadersNameIt) {
  const std::string chinese = "\xE4\xB8\xAD\xE6\x96\x87";  // 中文 in UTF-8
  const CharsetCase cases[] = {
      {"marker at byte 499", std::string(498, 'a') + "utf-8" + chinese, "text/html", true},
      {"marker at byte 500", std::string(499, 'a') + "utf-8" + chinese, "text/html", false},
      {"marker at byte 1", "utf-8" + chinese, "text/html", true},
      {"upper case in the body", "UTF-8" + chinese, "text/html", false},
      {"upper case in the headers", std::string(600, 'a') + chinese, "text/html; charset=UTF-8", true},
  };
  int page = 0;
  for (const CharsetCase& c : cases) {
    const std::string path = "/c" + std::to_string(++page);
    Serve(path, c.body, c.contentType);
    const std::string expected =
        c.converted ? c.body.substr(0, c.body.size() - chinese.size()) + Gbk("中文") : c.body;
    EXPECT_EQ(WebAccess(*service_, server_.Url(path)), expected) << c.name;
    EXPECT_EQ(AsString(WebAccessBytes(*service_, server_.Url(path))), c.body) << c.name;
  }
}

TEST_F(WebAccessTest, TextStopsAtTheFirstNulButBytesKeepEverything) {
  const std::string body("GIF\0after", 9);
  Serve("/nul", body, "image/gif");
  EXPECT_EQ(WebAccess(*service_, server_.Url("/nul")), "GIF");
  EXPECT_EQ(AsString(WebAccessBytes(*service_, server_.Url("/nul"))), body);
}

TEST(WebAccessFailureTest, AnUnreachableServerLeavesBlanksInHeadersAndLocation) {
  const auto service = MakeCurlInternetService(QuickOptions());
  const int closedPort = ScriptedServer([](ScriptedServer::Connection&) {}).Port();
  for (const Text& url : {"http://127.0.0.1:" + std::to_string(closedPort) + "/", Text()}) {
    Text returned = "old", location, responseHeaders;
    EXPECT_EQ(WebAccess(*service, url, 0, {}, nullptr, &returned, nullptr, &location, false,
                        nullptr, nullptr, &responseHeaders),
              "")
        << url;
    EXPECT_TRUE(WebAccessBytes(*service, url).empty()) << url;
    EXPECT_EQ(returned, "") << url;
    EXPECT_EQ(responseHeaders, FIVE_THOUSAND_BLANKS) << url;
    EXPECT_EQ(location, FIVE_THOUSAND_BLANKS) << url;
  }
}

TEST(WebAccessProxyTest, APresentProxyCarriesHttpButLeavesHttpsDirect) {
  ScriptedServer proxy([](ScriptedServer::Connection& c) {
    c.ReadRequest();
    c.Send("HTTP/1.1 200 OK\r\nContent-Length: 7\r\n\r\nproxied");
  });
  TlsIdentity identity;
  ASSERT_TRUE(identity.Valid());
  LoopbackServer secure(identity);
  secure.Get("/s", [](const httplib::Request&, httplib::Response& res) {
    res.set_content("secure page", "text/plain");
  });
  CurlOptions options = QuickOptions();
  options.caBundle = identity.CaFile();
  const auto service = MakeCurlInternetService(options);
  const Text at = proxy.HostAndPort();

  EXPECT_EQ(WebAccess(*service, "http://example.test/x", 0, {}, nullptr, nullptr, nullptr, nullptr,
                      false, nullptr, &at),
            "proxied");
  EXPECT_THAT(proxy.Requests().Last(), StartsWith("GET http://example.test/x HTTP/1.1\r\n"));
  // "http=" names a proxy for http only; an https address with its own port goes straight there.
  EXPECT_EQ(WebAccess(*service, secure.Url("/s"), 0, {}, nullptr, nullptr, nullptr, nullptr, false,
                      nullptr, &at),
            "secure page");
  EXPECT_EQ(proxy.Requests().Count(), 1u);
  EXPECT_THAT(secure.Requests().Last(), StartsWith("GET /s HTTP/1.1\r\n"));
}

// --- the handles, against a service that records its calls ------------------------------------

class RecordingService final : public InternetService {
 public:
  int failingStep = 0;  // 1 session, 2 connection, 3 request
  std::vector<std::string> calls;

  InetHandle Open(const Text& agent, int accessType, const Text& proxyList) override {
    calls.push_back("Open " + agent + "|" + std::to_string(accessType) + "|" + proxyList);
    return failingStep == 1 ? 0 : 1;
  }
  InetHandle Connect(InetHandle, const Text& host, int port) override {
    calls.push_back("Connect " + host + "|" + std::to_string(port));
    return failingStep == 2 ? 0 : 2;
  }
  InetHandle OpenRequest(InetHandle, const Text& verb, const Text& objectName, const Text& version,
                         std::uint32_t flags) override {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%08X", flags);
    calls.push_back("OpenRequest " + verb + "|" + objectName + "|" + version + "|" + hex);
    return failingStep == 3 ? 0 : 3;
  }
  bool SendRequest(InetHandle, const Text&, const std::uint8_t*, std::size_t) override {
    calls.push_back("Send");
    return false;
  }
  std::size_t ReadFile(InetHandle, std::uint8_t*, std::size_t) override { return 0; }
  bool QueryRawHeaders(InetHandle, char*, std::size_t) override { return false; }
  void CloseHandle(InetHandle handle) override { calls.push_back("Close " + std::to_string(handle)); }
};

struct AddressCase {
  const char* url;
  const char* connect;
  const char* openRequest;
};

TEST(WebAccessHandlesTest, HostPortPathAndFlagsComeFromTheAddress) {
  const AddressCase cases[] = {
      {"https://Site.test/A?b=C", "Connect site.test|443", "OpenRequest GET|/A?b=C|HTTP/1.1|80800010"},
      {"HTTPS://site.test:8443/x", "Connect site.test|8443", "OpenRequest GET|/x|HTTP/1.1|80800010"},
      {"http://site.test", "Connect site.test|80", "OpenRequest GET|/|HTTP/1.1|80004010"},
      {"site.test/p", "Connect site.test|80", "OpenRequest GET|/p|HTTP/1.1|80004010"},
      {"", "Connect |80", "OpenRequest GET|/|HTTP/1.1|80004010"},
  };
  for (const AddressCase& c : cases) {
    RecordingService service;
    WebAccess(service, c.url);
    ASSERT_EQ(service.calls.size(), 7u) << c.url;
    EXPECT_EQ(service.calls[0], "Open " + Text(DEFAULT_USER_AGENT) + "|1|") << c.url;
    EXPECT_EQ(service.calls[1], c.connect) << c.url;
    EXPECT_EQ(service.calls[2], c.openRequest) << c.url;
    EXPECT_THAT(service.calls, ::testing::ElementsAre(::testing::_, ::testing::_, ::testing::_,
                                                      "Send", "Close 3", "Close 2", "Close 1"));
  }
}

TEST(WebAccessHandlesTest, CookiesNoRedirectMethodAndProxyShowInTheCalls) {
  RecordingService service;
  Text cookies, proxy = "10.0.0.1:8080";
  WebAccess(service, "http://h/", 1, {}, &cookies, nullptr, nullptr, nullptr, true, nullptr, &proxy);
  EXPECT_EQ(service.calls[0], "Open " + Text(DEFAULT_USER_AGENT) + "|3|http=10.0.0.1:8080");
  EXPECT_EQ(service.calls[2], "OpenRequest POST|/|HTTP/1.1|80284010");
}

TEST(WebAccessHandlesTest, AHandleThatCannotBeOpenedChangesNoParameter) {
  const std::vector<std::vector<std::string>> tails = {
      {},
      {"Close 1"},
      {"Close 2", "Close 1"},
  };
  for (int step = 1; step <= 3; ++step) {
    RecordingService service;
    service.failingStep = step;
    Text cookies = "c=1", returned = "r", headers = "X-A: 1", location = "l", responseHeaders = "h";
    Bytes postBytes;
    EXPECT_EQ(WebAccess(service, "http://h/", 1, "data", &cookies, &returned, &headers, &location,
                        false, &postBytes, nullptr, &responseHeaders),
              "");
    EXPECT_EQ(cookies, "c=1");
    EXPECT_EQ(returned, "r");
    EXPECT_EQ(headers, "X-A: 1");
    EXPECT_EQ(location, "l");
    EXPECT_EQ(responseHeaders, "h");
    EXPECT_TRUE(postBytes.empty());
    const std::vector<std::string> tail(service.calls.begin() + step, service.calls.end());
    EXPECT_EQ(tail, tails[step - 1]) << step;
  }
}

}  // namespace
}  // namespace cinevora::testing
