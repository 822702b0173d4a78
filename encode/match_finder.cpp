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

namespace {

std::uint16_t Load16(const std::uint8_t* p) {
  std::uint16_t v;
  std::memcpy(&v, p, 2);
  return v;
}

} // namespace

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
  // The oldest position in reach; never below 0, so that it also stops at a chain's end (-1).
  const std::int32_t oldest = position > kMaxDistance ? static_cast<std::int32_t>(position) - kMaxDistance : 0;

  std::int32_t candidate = head_[Hash(position)];
  for (int tries = max_chain; candidate >= oldest && tries > 0; --tries) {
    const std::uint8_t* there = data_.data() + candidate;
    // Only a match longer than the best so far counts: test the two bytes that would end
    // it first, then the two it starts with.
    if (Load16(there + best_length - 1) == Load16(here + best_length - 1) && Load16(there) == Load16(here)) {
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

int MatchFinder::FindCheapest(std::size_t position, int max_chain, int nice_length, const std::uint32_t* slot_prices,
                              MatchCandidate* out) const {
  if (position >= hashable_end_) return 0;
  const int limit = static_cast<int>(std::min<std::size_t>(kMaxMatchLength, data_.size() - position));
  const std::uint8_t* here = data_.data() + position;
  // The oldest position in reach; never below 0, so that it also stops at a chain's end (-1).
  const std::int32_t oldest = position > kMaxDistance ? static_cast<std::int32_t>(position) - kMaxDistance : 0;
  std::uint32_t prices[kMaxCandidates];
  int found = 0;

  std::int32_t candidate = head_[Hash(position)];
  for (int tries = max_chain; candidate >= oldest && tries > 0; --tries) {
    const std::uint8_t* there = data_.data() + candidate;
    const std::size_t next = static_cast<std::size_t>(candidate) & kChainMask;
    const int distance = static_cast<int>(position - static_cast<std::size_t>(candidate));
    const std::uint32_t price = slot_prices[(distance - 1) >> 4];
    // No cheaper than the longest so far: only a longer match counts, so the two bytes
    // that would end it are tested first.
    const int longest = found > 0 ? out[found - 1].length : kMinMatchLength;
    const bool must_be_longer = found > 0 && price >= prices[found - 1];
    if ((!must_be_longer || Load16(there + longest - 1) == Load16(here + longest - 1)) &&
        Load16(there) == Load16(here)) {
      const int length = CommonLength(there, here, limit);
      // The first entry at least as long decides whether this one is needed.
      int at = 0;
      while (at < found && out[at].length < length) ++at;
      if (at == found || prices[at] > price) {
        // Entries no longer and no cheaper than this one, just before it, go.
        int from = at;
        while (from > 0 && prices[from - 1] >= price) --from;
        if (at < found && out[at].length == length) ++at;
        const int kept_after = found - at;
        if (from + 1 + kept_after <= kMaxCandidates) {
          if (from == at) { // nothing dropped: make room
            std::copy_backward(out + at, out + found, out + found + 1);
            std::copy_backward(prices + at, prices + found, prices + found + 1);
          } else {
            std::copy(out + at, out + found, out + from + 1);
            std::copy(prices + at, prices + found, prices + from + 1);
          }
          out[from] = {length, distance};
          prices[from] = price;
          found = from + 1 + kept_after;
        }
      }
      if (length >= nice_length || length >= limit) break;
    }
    candidate = previous_[next];
  }
  return found;
}

} // namespace vorrin
