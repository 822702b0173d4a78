// Members compressed by the parser and read back through blocks, BlockStream and the
// member decoder: every byte must come back, and the decoder must take exactly the
// member's coded bytes, written or skipped.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "encode/lz77_parser.hpp"
#include "tests/support/member_decoding.hpp"
#include "tests/support/sample_data.hpp"

namespace vorrin {
namespace {

using test::DataKind;

struct RoundTrip {
  DataKind kind;
  std::size_t size;
  int level;
};

std::string Label(const RoundTrip& c) {
  return std::string(test::DataKindName(c.kind)) + "_" + std::to_string(c.size) + "_level" + std::to_string(c.level);
}
std::string Name(const ::testing::TestParamInfo<RoundTrip>& info) { return Label(info.param); }
void PrintTo(const RoundTrip& c, std::ostream* out) { *out << Label(c); }

class CompressRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(CompressRoundTrip, DecodesToTheSameBytes) {
  const RoundTrip& p = GetParam();
  const auto data = test::SampleData(p.kind, p.size, static_cast<unsigned>(p.size) + 17);
  const auto coded = CompressMember(data, p.level);
  const auto size = static_cast<std::int32_t>(data.size());

  const auto written = test::DecodeMemberBytes(coded, size);
  ASSERT_EQ(written.bytes.size(), data.size());
  EXPECT_TRUE(written.bytes == data);
  EXPECT_EQ(written.consumed, static_cast<std::int64_t>(coded.size()));
  EXPECT_EQ(written.next_byte, test::kAfterMember);

  const auto skipped = test::DecodeMemberBytes(coded, size, true);
  EXPECT_TRUE(skipped.write_sizes.empty());
  EXPECT_EQ(skipped.consumed, written.consumed);
}

std::vector<RoundTrip> Cases() {
  std::vector<RoundTrip> cases;
  for (std::size_t size : {0u, 1u, 2u, 3u, 4095u, 4096u, 4097u, 32767u, 32768u, 32769u, 40959u, 40960u, 40961u})
    for (DataKind kind : {DataKind::Text, DataKind::Binary})
      cases.push_back({kind, size, kDefaultLevel});
  for (int level = kMinLevel; level <= kMaxLevel; ++level)
    for (DataKind kind : {DataKind::Text, DataKind::Binary, DataKind::Random, DataKind::Runs})
      cases.push_back({kind, 100000, level});
  for (DataKind kind : {DataKind::Text, DataKind::Binary})
    for (int level : {1, kDefaultLevel, 9}) cases.push_back({kind, 700000, level});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Members, CompressRoundTrip, ::testing::ValuesIn(Cases()), Name);

// A parser that found no matches would still round-trip; these show that it finds them.
TEST(CompressMember, RepetitionShrinks) {
  const auto runs = test::SampleData(DataKind::Runs, 200000, 1);
  EXPECT_LT(CompressMember(runs).size(), 2000u);
  const auto text = test::SampleData(DataKind::Text, 200000, 1);
  const auto fast = CompressMember(text, 1).size();
  const auto best = CompressMember(text, 9).size();
  EXPECT_LT(fast, text.size() / 2);
  EXPECT_LE(best, fast);
}

TEST(CompressMember, IncompressibleDataGrowsLittle) {
  const auto noise = test::SampleData(DataKind::Random, 100000, 2);
  // Literals of about 8 bits each once the trees have adapted.
  EXPECT_LT(CompressMember(noise).size(), noise.size() + noise.size() / 50);
}

} // namespace
} // namespace vorrin
