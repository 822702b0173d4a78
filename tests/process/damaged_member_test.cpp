// A damaged block inside a member that is being written: the files finished before it
// stay whole, the member being written leaves nothing behind (no part of it, no temporary
// file), and a file it was to replace keeps its contents and time.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/process/extraction_case.hpp"
#include "tests/support/sample_data.hpp"

namespace vorrin::test {
namespace {

constexpr std::size_t kData = 4096;

std::string Bytes(const std::vector<std::uint8_t>& data) { return std::string(data.begin(), data.end()); }

enum class Where { NearTheStart, AfterTheFirstWrite };

// one.txt, then two.bin: 50000 random bytes, which code to about as many, so that damage
// near the end of its data comes after the first 32768 bytes went to the file.
ExtractionCase DamagedSecondMember(const char* name, Where where, bool second_exists) {
  const std::string one = Bytes(SampleText(3000, 1));
  const std::string two = Bytes(SampleData(DataKind::Random, 50000, 2));
  ArchiveBody body;
  body.Member("one.txt", kTimes, one);
  const std::size_t data_start = body.size() + std::string("two.bin").size() + 1 + 28;
  body.Member("two.bin", kTimes, two).FileRecord("three.txt", kTimes, 0);
  const std::size_t data_end = body.size() - std::string("three.txt").size() - 1 - 28;
  // A block is checked whole before any byte of it is used: damage near the start lies in
  // the first block that begins inside two.bin's data.
  const std::size_t damaged = where == Where::NearTheStart ? (data_start / kData + 1) * kData + 10 : data_end - 100;

  const std::string asked = second_exists ? OverwritePrompt("two.bin") : "";
  ExtractionCase c{
      .name = name,
      .body = body,
      .input = second_exists ? "y\r\n\r\n" : "\r\n",
      .out = ExpandingLine("one.txt") + asked + ExpandingStart("two.bin") + kBrokenFile + kPressEnter,
      .exit_code = 2,
      .after = {{"one.txt", Written(one)}},
      .faults = SfxFaults::Flip({damaged / kData, damaged % kData, 5}),
      .unread_input = ""};
  if (second_exists) {
    c.before = {{"two.bin", Old("the old two")}};
    c.after["two.bin"] = Old("the old two");
  }
  return c;
}

// The archive's last block, which begins inside two.bin's data, is gone, and the stored
// total says so: the read past the end comes while two.bin is being written.
ExtractionCase SecondMemberCutShort() {
  ExtractionCase c = DamagedSecondMember("ArchiveEndsInsideItsData", Where::NearTheStart, true);
  const std::size_t last_block_size = c.body.size() % kData + 2;
  c.faults = {};
  c.faults.cut = last_block_size;
  c.faults.stored_total_size_delta = -static_cast<std::int32_t>(last_block_size);
  c.out = ExpandingLine("one.txt") + OverwritePrompt("two.bin") + ExpandingStart("two.bin") + kFileReadError +
          kPressEnter;
  return c;
}

class DamagedMember : public ExtractionTable {};

TEST_P(DamagedMember, LeavesNoPartOfItsFile) { Expect(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    SecondMember, DamagedMember,
    ::testing::Values(DamagedSecondMember("NearItsStart", Where::NearTheStart, false),
                      DamagedSecondMember("AfterItsFirstWrite", Where::AfterTheFirstWrite, false),
                      DamagedSecondMember("NearTheStartOfAFileThatExists", Where::NearTheStart, true),
                      DamagedSecondMember("AfterTheFirstWriteOverAFileThatExists", Where::AfterTheFirstWrite, true),
                      SecondMemberCutShort()),
    CaseName);

} // namespace
} // namespace vorrin::test
