#include "platform/inet/CurlInternetService.h"

#include <cstdlib>
#include <mutex>
#include <unordered_map>
#include <variant>

#include "platform/inet/CookieShare.h"
#include "platform/inet/CurlTransfer.h"
#include "platform/inet/ResponseBuffer.h"

namespace cinevora {

std::string CaBundleFromEnvironment() {
  const char* file = std::getenv("SSL_CERT_FILE");
  return file != nullptr ? file : "";
}

namespace {

struct Session {
  std::string agent;
  std::string proxyList;
};

struct Connection {
  Session session;
  std::string host;
  int port;
};

struct Request {
  RequestTarget target;
  ResponseBuffer response;
  bool sent = false;
};

// Each handle keeps a copy of what its parents knew, so closing a parent first breaks nothing.
using HandleObject = std::variant<Session, Connection, Request>;

class CurlInternetService final : public InternetService {
 public:
  explicit CurlInternetService(CurlOptions options) : options_(std::move(options)) {}

  InetHandle Open(const Text& agent, int accessType, const Text& proxyList) override {
    if (accessType != INTERNET_OPEN_TYPE_DIRECT && accessType != INTERNET_OPEN_TYPE_PROXY) return 0;
    return Add(Session{agent, accessType == INTERNET_OPEN_TYPE_PROXY ? proxyList : Text()});
  }

  InetHandle Connect(InetHandle session, const Text& host, int port) override {
    Session parent;
    {
      std::lock_guard lock(mutex_);
      const auto* found = Find<Session>(session);
      if (found == nullptr) return 0;
      parent = *found;
    }
    return Add(Connection{std::move(parent), host, port});
  }

  InetHandle OpenRequest(InetHandle connection, const Text& verb, const Text& objectName,
                         const Text& version, std::uint32_t flags) override {
    RequestTarget target;
    {
      std::lock_guard lock(mutex_);
      const auto* found = Find<Connection>(connection);
      if (found == nullptr) return 0;
      target = RequestTarget{found->session.agent, found->session.proxyList, found->host,
                             found->port, verb, objectName, version, flags};
    }
    return Add(Request{std::move(target), ResponseBuffer(options_.maxBodyBytes,
                                                         options_.maxHeaderBytes)});
  }

  bool SendRequest(InetHandle request, const Text& headers, const std::uint8_t* data,
                   std::size_t size) override {
    Request* found = FindRequest(request);
    if (found == nullptr || found->sent) return false;
    found->sent = true;
    return RunTransfer(found->target, headers, data, size, options_, cookies_, found->response);
  }

  std::size_t ReadFile(InetHandle request, std::uint8_t* buffer, std::size_t size) override {
    Request* found = FindRequest(request);
    return found == nullptr ? 0 : found->response.Read(buffer, size);
  }

  std::size_t QueryDataAvailable(InetHandle request) override {
    Request* found = FindRequest(request);
    return found == nullptr ? 0 : found->response.Unread();
  }

  bool QueryRawHeaders(InetHandle request, char* buffer, std::size_t size) override {
    Request* found = FindRequest(request);
    return found != nullptr && found->response.CopyHeaders(buffer, size);
  }

  void CloseHandle(InetHandle handle) override {
    std::unique_ptr<HandleObject> closed;  // freed outside the lock
    std::lock_guard lock(mutex_);
    const auto it = handles_.find(handle);
    if (it == handles_.end()) return;
    closed = std::move(it->second);
    handles_.erase(it);
  }

 private:
  InetHandle Add(HandleObject object) {
    auto owned = std::make_unique<HandleObject>(std::move(object));
    std::lock_guard lock(mutex_);
    const InetHandle handle = ++lastHandle_;
    handles_.emplace(handle, std::move(owned));
    return handle;
  }

  // Caller holds mutex_.
  template <typename T>
  T* Find(InetHandle handle) {
    const auto it = handles_.find(handle);
    return it == handles_.end() ? nullptr : std::get_if<T>(it->second.get());
  }

  // A request belongs to the thread that uses it, so it is used outside the lock; the object
  // stays where it is until that thread closes it.
  Request* FindRequest(InetHandle handle) {
    std::lock_guard lock(mutex_);
    return Find<Request>(handle);
  }

  const CurlOptions options_;
  CookieShare cookies_;
  std::mutex mutex_;
  std::unordered_map<InetHandle, std::unique_ptr<HandleObject>> handles_;
  InetHandle lastHandle_ = 0;
};

}  // namespace

std::unique_ptr<InternetService> MakeCurlInternetService(CurlOptions options) {
  static std::once_flag initialised;
  std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
  return std::make_unique<CurlInternetService>(std::move(options));
}

}  // namespace cinevora
