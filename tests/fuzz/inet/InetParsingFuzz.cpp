// Arbitrary bytes as a proxy list, as request header text, and as a server's header lines and
// body: nothing may crash, and the stored header block and body must keep their bounds.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/inet/ProxyList.h"
#include "platform/inet/RequestHeaders.h"
#include "platform/inet/ResponseBuffer.h"

using namespace cinevora;

namespace {

constexpr std::size_t MAX_BODY = 4096;
constexpr std::size_t MAX_HEADERS = 1024;

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  for (const char* scheme : {"http", "https"}) {
    const std::string proxy = ProxyForScheme(input, scheme);
    Check(proxy.empty() || proxy.find("://") != std::string::npos);
  }
  const HeaderList list = MakeHeaderList(input, size % 2 == 0);
  for (const curl_slist* line = list.get(); line != nullptr; line = line->next) {
    Check(std::strpbrk(line->data, "\r\n") == nullptr);
  }

  // Lines end at LF; a NUL byte separates the header part from the body.
  ResponseBuffer response(MAX_BODY, MAX_HEADERS);
  const std::size_t split = std::min(input.find('\0'), input.size());
  std::string_view headers = input.substr(0, split);
  while (!headers.empty()) {
    const std::size_t end = std::min(headers.find('\n'), headers.size() - 1) + 1;
    response.AddHeaderLine(headers.substr(0, end));
    headers.remove_prefix(end);
  }
  const std::string_view body = input.substr(std::min(split + 1, input.size()));
  const bool kept = response.AppendBody(body.data(), body.size());
  Check(kept == (body.size() <= MAX_BODY));

  char block[MAX_HEADERS + 1];
  if (response.CopyHeaders(block, sizeof block)) {
    const std::string_view copied(block);
    Check(copied.size() >= 2 && copied.substr(copied.size() - 2) == "\r\n");
  }
  std::uint8_t chunk[1024];
  std::size_t read = 0;
  while (const std::size_t n = response.Read(chunk, sizeof chunk)) read += n;
  Check(read == (kept ? body.size() : 0));
  return 0;
}
