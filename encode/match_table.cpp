#include "encode/match_table.hpp"

#include <algorithm>

namespace vorrin {

MatchTable::MatchTable(std::span<const std::uint8_t> data, int max_chain, int nice_length)
    : data_(data), finder_(data), max_chain_(max_chain), nice_length_(nice_length), offsets_{0} {}

void MatchTable::DropBefore(std::size_t position) {
  if (position <= base_) return;
  const std::size_t drop = std::min(position, searched_end_) - base_;
  const std::uint32_t first = offsets_[drop];
  pool_.erase(pool_.begin(), pool_.begin() + first);
  offsets_.erase(offsets_.begin(), offsets_.begin() + static_cast<std::ptrdiff_t>(drop));
  for (auto& offset : offsets_) offset -= first;
  base_ += drop;
}

void MatchTable::SearchUpTo(std::size_t position, const std::uint32_t* slot_prices) {
  position = std::min(position, data_.size());
  MatchCandidate found[MatchFinder::kMaxCandidates];
  for (; searched_end_ < position; ++searched_end_) {
    if (long_match_.length > nice_length_) {
      --long_match_.length;
      pool_.push_back(long_match_);
    } else {
      finder_.InsertUpTo(searched_end_);
      const int count = finder_.FindCheapest(searched_end_, max_chain_, nice_length_, slot_prices, found);
      pool_.insert(pool_.end(), found, found + count);
      long_match_ = count > 0 && found[count - 1].length >= nice_length_ ? found[count - 1] : MatchCandidate{};
    }
    offsets_.push_back(static_cast<std::uint32_t>(pool_.size()));
  }
}

} // namespace vorrin
