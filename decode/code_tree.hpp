// An adaptive prefix code over the symbols 0 to 511, rebuilt from running counts.
// The archiver that wrote the data builds the same trees at the same points, so every
// build must come out identical to its build, code word for code word: the sort order,
// the tie-breaks, which entry becomes which child and where a new node goes are all
// part of the data format.
#pragma once

#include <array>
#include <cstdint>

#include "decode/bit_reader.hpp"

namespace vorrin {

inline constexpr int kCodeSymbols = 512;
inline constexpr int kCodeNodes = 2 * kCodeSymbols - 1; // leaves 0..511, internal 512..1022
inline constexpr int kRootNode = kCodeNodes - 1;
inline constexpr std::int16_t kNoChild = -1;

struct CodeNode {
  // A leaf: its symbol's count at the build. An internal node: the sum of its children.
  // Wider than the counts, so that no sum can overflow.
  std::int64_t Weight = 0;
  std::int32_t Symbol = -1; // leaves only
  // Child[0] is reached by bit 0, Child[1] by bit 1; kNoChild in a leaf.
  std::array<std::int16_t, 2> Child = {kNoChild, kNoChild};

  bool IsLeaf() const { return Child[0] == kNoChild; }
};

// A symbol's code word: `length` bits, the first bit read (at the root) being the most
// significant of `bits`. Counts below 2^31 keep every tree well under 64 levels deep.
struct CodeWord {
  std::uint64_t bits = 0;
  int length = 0;
};

class CodeTree {
public:
  CodeTree() { Reset(); }

  // Start of a member: every count 1, Ranks the identity.
  void Reset();

  // Builds the tree afresh from Counts and Ranks, and updates Ranks.
  void Build() {
    PlaceLeaves();
    SortByWeight();
    TakeRanks();
    for (int n = kCodeSymbols - 1; n >= 1; --n) Merge(n);
  }

  // The same tree as Build, node for node, with the same Ranks, in a few thousand steps
  // instead of a few hundred thousand: the decoder and the archiver build with this one.
  // Of Order it sets only the first entry, the root. Counts must be at least 1. Why it
  // matches Build is told in fast_tree_build.cpp.
  void BuildFast();

  // The steps of Build, in the order Build takes them; callable one by one so that each
  // step can be checked on its own.
  //  1. Every leaf gets its symbol and count and goes to the place its rank says.
  void PlaceLeaves();
  //  2. Stable bubble sort, heaviest first, run from the back of the list.
  void SortByWeight();
  //  3. Each leaf's rank becomes its place in the sorted list.
  void TakeRanks();
  //  4. With the list holding places 0..n: re-insert the node made by the previous merge
  //     (at place n) and join the last two entries into the next internal node.
  void Merge(int n);

  // Walks from the root, one bit per level, to a leaf.
  std::int32_t DecodeSymbol(BitReader& bits) const {
    std::int32_t node = order_[0];
    do {
      node = nodes_[static_cast<std::size_t>(node)].Child[bits.ReadBit()];
    } while (!nodes_[static_cast<std::size_t>(node)].IsLeaf());
    return nodes_[static_cast<std::size_t>(node)].Symbol;
  }

  // One more occurrence of `symbol`.
  void Count(std::int32_t symbol) { ++counts_[static_cast<std::size_t>(symbol)]; }

  // Sets a count directly (at least 1): for checking builds with counts that only a long
  // member would reach. Decoding changes counts through Count only.
  void SetCount(std::int32_t symbol, std::int32_t count) { counts_[static_cast<std::size_t>(symbol)] = count; }

  // Every symbol's code word in the tree of the last Build.
  void CodeWords(std::array<CodeWord, kCodeSymbols>& out) const;
  // The same code words as bit fields the other way round, the first bit lowest (the
  // order in which a writer puts them out), with their lengths: one pass from the root
  // down, for the archiver, which takes them after every build.
  void CodeFields(std::array<std::uint64_t, kCodeSymbols>& fields,
                  std::array<std::uint8_t, kCodeSymbols>& lengths) const;

  const std::array<std::int32_t, kCodeSymbols>& Counts() const { return counts_; }
  const std::array<std::int32_t, kCodeSymbols>& Ranks() const { return ranks_; }
  const std::array<CodeNode, kCodeNodes>& Nodes() const { return nodes_; }
  // The working list of a build; after a build its first entry is the root.
  const std::array<std::int16_t, kCodeSymbols>& Order() const { return order_; }

private:
  std::int64_t WeightAt(int place) const {
    return nodes_[static_cast<std::size_t>(order_[static_cast<std::size_t>(place)])].Weight;
  }

  std::array<std::int32_t, kCodeSymbols> counts_{};
  std::array<std::int32_t, kCodeSymbols> ranks_{};
  std::array<CodeNode, kCodeNodes> nodes_{};
  std::array<std::int16_t, kCodeSymbols> order_{};
};

} // namespace vorrin
