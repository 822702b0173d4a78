// CodeTree::BuildFast: the tree of Build, node for node, without Build's quadratic steps.
//
// Why it is the same tree. Counts are at least 1, so every weight is, and a merged node
// outweighs both entries it was made of.
//
// Sort. Build's bubble sort is stable, so it orders the leaves by count, heaviest first,
// and equal counts by their previous rank. That order is total: sorting on the key
// (count, 511 - previous rank) in falling order gives it with any sort. Insertion sort
// from the previous order costs little, since counts change little between two builds.
//
// Merges. Build's list stays sorted heaviest first, and each merge joins its last two
// entries: the lightest. As a new node outweighs what it was made of, the weights taken
// never fall, and the internal nodes are made in order of weight (none lighter than the
// one before). Once an entry of weight w has been taken, every node made later weighs
// more than w. So a new node of weight w finds every entry of weight w still in the
// list, and its re-insertion puts it behind all of them. The entries of one weight w
// therefore always stand as: the leaves of weight w in their sorted order, then the
// internal nodes of weight w in the order they were made. The list's last entry, the
// next one taken, is the last of the lightest weight's entries, found from two sequences:
//  - the leaves, taken from the back of the sorted order;
//  - the internal nodes, taken from the lightest run of equal weights among those not
//    yet taken, newest first: the run is taken from its back. It cannot grow once
//    taking from it has begun, as no later node weighs as little.
// On equal weights the internal node stands behind the leaf, so it is taken first. The
// first entry taken becomes Child[1], the second Child[0], and the new node gets the next
// number, as in Build; the last one made, node 1022, is the root.
#include <cstdint>

#include "decode/code_tree.hpp"

namespace vorrin {

namespace {

std::size_t At(int i) { return static_cast<std::size_t>(i); }

// A leaf's sort key: count, then earlier rank first, then the symbol in the low bits. Keys
// are distinct, so falling key order is Build's sorted order. A count below 2^31 leaves
// room above the 18 low bits.
constexpr int kRankShift = 9;
constexpr int kCountShift = 18;
constexpr std::int64_t kSymbolMask = (std::int64_t{1} << kRankShift) - 1;

std::int64_t LeafKey(std::int32_t count, std::int32_t rank, int symbol) {
  return (std::int64_t{count} << kCountShift) |
         (std::int64_t{kCodeSymbols - 1 - rank} << kRankShift) | symbol;
}

std::int16_t KeySymbol(std::int64_t key) { return static_cast<std::int16_t>(key & kSymbolMask); }
std::int64_t KeyCount(std::int64_t key) { return key >> kCountShift; }

} // namespace

void CodeTree::BuildFast() {
  // Leaves at their previous places, then sorted heaviest first.
  std::array<std::int64_t, kCodeSymbols> sorted;
  for (int s = 0; s < kCodeSymbols; ++s) {
    nodes_[At(s)] = CodeNode{counts_[At(s)], s, {kNoChild, kNoChild}};
    sorted[At(ranks_[At(s)])] = LeafKey(counts_[At(s)], ranks_[At(s)], s);
  }
  for (int p = 1; p < kCodeSymbols; ++p) {
    const std::int64_t key = sorted[At(p)];
    int place = p;
    for (; place > 0 && sorted[At(place - 1)] < key; --place) sorted[At(place)] = sorted[At(place - 1)];
    sorted[At(place)] = key;
  }
  // New ranks; and the leaves lightest first, with a weight above every real one after
  // the last.
  constexpr std::int64_t kNone = INT64_MAX;
  std::array<std::int64_t, kCodeSymbols + 1> leaf_weight;
  std::array<std::int16_t, kCodeSymbols> leaf_node;
  for (int p = 0; p < kCodeSymbols; ++p) {
    const std::int64_t key = sorted[At(p)];
    ranks_[At(KeySymbol(key))] = p;
    leaf_weight[At(kCodeSymbols - 1 - p)] = KeyCount(key);
    leaf_node[At(kCodeSymbols - 1 - p)] = KeySymbol(key);
  }
  leaf_weight[At(kCodeSymbols)] = kNone;

  // Internal node k is node kCodeSymbols + k; made_weight[made] is kNone. Not yet taken:
  // the run [run_begin, run_end), taken from its back, and every node from `untouched`
  // up to `made`.
  std::array<std::int64_t, kCodeSymbols> made_weight;
  made_weight[0] = kNone;
  int next_leaf = 0;
  int made = 0;
  int run_begin = 0;
  int run_end = 0;
  int untouched = 0;
  struct Taken {
    std::int16_t node;
    std::int64_t weight;
  };
  const auto take = [&]() -> Taken {
    const std::int64_t lightest = made_weight[At(run_end > run_begin ? run_begin : untouched)];
    if (lightest <= leaf_weight[At(next_leaf)]) {
      // The run is fixed only now that it is taken from: until then a new node of its
      // weight may still join it.
      if (run_end == run_begin) {
        run_begin = untouched;
        run_end = untouched + 1;
        while (run_end < made && made_weight[At(run_end)] == lightest) ++run_end;
        untouched = run_end;
      }
      return {static_cast<std::int16_t>(kCodeSymbols + --run_end), lightest};
    }
    const int leaf = next_leaf++;
    return {leaf_node[At(leaf)], leaf_weight[At(leaf)]};
  };

  for (; made < kCodeSymbols - 1; ++made) {
    const Taken one = take();
    const Taken zero = take();
    const std::int64_t sum = zero.weight + one.weight;
    nodes_[At(kCodeSymbols + made)] = CodeNode{sum, -1, {zero.node, one.node}};
    made_weight[At(made)] = sum;
    made_weight[At(made + 1)] = kNone;
  }
  order_[0] = static_cast<std::int16_t>(kRootNode);
}

} // namespace vorrin
