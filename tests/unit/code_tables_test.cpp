// The tables made from a built CodeTree against the tree itself: the decoder's
// SymbolLookup must read the same symbols from the same bits as the tree walk, taking
// every byte exactly when the walk takes it; the archiver's CodeFields must be the code
// words the other way round.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "decode/code_tree.hpp"
#include "decode/symbol_lookup.hpp"
#include "tests/support/memory_archive.hpp"

namespace vorrin {
namespace {

std::size_t At(int i) { return static_cast<std::size_t>(i); }

struct SampleTree {
  std::string name;
  CodeTree tree;
};

// Trees with code words from 1 bit (one symbol far ahead of the rest) to more than 32.
std::vector<SampleTree> SampleTrees() {
  std::vector<SampleTree> trees;
  const auto add = [&](std::string name, const std::vector<std::int32_t>& counts) {
    SampleTree t{std::move(name), {}};
    for (int s = 0; s < kCodeSymbols; ++s) t.tree.SetCount(s, counts[At(s)]);
    t.tree.BuildFast();
    trees.push_back(std::move(t));
  };
  std::mt19937 rng(5);
  add("first build", std::vector<std::int32_t>(kCodeSymbols, 1));
  std::vector<std::int32_t> counts(kCodeSymbols, 1);
  counts[65] = 2;
  add("Counts[65] = 2", counts);
  counts.assign(kCodeSymbols, 1);
  counts[300] = 100000;
  add("one symbol far ahead", counts);
  for (auto& c : counts) c = std::int32_t{1} << (rng() % 21);
  add("powers of two", counts);
  // The 480 leaves of count 1 make a subtree of weight 480, and a chain grows from it.
  counts.assign(kCodeSymbols, 1);
  std::int64_t a = 480, b = 480;
  for (int s = 0; s < 32; ++s) {
    counts[At(s * 7)] = static_cast<std::int32_t>(a);
    const std::int64_t next = a + b;
    a = b;
    b = next;
  }
  add("Fibonacci chain", counts);
  // A member's way: builds after counts grew from the last build's ranks.
  SampleTree grown{"grown over builds", {}};
  for (int round = 0; round < 6; ++round) {
    for (int i = 0; i < 1024; ++i) {
      const auto u = static_cast<double>(rng()) / 4294967296.0;
      grown.tree.Count(static_cast<std::int32_t>(u * u * u * kCodeSymbols));
    }
    grown.tree.BuildFast();
  }
  trees.push_back(std::move(grown));
  return trees;
}

// Bits packed as the archiver writes them: bytes filled from their least significant bit.
class BitPacker {
public:
  void Put(std::uint64_t value_first_bit_high, int length) {
    for (int i = length - 1; i >= 0; --i) PutBit(static_cast<unsigned>((value_first_bit_high >> i) & 1u));
  }
  void PutBit(unsigned bit) {
    if (used_ % 8 == 0) bytes_.push_back(0);
    bytes_.back() = static_cast<std::uint8_t>(bytes_.back() | (bit << (used_ % 8)));
    ++used_;
  }
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

private:
  std::vector<std::uint8_t> bytes_;
  int used_ = 0;
};

// Symbols drawn half uniformly (long code words) and half by count (short ones).
std::vector<std::int32_t> Symbols(const CodeTree& tree, std::mt19937& rng, int n) {
  std::discrete_distribution<int> by_count(tree.Counts().begin(), tree.Counts().end());
  std::vector<std::int32_t> symbols;
  for (int i = 0; i < n; ++i)
    symbols.push_back(i % 2 ? by_count(rng) : static_cast<std::int32_t>(rng() % kCodeSymbols));
  return symbols;
}

// Both decoders in lockstep over the same bits, each on its own stream: same symbol, same
// stream position, same bit within the byte after every symbol. The data ends with the
// last code word (padded to its byte), so a byte fetched ahead at the end would fault.
TEST(SymbolLookup, ReadsWhatTheTreeWalkReadsByteForByte) {
  std::mt19937 rng(9);
  for (const SampleTree& sample : SampleTrees()) {
    SymbolLookup lookup;
    lookup.Take(sample.tree);
    std::array<CodeWord, kCodeSymbols> words;
    sample.tree.CodeWords(words);
    for (int offset = 0; offset < 8; ++offset) {
      const auto symbols = Symbols(sample.tree, rng, 400);
      BitPacker packer;
      packer.Put(0x5A, offset);
      for (std::int32_t s : symbols) packer.Put(words[At(s)].bits, words[At(s)].length);
      test::MemoryBlockStream walk_source(packer.Bytes());
      test::MemoryBlockStream lookup_source(packer.Bytes());
      BitReader walk_bits(walk_source.stream());
      BitReader lookup_bits(lookup_source.stream());
      walk_bits.ReadBits(offset);
      lookup_bits.ReadBits(offset);
      for (std::size_t i = 0; i < symbols.size(); ++i) {
        const std::string where = sample.name + ", offset " + std::to_string(offset) + ", symbol #" + std::to_string(i);
        ASSERT_EQ(sample.tree.DecodeSymbol(walk_bits), symbols[i]) << where;
        ASSERT_EQ(lookup.DecodeSymbol(lookup_bits), symbols[i]) << where;
        ASSERT_EQ(lookup_source.stream().StreamPosition(), walk_source.stream().StreamPosition()) << where;
        ASSERT_EQ(lookup_bits.BitsTaken(), walk_bits.BitsTaken()) << where;
      }
    }
  }
}

// A code word that ends on the last bit of the data: nothing more may be read.
TEST(SymbolLookup, AWordEndingOnTheLastByteReadsNoFurther) {
  for (const SampleTree& sample : SampleTrees()) {
    SymbolLookup lookup;
    lookup.Take(sample.tree);
    std::array<CodeWord, kCodeSymbols> words;
    sample.tree.CodeWords(words);
    for (int s : {0, 65, 300, 511}) {
      const int length = words[At(s)].length;
      // Filler bits in front, so that the word ends with the last byte.
      for (int filler = (8 - length % 8) % 8; filler < 16; filler += 8) {
        BitPacker packer;
        packer.Put(0, filler);
        packer.Put(words[At(s)].bits, length);
        test::MemoryBlockStream source(packer.Bytes());
        BitReader bits(source.stream());
        for (int i = 0; i < filler; ++i) bits.ReadBit();
        EXPECT_EQ(lookup.DecodeSymbol(bits), s) << sample.name << ", symbol " << s;
        EXPECT_EQ(source.stream().StreamPosition(), static_cast<std::int64_t>(packer.Bytes().size()));
        EXPECT_EQ(bits.BitsTaken(), 0);
      }
    }
  }
}

TEST(CodeFields, AreTheCodeWordsFirstBitLowest) {
  for (const SampleTree& sample : SampleTrees()) {
    std::array<CodeWord, kCodeSymbols> words;
    sample.tree.CodeWords(words);
    std::array<std::uint64_t, kCodeSymbols> fields;
    std::array<std::uint8_t, kCodeSymbols> lengths;
    sample.tree.CodeFields(fields, lengths);
    for (int s = 0; s < kCodeSymbols; ++s) {
      const CodeWord& w = words[At(s)];
      std::uint64_t reversed = 0;
      for (int i = 0; i < w.length; ++i) reversed |= ((w.bits >> (w.length - 1 - i)) & 1u) << i;
      ASSERT_EQ(lengths[At(s)], w.length) << sample.name << ", symbol " << s;
      ASSERT_EQ(fields[At(s)], reversed) << sample.name << ", symbol " << s;
    }
  }
}

} // namespace
} // namespace vorrin
