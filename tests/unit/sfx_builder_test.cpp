// The test builder's self-extracting files, read back with the expander's own readers of
// the preamble, the blocks and the member names, so the process tests stand on files that
// are laid out as the format says.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "container/block_stream.hpp"
#include "container/member_record.hpp"
#include "container/preamble.hpp"
#include "tests/support/archive_body.hpp"
#include "tests/support/sfx_builder.hpp"

namespace vorrin::test {
namespace {

struct Raised {
  FaultReport report;
};

class ThrowingFaults final : public FaultSink {
public:
  [[noreturn]] void Raise(const FaultReport& report) override { throw Raised{report}; }
};

// Reads the built file from a position on, as the expander reads its own executable.
class FileBytes final : public ArchiveSource {
public:
  FileBytes(const std::vector<std::uint8_t>& bytes, std::size_t from) : bytes_(bytes), at_(from) {}
  bool Read(std::uint8_t* buffer, std::uint32_t count, std::uint32_t& got) override {
    const std::size_t n = std::min<std::size_t>(count, bytes_.size() - std::min(at_, bytes_.size()));
    if (n > 0) std::memcpy(buffer, bytes_.data() + at_, n);
    at_ += n;
    got = static_cast<std::uint32_t>(n);
    return true;
  }
  bool AtEnd() override { return at_ >= bytes_.size(); }

private:
  const std::vector<std::uint8_t>& bytes_;
  std::size_t at_;
};

const std::vector<std::uint8_t> kStub(777, 0xCC);

SfxPlan Plan(const std::vector<std::uint8_t>& body, const SfxFaults& faults = {}) {
  SfxPlan plan;
  plan.body = body;
  plan.faults = faults;
  return plan;
}

std::vector<std::uint8_t> Counting(std::size_t size) {
  std::vector<std::uint8_t> body(size);
  for (std::size_t i = 0; i < size; ++i) body[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
  return body;
}

struct Readback {
  Preamble preamble;
  std::vector<std::uint8_t> body;
  bool end_of_archive_at_last_byte = false;
  std::optional<FaultReport> fault; // what stopped the reading of the body, if anything
};

// Reads the preamble and then exactly `body_size` bytes through the block stream.
Readback ReadBack(const SfxFile& file, std::size_t body_size, const std::string& key) {
  ThrowingFaults faults;
  FileBytes source(file.bytes, file.archive_offset);
  Readback back;
  back.preamble.stored_total_size = ReadStoredTotalSize(source, faults);
  back.preamble.comment = ReadRawString(source, faults);
  back.preamble.launch_name = ReadRawString(source, faults);
  back.preamble.password = ReadPasswordRecord(source, faults);
  BlockStream stream(source, faults);
  if (!key.empty()) stream.SetKey({reinterpret_cast<const std::uint8_t*>(key.data()), key.size()});
  try {
    for (std::size_t i = 0; i < body_size; ++i) {
      EXPECT_FALSE(stream.EndOfArchive()) << "at byte " << i;
      back.body.push_back(stream.ReadByte());
    }
    back.end_of_archive_at_last_byte = stream.EndOfArchive();
  } catch (const Raised& raised) {
    back.fault = raised.report;
  }
  return back;
}

struct LayoutCase {
  std::size_t body_size;
  std::optional<std::string> password;
  std::vector<std::size_t> block_sizes;

  friend void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.body_size << " bytes"; }
};

class SfxLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(SfxLayout, ReadsBackAsBuilt) {
  const LayoutCase& c = GetParam();
  SfxPlan plan;
  plan.comment = "note\r\n";
  plan.launch_name = "run.exe";
  plan.password = c.password;
  plan.password_flag = 0x3C;
  plan.body = Counting(c.body_size);
  const SfxFile file = BuildSfx(kStub, plan);

  EXPECT_EQ(std::vector<std::uint8_t>(file.bytes.begin(), file.bytes.begin() + 777), kStub);
  EXPECT_EQ(file.archive_offset, 777u);
  EXPECT_EQ(file.stored_total_size, static_cast<std::int32_t>(file.bytes.size()));
  std::size_t expected_offset = file.blocks_offset;
  ASSERT_EQ(file.blocks.size(), c.block_sizes.size());
  for (std::size_t k = 0; k < file.blocks.size(); ++k) {
    EXPECT_EQ(file.blocks[k].offset, expected_offset) << "block " << k;
    EXPECT_EQ(file.blocks[k].data_size, c.block_sizes[k]) << "block " << k;
    expected_offset += c.block_sizes[k] + 2;
  }
  EXPECT_EQ(expected_offset, file.bytes.size()) << "the last block ends the file";

