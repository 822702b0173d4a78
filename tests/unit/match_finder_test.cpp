// The optimal parser's candidates: for every length, the cheapest distance that reaches it,
// where a distance's price is its slot's and nearer is not always cheaper.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <random>
#include <vector>

#include "decode/code_tree.hpp"
#include "encode/match_finder.hpp"

namespace vorrin {
namespace {

// Filler bytes from 0x80 up, so that only the planted ASCII strings can match.
std::vector<std::uint8_t> Filler(std::size_t size) {
  std::mt19937 rng(4);
  std::vector<std::uint8_t> out(size);
  for (auto& b : out) b = static_cast<std::uint8_t>(0x80 | rng());
  return out;
}

void Plant(std::vector<std::uint8_t>& data, std::size_t at, const char* text) {
  std::memcpy(data.data() + at, text, std::strlen(text));
}

struct Found {
  std::array<MatchCandidate, MatchFinder::kMaxCandidates> out;
  int count;
};

using SlotPrices = std::array<std::uint32_t, kCodeSymbols>;

Found FindAt(const std::vector<std::uint8_t>& data, std::size_t at, const SlotPrices& prices) {
  MatchFinder finder(data);
  finder.InsertUpTo(at);
  Found f{};
  f.count = finder.FindCheapest(at, 1024, 4352, prices.data(), f.out.data());
  return f;
}

constexpr std::size_t kHere = 9000;

TEST(FindCheapest, AFartherMatchInACheaperSlotReplacesANearerOne) {
  auto data = Filler(kHere + 100);
  Plant(data, kHere - 20, "abcdeX");   // length 5, slot 1
  Plant(data, kHere - 200, "abcdefgY"); // length 7, slot 12
  Plant(data, kHere - 1000, "abcdeZ");  // length 5, slot 62
  Plant(data, kHere, "abcdefgh");
  SlotPrices prices;
  prices.fill(10);
  prices[12] = 12;
  prices[62] = 5;

  const Found f = FindAt(data, kHere, prices);
  ASSERT_EQ(f.count, 2);
  EXPECT_EQ(f.out[0].length, 5);
  EXPECT_EQ(f.out[0].distance, 1000);
  EXPECT_EQ(f.out[1].length, 7);
  EXPECT_EQ(f.out[1].distance, 200);
}

TEST(FindCheapest, WithNearerSlotsCheaperItKeepsEachLongerMatch) {
  auto data = Filler(kHere + 100);
  Plant(data, kHere - 8192, "abcdefghij"); // the window's far edge: length 9
  Plant(data, kHere - 3000, "abcdefgZ");    // length 7
  Plant(data, kHere - 400, "abcZ");         // length 3
  Plant(data, kHere - 30, "abcdZ");         // length 4, and nearer: the length-3 one goes
  Plant(data, kHere, "abcdefghiK");
  SlotPrices prices;
  for (std::size_t s = 0; s < prices.size(); ++s) prices[s] = 4 + static_cast<std::uint32_t>(s / 32);

  const Found f = FindAt(data, kHere, prices);
  ASSERT_EQ(f.count, 3);
  EXPECT_EQ(f.out[0].length, 4);
  EXPECT_EQ(f.out[0].distance, 30);
  EXPECT_EQ(f.out[1].length, 7);
  EXPECT_EQ(f.out[1].distance, 3000);
  EXPECT_EQ(f.out[2].length, 9);
  EXPECT_EQ(f.out[2].distance, 8192);
}

TEST(FindCheapest, SeesNothingBeyondTheWindow) {
  auto data = Filler(kHere + 100);
  Plant(data, kHere - 8193, "abcdefgh");
  Plant(data, kHere, "abcdefgh");
  SlotPrices prices;
  prices.fill(8);
  EXPECT_EQ(FindAt(data, kHere, prices).count, 0);
}

} // namespace
} // namespace vorrin
