#include "tests/support/RecordingStream.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cstring>

namespace cinevora::testing {

namespace {

bool Ready(int socket, short events, std::chrono::milliseconds timeout) {
  pollfd fd{socket, events, 0};
  return ::poll(&fd, 1, static_cast<int>(timeout.count())) > 0;
}

void Address(const sockaddr_storage& address, std::string& ip, int& port) {
  char text[INET6_ADDRSTRLEN] = "";
  if (address.ss_family == AF_INET) {
    const auto& v4 = reinterpret_cast<const sockaddr_in&>(address);
    inet_ntop(AF_INET, &v4.sin_addr, text, sizeof text);
    port = ntohs(v4.sin_port);
  } else if (address.ss_family == AF_INET6) {
    const auto& v6 = reinterpret_cast<const sockaddr_in6&>(address);
    inet_ntop(AF_INET6, &v6.sin6_addr, text, sizeof text);
    port = ntohs(v6.sin6_port);
  }
  ip = text;
}

constexpr std::size_t READ_BYTES = 16 * 1024;
constexpr std::chrono::milliseconds POLL_SLICE{50};

}  // namespace

RecordingStream::RecordingStream(int socket, SSL* ssl, std::chrono::milliseconds timeout,
                                 RequestLog& log)
    : socket_(socket), ssl_(ssl), timeout_(timeout), log_(log) {}

RecordingStream::~RecordingStream() { Record(); }

bool RecordingStream::HasBuffered() const {
  return offset_ < buffer_.size() || (ssl_ != nullptr && SSL_pending(ssl_) > 0);
}

bool RecordingStream::is_readable() const {
  return HasBuffered() || Ready(socket_, POLLIN, timeout_);
}

bool RecordingStream::is_writable() const { return Ready(socket_, POLLOUT, timeout_); }

bool RecordingStream::Fill() {
  if (!HasBuffered() && !Ready(socket_, POLLIN, timeout_)) return false;
  buffer_.resize(READ_BYTES);
  offset_ = 0;
  const ssize_t n = ssl_ != nullptr ? SSL_read(ssl_, buffer_.data(), static_cast<int>(READ_BYTES))
                                    : ::recv(socket_, buffer_.data(), READ_BYTES, 0);
  buffer_.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  return n > 0;
}

ssize_t RecordingStream::read(char* ptr, std::size_t size) {
  if (offset_ == buffer_.size() && !Fill()) return -1;
  const std::size_t n = std::min(size, buffer_.size() - offset_);
  std::memcpy(ptr, buffer_.data() + offset_, n);
  consumed_.append(ptr, n);
  offset_ += n;
  return static_cast<ssize_t>(n);
}

ssize_t RecordingStream::write(const char* ptr, std::size_t size) {
  Record();
  std::size_t sent = 0;
  while (sent < size) {
    const ssize_t n =
        ssl_ != nullptr ? SSL_write(ssl_, ptr + sent, static_cast<int>(size - sent))
                        : ::send(socket_, ptr + sent, size - sent, MSG_NOSIGNAL);
    if (n <= 0) return -1;
    sent += static_cast<std::size_t>(n);
  }
  return static_cast<ssize_t>(size);
}

void RecordingStream::get_remote_ip_and_port(std::string& ip, int& port) const {
  sockaddr_storage address{};
  socklen_t length = sizeof address;
  if (::getpeername(socket_, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
    Address(address, ip, port);
  }
}

void RecordingStream::get_local_ip_and_port(std::string& ip, int& port) const {
  sockaddr_storage address{};
  socklen_t length = sizeof address;
  if (::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
    Address(address, ip, port);
  }
}

bool RecordingStream::WaitForNext(std::chrono::milliseconds idle,
                                  const std::function<bool()>& keepWaiting) {
  for (auto waited = std::chrono::milliseconds(0); waited < idle; waited += POLL_SLICE) {
    if (!keepWaiting()) return false;
    if (HasBuffered() || Ready(socket_, POLLIN, POLL_SLICE)) return true;
  }
  return false;
}

void RecordingStream::Record() {
  if (consumed_.empty()) return;
  log_.Add(std::move(consumed_));
  consumed_.clear();
}

}  // namespace cinevora::testing
