// The match candidates of a stretch of positions, found once and kept while the optimal
// parser prices the stretch again and again under the trees of successive rebuilds.
// Positions are searched in increasing order; the table slides forward as tokens go out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "encode/match_finder.hpp"

namespace vorrin {

class MatchTable {
public:
  // `max_chain` and `nice_length` as for MatchFinder::FindCheapest. Inside a match of
  // `nice_length` or more the positions are not searched: each gets the rest of that match
  // as its only candidate, for as long as the rest is still that long.
  MatchTable(std::span<const std::uint8_t> data, int max_chain, int nice_length);

  // Drops the positions below `position`, which no parse will start from again.
  void DropBefore(std::size_t position);
  // Makes the candidates of every position below `position` available, their distances
  // priced by `slot_prices` (bits per distance slot).
  void SearchUpTo(std::size_t position, const std::uint32_t* slot_prices);

  // Candidates at `position` (searched, not dropped): lengths and prices rising.
  std::span<const MatchCandidate> At(std::size_t position) const {
    const std::size_t i = position - base_;
    return {pool_.data() + offsets_[i], pool_.data() + offsets_[i + 1]};
  }

private:
  std::span<const std::uint8_t> data_;
  MatchFinder finder_;
  int max_chain_;
  int nice_length_;
  std::size_t base_ = 0;         // first position held
  std::size_t searched_end_ = 0; // positions below it are held
  MatchCandidate long_match_;    // the last match of nice_length or more, as at searched_end_
  std::vector<MatchCandidate> pool_;
  std::vector<std::uint32_t> offsets_; // per held position, into pool_; one more at the end
};

} // namespace vorrin
