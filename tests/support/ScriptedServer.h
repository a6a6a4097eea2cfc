#pragma once
// A raw-socket server on 127.0.0.1 and an ephemeral port whose answers are scripted bytes: for
// replies no well-behaved server gives (a garbage status line, a NUL in the body, a body that
// never ends, a reset in mid-body, no answer at all), and for a loopback proxy.
//
//   ScriptedServer server([](ScriptedServer::Connection& c) {
//     c.ReadRequest();
//     c.Send("HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\nab");
//     c.Reset();
//   });
//
// The script runs once for every accepted connection, on a thread of its own; the connection is
// closed when the script returns. Destruction wakes every waiting script and joins them.

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "tests/support/RequestLog.h"

namespace cinevora::testing {

class ScriptedServer {
 public:
  class Connection {
   public:
    // Reads one request (the head up to its empty line and a body of its Content-Length),
    // records it in the server's log and returns it; "" when the peer closed or sent nothing
    // before the server stops. Requests beyond 16 MiB are cut there.
    std::string ReadRequest();
    // Sends all the bytes; false once the peer is gone or the server stops.
    bool Send(std::string_view bytes);
    // Waits, returning early when the server stops.
    void Pause(std::chrono::milliseconds duration);
    // Keeps the connection open and silent until the server stops.
    void HoldUntilStopped();
    // Aborts the connection: the peer sees a reset, not an orderly close.
    void Reset();
    bool Stopping() const;

   private:
    friend class ScriptedServer;
    Connection(int socket, ScriptedServer& server) : socket_(socket), server_(server) {}
    int socket_;
    ScriptedServer& server_;
    std::string pending_;  // bytes read past the last request
  };
  using Script = std::function<void(Connection&)>;

  explicit ScriptedServer(Script script);
  ~ScriptedServer();
  ScriptedServer(const ScriptedServer&) = delete;
  ScriptedServer& operator=(const ScriptedServer&) = delete;

  int Port() const { return port_; }
  // "http://127.0.0.1:<port>" followed by `path`.
  std::string Url(std::string_view path = "/") const;
  // "127.0.0.1:<port>", the form a proxy setting takes.
  std::string HostAndPort() const;
  const RequestLog& Requests() const { return log_; }
  // Connections accepted so far.
  int ConnectionCount() const { return connections_; }

 private:
  void AcceptLoop();
  void Serve(int socket);

  Script script_;
  RequestLog log_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  std::atomic<int> connections_{0};
  std::mutex threadsMutex_;
  std::vector<std::thread> threads_;
  std::thread acceptor_;
};

}  // namespace cinevora::testing
