// Turns one file member's compressed data into its bytes. A member is a sequence of
// LiteralLengthTree symbols: 0..255 a literal byte, 256..510 a match of length
// symbol - 254, 511 a match of length 257 + a 12-bit field. A match goes on with a
// DistanceTree symbol d and a 4-bit field G: distance 16 * d + G + 1.
// One decoder serves a whole extraction; all its state has fixed size and is reset at the
// start of every member, so nothing carries over from the member before.
#pragma once

#include <cstdint>

#include "container/block_stream.hpp"
#include "container/fault.hpp"
#include "decode/bit_reader.hpp"
#include "decode/chunk_sink.hpp"
#include "decode/code_tree.hpp"
#include "decode/output_window.hpp"
#include "decode/symbol_lookup.hpp"

namespace vorrin {

inline constexpr std::int32_t kMinMatchLength = 2;
inline constexpr std::int32_t kMaxMatchLength = 4352;
inline constexpr std::int32_t kMaxDistance = 8192;
// LiteralLengthTree symbols: literals below kFirstLengthSymbol, then lengths.
inline constexpr std::int32_t kFirstLengthSymbol = 256;
inline constexpr std::int32_t kLongLengthSymbol = 511; // followed by a 12-bit field
inline constexpr std::int32_t kLongLengthBase = 257;
inline constexpr int kLongLengthBits = 12;
inline constexpr int kDistanceLowBits = 4;

class MemberDecoder {
public:
  MemberDecoder(BlockStream& stream, FaultSink& faults)
      : stream_(stream), faults_(faults), bits_(stream) {}
  MemberDecoder(const MemberDecoder&) = delete;
  MemberDecoder& operator=(const MemberDecoder&) = delete;

  // Decodes symbols until at least `size` bytes are produced; a last match is produced
  // whole, even past `size`. A size of 0 or less reads nothing. `sink` null: the member is
  // skipped, decoded in full and written nowhere. A match reaching before the member's
  // first byte raises BadMatch.
  void DecodeMember(std::int32_t size, ChunkSink* sink);

  // Writes the bytes still held in the window: for a written member, after DecodeMember.
  void FinalFlush() { window_.FinalFlush(); }

  // Bytes produced for the current member.
  std::int64_t Produced() const { return window_.WritePosition(); }

private:
  BlockStream& stream_;
  FaultSink& faults_;
  BitReader bits_;
  CodeTree literal_length_tree_;
  CodeTree distance_tree_;
  SymbolLookup literal_length_lookup_;
  SymbolLookup distance_lookup_;
  OutputWindow window_;
};

} // namespace vorrin
