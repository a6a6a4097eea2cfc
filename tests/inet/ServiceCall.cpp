#include "ServiceCall.h"

#include <algorithm>
#include <vector>

namespace cinevora::testing {

ServiceReply CallService(InternetService& service, const ServiceCall& call) {
  ServiceReply reply;
  const InetHandle session = service.Open(call.agent, call.accessType, call.proxyList);
  const InetHandle connection = service.Connect(session, call.host, call.port);
  const InetHandle request =
      service.OpenRequest(connection, call.verb, call.path, call.version, call.flags);
  reply.sent = service.SendRequest(request, call.headers,
                                   reinterpret_cast<const std::uint8_t*>(call.data.data()),
                                   call.data.size());
  reply.available = service.QueryDataAvailable(request);
  std::uint8_t chunk[1024];
  while (const std::size_t n = service.ReadFile(request, chunk, sizeof chunk)) {
    reply.body.append(reinterpret_cast<const char*>(chunk), n);
    reply.largestRead = std::max(reply.largestRead, n);
  }
  std::vector<char> headers(64 * 1024);
  reply.haveHeaders = service.QueryRawHeaders(request, headers.data(), headers.size());
  if (reply.haveHeaders) reply.headers = headers.data();
  service.CloseHandle(request);
  service.CloseHandle(connection);
  service.CloseHandle(session);
  return reply;
}

CurlOptions QuickOptions() {
  CurlOptions options;
  options.connectTimeout = std::chrono::milliseconds(2000);
  options.stallTimeout = std::chrono::seconds(1);
  return options;
}

}  // namespace cinevora::testing
