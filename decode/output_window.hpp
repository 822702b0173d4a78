// The bytes of the member being decoded: the recent history that matches copy from, and
// the older bytes on their way to the sink. When the 40960-byte buffer is full, its first
// 32768 bytes go out as one write and its last 8192 stay behind as history, which is as
// far back as any match reaches. A skipped member (no sink) takes the same steps, flushes
// included, and writes nothing.
#pragma once

#include <cstdint>
#include <cstring>

#include "decode/chunk_sink.hpp"

namespace vorrin {

inline constexpr std::int32_t kWindowSize = 40960;
inline constexpr std::int32_t kFlushSize = 32768;
inline constexpr std::int32_t kHistorySize = kWindowSize - kFlushSize;

class OutputWindow {
public:
  // Start of a member; `sink` null for a skipped member. The buffer keeps its old bytes,
  // which no member ever fetches.
  void Reset(ChunkSink* sink) {
    sink_ = sink;
    window_base_ = 0;
    fill_ = 0;
  }

  void Put(std::uint8_t byte) {
    if (fill_ >= kWindowSize) Flush();
    buffer_[fill_++] = byte;
  }

  // The byte at member position `position`, which must lie between WindowBase and
  // WritePosition - 1.
  std::uint8_t Fetch(std::int64_t position) const {
    return buffer_[static_cast<std::size_t>(position - window_base_)];
  }

  // `length` times Put(Fetch(WritePosition - distance)): a match, which may overlap
  // itself. `distance` must be 1 to 8192 and at most WritePosition.
  void CopyMatch(std::int32_t distance, std::int32_t length);

  // Writes every byte still held; nothing for an empty member or without a sink.
  void FinalFlush();

  // Member position of the buffer's first byte: a multiple of 32768.
  std::int64_t WindowBase() const { return window_base_; }
  // Bytes put so far in this member.
  std::int64_t WritePosition() const { return window_base_ + fill_; }

private:
  void Flush();

  ChunkSink* sink_ = nullptr;
  std::int64_t window_base_ = 0;
  std::int32_t fill_ = 0; // WritePosition - WindowBase
  std::uint8_t buffer_[kWindowSize] = {};
};

} // namespace vorrin
