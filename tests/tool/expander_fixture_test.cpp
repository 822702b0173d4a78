// The tool reads what the expander's own process tests feed the expander: files built by
// the expander's fixture around the real expander, with its odd but valid name codings and
// its faults. What the expander takes, the tool lists and tests; what it refuses, so does the tool.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tests/support/archive_body.hpp"
#include "tests/support/file_text.hpp"
#include "tests/support/sample_data.hpp"
#include "tests/support/sfx_builder.hpp"
#include "tests/support/temp_dir.hpp"
#include "tests/tool/tool_run.hpp"

namespace vorrin::test {
namespace {

std::vector<std::uint8_t> Expander() {
  const std::string bytes = ReadFileText(ExpanderPath());
  return {bytes.begin(), bytes.end()};
}

// Data that does not compress, so the member spans several blocks.
std::string Noise(std::size_t size) {
  const std::vector<std::uint8_t> bytes = SampleData(DataKind::Random, size, 7);
  return {bytes.begin(), bytes.end()};
}

// Folder entries, a prefix that takes a folder entry's full stop, a count larger than the
// previous name, a record 2A k 00, sizes 0 and negative, and data over several blocks.
SfxPlan FixturePlan() {
  const FileTimes t{130000000000000000, 130000000000000001, 130000000000000002};
  ArchiveBody body;
  body.FolderEntry("x\\.")
      .CodedName("*\x01y.txt", "x\\.y.txt").Contents(t, "dotted")
      .CodedName("*\xF0", "x\\.y.txt").Contents(t, "again")
      .Member("x\\big.txt", t, Noise(20000))
      .FileRecord("empty.txt", t, 0)
      .FileRecord("negative.txt", t, -5);
  SfxPlan plan;
  plan.comment = "fixture";
  plan.body = body.bytes();
  return plan;
}

class ExpanderFixtureTest : public ::testing::Test {
protected:
  void Write(const SfxPlan& plan) {
    const SfxFile file = BuildSfx(Expander(), plan);
    WriteFileText(dir.path() / "sfx.exe", std::string(file.bytes.begin(), file.bytes.end()));
  }
  Outcome Tool(const std::string& arguments) { return RunTool(arguments, dir.path()); }

  TempDir dir;
};

TEST_F(ExpanderFixtureTest, ListsAndTestsWhatTheExpanderTakes) {
  Write(FixturePlan());
  const Outcome tested = Tool("test sfx.exe");
  EXPECT_EQ(tested.code, 0) << tested.err;

  const Outcome listed = Tool("list sfx.exe --json");
  ASSERT_EQ(listed.code, 0) << listed.err;
  const nlohmann::json j = nlohmann::json::parse(listed.out);
  std::vector<std::string> names;
  for (const auto& m : j["members"]) names.push_back(m["name"]);
  EXPECT_EQ(names, (std::vector<std::string>{"x\\", "x\\.y.txt", "x\\.y.txt", "x\\big.txt",
                                             "empty.txt", "negative.txt"}));
  EXPECT_EQ(j["members"][3]["size"], 20000);
}

TEST_F(ExpanderFixtureTest, TestsAProtectedFixtureWithItsPassword) {
  SfxPlan plan = FixturePlan();
  plan.password = "abcde";
  Write(plan);
  WriteFileText(dir.path() / "pw", "abcde\n");
  const Outcome tested = Tool("test sfx.exe --password-file pw");
  EXPECT_EQ(tested.code, 0) << tested.err;
}

struct FaultCase {
  const char* label;
  SfxFaults faults;
  const char* message;
};
void PrintTo(const FaultCase& c, std::ostream* out) { *out << c.label; }

class ExpanderFixtureFaultTest : public ExpanderFixtureTest,
                                 public ::testing::WithParamInterface<FaultCase> {};

TEST_P(ExpanderFixtureFaultTest, RefusesWhatTheExpanderRefuses) {
  SfxPlan plan = FixturePlan();
  plan.faults = GetParam().faults;
  Write(plan);
  const Outcome tested = Tool("test sfx.exe");
  EXPECT_NE(tested.code, 0);
  EXPECT_NE(tested.err.find(GetParam().message), std::string::npos) << tested.err;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ExpanderFixtureFaultTest,
    ::testing::Values(FaultCase{"FlippedDataBit", SfxFaults::Flip({1, 100, 3}), "block 1 is damaged"},
                      FaultCase{"CheckLowByteFirst", SfxFaults::CheckLowByteFirst(0), "block 0 is damaged"},
                      FaultCase{"CutInsideData", SfxFaults::Cut(5000), "archive"}),
    [](const auto& test) { return std::string(test.param.label); });

} // namespace
} // namespace vorrin::test
