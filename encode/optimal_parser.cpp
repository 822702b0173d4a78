#include "encode/optimal_parser.hpp"

#include <algorithm>
#include <limits>
#include <vector>

#include "decode/rebuild_schedule.hpp"
#include "encode/match_table.hpp"
#include "encode/token.hpp"
#include "encode/token_prices.hpp"

namespace vorrin {

namespace {

constexpr std::uint32_t kUnreached = std::numeric_limits<std::uint32_t>::max();
// Stretch sizes in bytes: large enough that its end rarely cuts the tokens sent out,
// small enough that a stretch of long matches stays cheap to hold.
constexpr std::size_t kMinStretch = 1024;
constexpr std::size_t kMaxStretch = std::size_t{1} << 18;
// When a stretch runs out before the rebuild point, the tokens of its last bytes, and a
// match cut short by its end, are priced again with the next stretch: a path cut at an
// arbitrary end is poor there.
constexpr std::size_t kStretchTail = 256;

// The cheapest way to reach one position of the stretch: its cost from the stretch's
// start, and the token that arrives there.
struct Arrival {
  std::uint32_t cost;
  std::uint16_t length; // 0: a literal
  std::uint16_t distance;
};

std::int32_t NextRebuild(std::int32_t k) {
  do ++k;
  while (!RebuildDue(k));
  return k;
}

class OptimalParser {
public:
  OptimalParser(std::span<const std::uint8_t> data, const OptimalSettings& settings, MemberEncoder& encoder)
      : data_(data), settings_(settings), encoder_(encoder), matches_(data, settings.max_chain, settings.nice_length) {}

  void Run() {
    std::size_t pos = 0;
    while (pos < data_.size()) {
      const std::int32_t budget = NextRebuild(encoder_.SymbolCount()) - encoder_.SymbolCount();
      const std::size_t end = pos + StretchFor(budget, data_.size() - pos);
      prices_.Take(encoder_);
      matches_.DropBefore(pos);
      matches_.SearchUpTo(end, prices_.SlotPrices());
      FindCheapestPath(pos, end);
      pos = Emit(pos, end);
    }
  }

private:
  // Bytes to parse for `budget` tokens, from the bytes per token so far.
  std::size_t StretchFor(std::int32_t budget, std::size_t left) const {
    const double per_token =
        tokens_out_ > 0 ? static_cast<double>(bytes_out_) / static_cast<double>(tokens_out_) : 4.0;
    const auto want = static_cast<std::size_t>(per_token * 1.5 * static_cast<double>(budget)) + kMinStretch;
    return std::min({want, kMaxStretch, left});
  }

  void FindCheapestPath(std::size_t start, std::size_t end) {
    const std::size_t n = end - start;
    arrivals_.assign(n + 1, Arrival{kUnreached, 0, 0});
    arrivals_[0].cost = 0;
    const std::uint8_t* bytes = data_.data() + start;
    for (std::size_t i = 0; i < n; ++i) {
      const std::uint32_t here = arrivals_[i].cost;
      Relax(i + 1, here + prices_.Literal(bytes[i]), 0, 0);
      const auto candidates = matches_.At(start + i);
      if (candidates.empty()) continue;
      const int room = static_cast<int>(std::min<std::size_t>(n - i, kMaxMatchLength));
      const MatchCandidate& longest = candidates.back();
      if (longest.length >= settings_.nice_length) { // taken whole: no shorter one pays
        const int length = std::min(longest.length, room);
        if (length >= kMinMatchLength)
          Relax(i + static_cast<std::size_t>(length), here + prices_.Match(length, longest.distance), length,
                longest.distance);
        continue;
      }
      // For every length, the cheapest distance that reaches it.
      int length = kMinMatchLength;
      for (const MatchCandidate& c : candidates) {
        const int top = std::min(c.length, room);
        const std::uint32_t base = here + prices_.Distance(c.distance);
        for (; length <= top; ++length)
          Relax(i + static_cast<std::size_t>(length), base + prices_.Length(length), length, c.distance);
      }
    }
  }

  void Relax(std::size_t to, std::uint32_t cost, int length, int distance) {
    Arrival& a = arrivals_[to];
    if (cost < a.cost) a = {cost, static_cast<std::uint16_t>(length), static_cast<std::uint16_t>(distance)};
  }

  // Sends the path's tokens up to the next rebuild point, or all of them when the stretch
  // ends first. Returns the position after the last token sent.
  std::size_t Emit(std::size_t start, std::size_t end) {
    path_.clear();
    for (std::size_t at = end - start; at > 0;) {
      const Arrival& a = arrivals_[at];
      path_.push_back(a.length == 0 ? LiteralToken(data_[start + at - 1]) : MatchToken(a.length, a.distance));
      at -= a.length == 0 ? 1 : a.length;
    }
    const bool cut = end < data_.size();
    const std::int32_t stop = NextRebuild(encoder_.SymbolCount());
    std::size_t pos = start;
    for (auto t = path_.rbegin(); t != path_.rend(); ++t) {
      if (encoder_.SymbolCount() == stop) break;
      const std::size_t length = t->IsLiteral() ? 1 : t->length;
      if (cut && pos > start && (pos + kStretchTail >= end || pos + length == end)) break;
      encoder_.Put(*t);
      pos += length;
      bytes_out_ += length;
      ++tokens_out_;
    }
    return pos;
  }

  std::span<const std::uint8_t> data_;
  OptimalSettings settings_;
  MemberEncoder& encoder_;
  MatchTable matches_;
  TokenPrices prices_;
  std::vector<Arrival> arrivals_;
  std::vector<Token> path_; // last token first
  std::uint64_t bytes_out_ = 0;
  std::uint64_t tokens_out_ = 0;
};

} // namespace

void ParseOptimal(std::span<const std::uint8_t> data, const OptimalSettings& settings, MemberEncoder& encoder) {
  OptimalParser(data, settings, encoder).Run();
}

} // namespace vorrin
