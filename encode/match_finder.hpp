// Finds earlier occurrences of the bytes at a position within the last 8192 bytes:
// hash chains over 3-byte prefixes. Positions are added in increasing order; a search at
// a position sees exactly the positions added before it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vorrin {

struct MatchCandidate {
  int length = 0; // 0: none found
  int distance = 0;
};

class MatchFinder {
public:
  static constexpr int kMinLength = 3;

  explicit MatchFinder(std::span<const std::uint8_t> data);

  // Adds every position below `position` that is neither added nor skipped yet.
  void InsertUpTo(std::size_t position) {
    const std::size_t end = position < hashable_end_ ? position : hashable_end_;
    for (; next_insert_ < end; ++next_insert_) Insert(next_insert_);
    if (next_insert_ < position) next_insert_ = position;
  }
  // Leaves the positions below `position` out of the chains: faster, fewer matches found.
  void SkipTo(std::size_t position) {
    if (next_insert_ < position) next_insert_ = position;
  }

  // The longest match longer than `longer_than` for the bytes at `position`, trying at most
  // `max_chain` earlier positions and stopping at the first of `nice_length` or more.
  // Length 0 when there is none of at least kMinLength.
  MatchCandidate Find(std::size_t position, int max_chain, int nice_length, int longer_than) const;

private:
  static constexpr int kHashBits = 15;
  static constexpr std::size_t kChainMask = 8192 - 1; // ring of the window's positions

  std::uint32_t Hash(std::size_t position) const {
    const std::uint8_t* p = data_.data() + position;
    const std::uint32_t key = std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16;
    return (key * 2654435761u) >> (32 - kHashBits);
  }
  void Insert(std::size_t position) {
    const std::uint32_t h = Hash(position);
    previous_[position & kChainMask] = head_[h];
    head_[h] = static_cast<std::int32_t>(position);
  }
  int CommonLength(const std::uint8_t* a, const std::uint8_t* b, int limit) const;

  std::span<const std::uint8_t> data_;
  std::size_t hashable_end_; // positions with 3 bytes left
  std::size_t next_insert_ = 0;
  std::vector<std::int32_t> head_;     // newest position per hash, -1 for none
  std::vector<std::int32_t> previous_; // next older position with the same hash
};

} // namespace vorrin
