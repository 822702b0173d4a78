// The optimal parser's prices must be the bits the encoder really spends.
#include <gtest/gtest.h>

#include <vector>

#include "encode/member_encoder.hpp"
#include "encode/token_prices.hpp"

namespace vorrin {
namespace {

TEST(TokenPrices, EqualTheEncodersCostsAfterRebuilds) {
  std::vector<std::uint8_t> out;
  BitWriter bits(out);
  MemberEncoder encoder(bits);
  // Skewed symbols, so that the trees after the rebuilds are far from flat.
  for (int i = 0; i < 3000; ++i) {
    if (i % 3 == 0) encoder.Match(3 + i % 7, 1 + (i * 37) % 500);
    else if (i % 11 == 0) encoder.Match(300 + i % 50, 8192);
    else encoder.Literal(static_cast<std::uint8_t>('a' + i % 5));
  }
  TokenPrices prices;
  prices.Take(encoder);
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<std::uint8_t>(b);
    EXPECT_EQ(prices.Literal(byte), static_cast<std::uint32_t>(encoder.LiteralCost(byte)));
  }
  for (int length : {2, 3, 9, 255, 256, 257, 258, 4352})
    for (int distance : {1, 16, 17, 33, 4096, 8177, 8192}) {
      SCOPED_TRACE(::testing::Message() << "length " << length << ", distance " << distance);
      EXPECT_EQ(prices.Match(length, distance), static_cast<std::uint32_t>(encoder.MatchCost(length, distance)));
    }
}

} // namespace
} // namespace vorrin
