#include "tool/member_codec.hpp"

#include "decode/member_decoder.hpp"
#include "encode/lz77_parser.hpp"

namespace vorrin {

int DefaultCompressionLevel() { return kDefaultLevel; }

std::vector<std::uint8_t> CompressMemberBytes(std::span<const std::uint8_t> data, int level) {
  return CompressMember(data, level);
}

MemberExpander::MemberExpander(BlockStream& stream, FaultSink& faults)
    : decoder_(std::make_unique<MemberDecoder>(stream, faults)) {}

MemberExpander::~MemberExpander() = default;

void MemberExpander::Expand(std::int32_t size, ChunkSink& sink) {
  decoder_->DecodeMember(size, &sink);
  decoder_->FinalFlush();
}

} // namespace vorrin
