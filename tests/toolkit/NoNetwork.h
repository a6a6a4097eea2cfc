#pragma once
// An internet service with no network behind it: every handle fails. The toolkit tests never
// download; the toolkits only need a service to hold.

#include "platform/inet/InternetService.h"

namespace cinevora::test {

class NoNetwork final : public InternetService {
 public:
  InetHandle Open(const Text&, int, const Text&) override { return 0; }
  InetHandle Connect(InetHandle, const Text&, int) override { return 0; }
  InetHandle OpenRequest(InetHandle, const Text&, const Text&, const Text&, std::uint32_t) override { return 0; }
  bool SendRequest(InetHandle, const Text&, const std::uint8_t*, std::size_t) override { return false; }
  std::size_t ReadFile(InetHandle, std::uint8_t*, std::size_t) override { return 0; }
  bool QueryRawHeaders(InetHandle, char*, std::size_t) override { return false; }
  void CloseHandle(InetHandle) override {}
};

}  // namespace cinevora::test
