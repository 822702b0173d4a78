// The archive byte path in memory: plain bytes are cut into checked blocks by the real
// BlockWriter and read back through the real BlockStream. Faults are thrown as FaultError,
// so a test can expect them.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

#include "container/archive_source.hpp"
#include "container/block_stream.hpp"
#include "container/block_writer.hpp"
#include "container/fault.hpp"

namespace vorrin::test {

struct FaultError : std::runtime_error {
  explicit FaultError(const FaultReport& r) : std::runtime_error("fault"), report(r) {}
  FaultReport report;
};

class ThrowingFaultSink final : public FaultSink {
public:
  [[noreturn]] void Raise(const FaultReport& report) override { throw FaultError(report); }
};

// An archive file held in memory.
class MemoryArchiveSource final : public ArchiveSource {
public:
  explicit MemoryArchiveSource(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

  bool Read(std::uint8_t* buffer, std::uint32_t count, std::uint32_t& got) override {
    const std::size_t n = std::min<std::size_t>(count, bytes_.size() - position_);
    std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(position_), n, buffer);
    position_ += n;
    got = static_cast<std::uint32_t>(n);
    return true;
  }
  bool AtEnd() override { return position_ >= bytes_.size(); }

private:
  std::vector<std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

// `plain` as the blocks of an unprotected archive.
inline std::vector<std::uint8_t> ToBlocks(std::span<const std::uint8_t> plain) {
  MemorySink sink;
  BlockWriter writer(sink);
  writer.Put(plain);
  writer.Finish();
  return sink.bytes;
}

// A BlockStream that hands out `plain`, read from its blocks.
class MemoryBlockStream {
public:
  explicit MemoryBlockStream(std::span<const std::uint8_t> plain) : source_(ToBlocks(plain)) {}
  MemoryBlockStream(const MemoryBlockStream&) = delete;
  MemoryBlockStream& operator=(const MemoryBlockStream&) = delete;

  BlockStream& stream() { return stream_; }
  ThrowingFaultSink& faults() { return faults_; }

private:
  MemoryArchiveSource source_;
  ThrowingFaultSink faults_;
  BlockStream stream_{source_, faults_};
};

} // namespace vorrin::test
