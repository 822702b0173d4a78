#include "encode/bit_writer.hpp"

namespace vorrin {

std::uint64_t ReverseBits(std::uint64_t code, int length) {
  std::uint64_t reversed = 0;
  for (int i = 0; i < length; ++i) {
    reversed = (reversed << 1) | (code & 1u);
    code >>= 1;
  }
  return reversed;
}

void BitWriter::WriteCode(std::uint64_t code, int length) {
  std::uint64_t field = ReverseBits(code, length);
  while (length > 0) {
    const int n = length < 32 ? length : 32;
    WriteBits(static_cast<std::uint32_t>(field), n);
    field = n < 64 ? field >> n : 0;
    length -= n;
  }
}

} // namespace vorrin
