#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <queue>
#include <random>
#include <vector>

#include "decode/code_tree.hpp"
#include "tests/support/memory_archive.hpp"

namespace vorrin {
namespace {

using Words = std::array<CodeWord, kCodeSymbols>;

// Code words given as their bits, first bit first.
CodeWord Word(std::initializer_list<int> bits) {
  CodeWord w;
  for (int b : bits) {
    w.bits = (w.bits << 1) | static_cast<std::uint64_t>(b);
    ++w.length;
  }
  return w;
}

// Packs code words the way the archiver stores them: first bit of each word first, bytes
// filled from their least significant bit.
std::vector<std::uint8_t> PackWords(const std::vector<CodeWord>& words) {
  std::vector<std::uint8_t> out;
  int used = 8;
  for (const CodeWord& w : words) {
    for (int i = w.length - 1; i >= 0; --i) {
      if (used == 8) {
        out.push_back(0);
        used = 0;
      }
      out.back() = static_cast<std::uint8_t>(out.back() | (((w.bits >> i) & 1u) << used));
      ++used;
    }
  }
  return out;
}

// The decoder's view: decodes the given code words in order.
std::vector<std::int32_t> DecodeWords(const CodeTree& tree, const std::vector<CodeWord>& words) {
  const auto packed = PackWords(words);
  test::MemoryBlockStream source(packed);
  BitReader bits(source.stream());
  std::vector<std::int32_t> symbols;
  for (std::size_t i = 0; i < words.size(); ++i) symbols.push_back(tree.DecodeSymbol(bits));
  return symbols;
}

// Checks one code word both ways: the table the archiver codes with, and the decoder's walk.
void ExpectCode(const CodeTree& tree, int symbol, const CodeWord& expected) {
  Words words;
  tree.CodeWords(words);
  EXPECT_EQ(words[static_cast<std::size_t>(symbol)].length, expected.length) << "symbol " << symbol;
  EXPECT_EQ(words[static_cast<std::size_t>(symbol)].bits, expected.bits) << "symbol " << symbol;
  EXPECT_EQ(DecodeWords(tree, {expected}), std::vector<std::int32_t>{symbol});
}

TEST(CodeTreeFirstBuild, EverySymbolIsItsValueXor170InNineBits) {
  CodeTree tree;
  tree.Build();
  Words words;
  tree.CodeWords(words);
  std::vector<CodeWord> all;
  std::vector<std::int32_t> symbols(kCodeSymbols);
  std::iota(symbols.begin(), symbols.end(), 0);
  for (int s = 0; s < kCodeSymbols; ++s) {
    const CodeWord expected{static_cast<std::uint64_t>(s ^ 170), 9};
    EXPECT_EQ(words[static_cast<std::size_t>(s)].bits, expected.bits) << s;
    EXPECT_EQ(words[static_cast<std::size_t>(s)].length, 9) << s;
    EXPECT_EQ(tree.Ranks()[static_cast<std::size_t>(s)], s);
    all.push_back(expected);
  }
  EXPECT_EQ(DecodeWords(tree, all), symbols);
  ExpectCode(tree, 0, Word({0, 1, 0, 1, 0, 1, 0, 1, 0}));
  ExpectCode(tree, 511, Word({1, 0, 1, 0, 1, 0, 1, 0, 1}));
}

TEST(CodeTreeFirstBuild, FirstTwoMergesPlaceTheirNodesAtTheFront) {
  CodeTree tree;
  tree.PlaceLeaves();
  tree.SortByWeight();
  tree.TakeRanks();
  tree.Merge(511);
  EXPECT_EQ(tree.Nodes()[512].Child[0], 510);
  EXPECT_EQ(tree.Nodes()[512].Child[1], 511);
  EXPECT_EQ(tree.Nodes()[512].Weight, 2);
  tree.Merge(510); // re-inserts node 512 first: it moves to place 0
  EXPECT_EQ(tree.Order()[0], 512);
  EXPECT_EQ(tree.Nodes()[513].Child[0], 508);
  EXPECT_EQ(tree.Nodes()[513].Child[1], 509);
  tree.Merge(509); // node 513 stops behind node 512, its equal
  EXPECT_EQ(tree.Order()[0], 512);
  EXPECT_EQ(tree.Order()[1], 513);
  for (int n = 508; n >= 1; --n) tree.Merge(n);
  EXPECT_EQ(tree.Order()[0], kRootNode);
  EXPECT_EQ(tree.Nodes()[kRootNode].Weight, kCodeSymbols);
}

TEST(CodeTreeBuild, OneHeavierSymbolMovesToTheFront) {
  CodeTree tree;
  tree.Count(65); // Counts[65] = 2, all others 1
  tree.Build();
  for (int s = 0; s < kCodeSymbols; ++s) {
    const int expected = s == 65 ? 0 : s < 65 ? s + 1 : s;
    EXPECT_EQ(tree.Ranks()[static_cast<std::size_t>(s)], expected) << s;
  }
  Words words;
  tree.CodeWords(words);
  for (int s = 0; s < kCodeSymbols; ++s) {
    const int expected_length = s == 65 ? 8 : (s == 1 || s == 2) ? 10 : 9;
    EXPECT_EQ(words[static_cast<std::size_t>(s)].length, expected_length) << s;
  }
  ExpectCode(tree, 65, Word({0, 0, 0, 0, 0, 0, 0, 1}));
  ExpectCode(tree, 1, Word({0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  ExpectCode(tree, 2, Word({0, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
  ExpectCode(tree, 0, Word({0, 0, 0, 0, 0, 0, 0, 0, 1}));
  ExpectCode(tree, 64, Word({0, 0, 1, 0, 0, 0, 0, 1, 1}));
  ExpectCode(tree, 66, Word({0, 0, 1, 0, 0, 0, 0, 0, 0}));
  ExpectCode(tree, 511, Word({0, 0, 0, 0, 0, 1, 1, 0, 1}));
}

// Counts that are all equal after a build that left the ranks shuffled.
TEST(CodeTreeBuild, EqualCountsKeepThePreviousOrder) {
  std::mt19937 rng(7);
  CodeTree tree;
  std::vector<int> counts(kCodeSymbols, 1);
  for (int s = 0; s < kCodeSymbols; ++s) {
    counts[static_cast<std::size_t>(s)] = 1 + static_cast<int>(rng() % 6);
    for (int i = 1; i < counts[static_cast<std::size_t>(s)]; ++i) tree.Count(s);
  }
  tree.Build();
  const auto previous_ranks = tree.Ranks();
  ASSERT_FALSE(std::is_sorted(previous_ranks.begin(), previous_ranks.end()));
  for (int s = 0; s < kCodeSymbols; ++s)
    for (int i = counts[static_cast<std::size_t>(s)]; i < 6; ++i) tree.Count(s);
  tree.Build();
  EXPECT_EQ(tree.Ranks(), previous_ranks);
  Words words;
  tree.CodeWords(words);
  for (int s = 0; s < kCodeSymbols; ++s) {
    const auto p = static_cast<std::uint64_t>(previous_ranks[static_cast<std::size_t>(s)]);
    EXPECT_EQ(words[static_cast<std::size_t>(s)].bits, p ^ 170u) << s;
    EXPECT_EQ(words[static_cast<std::size_t>(s)].length, 9) << s;
  }
}

// Total code length of an optimal prefix code for these weights.
std::int64_t OptimalCost(const std::vector<std::int64_t>& weights) {
  std::priority_queue<std::int64_t, std::vector<std::int64_t>, std::greater<>> heap(weights.begin(), weights.end());
  std::int64_t cost = 0;
  while (heap.size() > 1) {
    const std::int64_t a = heap.top();
    heap.pop();
    const std::int64_t b = heap.top();
    heap.pop();
    cost += a + b;
    heap.push(a + b);
  }
  return cost;
}

// Builds over a member's growing, skewed counts: each build must be an optimal prefix code,
// sort stably from the previous ranks, and decode every symbol to itself.
TEST(CodeTreeBuild, SuccessiveBuildsAreOptimalStableAndDecodable) {
  std::mt19937 rng(11);
  CodeTree tree;
  tree.Build();
  for (int round = 0; round < 12; ++round) {
    const auto ranks_before = tree.Ranks();
    for (int i = 0; i < 3000; ++i) {
      // Heavy skew towards low symbols, with a shifting favourite.
      const auto r = static_cast<int>(rng() % 1000);
      tree.Count(r < 600 ? (r * r + round * 37) % 64 : r % kCodeSymbols);
    }
    tree.Build();

    // Stable, heaviest first: compare neighbours in the new order.
    std::vector<int> by_rank(kCodeSymbols);
    for (int s = 0; s < kCodeSymbols; ++s) by_rank[static_cast<std::size_t>(tree.Ranks()[static_cast<std::size_t>(s)])] = s;
    for (std::size_t p = 0; p + 1 < by_rank.size(); ++p) {
      const auto a = static_cast<std::size_t>(by_rank[p]);
      const auto b = static_cast<std::size_t>(by_rank[p + 1]);
      ASSERT_GE(tree.Counts()[a], tree.Counts()[b]);
      if (tree.Counts()[a] == tree.Counts()[b]) {
        ASSERT_LT(ranks_before[a], ranks_before[b]);
      }
    }

    Words words;
    tree.CodeWords(words);
    std::vector<std::int64_t> weights;
    std::int64_t cost = 0;
    std::vector<CodeWord> list;
    std::vector<std::int32_t> symbols;
    for (int s = 0; s < kCodeSymbols; ++s) {
      const auto count = tree.Counts()[static_cast<std::size_t>(s)];
      weights.push_back(count);
      cost += count * words[static_cast<std::size_t>(s)].length;
      list.push_back(words[static_cast<std::size_t>(s)]);
      symbols.push_back(s);
    }
    EXPECT_EQ(cost, OptimalCost(weights)) << "round " << round;
    EXPECT_EQ(DecodeWords(tree, list), symbols) << "round " << round;
  }
}

// Fibonacci counts make the deepest tree a count can make: code words longer than 32 bits
// must survive the code table and the walk.
TEST(CodeTreeBuild, CodeWordsLongerThan32Bits) {
  CodeTree tree;
  // The 480 symbols of count 1 form a subtree of weight 480; the chain grows from there.
  std::int64_t a = 480, b = 480;
  for (int s = 0; s < 32; ++s) {
    tree.SetCount(s, static_cast<std::int32_t>(a));
    const std::int64_t next = a + b;
    a = b;
    b = next;
  }
  tree.Build();
  Words words;
  tree.CodeWords(words);
  int longest = 0;
  std::vector<CodeWord> list;
  std::vector<std::int32_t> symbols;
  for (int s = 0; s < kCodeSymbols; ++s) {
    longest = std::max(longest, words[static_cast<std::size_t>(s)].length);
    list.push_back(words[static_cast<std::size_t>(s)]);
    symbols.push_back(s);
  }
  EXPECT_GT(longest, 32);
  EXPECT_EQ(DecodeWords(tree, list), symbols);
  std::vector<std::int64_t> weights(tree.Counts().begin(), tree.Counts().end());
  std::int64_t cost = 0;
  for (int s = 0; s < kCodeSymbols; ++s)
    cost += tree.Counts()[static_cast<std::size_t>(s)] * std::int64_t{words[static_cast<std::size_t>(s)].length};
  EXPECT_EQ(cost, OptimalCost(weights));
}

} // namespace
} // namespace vorrin
