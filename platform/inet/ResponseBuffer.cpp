#include "platform/inet/ResponseBuffer.h"

#include <algorithm>
#include <cstring>

namespace cinevora {

namespace {
// Large enough that a big body costs few allocations, small enough that the last block's slack
// does not matter.
constexpr std::size_t BLOCK_BYTES = 64 * 1024;
}  // namespace

bool ResponseBuffer::AppendBody(const char* data, std::size_t size) {
  if (size > maxBodyBytes_ - bodyBytes_) return false;
  bodyBytes_ += size;
  while (size > 0) {
    if (blocks_.empty() || blocks_.back().size() == BLOCK_BYTES) {
      blocks_.emplace_back();
      blocks_.back().reserve(BLOCK_BYTES);
    }
    Bytes& block = blocks_.back();
    const std::size_t n = std::min(size, BLOCK_BYTES - block.size());
    const std::size_t used = block.size();
    block.resize(used + n);
    std::memcpy(block.data() + used, data, n);
    data += n;
    size -= n;
  }
  return true;
}

bool ResponseBuffer::AddHeaderLine(std::string_view line) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
  if (line.starts_with("HTTP/")) {
    headers_.clear();
    headersComplete_ = false;
  } else if (headersComplete_) {
    return true;
  }
  if (headers_.size() + line.size() + 2 > maxHeaderBytes_) return false;
  headers_.append(line).append("\r\n");
  if (line.empty()) headersComplete_ = true;
  return true;
}

std::size_t ResponseBuffer::Read(std::uint8_t* buffer, std::size_t size) {
  std::size_t copied = 0;
  while (copied < size && !blocks_.empty()) {
    const Bytes& block = blocks_.front();
    const std::size_t n = std::min(size - copied, block.size() - readOffset_);
    std::memcpy(buffer + copied, block.data() + readOffset_, n);
    copied += n;
    readBytes_ += n;
    readOffset_ += n;
    if (readOffset_ == block.size()) {
      blocks_.pop_front();
      readOffset_ = 0;
    }
  }
  return copied;
}

bool ResponseBuffer::CopyHeaders(char* buffer, std::size_t size) const {
  if (!headersComplete_ || headers_.size() >= size) return false;
  std::memcpy(buffer, headers_.data(), headers_.size());
  buffer[headers_.size()] = '\0';
  return true;
}

void ResponseBuffer::Discard() {
  blocks_.clear();
  readOffset_ = 0;
  bodyBytes_ = 0;
  readBytes_ = 0;
  headers_.clear();
  headersComplete_ = false;
}

}  // namespace cinevora
