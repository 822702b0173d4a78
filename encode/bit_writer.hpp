// Bits appended to a byte vector in the order the decoder's BitReader takes them: each
// byte filled from its least significant bit up.
#pragma once

#include <cstdint>
#include <vector>

namespace vorrin {

// `code`'s low `length` bits in reverse order: turns a code word, first bit most
// significant, into a field whose first bit is least significant.
std::uint64_t ReverseBits(std::uint64_t code, int length);

class BitWriter {
public:
  explicit BitWriter(std::vector<std::uint8_t>& out) : out_(out) {}

  void WriteBit(std::uint32_t bit) { WriteBits(bit & 1u, 1); }

  // The low `n` bits of `value` (n <= 32), least significant first: a field as ReadBits
  // reads it.
  void WriteBits(std::uint32_t value, int n) {
    pending_ |= static_cast<std::uint64_t>(value & LowMask(n)) << pending_bits_;
    pending_bits_ += n;
    while (pending_bits_ >= 8) {
      out_.push_back(static_cast<std::uint8_t>(pending_));
      pending_ >>= 8;
      pending_bits_ -= 8;
    }
  }

  // WriteBits for up to 64 bits.
  void WriteLongBits(std::uint64_t value, int n) {
    if (n > 32) {
      WriteBits(static_cast<std::uint32_t>(value), 32);
      value >>= 32;
      n -= 32;
    }
    WriteBits(static_cast<std::uint32_t>(value), n);
  }

  // A code word of `length` bits (up to 64), its most significant bit first: the bit that
  // decides at the root of the tree.
  void WriteCode(std::uint64_t code, int length) { WriteLongBits(ReverseBits(code, length), length); }

  // Pads the last byte with zero bits. Afterwards the writer is at a byte boundary again.
  void Finish() {
    if (pending_bits_ > 0) WriteBits(0, 8 - pending_bits_);
  }

  // Bits written so far, the padding of Finish included.
  std::uint64_t BitCount() const { return out_.size() * 8u + static_cast<std::uint64_t>(pending_bits_); }

private:
  static std::uint32_t LowMask(int n) {
    return n >= 32 ? 0xFFFFFFFFu : (std::uint32_t{1} << n) - 1u;
  }

  std::vector<std::uint8_t>& out_;
  std::uint64_t pending_ = 0; // bits not yet in a whole byte, first bit lowest
  int pending_bits_ = 0;      // 0 to 7 between calls
};

} // namespace vorrin
