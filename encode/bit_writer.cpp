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

} // namespace vorrin
