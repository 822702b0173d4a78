// Placeholder until the member decoder lands: only empty members.
#pragma once
#include <cstdint>
#include "container/block_stream.hpp"
#include "container/fault.hpp"
#include "decode/chunk_sink.hpp"
namespace vorrin {
class MemberDecoder {
public:
  MemberDecoder(BlockStream& stream, FaultSink& faults) : stream_(stream), faults_(faults) {}
  void DecodeMember(std::int32_t size, ChunkSink*) {
    if (size > 0) faults_.Raise({Fault::BadMatch});
    (void)stream_;
  }
  void FinalFlush() {}
private:
  BlockStream& stream_;
  FaultSink& faults_;
};
} // namespace vorrin
