#include "container/block_writer.hpp"

#include "container/crc16.hpp"

namespace vorrin {

void BlockWriter::EmitBlock() {
  const auto n = static_cast<std::size_t>(count_);
  const std::uint16_t check = Crc16Umts(block_, n);
  if (!key_.empty()) {
    for (std::size_t j = 0; j < n; ++j) {
      block_[j] ^= key_[key_position_];
      if (++key_position_ == key_.size()) key_position_ = 0;
    }
  }
  block_[n] = static_cast<std::uint8_t>(check >> 8);
  block_[n + 1] = static_cast<std::uint8_t>(check);
  out_.Write(block_, n + 2);
  emitted_ += count_;
  count_ = 0;
}

} // namespace vorrin
