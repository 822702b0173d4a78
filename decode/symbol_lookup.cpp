#include "decode/symbol_lookup.hpp"

namespace vorrin {

namespace {
std::size_t At(int i) { return static_cast<std::size_t>(i); }
std::size_t At(std::uint32_t i) { return static_cast<std::size_t>(i); }
} // namespace

void SymbolLookup::Take(const CodeTree& tree) {
  for (int k = 0; k < kCodeSymbols - 1; ++k) children_[At(k)] = tree.Nodes()[At(kCodeSymbols + k)].Child;
  walk_[kNoBits] = {tree.Order()[0], 0};
  // The walks with r bits continue those with their first r - 1 bits by the last bit, bit
  // r - 1, which is also the marker of the shorter index.
  for (int r = 1; r <= kByteBits; ++r) {
    const std::uint32_t last_bit = 1u << (r - 1);
    for (std::uint32_t shorter = last_bit; shorter < 2 * last_bit; ++shorter) {
      const Step before = walk_[At(shorter)];
      for (std::uint32_t bit = 0; bit < 2; ++bit) {
        const std::uint32_t index = (shorter ^ last_bit) | (bit << (r - 1)) | (2 * last_bit);
        walk_[At(index)] = before.node < kCodeSymbols
                               ? before
                               : Step{children_[At(before.node - kCodeSymbols)][bit], static_cast<std::int16_t>(r)};
      }
    }
  }
}

std::int32_t SymbolLookup::WalkOn(BitReader& bits, std::int16_t node) const {
  do {
    node = children_[At(node - kCodeSymbols)][bits.ReadBit()];
  } while (node >= kCodeSymbols);
  return node;
}

} // namespace vorrin
