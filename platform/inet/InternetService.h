#pragma once
// The HTTP service: the handful of calls the request routine makes, in the shape of the operating
// system's internet API (open a session, connect, open a request, send, read in chunks, query the
// raw response headers, close). CurlInternetService implements it over libcurl.
//
// Handles are opaque numbers, 0 meaning none. A handle belongs to the thread that uses it; the
// service itself (its cookie store included) is thread-safe, so one service serves every thread.

#include <cstddef>
#include <cstdint>

#include "text/Text.h"

namespace cinevora {

using InetHandle = std::uintptr_t;

// Session access types.
constexpr int INTERNET_OPEN_TYPE_DIRECT = 1;
constexpr int INTERNET_OPEN_TYPE_PROXY = 3;

// Request flags.
constexpr std::uint32_t INTERNET_FLAG_RELOAD = 0x80000000u;
constexpr std::uint32_t INTERNET_FLAG_NEED_FILE = 0x00000010u;
constexpr std::uint32_t INTERNET_FLAG_NO_COOKIES = 0x00080000u;
constexpr std::uint32_t INTERNET_FLAG_NO_AUTO_REDIRECT = 0x00200000u;
constexpr std::uint32_t INTERNET_FLAG_SECURE = 0x00800000u;
constexpr std::uint32_t INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTPS = 0x00004000u;
constexpr std::uint32_t INTERNET_FLAG_NO_CACHE_WRITE = 0x04000000u;

class InternetService {
 public:
  virtual ~InternetService() = default;

  // A session. `proxyList` is used with INTERNET_OPEN_TYPE_PROXY: entries "scheme=host:port" or a
  // bare "host:port" for every scheme, separated by blanks or ";". Returns 0 on failure.
  virtual InetHandle Open(const Text& agent, int accessType, const Text& proxyList) = 0;
  // A connection to host:port under a session. Returns 0 on failure. Nothing is sent yet.
  virtual InetHandle Connect(InetHandle session, const Text& host, int port) = 0;
  // A request on a connection: verb, object name (path and query), version ("HTTP/1.1" or
  // "HTTP/1.0") and INTERNET_FLAG_* flags. Returns 0 on failure.
  virtual InetHandle OpenRequest(InetHandle connection, const Text& verb, const Text& objectName,
                                 const Text& version, std::uint32_t flags) = 0;
  // Sends the request with the header lines (CR LF separated) and the data. The transfer runs
  // here; false when it failed (the reads then give 0 and the header query fails).
  virtual bool SendRequest(InetHandle request, const Text& headers, const std::uint8_t* data,
                           std::size_t size) = 0;
  // Copies up to `size` bytes of the body into `buffer`; returns the count, 0 at the end or on
  // failure.
  virtual std::size_t ReadFile(InetHandle request, std::uint8_t* buffer, std::size_t size) = 0;
  // How many body bytes the reads can give without waiting (all that is left, for a service that
  // receives the whole body in SendRequest); 0 when none or unknown. A reader sizes its buffer
  // by it once instead of growing it step by step.
  virtual std::size_t QueryDataAvailable(InetHandle /*request*/) { return 0; }
  // Copies the raw CR LF header block of the final response and a terminating NUL into
  // `buffer`. Fails (false, buffer untouched) when there is none or it does not fit `size`.
  virtual bool QueryRawHeaders(InetHandle request, char* buffer, std::size_t size) = 0;
  // Releases any handle; 0 is accepted.
  virtual void CloseHandle(InetHandle handle) = 0;
};

}  // namespace cinevora
