// Runs one member's coded bytes through the real byte path (blocks, BlockStream,
// MemberDecoder) and reports what the sink saw and how many bytes the decoder took.
// A marker byte follows the member, so a decoder that reads too far or too little shows.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "decode/member_decoder.hpp"
#include "encode/token.hpp"
#include "tests/support/chunk_recorder.hpp"
#include "tests/support/memory_archive.hpp"

namespace vorrin::test {

inline constexpr std::uint8_t kAfterMember = 0xC7;

struct DecodedMember {
  std::vector<std::uint8_t> bytes;
  std::vector<std::size_t> write_sizes;
  std::int64_t consumed = 0;   // stream bytes the member took
  std::uint8_t next_byte = 0;  // the byte read right after the member
};

inline DecodedMember DecodeMemberBytes(std::span<const std::uint8_t> coded, std::int32_t size,
                                       bool skipped = false) {
  std::vector<std::uint8_t> plain(coded.begin(), coded.end());
  plain.push_back(kAfterMember);
  MemoryBlockStream source(plain);
  MemberDecoder decoder(source.stream(), source.faults());
  ChunkRecorder recorder;
  decoder.DecodeMember(size, skipped ? nullptr : &recorder);
  if (!skipped) decoder.FinalFlush();
  DecodedMember result;
  result.consumed = source.stream().StreamPosition();
  result.next_byte = source.stream().ReadByte();
  result.bytes = std::move(recorder.bytes);
  result.write_sizes = std::move(recorder.write_sizes);
  return result;
}

// What a token stream stands for, produced one byte at a time.
inline std::vector<std::uint8_t> ExpandTokens(std::span<const Token> tokens) {
  std::vector<std::uint8_t> out;
  for (const Token& t : tokens) {
    if (t.IsLiteral()) {
      out.push_back(t.literal);
      continue;
    }
    const std::size_t from = out.size() - t.distance;
    for (std::size_t i = 0; i < t.length; ++i) out.push_back(out[from + i]);
  }
  return out;
}

} // namespace vorrin::test
