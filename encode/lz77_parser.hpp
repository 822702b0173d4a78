// Chooses a member's tokens: hash-chain matches in the last 8192 bytes, taken greedily at
// the low levels and with one-step lazy evaluation from level 4 on. A short match is taken
// only when it costs fewer bits than its bytes as literals, priced with the coder's
// current code lengths.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "encode/member_encoder.hpp"

namespace vorrin {

inline constexpr int kMinLevel = 1;
inline constexpr int kMaxLevel = 9;
inline constexpr int kDefaultLevel = 6;

struct ParseSettings {
  int max_chain;   // earlier positions tried per search
  bool lazy;       // look one byte ahead before taking a match
  int nice_length; // a match this long ends the search
  int good_length; // with a match this long in hand, the look-ahead tries a quarter of the chain
  int max_lazy;    // a match this long is taken without looking ahead
  int max_insert;  // greedy levels: longer matches leave their positions out of the chains
};

// Settings for a level from 1 (fastest) to 9 (smallest); out-of-range levels are clamped.
ParseSettings SettingsForLevel(int level);

// Parses `data` and hands every token to `encoder`.
void ParseMember(std::span<const std::uint8_t> data, const ParseSettings& settings, MemberEncoder& encoder);

// A member's coded bytes: whole bytes, the last one padded with zero bits. Empty data gives
// no bytes. std::length_error for data of 2^31 bytes or more, which no member can hold.
std::vector<std::uint8_t> CompressMember(std::span<const std::uint8_t> data, int level = kDefaultLevel);

} // namespace vorrin
