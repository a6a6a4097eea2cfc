#pragma once
// The loopback server's connection stream: plain or TLS bytes over one accepted socket, read
// through a buffer, with every byte handed to the HTTP parser kept until it is recorded as one
// request. Used by the one server thread that owns the connection.

#include <httplib.h>

#include <chrono>
#include <functional>
#include <string>

#include "tests/support/RequestLog.h"

namespace cinevora::testing {

class RecordingStream final : public httplib::Stream {
 public:
  // `ssl` is null for plain HTTP; the stream neither owns it nor the socket.
  RecordingStream(int socket, SSL* ssl, std::chrono::milliseconds timeout, RequestLog& log);
  ~RecordingStream() override;

  bool is_readable() const override;
  bool is_writable() const override;
  ssize_t read(char* ptr, std::size_t size) override;
  // Records the request read so far before the first byte of its answer leaves.
  ssize_t write(const char* ptr, std::size_t size) override;
  void get_remote_ip_and_port(std::string& ip, int& port) const override;
  void get_local_ip_and_port(std::string& ip, int& port) const override;
  int socket() const override { return socket_; }

  // Waits for the next request's first bytes; false when `keepWaiting` says stop or `idle` passes.
  bool WaitForNext(std::chrono::milliseconds idle, const std::function<bool()>& keepWaiting);
  // Adds the bytes read since the last call to the log as one request (nothing when none).
  void Record();

 private:
  bool HasBuffered() const;
  bool Fill();

  int socket_;
  SSL* ssl_;
  std::chrono::milliseconds timeout_;
  RequestLog& log_;
  std::string buffer_;
  std::size_t offset_ = 0;
  std::string consumed_;
};

}  // namespace cinevora::testing
