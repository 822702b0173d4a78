// The tool's one door to the member codec: compressing a member's contents, and decoding a
// member's data from the block stream. Everything else in the tool stays clear of the
// codec's own headers.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "container/block_stream.hpp"
#include "container/fault.hpp"
#include "decode/chunk_sink.hpp"

namespace vorrin {

class MemberDecoder;

// The levels the command line takes: -0 (fastest) to -9 (smallest).
inline constexpr int kFastestLevel = 0;
inline constexpr int kBestLevel = 9;
// The codec's own choice between speed and size.
int DefaultCompressionLevel();

// A member's coded data, exactly as it follows its header in the archive.
std::vector<std::uint8_t> CompressMemberBytes(std::span<const std::uint8_t> data, int level);

// Decodes one member after another from the same stream.
class MemberExpander {
public:
  MemberExpander(BlockStream& stream, FaultSink& faults);
  ~MemberExpander();
  MemberExpander(const MemberExpander&) = delete;
  MemberExpander& operator=(const MemberExpander&) = delete;

  // Decodes a member of `size` bytes; every byte it produces goes to `sink`, the last
  // chunk included. A last match may run past `size`: the sink sees those bytes too.
  void Expand(std::int32_t size, ChunkSink& sink);

private:
  std::unique_ptr<MemberDecoder> decoder_;
};

} // namespace vorrin
