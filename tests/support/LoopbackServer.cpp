#include "tests/support/LoopbackServer.h"

#include <sys/socket.h>
#include <unistd.h>

#include <mutex>
#include <thread>

#include "tests/support/RecordingStream.h"

namespace cinevora::testing {

// httplib's server with its connection loop replaced by one that reads through a
// RecordingStream, so the raw request bytes are kept (httplib itself keeps only parsed headers,
// which lose their order).
class LoopbackServer::Server final : public httplib::Server {
 public:
  Server(RequestLog& log, SSL_CTX* tls) : log_(log), tls_(tls) {
    // Taking the routes' lock before routing orders every route added so far before the request.
    set_pre_routing_handler([this](const httplib::Request&, httplib::Response&) {
      std::lock_guard lock(routesMutex_);
      return HandlerResponse::Unhandled;
    });
  }

  ~Server() override {
    stop();
    if (listener_.joinable()) listener_.join();
    if (tls_ != nullptr) SSL_CTX_free(tls_);
  }

  std::mutex& RoutesMutex() { return routesMutex_; }

  int Start() {
    const int port = bind_to_any_port("127.0.0.1");
    if (port <= 0) return port;
    listener_ = std::thread([this] { listen_after_bind(); });
    // stop() does nothing to a server that is not running yet, so a server destroyed at once
    // would otherwise listen for ever.
    while (!is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return port;
  }

 private:
  bool process_and_close_socket(socket_t sock) override {
    const std::chrono::seconds timeout(read_timeout_sec_);
    SSL* ssl = nullptr;
    if (tls_ != nullptr) {
      timeval limit{read_timeout_sec_, 0};
      setsockopt(sock, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
      ssl = SSL_new(tls_);
      SSL_set_fd(ssl, sock);
      if (SSL_accept(ssl) != 1) {
        SSL_free(ssl);
        ::close(sock);
        return false;
      }
    }
    {
      RecordingStream stream(sock, ssl, timeout, log_);
      const auto running = [this] { return svr_sock_ != INVALID_SOCKET; };
      for (std::size_t count = 0; count < keep_alive_max_count_; ++count) {
        if (!stream.WaitForNext(std::chrono::seconds(keep_alive_timeout_sec_), running)) break;
        bool closed = false;
        const bool ok = process_request(stream, count + 1 == keep_alive_max_count_, closed,
                                        [ssl](httplib::Request& req) { req.ssl = ssl; });
        stream.Record();
        if (!ok || closed) break;
      }
    }
    if (ssl != nullptr) {
      SSL_shutdown(ssl);
      SSL_free(ssl);
    }
    ::shutdown(sock, SHUT_RDWR);
    ::close(sock);
    return true;
  }

  RequestLog& log_;
  SSL_CTX* tls_;
  std::mutex routesMutex_;
  std::thread listener_;
};

LoopbackServer::LoopbackServer() {
  server_ = std::make_unique<Server>(log_, nullptr);
  port_ = server_->Start();
}

LoopbackServer::LoopbackServer(const TlsIdentity& identity)
    : secure_(true) {
  SSL_CTX* tls = SSL_CTX_new(TLS_server_method());
  if (tls != nullptr &&
      (SSL_CTX_use_certificate_chain_file(tls, identity.CertificateFile().c_str()) != 1 ||
       SSL_CTX_use_PrivateKey_file(tls, identity.KeyFile().c_str(), SSL_FILETYPE_PEM) != 1)) {
    SSL_CTX_free(tls);
    tls = nullptr;
  }
  server_ = std::make_unique<Server>(log_, tls);
  if (tls != nullptr) port_ = server_->Start();
}

LoopbackServer::~LoopbackServer() = default;

void LoopbackServer::Get(const std::string& pattern, httplib::Server::Handler handler) {
  std::lock_guard lock(server_->RoutesMutex());
  server_->httplib::Server::Get(pattern, std::move(handler));
}

void LoopbackServer::Post(const std::string& pattern, httplib::Server::Handler handler) {
  std::lock_guard lock(server_->RoutesMutex());
  server_->httplib::Server::Post(pattern, std::move(handler));
}

std::string LoopbackServer::Url(std::string_view path) const {
  return (secure_ ? "https://127.0.0.1:" : "http://127.0.0.1:") + std::to_string(port_) +
         std::string(path);
}

}  // namespace cinevora::testing
