#include "encode/match_finder.hpp"

#include <algorithm>
#include <bit>
#include <cstring>

#include "decode/member_decoder.hpp"

namespace vorrin {

MatchFinder::MatchFinder(std::span<const std::uint8_t> data)
    : data_(data),
      hashable_end_(data.size() >= 3 ? data.size() - 2 : 0),
      head_(std::size_t{1} << kHashBits, -1),
      previous_(kChainMask + 1, -1) {}

int MatchFinder::CommonLength(const std::uint8_t* a, const std::uint8_t* b, int limit) const {
  int n = 0;
  if constexpr (std::endian::native == std::endian::little) {
    // Eight bytes at a time; the first differing byte is the lowest differing one.
    while (n + 8 <= limit) {
      std::uint64_t x, y;
      std::memcpy(&x, a + n, 8);
      std::memcpy(&y, b + n, 8);
      if (x != y) return n + std::countr_zero(x ^ y) / 8;
      n += 8;
    }
  }
  while (n < limit && a[n] == b[n]) ++n;
  return n;
}

MatchCandidate MatchFinder::Find(std::size_t position, int max_chain, int nice_length,
                                 int longer_than) const {
  MatchCandidate best;
  if (position >= hashable_end_) return best;
  const int limit = static_cast<int>(std::min<std::size_t>(kMaxMatchLength, data_.size() - position));
  int best_length = std::max(longer_than, kMinLength - 1);
  if (best_length >= limit) return best;
  const std::uint8_t* here = data_.data() + position;
  const auto oldest = static_cast<std::int64_t>(position) - kMaxDistance;

  std::int32_t candidate = head_[Hash(position)];
  for (int tries = max_chain; candidate >= 0 && candidate >= oldest && tries > 0; --tries) {
    const std::uint8_t* there = data_.data() + candidate;
    // Only a match longer than the best so far counts: test its last byte first.
    if (there[best_length] == here[best_length] && there[0] == here[0] && there[1] == here[1]) {
      const int length = CommonLength(there, here, limit);
      if (length > best_length) {
        best_length = length;
        best = {length, static_cast<int>(position - static_cast<std::size_t>(candidate))};
        if (length >= nice_length || length >= limit) break;
      }
    }
    candidate = previous_[static_cast<std::size_t>(candidate) & kChainMask];
  }
  return best;
}

} // namespace vorrin
