#include "encode/lz77_parser.hpp"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "encode/match_finder.hpp"

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

} // namespace

ParseSettings SettingsForLevel(int level) {
  static constexpr ParseSettings kLevels[] = {
      // chain, lazy, nice, good, max_lazy, max_insert
      {4, false, 16, 0, 0, 16},               // 1
      {8, false, 32, 0, 0, 32},               // 2
      {16, false, 64, 0, 0, 64},              // 3
      {16, true, 32, 8, 16, 0},               // 4
      {32, true, 64, 16, 32, 0},              // 5
      {128, true, 128, 32, 128, 0},           // 6
      {256, true, 256, 64, 256, 0},           // 7
      {1024, true, 1024, 128, 1024, 0},       // 8
      {4096, true, 4352, 4352, 4352, 0},      // 9
  };
  level = std::clamp(level, kMinLevel, kMaxLevel);
  return kLevels[level - 1];
}

void ParseMember(std::span<const std::uint8_t> data, const ParseSettings& settings, MemberEncoder& encoder) {
  MatchFinder finder(data);
  const std::size_t size = data.size();
  std::size_t pos = 0;
  while (pos < size) {
    finder.InsertUpTo(pos);
    MatchCandidate m = finder.Find(pos, settings.max_chain, settings.nice_length, 0);
    if (!WorthTaking(m, data.data() + pos, encoder)) m = {};

    // Lazy evaluation: while the next position has a longer match, the current byte
    // goes out as a literal.
    while (settings.lazy && m.length > 0 && m.length < settings.max_lazy && pos + 1 < size) {
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
      if (!settings.lazy && m.length > settings.max_insert) finder.SkipTo(pos + static_cast<std::size_t>(m.length));
      pos += static_cast<std::size_t>(m.length);
    } else {
      encoder.Literal(data[pos]);
      ++pos;
    }
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
