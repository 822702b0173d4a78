// Packs member data by hand for streams short enough to stay within a member's first
// build (fewer than 256 LiteralLengthTree symbols): every code word is then the 9-bit value
// of its symbol XOR 170, first bit most significant, and fields go least significant bit
// first. Independent of the encoder, so the encoder can be checked against it.
#pragma once

#include <cstdint>
#include <vector>

namespace vorrin::test {

class FirstBuildStream {
public:
  FirstBuildStream& Symbol(int symbol) {
    const int word = symbol ^ 170;
    for (int i = 8; i >= 0; --i) Bit((word >> i) & 1);
    return *this;
  }
  FirstBuildStream& Field(std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i) Bit(static_cast<int>((value >> i) & 1u));
    return *this;
  }
  FirstBuildStream& Literal(std::uint8_t byte) { return Symbol(byte); }
  FirstBuildStream& Match(int length, int distance) {
    if (length <= 256) {
      Symbol(length + 254);
    } else {
      Symbol(511);
      Field(static_cast<std::uint32_t>(length - 257), 12);
    }
    Symbol((distance - 1) / 16);
    return Field(static_cast<std::uint32_t>((distance - 1) % 16), 4);
  }

  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
  std::size_t BitCount() const { return bit_count_; }

private:
  void Bit(int bit) {
    if (bit_count_ % 8 == 0) bytes_.push_back(0);
    bytes_.back() = static_cast<std::uint8_t>(bytes_.back() | (bit << (bit_count_ % 8)));
    ++bit_count_;
  }

  std::vector<std::uint8_t> bytes_;
  std::size_t bit_count_ = 0;
};

} // namespace vorrin::test
