#include "tests/support/ScriptedServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <strings.h>

namespace cinevora::testing {

namespace {

constexpr std::chrono::milliseconds POLL_SLICE{20};
constexpr std::size_t MAX_REQUEST_BYTES = std::size_t{16} << 20;

bool Readable(int socket) {
  pollfd fd{socket, POLLIN, 0};
  return ::poll(&fd, 1, static_cast<int>(POLL_SLICE.count())) > 0;
}

// The Content-Length of a request head, 0 when it has none.
std::size_t ContentLength(const std::string& head) {
  std::size_t pos = 0;
  while ((pos = head.find("\r\n", pos)) != std::string::npos) {
    pos += 2;
    if (strncasecmp(head.c_str() + pos, "Content-Length:", 15) == 0) {
      return std::strtoull(head.c_str() + pos + 15, nullptr, 10);
    }
  }
  return 0;
}

}  // namespace

std::string ScriptedServer::Connection::ReadRequest() {
  std::size_t headEnd = std::string::npos;
  std::size_t wanted = MAX_REQUEST_BYTES;
  while (pending_.size() < wanted) {
    if (headEnd == std::string::npos && (headEnd = pending_.find("\r\n\r\n")) != std::string::npos) {
      headEnd += 4;
      const std::size_t body = std::min(MAX_REQUEST_BYTES, ContentLength(pending_.substr(0, headEnd)));
      wanted = std::min(MAX_REQUEST_BYTES, headEnd + body);
      continue;
    }
    if (Stopping()) return {};
    if (!Readable(socket_)) continue;
    char chunk[16 * 1024];
    const ssize_t n = ::recv(socket_, chunk, sizeof chunk, 0);
    if (n <= 0) break;
    pending_.append(chunk, static_cast<std::size_t>(n));
  }
  const std::size_t size = std::min(wanted, pending_.size());
  std::string request = pending_.substr(0, size);
  pending_.erase(0, size);
  if (!request.empty()) server_.log_.Add(request);
  return request;
}

bool ScriptedServer::Connection::Send(std::string_view bytes) {
  while (!bytes.empty()) {
    if (Stopping()) return false;
    pollfd fd{socket_, POLLOUT, 0};
    if (::poll(&fd, 1, static_cast<int>(POLL_SLICE.count())) <= 0) continue;
    const ssize_t n = ::send(socket_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

void ScriptedServer::Connection::Pause(std::chrono::milliseconds duration) {
  for (auto waited = std::chrono::milliseconds(0); waited < duration && !Stopping();
       waited += POLL_SLICE) {
    std::this_thread::sleep_for(POLL_SLICE);
  }
}

void ScriptedServer::Connection::HoldUntilStopped() {
  while (!Stopping()) std::this_thread::sleep_for(POLL_SLICE);
}

void ScriptedServer::Connection::Reset() {
  // A zero linger time turns the close into a reset.
  linger abort{1, 0};
  ::setsockopt(socket_, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
  ::close(socket_);
  socket_ = -1;
}

bool ScriptedServer::Connection::Stopping() const { return server_.stopping_; }

ScriptedServer::ScriptedServer(Script script) : script_(std::move(script)) {
  listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
      ::listen(listener_, 64) != 0 ||
      ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    return;
  }
  port_ = ntohs(address.sin_port);
  acceptor_ = std::thread([this] { AcceptLoop(); });
}

ScriptedServer::~ScriptedServer() {
  stopping_ = true;
  if (acceptor_.joinable()) acceptor_.join();
  for (std::thread& thread : threads_) thread.join();
  if (listener_ >= 0) ::close(listener_);
}

std::string ScriptedServer::Url(std::string_view path) const {
  return "http://" + HostAndPort() + std::string(path);
}

std::string ScriptedServer::HostAndPort() const { return "127.0.0.1:" + std::to_string(port_); }

void ScriptedServer::AcceptLoop() {
  while (!stopping_) {
    if (!Readable(listener_)) continue;
    const int socket = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (socket < 0) continue;
    ++connections_;
    std::lock_guard lock(threadsMutex_);
    threads_.emplace_back([this, socket] { Serve(socket); });
  }
}

void ScriptedServer::Serve(int socket) {
  Connection connection(socket, *this);
  script_(connection);
  if (connection.socket_ >= 0) {
    ::shutdown(connection.socket_, SHUT_RDWR);
    ::close(connection.socket_);
  }
}

}  // namespace cinevora::testing
