// A table for decoding with one CodeTree several bits at a time, made afresh after each
// build. It gives the same symbols from the same bits as CodeTree::DecodeSymbol, and takes
// a byte from the stream exactly when that walk would: only when the code word goes on
// past the bits already at hand.
#pragma once

#include <array>
#include <cstdint>

#include "decode/bit_reader.hpp"
#include "decode/code_tree.hpp"

namespace vorrin {

class SymbolLookup {
public:
  // Takes the tree of the last build of `tree`.
  void Take(const CodeTree& tree);

  std::int32_t DecodeSymbol(BitReader& bits) const {
    std::uint32_t unread = bits.UnreadBits();
    if (unread == kNoBits) {
      bits.NextByte();
      unread = bits.UnreadBits();
    }
    const Step first = walk_[unread];
    if (first.node < kCodeSymbols) {
      bits.DropBits(first.bits);
      return first.node;
    }
    // Every unread bit is used and the word goes on: the next byte is needed.
    bits.NextByte();
    const int used = first.bits;
    if (used == kByteBits) return WalkOn(bits, first.node);
    // With that byte the word's first eight bits are at hand: one more step from the root.
    const std::uint32_t eight = ((unread ^ (1u << used)) | (bits.UnreadBits() << used)) & 0xFFu;
    const Step step = walk_[(1u << kByteBits) | eight];
    bits.DropBits(step.bits - used);
    if (step.node < kCodeSymbols) return step.node;
    return WalkOn(bits, step.node);
  }

private:
  // Where a walk from the root with some bits ends: at the leaf reached (node = its
  // symbol), after `bits` of them, or at the internal node reached after all of them.
  struct Step {
    std::int16_t node;
    std::int16_t bits;
  };
  static constexpr std::uint32_t kNoBits = 1;
  static constexpr int kByteBits = 8;

  // The rest of a word longer than eight bits, one bit at a time from `node`.
  std::int32_t WalkOn(BitReader& bits, std::int16_t node) const;

  // Indexed like BitReader::UnreadBits, 0 to 8 bits below a marker bit: the walk with
  // those bits from the root.
  std::array<Step, 2 << kByteBits> walk_{};
  // Child[bit] of each internal node, by node - kCodeSymbols.
  std::array<std::array<std::int16_t, 2>, kCodeSymbols - 1> children_{};
};

} // namespace vorrin
