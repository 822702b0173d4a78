// When both code trees are built again: before the member's LiteralLengthTree symbol
// number k for k = 0, 256, ..., 1792, then for every multiple of 1024 from 2048 on.
#pragma once

#include <cstdint>

namespace vorrin {

constexpr bool RebuildDue(std::int32_t k) {
  return k % 256 == 0 && (k < 2048 || k % 1024 == 0);
}

} // namespace vorrin
