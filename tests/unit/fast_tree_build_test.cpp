// BuildFast against Build: every node (weight, symbol, both children), the root, every
// code word and the new Ranks must come out the same, from the same Counts and Ranks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "decode/code_tree.hpp"
#include "decode/rebuild_schedule.hpp"

namespace vorrin {
namespace {

constexpr std::int32_t kMaxCount = 2147483647;

std::size_t At(int i) { return static_cast<std::size_t>(i); }

void ExpectSameTree(const CodeTree& fast, const CodeTree& reference, const std::string& where) {
  ASSERT_EQ(fast.Counts(), reference.Counts()) << where;
  EXPECT_EQ(fast.Ranks(), reference.Ranks()) << where;
  EXPECT_EQ(fast.Order()[0], reference.Order()[0]) << where;
  for (int n = 0; n < kCodeNodes; ++n) {
    const CodeNode& a = fast.Nodes()[At(n)];
    const CodeNode& b = reference.Nodes()[At(n)];
    ASSERT_EQ(a.Weight, b.Weight) << where << ", node " << n;
    ASSERT_EQ(a.Child, b.Child) << where << ", node " << n;
    if (b.IsLeaf()) {
      ASSERT_EQ(a.Symbol, b.Symbol) << where << ", node " << n;
    }
  }
  std::array<CodeWord, kCodeSymbols> fast_words;
  std::array<CodeWord, kCodeSymbols> reference_words;
  fast.CodeWords(fast_words);
  reference.CodeWords(reference_words);
  for (int s = 0; s < kCodeSymbols; ++s) {
    ASSERT_EQ(fast_words[At(s)].length, reference_words[At(s)].length) << where << ", symbol " << s;
    ASSERT_EQ(fast_words[At(s)].bits, reference_words[At(s)].bits) << where << ", symbol " << s;
  }
}

// Two trees in step: every count change and every build goes to both, one built the
// reference way, the other fast.
class TwinTrees {
public:
  void SetCounts(const std::vector<std::int32_t>& counts) {
    for (int s = 0; s < kCodeSymbols; ++s) {
      fast_.SetCount(s, counts[At(s)]);
      reference_.SetCount(s, counts[At(s)]);
    }
  }
  void Count(int symbol) {
    fast_.Count(symbol);
    reference_.Count(symbol);
  }
  void BuildAndCompare(const std::string& where) {
    fast_.BuildFast();
    reference_.Build();
    ExpectSameTree(fast_, reference_, where);
  }
  // Leaves the Ranks at `ranks` (a permutation): a build from distinct counts that sort
  // into that order.
  void SetRanks(const std::vector<int>& ranks) {
    std::vector<std::int32_t> counts(kCodeSymbols);
    for (int s = 0; s < kCodeSymbols; ++s) counts[At(s)] = kCodeSymbols - ranks[At(s)];
    SetCounts(counts);
    BuildAndCompare("setting ranks");
    ASSERT_EQ(std::vector<std::int32_t>(reference_.Ranks().begin(), reference_.Ranks().end()),
              std::vector<std::int32_t>(ranks.begin(), ranks.end()));
  }
  const CodeTree& Fast() const { return fast_; }

private:
  CodeTree fast_;
  CodeTree reference_;
};

std::vector<int> RandomPermutation(std::mt19937& rng) {
  std::vector<int> p(kCodeSymbols);
  std::iota(p.begin(), p.end(), 0);
  std::shuffle(p.begin(), p.end(), rng);
  return p;
}

TEST(FastTreeBuild, WorkedExamples) {
  TwinTrees first;
  first.BuildAndCompare("first build");
  std::array<CodeWord, kCodeSymbols> words;
  first.Fast().CodeWords(words);
  for (int s = 0; s < kCodeSymbols; ++s) {
    EXPECT_EQ(words[At(s)].bits, static_cast<std::uint64_t>(s ^ 170)) << s;
    EXPECT_EQ(words[At(s)].length, 9) << s;
  }

  TwinTrees one_heavier;
  one_heavier.Count(65);
  one_heavier.BuildAndCompare("Counts[65] = 2");
  EXPECT_EQ(one_heavier.Fast().Ranks()[65], 0);
  one_heavier.Fast().CodeWords(words);
  EXPECT_EQ(words[65].length, 8);
  EXPECT_EQ(words[65].bits, 1u);
  EXPECT_EQ(words[1].length, 10);
  EXPECT_EQ(words[2].bits, 1u);
}

// With all counts equal the tree is fixed and only the ranks decide which leaf is where.
TEST(FastTreeBuild, EqualCountsUnderShuffledRanks) {
  std::mt19937 rng(1);
  for (int round = 0; round < 20; ++round) {
    TwinTrees trees;
    const auto ranks = RandomPermutation(rng);
    trees.SetRanks(ranks);
    const std::int32_t count = round % 2 ? kCodeSymbols + 1 : kMaxCount;
    trees.SetCounts(std::vector<std::int32_t>(kCodeSymbols, count));
    trees.BuildAndCompare("equal counts " + std::to_string(count) + ", round " + std::to_string(round));
    std::array<CodeWord, kCodeSymbols> words;
    trees.Fast().CodeWords(words);
    for (int s = 0; s < kCodeSymbols; ++s)
      ASSERT_EQ(words[At(s)].bits, static_cast<std::uint64_t>(ranks[At(s)] ^ 170)) << s;
  }
}

struct CountShape {
  const char* name;
  std::function<std::int32_t(std::mt19937&)> draw;
};

std::int32_t Uniform(std::mt19937& rng, std::int64_t lo, std::int64_t hi) {
  return static_cast<std::int32_t>(std::uniform_int_distribution<std::int64_t>(lo, hi)(rng));
}

const std::vector<CountShape>& Shapes() {
  static const std::vector<CountShape> shapes = {
      {"ones and twos", [](std::mt19937& r) { return Uniform(r, 1, 2); }},
      {"few values, many ties", [](std::mt19937& r) { return std::int32_t{1} << Uniform(r, 0, 3); }},
      {"small", [](std::mt19937& r) { return Uniform(r, 1, 20); }},
      {"large", [](std::mt19937& r) { return Uniform(r, 1, kMaxCount); }},
      {"near 2^31", [](std::mt19937& r) { return Uniform(r, kMaxCount - 3, kMaxCount); }},
      {"mostly 1, some near 2^31",
       [](std::mt19937& r) { return Uniform(r, 0, 9) == 0 ? Uniform(r, kMaxCount - 1000, kMaxCount) : 1; }},
      {"skewed",
       [](std::mt19937& r) {
         const double u = std::uniform_real_distribution<double>(0.0, 1.0)(r);
         return static_cast<std::int32_t>(1.0 + 1e6 * u * u * u * u * u * u);
       }},
      {"powers of two", [](std::mt19937& r) { return std::int32_t{1} << Uniform(r, 0, 30); }},
  };
  return shapes;
}

TEST(FastTreeBuild, RandomCountsUnderRandomRanks) {
  std::mt19937 rng(2);
  for (const CountShape& shape : Shapes()) {
    for (int round = 0; round < 40; ++round) {
      TwinTrees trees;
      if (round % 2) trees.SetRanks(RandomPermutation(rng));
      std::vector<std::int32_t> counts(kCodeSymbols);
      for (auto& c : counts) c = shape.draw(rng);
      trees.SetCounts(counts);
      trees.BuildAndCompare(std::string(shape.name) + ", round " + std::to_string(round));
    }
  }
}

// The deepest trees: counts along a Fibonacci chain, some of them up at 2^31.
TEST(FastTreeBuild, FibonacciChains) {
  for (std::int64_t start : {1, 2, 480}) {
    TwinTrees trees;
    std::vector<std::int32_t> counts(kCodeSymbols, 1);
    std::int64_t a = start, b = start;
    for (int s = 0; s < kCodeSymbols && a <= kMaxCount; ++s) {
      counts[At(kCodeSymbols - 1 - s)] = static_cast<std::int32_t>(a);
      const std::int64_t next = a + b;
      a = b;
      b = next;
    }
    trees.SetCounts(counts);
    trees.BuildAndCompare("Fibonacci from " + std::to_string(start));
  }
}

// The decoder's and the archiver's use: counts growing one symbol at a time, builds at
// the rebuild points, ranks carried from each build to the next.
TEST(FastTreeBuild, BuildsAlongAMember) {
  struct Source {
    const char* name;
    std::function<int(std::mt19937&, std::int32_t)> symbol; // from the rng and k
  };
  const std::vector<Source> sources = {
      {"uniform", [](std::mt19937& r, std::int32_t) { return Uniform(r, 0, kCodeSymbols - 1); }},
      {"few symbols", [](std::mt19937& r, std::int32_t) { return Uniform(r, 60, 67); }},
      {"skewed, drifting",
       [](std::mt19937& r, std::int32_t k) {
         const double u = std::uniform_real_distribution<double>(0.0, 1.0)(r);
         return static_cast<int>(u * u * u * kCodeSymbols + k / 700) % kCodeSymbols;
       }},
      {"favourites taking turns",
       [](std::mt19937& r, std::int32_t k) { return Uniform(r, 0, 3) ? (k / 5000) * 37 % kCodeSymbols : Uniform(r, 0, 511); }},
      {"rising from the back", [](std::mt19937& r, std::int32_t k) { return kCodeSymbols - 1 - (k / 300 + Uniform(r, 0, 2)) % kCodeSymbols; }},
  };
  std::mt19937 rng(3);
  for (const Source& source : sources) {
    TwinTrees trees;
    for (std::int32_t k = 0; k < 120000; ++k) {
      if (RebuildDue(k)) {
        trees.BuildAndCompare(std::string(source.name) + ", k " + std::to_string(k));
        if (HasFatalFailure()) return;
      }
      trees.Count(source.symbol(rng, k));
    }
  }
}

} // namespace
} // namespace vorrin
