#pragma once
// What one transfer received: the body, kept in blocks that are freed as they are read, and the
// raw header block of the final response. Both are bounded, since the peer decides their size.
// Used by one thread at a time.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

#include "text/Text.h"

namespace cinevora {

class ResponseBuffer {
 public:
  ResponseBuffer(std::size_t maxBodyBytes, std::size_t maxHeaderBytes)
      : maxBodyBytes_(maxBodyBytes), maxHeaderBytes_(maxHeaderBytes) {}

  // Appends body bytes; false (nothing kept) when they would pass the body bound.
  bool AppendBody(const char* data, std::size_t size);

  // Takes one header line as the transfer reports it, line end included. A status line starts a
  // new block, so that only the last response of a redirect chain remains; lines after the block's
  // empty line (trailers) are dropped. Line ends are stored as CR LF. False when the block would
  // pass the header bound.
  bool AddHeaderLine(std::string_view line);

  // Moves up to `size` unread body bytes into `buffer`; 0 at the end.
  std::size_t Read(std::uint8_t* buffer, std::size_t size);
  // Body bytes not read yet.
  std::size_t Unread() const { return bodyBytes_ - readBytes_; }

  // The complete header block and a NUL into `buffer`; false (buffer untouched) when there is no
  // complete block or it does not fit `size`.
  bool CopyHeaders(char* buffer, std::size_t size) const;

  // Forgets everything received, for a transfer that failed.
  void Discard();

 private:
  std::size_t maxBodyBytes_;
  std::size_t maxHeaderBytes_;
  std::deque<Bytes> blocks_;
  std::size_t readOffset_ = 0;  // into blocks_.front()
  std::size_t bodyBytes_ = 0;   // received so far, read or not
  std::size_t readBytes_ = 0;
  std::string headers_;
  bool headersComplete_ = false;
};

}  // namespace cinevora
