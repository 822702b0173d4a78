// The smallest levels' parse: a shortest path through the bytes, every literal and match
// priced in bits with the code trees the encoder holds at the time.
//
// Between two rebuilds the code words are fixed, so for the tokens up to the next rebuild
// point the prices are exact. The parser therefore takes a stretch of bytes expected to
// hold somewhat more tokens than remain before that point, finds the cheapest tokens
// through it, sends them to the encoder up to the rebuild, and prices the rest again with
// the new trees. The match candidates of each position are found once and kept.
#pragma once

#include <cstdint>
#include <span>

#include "encode/member_encoder.hpp"

namespace vorrin {

struct OptimalSettings {
  int max_chain;   // earlier positions tried per search
  int nice_length; // a match this long ends the search and is taken whole, not cut shorter
};

void ParseOptimal(std::span<const std::uint8_t> data, const OptimalSettings& settings, MemberEncoder& encoder);

} // namespace vorrin
