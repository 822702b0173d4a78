// Every compression level through CompressMember and back through blocks and the member
// decoder, on data that meets the format's edges: the rebuild points, the 8192-byte
// window, the longest match. And the levels' promise: the top level is the smallest.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "encode/lz77_parser.hpp"
#include "tests/support/member_decoding.hpp"
#include "tests/support/sample_data.hpp"

namespace vorrin {
namespace {

using test::DataKind;

void ExpectRoundTrip(const std::vector<std::uint8_t>& data, int level) {
  const auto coded = CompressMember(data, level);
  const auto decoded = test::DecodeMemberBytes(coded, static_cast<std::int32_t>(data.size()));
  ASSERT_EQ(decoded.bytes.size(), data.size());
  EXPECT_TRUE(decoded.bytes == data);
  EXPECT_EQ(decoded.consumed, static_cast<std::int64_t>(coded.size()));
}

// `block` again and again, `period` bytes apart, up to `size` bytes.
std::vector<std::uint8_t> Repeated(const std::vector<std::uint8_t>& block, std::size_t period, std::size_t size) {
  std::vector<std::uint8_t> out(size, 0x5A);
  for (std::size_t i = 0; i < size; ++i)
    if (i % period < block.size()) out[i] = block[i % period];
  return out;
}

class EveryLevel : public ::testing::TestWithParam<int> {};

// Random data is nearly all literals, so its sizes put the member's last symbols around
// the rebuild points (256, 2048, 3072); the others bring the window's edge into play.
TEST_P(EveryLevel, RoundTripsAroundRebuildPointsAndTheWindow) {
  for (DataKind kind : {DataKind::Text, DataKind::Binary, DataKind::Random, DataKind::Runs})
    for (std::size_t size : {0u, 1u, 2u, 3u, 4u, 255u, 256u, 257u, 2047u, 2048u, 2049u, 3072u, 3073u, 8191u,
                             8192u, 8193u, 8194u, 16385u, 70001u}) {
      SCOPED_TRACE(std::string(test::DataKindName(kind)) + " of " + std::to_string(size) + " bytes");
      ExpectRoundTrip(test::SampleData(kind, size, static_cast<unsigned>(size) * 7 + 1), GetParam());
    }
}

// A block that comes again 8192 bytes later can be coded as matches; 8193 bytes later it
// is out of reach. A parser that looked one byte too far would make a match the encoder
// refuses.
TEST_P(EveryLevel, ReachesBackExactlyTheWindow) {
  const auto block = test::SampleData(DataKind::Random, 8192, 11);
  const auto in_reach = Repeated(block, 8192, 2 * 8192);
  const auto out_of_reach = Repeated(block, 8193, 2 * 8193);
  ExpectRoundTrip(in_reach, GetParam());
  ExpectRoundTrip(out_of_reach, GetParam());
  EXPECT_LT(CompressMember(in_reach, GetParam()).size(), block.size() + 1024);
  EXPECT_GT(CompressMember(out_of_reach, GetParam()).size(), out_of_reach.size() * 95 / 100);
}

// Runs far longer than the longest match (4352) and a member that ends inside one.
TEST_P(EveryLevel, SplitsRunsIntoMatchesTheFormatHolds) {
  std::vector<std::uint8_t> data(20000, 'a');
  data.insert(data.end(), 4353, 'b');
  data.insert(data.end(), 3, 'c');
  data.insert(data.end(), 9000, 'a');
  ExpectRoundTrip(data, GetParam());
  EXPECT_LT(CompressMember(data, GetParam()).size(), 64u);
}

std::string LevelName(const ::testing::TestParamInfo<int>& level) { return "level" + std::to_string(level.param); }

INSTANTIATE_TEST_SUITE_P(Levels, EveryLevel, ::testing::Range(kMinLevel, kMaxLevel + 1), LevelName);

TEST(CompressionLevels, OutOfRangeLevelsAreClamped) {
  const auto text = test::SampleData(DataKind::Text, 20000, 5);
  EXPECT_EQ(CompressMember(text, -3), CompressMember(text, kMinLevel));
  EXPECT_EQ(CompressMember(text, 12), CompressMember(text, kMaxLevel));
}

// The optimal parse prices every choice with the code lengths in force; on data with
// structure it must come out smaller than the lazy default, never more than a hair larger.
TEST(CompressionLevels, TopLevelIsNoLargerThanTheDefault) {
  for (DataKind kind : {DataKind::Text, DataKind::Binary, DataKind::Runs}) {
    SCOPED_TRACE(test::DataKindName(kind));
    const auto data = test::SampleData(kind, 400000, 9);
    const auto lazy = CompressMember(data, kDefaultLevel).size();
    EXPECT_LE(CompressMember(data, kMaxLevel).size(), lazy + lazy / 500);
    EXPECT_LE(CompressMember(data, kMaxLevel - 1).size(), lazy + lazy / 500);
  }
  const auto text = test::SampleData(DataKind::Text, 400000, 9);
  EXPECT_LT(CompressMember(text, kMaxLevel).size(), CompressMember(text, kDefaultLevel).size() * 99 / 100);
}

} // namespace
} // namespace vorrin
