#pragma once
// One request through an InternetService, the way its callers drive it, for the tests.

#include <cstdint>
#include <string>

#include "platform/inet/CurlInternetService.h"

namespace cinevora::testing {

struct ServiceCall {
  std::string agent = "TestAgent/1.0";
  int accessType = INTERNET_OPEN_TYPE_DIRECT;
  std::string proxyList;
  std::string host = "127.0.0.1";
  int port = 0;
  std::string verb = "GET";
  std::string path = "/";
  std::string version = "HTTP/1.1";
  std::uint32_t flags = 0;
  std::string headers;
  std::string data;
};

struct ServiceReply {
  bool sent = false;
  std::size_t available = 0;  // what QueryDataAvailable said before the first read
  std::string body;
  bool haveHeaders = false;
  std::string headers;  // the raw block, when haveHeaders
  std::size_t largestRead = 0;
};

// Opens the three handles, sends, reads the body in 1024-byte reads, queries the headers into a
// 64 KiB buffer and closes the handles.
ServiceReply CallService(InternetService& service, const ServiceCall& call);

// Options with short waits, for servers that misbehave on purpose.
CurlOptions QuickOptions();

}  // namespace cinevora::testing
