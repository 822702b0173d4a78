#include <gtest/gtest.h>

#include <vector>

#include "decode/rebuild_schedule.hpp"
#include "encode/member_encoder.hpp"
#include "tests/support/first_build_stream.hpp"

namespace vorrin {
namespace {

TEST(MemberEncoder, FirstBuildCodesEveryLiteralAsItsValueXor170) {
  std::vector<Token> tokens;
  test::FirstBuildStream by_hand;
  for (int b : {0, 1, 97, 170, 255}) {
    tokens.push_back(LiteralToken(static_cast<std::uint8_t>(b)));
    by_hand.Literal(static_cast<std::uint8_t>(b));
  }
  EXPECT_EQ(EncodeTokens(tokens), by_hand.Bytes());
}

TEST(MemberEncoder, CodeLengthsFollowTheRebuilds) {
  std::vector<std::uint8_t> out;
  BitWriter bits(out);
  MemberEncoder encoder(bits);
  for (int s = 0; s < kCodeSymbols; ++s) {
    EXPECT_EQ(encoder.LiteralLengthCodeLength(s), 9);
    EXPECT_EQ(encoder.DistanceCodeLength(s), 9);
  }
  EXPECT_EQ(encoder.MatchCost(300, 8192), 9 + 12 + 9 + 4);
  for (int i = 0; i < 255; ++i) encoder.Literal('e');
  EXPECT_EQ(encoder.LiteralCost('e'), 9); // no rebuild before 256 symbols
  encoder.Match(3, 1);
  EXPECT_EQ(encoder.SymbolCount(), 256);
  EXPECT_LT(encoder.LiteralCost('e'), 9);
  EXPECT_LT(encoder.MatchCost(3, 1), 9 + 9 + 4);
  // Every bit written so far: 255 literals and one match of the first build.
  EXPECT_EQ(bits.BitCount(), 255u * 9u + 9u + 9u + 4u);
}

TEST(MemberEncoder, RefusesWhatTheFormatCannotHold) {
  std::vector<std::uint8_t> out;
  BitWriter bits(out);
  MemberEncoder encoder(bits);
  EXPECT_THROW(encoder.Match(1, 1), std::out_of_range);
  EXPECT_THROW(encoder.Match(4353, 1), std::out_of_range);
  EXPECT_THROW(encoder.Match(3, 0), std::out_of_range);
  EXPECT_THROW(encoder.Match(3, 8193), std::out_of_range);
  EXPECT_TRUE(out.empty());
}

TEST(MemberEncoder, EmptyMemberHasNoBytes) {
  EXPECT_TRUE(EncodeTokens({}).empty());
}

} // namespace
} // namespace vorrin
