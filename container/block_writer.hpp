// The writing side of the block stream: plain bytes in, checked (and, with a key,
// enciphered) blocks of 4096 data bytes out. An empty last block is never written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "container/block_stream.hpp"
#include "container/byte_sink.hpp"

namespace vorrin {

// Collects everything in memory; for tests and small archives.
class MemorySink final : public ByteSink {
public:
  void Write(const std::uint8_t* data, std::size_t count) override {
    bytes.insert(bytes.end(), data, data + count);
  }
  std::vector<std::uint8_t> bytes;
};

class BlockWriter {
public:
  // `key` empty: no enciphering. Its bytes must outlive the writer.
  explicit BlockWriter(ByteSink& out, std::span<const std::uint8_t> key = {})
      : out_(out), key_(key) {}

  void Put(std::uint8_t byte) {
    block_[count_++] = byte;
    if (count_ == kBlockDataSize) EmitBlock();
  }
  void Put(std::span<const std::uint8_t> bytes) {
    for (std::uint8_t b : bytes) Put(b);
  }
  // Writes the last, partial block.
  void Finish() {
    if (count_ > 0) EmitBlock();
  }
  // Plain bytes taken so far.
  std::int64_t PlainCount() const { return emitted_ + count_; }

private:
  void EmitBlock();

  ByteSink& out_;
  std::span<const std::uint8_t> key_;
  std::size_t key_position_ = 0;
  std::int64_t emitted_ = 0;
  std::int32_t count_ = 0;
  std::uint8_t block_[kBlockSize] = {};
};

} // namespace vorrin
