#include "encode/lz77_parser.hpp"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "encode/match_finder.hpp"
#include "encode/optimal_parser.hpp"

namespace vorrin {

namespace {

// From this length on a match always beats its bytes as literals; shorter ones are priced.
constexpr int kSurelyWorthLength = 8;

bool WorthTaking(const MatchCandidate& m, const std::uint8_t* bytes, const MemberEncoder& encoder) {
  if (m.length == 0) return false;
  if (m.length >= kSurelyWorthLength) return true;
  int literal_bits = 0;
  for (int i = 0; i < m.length; ++i) literal_bits += encoder.LiteralCost(bytes[i]);
  return encoder.MatchCost(m.length, m.distance) < literal_bits;
}

// Greedy or lazy: the longest match the chain search finds, taken if it pays.
void ParseWithHashChains(std::span<const std::uint8_t> data, const ParseSettings& settings, MemberEncoder& encoder) {
  const bool lazy = settings.kind == ParseKind::Lazy;
  MatchFinder finder(data);
  const std::size_t size = data.size();
  std::size_t pos = 0;
  while (pos < size) {
    finder.InsertUpTo(pos);
    MatchCandidate m = finder.Find(pos, settings.max_chain, settings.nice_length, 0);
    if (!WorthTaking(m, data.data() + pos, encoder)) m = {};

    // Lazy evaluation: while the next position has a longer match, the current byte
    // goes out as a literal.
    while (lazy && m.length > 0 && m.length < settings.max_lazy && pos + 1 < size) {
      finder.InsertUpTo(pos + 1);
      const int chain = m.length >= settings.good_length ? settings.max_chain / 4 : settings.max_chain;
      const MatchCandidate next = finder.Find(pos + 1, std::max(chain, 1), settings.nice_length, m.length);
      if (next.length == 0 || !WorthTaking(next, data.data() + pos + 1, encoder)) break;
      encoder.Literal(data[pos]);
      ++pos;
      m = next;
    }

    if (m.length > 0) {
      encoder.Match(m.length, m.distance);
      if (!lazy && m.length > settings.max_insert) finder.SkipTo(pos + static_cast<std::size_t>(m.length));
      pos += static_cast<std::size_t>(m.length);
    } else {
      encoder.Literal(data[pos]);
      ++pos;
    }
  }
}

} // namespace

ParseSettings SettingsForLevel(int level) {
  static constexpr ParseSettings kLevels[] = {
      // kind, chain, nice, good, max_lazy, max_insert
      {ParseKind::Greedy, 1, 8, 0, 0, 8},       // 0
      {ParseKind::Greedy, 4, 16, 0, 0, 16},     // 1
      {ParseKind::Greedy, 8, 32, 0, 0, 32},     // 2
      {ParseKind::Greedy, 16, 64, 0, 0, 64},    // 3
      {ParseKind::Lazy, 16, 32, 8, 16, 0},      // 4
      {ParseKind::Lazy, 32, 64, 16, 32, 0},     // 5
      {ParseKind::Lazy, 128, 128, 32, 128, 0},  // 6
      {ParseKind::Lazy, 256, 256, 64, 256, 0},  // 7
      {ParseKind::Optimal, 128, 64, 0, 0, 0},   // 8
      {ParseKind::Optimal, 512, 258, 0, 0, 0},  // 9
  };
  level = std::clamp(level, kMinLevel, kMaxLevel);
  return kLevels[level - kMinLevel];
}

void ParseMember(std::span<const std::uint8_t> data, const ParseSettings& settings, MemberEncoder& encoder) {
  switch (settings.kind) {
    case ParseKind::Greedy:
    case ParseKind::Lazy:
      ParseWithHashChains(data, settings, encoder);
      return;
    case ParseKind::Optimal:
      ParseOptimal(data, OptimalSettings{settings.max_chain, settings.nice_length}, encoder);
      return;
  }
}

std::vector<std::uint8_t> CompressMember(std::span<const std::uint8_t> data, int level) {
  if (data.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
    throw std::length_error("a member holds less than 2^31 bytes");
  std::vector<std::uint8_t> out;
  out.reserve(data.size() / 2 + 16);
  BitWriter bits(out);
  MemberEncoder encoder(bits);
  ParseMember(data, SettingsForLevel(level), encoder);
  bits.Finish();
  return out;
}

} // namespace vorrin
