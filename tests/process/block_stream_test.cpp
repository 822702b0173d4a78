// The archive's bytes after the preamble, read through checked blocks: where the last
// byte falls, damaged blocks, and reading past the end.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/support/archive_body.hpp"
#include "tests/support/expander_test.hpp"
#include "tests/support/expander_texts.hpp"

namespace vorrin::test {
namespace {

constexpr std::size_t kData = 4096;
constexpr FileTimes kTimes{132223104000000000, 132223104000000000, 132223104000000000}; // 2020-01-01

SfxPlan Unprotected(const ArchiveBody& body, const SfxFaults& faults = {}) {
  SfxPlan plan;
  plan.body = body.bytes();
  plan.faults = faults;
  return plan;
}

template <typename Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
  return info.param.name;
}

// Folder records only: the last byte of the archive lands where the size puts it.
class BodySize : public ExpanderTest, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(BodySize, IsExpandedToItsLastByteAndNoFurther) {
  const SfxFile file = WriteSfx(Unprotected(FolderEntriesOfSize(GetParam())));
  ASSERT_EQ(file.blocks.size(), (GetParam() + kData - 1) / kData);
  const RunResult run = Run("\r\n");
  ExpectRun(run, kBanner, 0);
  EXPECT_EQ(run.unread_input, "\r\n");
  EXPECT_TRUE(std::filesystem::is_directory(Dir() / "d"));
}

// One short block; one full block that is the last; a last block of a single byte; two
// full blocks; three blocks.
INSTANTIATE_TEST_SUITE_P(Sizes, BodySize, ::testing::Values(4095, 4096, 4097, 8192, 10000),
                         [](const auto& test) { return "Bytes" + std::to_string(test.param); });

using BlockBorder = ExpanderTest;

TEST_F(BlockBorder, RecordAcrossItIsReadWhole) {
  ArchiveBody body = FolderEntriesOfSize(kData - 10);
  body.FileRecord("d\\empty.txt", kTimes, 0);
  const SfxFile file = WriteSfx(Unprotected(body));
  ASSERT_EQ(file.blocks.size(), 2u);
  const RunResult run = Run("\r\n");
  ExpectRun(run, kBanner + ExpandingLine("d\\empty.txt"), 0);
  ASSERT_TRUE(std::filesystem::is_regular_file(Dir() / "d" / "empty.txt"));
  EXPECT_EQ(std::filesystem::file_size(Dir() / "d" / "empty.txt"), 0u);
}

struct DamageCase {
  std::string name;
  SfxFaults faults;
  bool earlier_blocks_expanded; // the damage lies after block 0, whose records make folder d

  friend void PrintTo(const DamageCase& c, std::ostream* os) { *os << c.name; }
};

// Three blocks: 4096, 4096 and 1808 data bytes.
class DamagedBlock : public ExpanderTest, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(DamagedBlock, StopsTheRunAsBrokenBeforeAnyOfItsBytesIsUsed) {
  const DamageCase& c = GetParam();
  const SfxFile file = WriteSfx(Unprotected(FolderEntriesOfSize(10000), c.faults));
  ASSERT_EQ(file.blocks.size(), 3u);
  for (std::size_t k : c.faults.checks_low_byte_first) {
    const std::size_t check = file.blocks[k].offset + file.blocks[k].data_size;
    ASSERT_NE(file.bytes[check], file.bytes[check + 1]) << "a swapped check must differ";
  }
  const RunResult run = Run("\r\n");
  ExpectRun(run, kBanner + kBrokenFile + kPressEnter, 2);
  EXPECT_EQ(run.unread_input, "") << "Enter was not awaited";
  EXPECT_EQ(Leftovers(), c.earlier_blocks_expanded ? std::vector<std::string>{"d"}
                                                   : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Damage, DamagedBlock,
    ::testing::Values(
        DamageCase{"FirstDataBitOfBlock0", SfxFaults::Flip({0, 0, 0}), false},
        DamageCase{"DataOfBlock1", SfxFaults::Flip({1, 2000, 7}), true},
        DamageCase{"CheckHighByteOfBlock1", SfxFaults::Flip({1, kData, 3}), true},
        DamageCase{"CheckLowByteOfLastBlock", SfxFaults::Flip({2, 1808 + 1, 0}), true},
        DamageCase{"Block0CheckStoredLowByteFirst", SfxFaults::CheckLowByteFirst(0), false},
        DamageCase{"LastCheckStoredLowByteFirst", SfxFaults::CheckLowByteFirst(2), true}),
    CaseName<DamageCase>);

struct CutCase {
  std::string name;
  ArchiveBody body;
  std::vector<std::string> leftovers;

  friend void PrintTo(const CutCase& c, std::ostream* os) { *os << c.name; }
};

// The archive ends inside a record: the next byte is a read past the end.
class BodyEndsInsideARecord : public ExpanderTest, public ::testing::WithParamInterface<CutCase> {};

TEST_P(BodyEndsInsideARecord, IsAReadErrorThatWaitsForEnter) {
  const CutCase& c = GetParam();
  WriteSfx(Unprotected(c.body));
  const RunResult run = Run("\r\n");
  ExpectRun(run, kBanner + kFileReadError + kPressEnter, 2);
  EXPECT_EQ(run.unread_input, "") << "Enter was not awaited";
  EXPECT_EQ(Leftovers(), c.leftovers);
}

INSTANTIATE_TEST_SUITE_P(
    Cuts, BodyEndsInsideARecord,
    ::testing::Values(
        CutCase{"NoRecordAtAll", ArchiveBody(), {}},
        CutCase{"NameWithoutItsEnd", ArchiveBody().FolderEntry("d\\.").Raw("e"), {"d"}},
        CutCase{"HeaderCutShort",
                ArchiveBody().FolderEntry("d\\.").Raw(std::string("d\\x.txt\0", 8) + std::string(20, '\0')),
                {"d"}},
        CutCase{"NameCutAtTheEndOfAFullBlock", FolderEntriesOfSize(kData - 3).Raw("abc"), {"d"}}),
    CaseName<CutCase>);

} // namespace
} // namespace vorrin::test
