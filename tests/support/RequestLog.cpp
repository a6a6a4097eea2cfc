#include "tests/support/RequestLog.h"

namespace cinevora::testing {

std::vector<std::string> RequestLog::All() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

std::size_t RequestLog::Count() const {
  std::lock_guard lock(mutex_);
  return requests_.size();
}

std::string RequestLog::Last() const {
  std::lock_guard lock(mutex_);
  return requests_.empty() ? std::string() : requests_.back();
}

void RequestLog::Clear() {
  std::lock_guard lock(mutex_);
  requests_.clear();
}

void RequestLog::Add(std::string request) {
  std::lock_guard lock(mutex_);
  requests_.push_back(std::move(request));
}

}  // namespace cinevora::testing
