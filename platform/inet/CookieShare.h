#pragma once
// One cookie store shared by the transfers of a service, the way the operating system's HTTP
// service keeps cookies for the whole process. Thread-safe: libcurl takes the store's lock around
// every use.

#include <curl/curl.h>

#include <mutex>

namespace cinevora {

class CookieShare {
 public:
  CookieShare();
  ~CookieShare();
  CookieShare(const CookieShare&) = delete;
  CookieShare& operator=(const CookieShare&) = delete;

  // Makes `easy` send cookies from the store and keep the ones its responses set.
  void Attach(CURL* easy) const;

 private:
  static void Lock(CURL*, curl_lock_data data, curl_lock_access, void* self);
  static void Unlock(CURL*, curl_lock_data data, void* self);

  CURLSH* share_;
  std::mutex locks_[CURL_LOCK_DATA_LAST];
};

}  // namespace cinevora
