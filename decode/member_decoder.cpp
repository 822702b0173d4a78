#include "decode/member_decoder.hpp"

#include "decode/rebuild_schedule.hpp"

namespace vorrin {

void MemberDecoder::DecodeMember(std::int32_t size, ChunkSink* sink) {
  window_.Reset(sink);
  bits_.Reset();
  literal_length_tree_.Reset();
  distance_tree_.Reset();
  std::int64_t produced = 0;
  std::int32_t symbol_count = 0;

  while (produced < size) {
    if (RebuildDue(symbol_count)) {
      literal_length_tree_.BuildFast();
      distance_tree_.BuildFast();
      literal_length_lookup_.Take(literal_length_tree_);
      distance_lookup_.Take(distance_tree_);
    }
    const std::int32_t s = literal_length_lookup_.DecodeSymbol(bits_);
    literal_length_tree_.Count(s);
    if (s < kFirstLengthSymbol) {
      window_.Put(static_cast<std::uint8_t>(s));
      ++produced;
    } else {
      std::int32_t length = s - (kFirstLengthSymbol - kMinMatchLength);
      if (s == kLongLengthSymbol)
        length = kLongLengthBase + static_cast<std::int32_t>(bits_.ReadBits(kLongLengthBits));
      const std::int32_t slot = distance_lookup_.DecodeSymbol(bits_);
      distance_tree_.Count(slot);
      const std::int32_t distance =
          (slot << kDistanceLowBits) + static_cast<std::int32_t>(bits_.ReadBits(kDistanceLowBits)) + 1;
      // The format has no match before the member's first byte; refusing one keeps every
      // fetch inside the window.
      if (distance > produced) faults_.Raise({Fault::BadMatch, stream_.CurrentBlock()});
      window_.CopyMatch(distance, length);
      produced += length;
    }
    ++symbol_count;
  }
}

} // namespace vorrin
