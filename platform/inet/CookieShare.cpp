#include "platform/inet/CookieShare.h"

namespace cinevora {

CookieShare::CookieShare() : share_(curl_share_init()) {
  curl_share_setopt(share_, CURLSHOPT_LOCKFUNC, &CookieShare::Lock);
  curl_share_setopt(share_, CURLSHOPT_UNLOCKFUNC, &CookieShare::Unlock);
  curl_share_setopt(share_, CURLSHOPT_USERDATA, this);
  curl_share_setopt(share_, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
}

CookieShare::~CookieShare() { curl_share_cleanup(share_); }

void CookieShare::Attach(CURL* easy) const {
  curl_easy_setopt(easy, CURLOPT_SHARE, share_);
  // An empty file name switches the cookie engine on without reading any file.
  curl_easy_setopt(easy, CURLOPT_COOKIEFILE, "");
}

void CookieShare::Lock(CURL*, curl_lock_data data, curl_lock_access, void* self) {
  static_cast<CookieShare*>(self)->locks_[data].lock();
}

void CookieShare::Unlock(CURL*, curl_lock_data data, void* self) {
  static_cast<CookieShare*>(self)->locks_[data].unlock();
}

}  // namespace cinevora
