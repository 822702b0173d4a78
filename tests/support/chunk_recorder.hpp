// A ChunkSink that keeps every write: its size, and all bytes in order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "decode/chunk_sink.hpp"

namespace vorrin::test {

class ChunkRecorder final : public ChunkSink {
public:
  void Write(const std::uint8_t* data, std::size_t count) override {
    write_sizes.push_back(count);
    bytes.insert(bytes.end(), data, data + count);
  }
  std::vector<std::size_t> write_sizes;
  std::vector<std::uint8_t> bytes;
};

} // namespace vorrin::test
