#include "container/block_stream.hpp"

namespace vorrin {

std::uint8_t BlockStream::ReadByteSlow() {
  if (index_ == 0) ReadBlock();
  if (index_ >= data_count_) faults_.Raise({Fault::ReadPastEnd, CurrentBlock()});
  // Only the last data byte of a block asks the file whether more follows.
  if (index_ == data_count_ - 1 && source_.AtEnd()) end_of_archive_ = true;
  const std::uint8_t byte = buffer_[index_];
  ++position_;
  index_ = (index_ + 1) % kBlockDataSize;
  return byte;
}

void BlockStream::ReadBlock() {
  std::uint32_t got = 0;
  const std::int64_t block = blocks_read_++;
  if (!source_.Read(buffer_, kBlockSize, got)) {
    data_count_ = 0; // the previous block's bytes are never used again
    faults_.Raise({Fault::ReadFailed, block});
  }
  const auto count = static_cast<std::int32_t>(got);
  crc_.Clear();
  for (std::int32_t j = 0; j < count; ++j) {
    if (!key_.empty() && j < count - 2) {
      buffer_[j] ^= key_[key_position_];
      if (++key_position_ == key_.size()) key_position_ = 0;
    }
    crc_.FeedByte(buffer_[j]);
  }
  data_count_ = count - 2;
  if (crc_.Value() != 0) {
    data_count_ = 0;
    faults_.Raise({Fault::DamagedBlock, block});
  }
}

} // namespace vorrin
