// Bits of a member's compressed data, least significant bit of each byte first.
// A byte is taken from the block stream only when its first bit is needed: the byte after
// a member's last data byte belongs to the next member record, so nothing is read ahead.
#pragma once

#include <cstdint>

#include "container/block_stream.hpp"

namespace vorrin {

class BitReader {
public:
  explicit BitReader(BlockStream& stream) : stream_(stream) {}

  // Drops the bits left in the current byte; the next ReadBit starts a fresh byte.
  void Reset() { current_ = kEmpty; }

  std::uint32_t ReadBit() {
    if (current_ == kEmpty) current_ = stream_.ReadByte() | kMarker;
    const std::uint32_t bit = current_ & 1u;
    current_ >>= 1;
    return bit;
  }

  // n bits (n <= 12); the first bit read is worth 1, the next 2, and so on.
  std::uint32_t ReadBits(int n) {
    std::uint32_t value = 0;
    for (int i = 0; i < n; ++i) value |= ReadBit() << i;
    return value;
  }

  // For taking several bits at once, still without reading ahead: the current byte's
  // unread bits, the next one lowest, below a 1 bit that marks their end (just 1 when all
  // are used).
  std::uint32_t UnreadBits() const { return current_; }
  // Hands out n of the unread bits (n at most their number).
  void DropBits(int n) { current_ >>= n; }
  // Starts the next byte: only once the unread bits are used up and another bit is needed.
  void NextByte() { current_ = stream_.ReadByte() | kMarker; }

  // How many bits of the current byte have been handed out, 0 to 7.
  int BitsTaken() const {
    int left = 0;
    for (std::uint32_t v = current_; v > 1; v >>= 1) ++left;
    return left == 0 ? 0 : 8 - left;
  }

private:
  // CurrentByte is kept with a marker bit above its unread bits: when only the marker is
  // left, the byte is used up. One test per bit instead of a count and a byte.
  static constexpr std::uint32_t kMarker = 0x100;
  static constexpr std::uint32_t kEmpty = 1;

  BlockStream& stream_;
  std::uint32_t current_ = kEmpty;
};

} // namespace vorrin
