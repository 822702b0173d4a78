#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <string>
#include <vector>

#include "container/member_record.hpp"
#include "decode/member_decoder.hpp"
#include "encode/member_encoder.hpp"
#include "tests/support/first_build_stream.hpp"
#include "tests/support/member_decoding.hpp"

namespace vorrin {
namespace {

using test::DecodeMemberBytes;
using test::ExpandTokens;
using test::FaultError;
using test::FirstBuildStream;
using test::kAfterMember;

std::vector<std::uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

// Both sides of the format: the decoder reads `stream` back as `tokens`, and the encoder
// writes `tokens` as exactly `stream`.
void ExpectCodedAs(const std::vector<Token>& tokens, const std::vector<std::uint8_t>& stream) {
  EXPECT_EQ(EncodeTokens(tokens), stream);
  const auto expected = ExpandTokens(tokens);
  const auto decoded = DecodeMemberBytes(stream, static_cast<std::int32_t>(expected.size()));
  EXPECT_EQ(decoded.bytes, expected);
  EXPECT_EQ(decoded.consumed, static_cast<std::int64_t>(stream.size()));
  EXPECT_EQ(decoded.next_byte, kAfterMember);
}

TEST(MemberFormat, AbcabcIsTheSevenBytesOfTheWorkedExample) {
  const std::vector<std::uint8_t> coded = {0xA6, 0x4D, 0x98, 0x5C, 0xAD, 0x4A, 0x00};
  const std::vector<Token> tokens = {LiteralToken('a'), LiteralToken('b'), LiteralToken('c'), MatchToken(3, 3)};
  FirstBuildStream by_hand;
  by_hand.Literal('a').Literal('b').Literal('c').Match(3, 3);
  EXPECT_EQ(by_hand.BitCount(), 49u);
  EXPECT_EQ(by_hand.Bytes(), coded);
  ExpectCodedAs(tokens, coded);
  EXPECT_EQ(DecodeMemberBytes(coded, 6).bytes, Bytes("abcabc"));
}

TEST(MemberFormat, LongLengthsTakeATwelveBitField) {
  for (int length : {257, 258, 1000, 4351, 4352}) {
    SCOPED_TRACE(length);
    FirstBuildStream by_hand;
    by_hand.Literal('q').Symbol(511).Field(static_cast<std::uint32_t>(length - 257), 12).Symbol(0).Field(0, 4);
    ExpectCodedAs({LiteralToken('q'), MatchToken(length, 1)}, by_hand.Bytes());
    EXPECT_EQ(DecodeMemberBytes(by_hand.Bytes(), length + 1).bytes,
              std::vector<std::uint8_t>(static_cast<std::size_t>(length) + 1, 'q'));
  }
}

TEST(MemberFormat, ShortLengthsAreSymbolsAbove255) {
  for (int length : {2, 3, 100, 256}) {
    SCOPED_TRACE(length);
    FirstBuildStream by_hand;
    by_hand.Literal('x').Literal('y').Symbol(length + 254).Symbol(0).Field(1, 4);
    ExpectCodedAs({LiteralToken('x'), LiteralToken('y'), MatchToken(length, 2)}, by_hand.Bytes());
  }
}

// A history of 8904 bytes with period 200, then a short match at each tested distance.
TEST(MemberFormat, DistancesAreSlotTimesSixteenPlusFieldPlusOne) {
  struct Case {
    int slot;
    std::uint32_t field;
  };
  for (const Case c : {Case{0, 0}, Case{0, 15}, Case{1, 0}, Case{300, 7}, Case{511, 14}, Case{511, 15}}) {
    const int distance = 16 * c.slot + static_cast<int>(c.field) + 1;
    SCOPED_TRACE(distance);
    std::vector<Token> tokens;
    FirstBuildStream by_hand;
    for (int i = 0; i < 200; ++i) {
      const auto b = static_cast<std::uint8_t>(i * 7 + 3);
      tokens.push_back(LiteralToken(b));
      by_hand.Literal(b);
    }
    for (int i = 0; i < 2; ++i) {
      tokens.push_back(MatchToken(4352, 200));
      by_hand.Match(4352, 200);
    }
    tokens.push_back(MatchToken(10, distance));
    by_hand.Symbol(264).Symbol(c.slot).Field(c.field, 4);
    ExpectCodedAs(tokens, by_hand.Bytes());
  }
}

TEST(MemberDecoder, StopsBeforeTheSymbolAfterSizeIsReached) {
  FirstBuildStream stream;
  for (int i = 0; i < 10; ++i) stream.Literal('a');
  stream.Match(50, 3);
  // Ten literals take 90 bits: the decoder stops there and leaves the match unread.
  const auto ten = DecodeMemberBytes(stream.Bytes(), 10);
  EXPECT_EQ(ten.bytes, Bytes("aaaaaaaaaa"));
  EXPECT_EQ(ten.consumed, 12);
}

TEST(MemberDecoder, ALastMatchIsProducedWholePastSize) {
  FirstBuildStream stream;
  for (int i = 0; i < 10; ++i) stream.Literal(static_cast<std::uint8_t>('a' + i));
  stream.Match(50, 3);
  const auto decoded = DecodeMemberBytes(stream.Bytes(), 11);
  ASSERT_EQ(decoded.bytes.size(), 60u);
  EXPECT_EQ(decoded.bytes[59], 'i'); // "hij" repeated from place 10
  EXPECT_EQ(decoded.write_sizes, std::vector<std::size_t>{60});
  EXPECT_EQ(decoded.consumed, static_cast<std::int64_t>(stream.Bytes().size()));
  EXPECT_EQ(decoded.next_byte, kAfterMember);
}

TEST(MemberDecoder, SizeZeroOrNegativeReadsAndWritesNothing) {
  for (std::int32_t size : {0, -1, std::numeric_limits<std::int32_t>::min()}) {
    for (bool skipped : {false, true}) {
      const auto decoded = DecodeMemberBytes({}, size, skipped);
      EXPECT_EQ(decoded.consumed, 0) << size;
      EXPECT_EQ(decoded.next_byte, kAfterMember) << size;
      EXPECT_TRUE(decoded.write_sizes.empty()) << size;
    }
  }
}

TEST(MemberDecoder, AMatchBeforeTheMemberStartIsABadMatch) {
  struct Case {
    int literals;
    int distance;
    bool bad;
  };
  for (const Case c : {Case{1, 2, true}, Case{1, 1, false}, Case{5, 6, true}, Case{5, 5, false}, Case{1, 8192, true}}) {
    FirstBuildStream stream;
    for (int i = 0; i < c.literals; ++i) stream.Literal('z');
    stream.Match(3, c.distance);
    const auto size = static_cast<std::int32_t>(c.literals + 3);
    if (c.bad) {
      try {
        DecodeMemberBytes(stream.Bytes(), size);
        ADD_FAILURE() << "no fault for distance " << c.distance;
      } catch (const FaultError& e) {
        EXPECT_EQ(e.report.fault, Fault::BadMatch);
      }
    } else {
      EXPECT_EQ(DecodeMemberBytes(stream.Bytes(), size).bytes.size(), static_cast<std::size_t>(size));
    }
  }
}

// Pseudo-random literals and matches: a member whose bytes are known by construction.
std::vector<Token> SomeTokens(std::size_t bytes, unsigned seed) {
  std::mt19937 rng(seed);
  std::vector<Token> tokens;
  std::size_t produced = 0;
  while (produced < bytes) {
    const auto roll = rng() % 8;
    if (produced < 16 || roll < 5) {
      tokens.push_back(LiteralToken(static_cast<std::uint8_t>(rng() % 40 + 'A')));
      ++produced;
    } else {
      const auto max_distance = static_cast<unsigned>(std::min<std::size_t>(produced, kMaxDistance));
      const int distance = static_cast<int>(1 + rng() % max_distance);
      const int length = roll == 7 ? static_cast<int>(2 + rng() % 600) : static_cast<int>(2 + rng() % 20);
      tokens.push_back(MatchToken(length, distance));
      produced += static_cast<std::size_t>(length);
    }
  }
  return tokens;
}

// A member of exactly `size` bytes, ending in literals.
std::vector<Token> TokensOfSize(std::size_t size, unsigned seed) {
  auto tokens = SomeTokens(size > 700 ? size - 700 : 0, seed);
  std::size_t produced = ExpandTokens(tokens).size();
  for (; produced < size; ++produced) tokens.push_back(LiteralToken(static_cast<std::uint8_t>(produced)));
  return tokens;
}

TEST(MemberDecoder, TheSinkGetsFullChunksThenOneFinalWrite) {
  struct Case {
    std::size_t size;
    std::vector<std::size_t> writes;
  };
  const std::vector<Case> cases = {
      {0, {}},
      {1, {1}},
      {32768, {32768}},
      {40960, {40960}},
      {40961, {32768, 8193}},
      {73728, {32768, 40960}},
      {73729, {32768, 32768, 8193}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size);
    const auto tokens = TokensOfSize(c.size, static_cast<unsigned>(c.size));
    const auto expected = ExpandTokens(tokens);
    ASSERT_EQ(expected.size(), c.size);
    const auto coded = EncodeTokens(tokens);
    const auto size = static_cast<std::int32_t>(c.size);
    const auto written = DecodeMemberBytes(coded, size);
    EXPECT_EQ(written.write_sizes, c.writes);
    EXPECT_EQ(written.bytes, expected);
    EXPECT_EQ(written.consumed, static_cast<std::int64_t>(coded.size()));
    const auto skipped = DecodeMemberBytes(coded, size, true);
    EXPECT_TRUE(skipped.write_sizes.empty());
    EXPECT_EQ(skipped.consumed, written.consumed);
    EXPECT_EQ(skipped.next_byte, kAfterMember);
  }
}

// The flush keeps exactly the 8192 bytes that a match at the longest distance still reads.
TEST(MemberDecoder, LongestDistanceAcrossAFlush) {
  for (std::size_t before : {36608u, 36609u, 40000u, 40959u, 40960u, 40961u}) {
    SCOPED_TRACE(before);
    auto tokens = TokensOfSize(before, 5);
    tokens.push_back(MatchToken(4352, 8192));
    tokens.push_back(MatchToken(300, 8192));
    const auto expected = ExpandTokens(tokens);
    const auto decoded = DecodeMemberBytes(EncodeTokens(tokens), static_cast<std::int32_t>(expected.size()));
    EXPECT_EQ(decoded.bytes, expected);
  }
}

TEST(MemberDecoder, DistanceOneRepeatsTheLastByte) {
  const std::vector<Token> tokens = {LiteralToken('a'), LiteralToken('b'), MatchToken(4352, 1), MatchToken(4352, 1)};
  const auto decoded = DecodeMemberBytes(EncodeTokens(tokens), 8706);
  ASSERT_EQ(decoded.bytes.size(), 8706u);
  EXPECT_EQ(decoded.bytes[0], 'a');
  EXPECT_EQ(std::count(decoded.bytes.begin() + 1, decoded.bytes.end(), 'b'), 8705);
}

// Long enough for many rebuilds, with every kind of overlap and the longest matches.
TEST(MemberDecoder, TokenStreamsPastManyRebuilds) {
  for (unsigned seed : {1u, 2u, 3u}) {
    const auto tokens = SomeTokens(400000, seed);
    ASSERT_GT(tokens.size(), 5000u);
    const auto expected = ExpandTokens(tokens);
    const auto coded = EncodeTokens(tokens);
    const auto decoded = DecodeMemberBytes(coded, static_cast<std::int32_t>(expected.size()));
    EXPECT_EQ(decoded.bytes, expected) << seed;
    EXPECT_EQ(decoded.consumed, static_cast<std::int64_t>(coded.size()));
    EXPECT_EQ(decoded.next_byte, kAfterMember);
  }
}

// Members in a row, with their records between them, through one decoder: each member
// starts afresh, and each record starts right after the member's last data byte.
TEST(MemberDecoder, MembersInARowShareNothing) {
  for (std::size_t first_size : {1u, 9000u}) {
    SCOPED_TRACE(first_size);
    const auto first_tokens = TokensOfSize(first_size, 9);
    const auto first = EncodeTokens(first_tokens);
    const auto second = EncodeTokens(std::vector<Token>{LiteralToken('B')});
    ASSERT_EQ(second.size(), 2u);
    if (first_size == 1) {
      ASSERT_EQ(first.size(), 2u); // 9 bits
    }
    MemberHeader header;
    header.times = {1, 2, 3};
    header.size = 1;
    std::vector<std::uint8_t> plain = first;
    AppendMemberHeader(plain, header);
    plain.insert(plain.end(), second.begin(), second.end());
    plain.push_back(kAfterMember);

    test::MemoryBlockStream source(plain);
    MemberDecoder decoder(source.stream(), source.faults());
    test::ChunkRecorder one, two;
    decoder.DecodeMember(static_cast<std::int32_t>(first_size), &one);
    decoder.FinalFlush();
    EXPECT_EQ(one.bytes, ExpandTokens(first_tokens));
    EXPECT_EQ(source.stream().StreamPosition(), static_cast<std::int64_t>(first.size()));
    const MemberHeader read = ReadMemberHeader(source.stream());
    EXPECT_EQ(read.size, 1);
    EXPECT_EQ(read.times.last_write, 3u);
    decoder.DecodeMember(read.size, &two);
    decoder.FinalFlush();
    EXPECT_EQ(two.bytes, Bytes("B"));
    EXPECT_EQ(source.stream().ReadByte(), kAfterMember);
    EXPECT_TRUE(source.stream().EndOfArchive());
  }
}

} // namespace
} // namespace vorrin
