// CodeTree::CodeFields: every node is made after both its children, so going through the
// internal nodes from the root (the last made) down reaches each node after its parent.
#include "decode/code_tree.hpp"

namespace vorrin {

void CodeTree::CodeFields(std::array<std::uint64_t, kCodeSymbols>& fields,
                          std::array<std::uint8_t, kCodeSymbols>& lengths) const {
  std::array<std::uint64_t, kCodeNodes> field;
  std::array<std::uint8_t, kCodeNodes> length;
  field[kRootNode] = 0;
  length[kRootNode] = 0;
  for (std::size_t node = kRootNode; node >= kCodeSymbols; --node) {
    for (std::size_t bit = 0; bit < 2; ++bit) {
      const auto child = static_cast<std::size_t>(nodes_[node].Child[bit]);
      field[child] = field[node] | (std::uint64_t{bit} << length[node]);
      length[child] = static_cast<std::uint8_t>(length[node] + 1);
    }
  }
  for (std::size_t s = 0; s < kCodeSymbols; ++s) {
    fields[s] = field[s];
    lengths[s] = length[s];
  }
}

} // namespace vorrin
