#include <gtest/gtest.h>

#include <cstring>

#include "container/crc16.hpp"

namespace vorrin {
namespace {

std::uint16_t FeedAll(const std::uint8_t* data, std::size_t n, bool bitwise) {
  Crc16Register reg;
  for (std::size_t i = 0; i < n; ++i) bitwise ? reg.FeedByteBitwise(data[i]) : reg.FeedByte(data[i]);
  return reg.Value();
}

// Both forms of the register must agree, so every fact is checked through each.
class Crc16Facts : public ::testing::TestWithParam<bool> {};

TEST_P(Crc16Facts, TwoZeroBytesLeaveZero) {
  const std::uint8_t zeros[2] = {0, 0};
  EXPECT_EQ(FeedAll(zeros, 2, GetParam()), 0);
}

TEST_P(Crc16Facts, FirstTwoBytesEnterUnreduced) {
  const std::uint8_t ab[2] = {0xC3, 0x5A};
  EXPECT_EQ(FeedAll(ab, 2, GetParam()), 0xC35A);
}

TEST_P(Crc16Facts, CheckValueOfTheNineDigits) {
  std::uint8_t msg[11] = {'1', '2', '3', '4', '5', '6', '7', '8', '9', 0, 0};
  EXPECT_EQ(FeedAll(msg, 11, GetParam()), 0xFEE8);
}

TEST_P(Crc16Facts, CrcHighByteFirstLeavesZeroSwappedDoesNot) {
  std::uint8_t msg[11] = {'1', '2', '3', '4', '5', '6', '7', '8', '9', 0xFE, 0xE8};
  EXPECT_EQ(FeedAll(msg, 11, GetParam()), 0);
  std::swap(msg[9], msg[10]);
  EXPECT_NE(FeedAll(msg, 11, GetParam()), 0);
}

INSTANTIATE_TEST_SUITE_P(BitwiseAndTable, Crc16Facts, ::testing::Values(true, false));

TEST(Crc16, TableFormMatchesBitwiseFormOnEveryByteFromManyStates) {
  for (std::uint32_t start = 0; start < 0x10000; start += 251) {
    for (int b = 0; b < 256; ++b) {
      Crc16Register a, c;
      const std::uint8_t seed[2] = {static_cast<std::uint8_t>(start >> 8), static_cast<std::uint8_t>(start)};
      a.FeedByte(seed[0]); a.FeedByte(seed[1]);
      c.FeedByteBitwise(seed[0]); c.FeedByteBitwise(seed[1]);
      a.FeedByte(static_cast<std::uint8_t>(b));
      c.FeedByteBitwise(static_cast<std::uint8_t>(b));
      ASSERT_EQ(a.Value(), c.Value()) << start << " " << b;
    }
  }
}

TEST(Crc16, UmtsHelperGivesCheckValue) {
  const char* digits = "123456789";
  EXPECT_EQ(Crc16Umts(reinterpret_cast<const std::uint8_t*>(digits), 9), 0xFEE8);
}

} // namespace
} // namespace vorrin