  const Readback back = ReadBack(file, c.body_size, c.password.value_or(""));
  EXPECT_EQ(back.preamble.stored_total_size, file.stored_total_size);
  EXPECT_EQ(back.preamble.comment, "note\r\n");
  EXPECT_EQ(back.preamble.launch_name, "run.exe");
  EXPECT_EQ(back.preamble.password.enciphered, c.password.has_value());
  if (c.password) {
    EXPECT_EQ(back.preamble.password.flag, 0x3C);
    EXPECT_EQ(back.preamble.password.check_word, MakePasswordRecord(*c.password, 1).check_word);
  }
  ASSERT_FALSE(back.fault.has_value()) << "block " << back.fault->block;
  EXPECT_EQ(back.body, plan.body);
  EXPECT_EQ(back.end_of_archive_at_last_byte, c.body_size > 0);
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, SfxLayout,
    ::testing::Values(LayoutCase{0, std::nullopt, {}},
                      LayoutCase{10, std::nullopt, {10}},
                      LayoutCase{4096, std::nullopt, {4096}},
                      LayoutCase{4097, std::string("abcde"), {4096, 1}},
                      LayoutCase{10000, std::string("abcde"), {4096, 4096, 1808}}),
    [](const auto& test) {
      return "Body" + std::to_string(test.param.body_size) + (test.param.password ? "Protected" : "");
    });

// The key runs on across blocks and skips the checks: the first data byte of block 1 takes
// key byte 4096 mod 5 = 1, not 0 (a key restarted per block) nor 3 (one that ran over the checks).
TEST(SfxKeyStream, RunsOnAcrossBlocksAndSkipsTheChecks) {
  const std::string key = "abcde";
  const std::vector<std::uint8_t> body = Counting(5000);
  SfxPlan plan = Plan(body);
  plan.password = key;
  const SfxFile file = BuildSfx(kStub, plan);
  const auto stored = file.bytes[file.blocks[1].offset];
  EXPECT_EQ(stored ^ static_cast<std::uint8_t>(key[1]), body[4096]);
  EXPECT_NE(stored ^ static_cast<std::uint8_t>(key[0]), body[4096]);
}

TEST(SfxFaults, StoredTotalFollowsTheKnobs) {
  const std::vector<std::uint8_t> body = Counting(100);
  const auto intact = BuildSfx(kStub, Plan(body));
  const auto length = static_cast<std::int32_t>(intact.bytes.size());
  EXPECT_EQ(BuildSfx(kStub, Plan(body, SfxFaults::StoredTotalDelta(1))).stored_total_size, length + 1);
  EXPECT_EQ(BuildSfx(kStub, Plan(body, SfxFaults::StoredTotal(-5))).stored_total_size, -5);

  const auto cut = BuildSfx(kStub, Plan(body, SfxFaults::Cut(3)));
  EXPECT_EQ(cut.bytes.size(), intact.bytes.size() - 3);
  EXPECT_EQ(cut.stored_total_size, length);
  const auto longer = BuildSfx(kStub, Plan(body, SfxFaults::Append("xy")));
  EXPECT_EQ(longer.bytes.size(), intact.bytes.size() + 2);
  EXPECT_EQ(longer.stored_total_size, length);
}

TEST(SfxFaults, DamageLandsInTheNamedBlock) {
  const std::vector<std::uint8_t> body = Counting(10000);
  const auto intact = BuildSfx(kStub, Plan(body));
  for (std::size_t k = 0; k < 3; ++k) {
    SCOPED_TRACE(k);
    const auto flipped = BuildSfx(kStub, Plan(body, SfxFaults::Flip({k, 100, 2})));
    EXPECT_EQ(flipped.bytes[flipped.blocks[k].offset + 100], intact.bytes[intact.blocks[k].offset + 100] ^ 4);
    const Readback back = ReadBack(flipped, body.size(), "");
    ASSERT_TRUE(back.fault.has_value());
    EXPECT_EQ(back.fault->fault, Fault::DamagedBlock);
    EXPECT_EQ(back.fault->block, static_cast<std::int64_t>(k));
    EXPECT_EQ(back.body.size(), k * 4096) << "bytes of earlier blocks only";

    const auto swapped = BuildSfx(kStub, Plan(body, SfxFaults::CheckLowByteFirst(k)));
    const std::size_t check = swapped.blocks[k].offset + swapped.blocks[k].data_size;
    EXPECT_EQ(swapped.bytes[check], intact.bytes[check + 1]);
    EXPECT_EQ(swapped.bytes[check + 1], intact.bytes[check]);
  }
}

TEST(SfxBody, RecordsReadBackAsCoded) {
  ArchiveBody body = FolderEntriesOfSize(12);
  body.FileRecord("d\\a.txt", {1, 2, 3}, 2, std::vector<std::uint8_t>{0xAB, 0xCD});
  body.FolderEntry("d\\b\\.");
  const SfxFile file = BuildSfx(kStub, Plan(body.bytes()));

  ThrowingFaults faults;
  FileBytes source(file.bytes, file.blocks_offset);
  BlockStream stream(source, faults);
  std::string previous;
  for (const char* name : {"d\\.", "e\\.", "f\\.", "d\\a.txt"}) EXPECT_EQ(ReadMemberName(stream, previous), name);
  const MemberHeader header = ReadMemberHeader(stream);
  EXPECT_EQ(header.times.creation, 1u);
  EXPECT_EQ(header.times.last_write, 3u);
  EXPECT_EQ(header.size, 2);
  EXPECT_EQ(stream.ReadByte(), 0xAB);
  EXPECT_EQ(stream.ReadByte(), 0xCD);
  EXPECT_EQ(ReadMemberName(stream, previous), "d\\b\\.");
  EXPECT_TRUE(stream.EndOfArchive());
}

TEST(SfxBody, FolderEntriesTakeExactlyTheAskedSize) {
  for (std::size_t size : {4u, 7u, 8u, 10u, 11u, 12u, 4095u, 4096u, 4097u, 8192u, 10000u})
    EXPECT_EQ(FolderEntriesOfSize(size).size(), size);
}

} // namespace
} // namespace vorrin::test
