#include "decode/code_tree.hpp"

#include <utility>

namespace vorrin {

namespace {
std::size_t At(int i) { return static_cast<std::size_t>(i); }
} // namespace

void CodeTree::Reset() {
  for (int s = 0; s < kCodeSymbols; ++s) {
    counts_[At(s)] = 1;
    ranks_[At(s)] = s;
  }
}

void CodeTree::PlaceLeaves() {
  for (int s = 0; s < kCodeSymbols; ++s) {
    nodes_[At(s)] = CodeNode{counts_[At(s)], s, {kNoChild, kNoChild}};
    order_[At(ranks_[At(s)])] = static_cast<std::int16_t>(s);
  }
}

void CodeTree::SortByWeight() {
  int lo = 0;
  while (lo <= kCodeSymbols - 2) {
    int smallest_swap = -1;
    for (int j = kCodeSymbols - 2; j >= lo; --j) {
      if (WeightAt(j) < WeightAt(j + 1)) {
        std::swap(order_[At(j)], order_[At(j + 1)]);
        smallest_swap = j;
      }
    }
    if (smallest_swap < 0) break;
    // Everything in front of the last swap is in its final order.
    lo = smallest_swap + 1;
  }
}

void CodeTree::TakeRanks() {
  for (int p = 0; p < kCodeSymbols; ++p) ranks_[At(nodes_[At(order_[At(p)])].Symbol)] = p;
}

void CodeTree::Merge(int n) {
  if (n < kCodeSymbols - 1) {
    // The previous merge's node moves forward past every lighter entry, never past one
    // of equal weight.
    const std::int16_t node = order_[At(n)];
    const std::int64_t weight = nodes_[At(node)].Weight;
    int place = n;
    while (place > 0 && WeightAt(place - 1) < weight) {
      order_[At(place)] = order_[At(place - 1)];
      --place;
    }
    order_[At(place)] = node;
  }
  // Bit 0 to the second last entry, bit 1 to the last (the lighter one).
  const int created = kCodeSymbols + (kCodeSymbols - 1 - n);
  const std::int16_t zero = order_[At(n - 1)];
  const std::int16_t one = order_[At(n)];
  nodes_[At(created)] =
      CodeNode{nodes_[At(zero)].Weight + nodes_[At(one)].Weight, -1, {zero, one}};
  order_[At(n - 1)] = static_cast<std::int16_t>(created);
}

void CodeTree::CodeWords(std::array<CodeWord, kCodeSymbols>& out) const {
  struct Pending {
    std::int16_t node;
    CodeWord path;
  };
  // Depth-first; at most one pending sibling per level, so 1023 entries always suffice.
  std::array<Pending, kCodeNodes> stack{};
  std::size_t top = 0;
  stack[top++] = {order_[0], {}};
  while (top > 0) {
    const Pending p = stack[--top];
    const CodeNode& node = nodes_[At(p.node)];
    if (node.IsLeaf()) {
      out[At(node.Symbol)] = p.path;
      continue;
    }
    for (std::size_t bit = 0; bit < 2; ++bit)
      stack[top++] = {node.Child[bit], {(p.path.bits << 1) | bit, p.path.length + 1}};
  }
}

} // namespace vorrin
