// The archive's bytes after the preamble: blocks of 4096 data bytes, each followed by a
// 2-byte check (CRC-16/UMTS of the plain data, high byte first). A protected archive's data
// bytes are XORed with the password; the key runs on across blocks and skips the checks.
// A block is read, deciphered and verified whole before any of its bytes is handed out.
#pragma once

#include <cstdint>
#include <span>

#include "container/archive_source.hpp"
#include "container/crc16.hpp"
#include "container/fault.hpp"

namespace vorrin {

inline constexpr std::int32_t kBlockDataSize = 4096;
inline constexpr std::int32_t kBlockSize = kBlockDataSize + 2;

class BlockStream {
public:
  BlockStream(ArchiveSource& source, FaultSink& faults) : source_(source), faults_(faults) {}

  // Turns deciphering on with this key (at least one byte), starting at its first byte.
  // The bytes must outlive the stream.
  void SetKey(std::span<const std::uint8_t> key) {
    key_ = key;
    key_position_ = 0;
  }

  // The next plain, verified byte. Raises DamagedBlock, ReadFailed or ReadPastEnd.
  std::uint8_t ReadByte() {
    if (index_ > 0 && index_ < data_count_ - 1) {
      ++position_;
      return buffer_[index_++];
    }
    return ReadByteSlow();
  }

  // Set as the archive's last byte is handed out; stays set.
  bool EndOfArchive() const { return end_of_archive_; }
  void ClearEndOfArchive() { end_of_archive_ = false; }

  // Bytes handed out so far.
  std::int64_t StreamPosition() const { return position_; }
  // The block the next byte comes from (or the last one read), counted from 0.
  std::int64_t CurrentBlock() const { return blocks_read_ > 0 ? blocks_read_ - 1 : 0; }

private:
  std::uint8_t ReadByteSlow();
  void ReadBlock();

  ArchiveSource& source_;
  FaultSink& faults_;
  std::span<const std::uint8_t> key_;
  std::size_t key_position_ = 0;
  std::int64_t position_ = 0;
  std::int32_t index_ = 0;       // StreamPosition mod 4096: next byte within the block
  std::int32_t data_count_ = 0;  // data bytes in the current block
  std::int64_t blocks_read_ = 0;
  bool end_of_archive_ = false;
  Crc16Register crc_;
  std::uint8_t buffer_[kBlockSize] = {};
};

} // namespace vorrin
