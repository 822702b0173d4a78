// Chooses a member's tokens. Levels 0 to 7 take hash-chain matches in the last 8192
// bytes, greedily at 0 to 3 and with one-step lazy evaluation from 4 on; a short match is
// taken only when it costs fewer bits than its bytes as literals, priced with the coder's
// current code lengths. Levels 8 and 9 parse optimally (optimal_parser.hpp).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "encode/member_encoder.hpp"

namespace vorrin {

inline constexpr int kMinLevel = 0;
inline constexpr int kMaxLevel = 9;
inline constexpr int kDefaultLevel = 6;

enum class ParseKind { Greedy, Lazy, Optimal };

struct ParseSettings {
  ParseKind kind;
  int max_chain;   // earlier positions tried per search
  int nice_length; // a match this long ends the search
  int good_length; // lazy: with a match this long in hand, the look-ahead tries a quarter of the chain
  int max_lazy;    // lazy: a match this long is taken without looking ahead
  int max_insert;  // greedy: longer matches leave their positions out of the chains
};

// Settings for a level from 0 (fastest) to 9 (smallest); out-of-range levels are clamped.
ParseSettings SettingsForLevel(int level);

// Parses `data` and hands every token to `encoder`.
void ParseMember(std::span<const std::uint8_t> data, const ParseSettings& settings, MemberEncoder& encoder);

// A member's coded bytes: whole bytes, the last one padded with zero bits. Empty data gives
// no bytes. std::length_error for data of 2^31 bytes or more, which no member can hold.
std::vector<std::uint8_t> CompressMember(std::span<const std::uint8_t> data, int level = kDefaultLevel);

} // namespace vorrin
