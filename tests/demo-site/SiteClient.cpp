#include "SiteClient.h"

#include <httplib.h>

#include "web/ConvertCharset.h"

namespace cinevora::demo::testing {

Fetched Fetch(int port, const std::string& path) {
  // One client per thread and port: keep-alive makes a sweep over a thousand pages quick.
  thread_local int clientPort = 0;
  thread_local std::unique_ptr<httplib::Client> client;
  if (!client || clientPort != port) {
    client = std::make_unique<httplib::Client>("127.0.0.1", port);
    client->set_keep_alive(true);
    client->set_tcp_nodelay(true);
    clientPort = port;
  }
  Fetched f;
  httplib::Result res = client->Get(path);
  if (!res) return f;
  f.status = res->status;
  f.body = res->body;
  f.contentType = res->get_header_value("Content-Type");
  const std::size_t marker = f.body.find("utf-8");
  f.utf8 = (marker != std::string::npos && marker < 499) ||
           f.contentType.find("utf-8") != std::string::npos;
  f.text = f.utf8 ? TextFromBytes(ConvertCharset(BytesFromText(f.body))) : f.body;
  return f;
}

std::string PathOn(const std::string& base, const std::string& address) {
  return address.starts_with(base + "/") ? address.substr(base.size()) : std::string();
}

}  // namespace cinevora::demo::testing
