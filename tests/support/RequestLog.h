#pragma once
// The raw requests a test server received, in arrival order. Thread-safe.

#include <cstddef>
#include <mutex>
#include <string>
#include <vector>

namespace cinevora::testing {

class RequestLog {
 public:
  // Every request received so far: request line, header lines and body bytes, exactly as sent.
  std::vector<std::string> All() const;
  std::size_t Count() const;
  // The newest request, or "" when none came.
  std::string Last() const;
  void Clear();

  void Add(std::string request);

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
};

}  // namespace cinevora::testing
