#include "tests/support/expander_test.hpp"

#include <algorithm>
#include <optional>

#include "tests/support/files.hpp"

namespace vorrin::test {

namespace {
std::optional<ProcessTestSetup>& ConfiguredSetup() {
  static std::optional<ProcessTestSetup> setup;
  return setup;
}
} // namespace

void UseProcessTestSetup(const ProcessTestSetup& setup) { ConfiguredSetup() = setup; }

void ExpanderTest::SetUp() {
  ASSERT_TRUE(ConfiguredSetup().has_value()) << "run with --runner=native|wine64 --expander=PATH";
  dir_ = std::make_unique<TempDir>("vorrin-sfx");
}

RunnerKind ExpanderTest::Runner() { return ConfiguredSetup()->runner; }

const std::filesystem::path& ExpanderTest::ExpanderPath() { return ConfiguredSetup()->expander; }

const std::vector<std::uint8_t>& ExpanderTest::Core() {
  static const std::vector<std::uint8_t> core = [] {
    const std::string bytes = ReadFileBytes(ConfiguredSetup()->expander);
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
  }();
  return core;
}

void ExpanderTest::WriteSfx(std::span<const std::uint8_t> bytes) {
  WriteFileBytes(SfxPath(), bytes);
  using std::filesystem::perms;
  std::filesystem::permissions(SfxPath(), perms::owner_all | perms::group_read | perms::group_exec |
                                              perms::others_read | perms::others_exec);
}

SfxFile ExpanderTest::WriteSfx(const SfxPlan& plan) {
  SfxFile file = BuildSfx(Core(), plan);
  WriteSfx(file.bytes);
  return file;
}

RunResult ExpanderTest::Run(const StandardInput& input) { return RunIn(Dir(), input); }

RunResult ExpanderTest::RunIn(const std::filesystem::path& working_dir, const StandardInput& input) {
  static const ProcessRunner runner(ConfiguredSetup()->runner);
  return runner.Run(SfxPath(), working_dir, input);
}

void ExpanderTest::ExpectRun(const RunResult& result, const std::string& out, int exit_code) {
  EXPECT_EQ(result.out, out) << "standard error:\n" << result.err;
  EXPECT_EQ(result.exit_code, exit_code) << "standard error:\n" << result.err;
}

std::vector<std::string> ExpanderTest::Leftovers() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(Dir()))
    if (entry.path().filename() != "sfx.exe") names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

} // namespace vorrin::test
