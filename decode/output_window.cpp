#include "decode/output_window.hpp"

#include <algorithm>

namespace vorrin {

void OutputWindow::Flush() {
  if (sink_ != nullptr) sink_->Write(buffer_, kFlushSize);
  std::memmove(buffer_, buffer_ + kFlushSize, kHistorySize);
  window_base_ += kFlushSize;
  fill_ -= kFlushSize;
}

void OutputWindow::CopyMatch(std::int32_t distance, std::int32_t length) {
  while (length > 0) {
    if (fill_ >= kWindowSize) Flush();
    const std::int32_t n = std::min(length, kWindowSize - fill_);
    std::uint8_t* to = buffer_ + fill_;
    const std::uint8_t* from = to - distance;
    // Same result as copying byte by byte from the front: every piece copied at once
    // reads only bytes that are already in place.
    if (distance == 1) {
      std::memset(to, *from, static_cast<std::size_t>(n));
    } else if (distance < 16) {
      for (std::int32_t i = 0; i < n; ++i) to[i] = from[i];
    } else {
      for (std::int32_t i = 0; i < n; i += distance)
        std::memcpy(to + i, from + i, static_cast<std::size_t>(std::min(distance, n - i)));
    }
    fill_ += n;
    length -= n;
  }
}

void OutputWindow::FinalFlush() {
  if (sink_ != nullptr && fill_ > 0) sink_->Write(buffer_, static_cast<std::size_t>(fill_));
}

} // namespace vorrin
