#include "SiteClient.h"

#include <httplib.h>

#include "web/ConvertCharset.h"

namespace cinevora::demo::testing {

SiteClient::SiteClient(int port) : client_(std::make_unique<httplib::Client>("127.0.0.1", port)) {
  client_->set_keep_alive(true);
  client_->set_tcp_nodelay(true);
}

SiteClient::~SiteClient() = default;

Fetched SiteClient::Get(const std::string& path) {
  Fetched f;
  httplib::Result res = client_->Get(path);
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
