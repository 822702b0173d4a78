// The format's only checksum: a 16-bit register dividing the bit stream by x^16+x^15+x^2+1
// without augmentation. A message followed by two zero bytes leaves its CRC-16/UMTS; a
// message followed by that CRC, high byte first, leaves 0.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vorrin {

namespace crc16_detail {
// Remainder of top * 2^16 by the generator, for every top byte.
constexpr std::array<std::uint16_t, 256> MakeTable(std::uint32_t generator) {
  std::array<std::uint16_t, 256> table{};
  for (std::uint32_t top = 0; top < 256; ++top) {
    std::uint32_t v = top << 16;
    for (int bit = 23; bit >= 16; --bit)
      if (v & (1u << bit)) v ^= generator << (bit - 16);
    table[top] = static_cast<std::uint16_t>(v);
  }
  return table;
}
inline constexpr std::array<std::uint16_t, 256> kTable = MakeTable(0x18005);
} // namespace crc16_detail

class Crc16Register {
public:
  static constexpr std::uint32_t kGenerator = 0x18005;

  void Clear() { value_ = 0; }
  std::uint16_t Value() const { return static_cast<std::uint16_t>(value_); }

  // The defining form: one bit at a time, most significant first.
  void FeedByteBitwise(std::uint8_t byte) {
    for (int bit = 7; bit >= 0; --bit) {
      value_ = (value_ << 1) | ((std::uint32_t{byte} >> bit) & 1u);
      if (value_ & 0x10000u) value_ ^= kGenerator;
    }
  }

  // The same result a byte at a time: the top byte that leaves the register is reduced
  // through a table of its remainders.
  void FeedByte(std::uint8_t byte) {
    value_ = (((value_ & 0xFFu) << 8) | byte) ^ crc16_detail::kTable[value_ >> 8];
  }

  void Feed(const std::uint8_t* data, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) FeedByte(data[i]);
  }

private:

  std::uint32_t value_ = 0;
};

// CRC-16/UMTS of a whole message: the form the password check and the BlockCheck use.
inline std::uint16_t Crc16Umts(const std::uint8_t* data, std::size_t count) {
  Crc16Register reg;
  reg.Feed(data, count);
  reg.FeedByte(0);
  reg.FeedByte(0);
  return reg.Value();
}

} // namespace vorrin
