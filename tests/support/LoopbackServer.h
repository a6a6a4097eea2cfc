#pragma once
// A loopback HTTP (or HTTPS) server for tests: cpp-httplib on 127.0.0.1 and an ephemeral port,
// listening from construction to destruction, that records the raw bytes of every request.
//
//   LoopbackServer server;
//   server.Get("/page", [](const httplib::Request&, httplib::Response& res) {
//     res.set_content("hello", "text/html");
//   });
//   Fetch(server.Url("/page"));
//   EXPECT_EQ(server.Requests().Count(), 1u);
//   EXPECT_THAT(server.Requests().Last(), StartsWith("GET /page HTTP/1.1\r\n"));
//
// Handlers run on the server's threads. A request is recorded before its response is sent, so a
// client that has its answer can read the request at once.

#include <httplib.h>

#include <memory>
#include <string>
#include <string_view>

#include "tests/support/RequestLog.h"
#include "tests/support/TlsIdentity.h"

namespace cinevora::testing {

class LoopbackServer {
 public:
  // Plain HTTP.
  LoopbackServer();
  // HTTPS with the identity's server certificate; clients trust identity.CaFile().
  explicit LoopbackServer(const TlsIdentity& identity);
  // Stops listening and waits for the handlers that still run.
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  // Routes, as httplib's (the pattern is a regular expression over the path). Safe to call while
  // the server runs.
  void Get(const std::string& pattern, httplib::Server::Handler handler);
  void Post(const std::string& pattern, httplib::Server::Handler handler);

  int Port() const { return port_; }
  // "http://127.0.0.1:<port>" (or "https://...") followed by `path`.
  std::string Url(std::string_view path = "/") const;
  const RequestLog& Requests() const { return log_; }
  RequestLog& Requests() { return log_; }

 private:
  class Server;

  RequestLog log_;  // outlives the server's threads
  std::unique_ptr<Server> server_;
  int port_ = 0;
  bool secure_ = false;
};

}  // namespace cinevora::testing
