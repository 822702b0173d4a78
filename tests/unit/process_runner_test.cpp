// The native runner, with a shell script standing in for the program: console bytes come
// back exactly, the exit code too, and what the program did not read of its input.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/files.hpp"
#include "tests/support/process_runner.hpp"
#include "tests/support/temp_dir.hpp"

namespace vorrin::test {
namespace {

class NativeRunner : public ::testing::Test {
protected:
  // A program that reads two bytes, writes some awkward bytes, marks its working folder
  // and ends with exit code 3.
  void SetUp() override {
    program_ = bin_.path() / "prog it's";
    WriteFileBytes(program_, std::string_view(
        "#!/bin/sh\n"
        "dd bs=1 count=2 status=none >/dev/null\n"
        "printf 'a\\r\\n\\007\\000\\377z'\n"
        "printf x > made-here\n"
        "exit 3\n"));
    std::filesystem::permissions(program_, std::filesystem::perms::owner_all);
  }

  TempDir bin_{"vorrin-bin"};
  TempDir work_{"vorrin-work"};
  std::filesystem::path program_;
  const ProcessRunner runner_{RunnerKind::Native};
};

TEST_F(NativeRunner, ReturnsOutputExitCodeAndUnreadInput) {
  const RunResult run = runner_.Run(program_, work_.path(), "\r\nrest\r\n");
  EXPECT_EQ(run.out, std::string("a\r\n\a\0\xFFz", 7));
  EXPECT_EQ(run.exit_code, 3);
  EXPECT_EQ(run.unread_input, "rest\r\n");
}

TEST_F(NativeRunner, EndOfInputGivesNothingToRead) {
  const RunResult run = runner_.Run(program_, work_.path(), kEndOfInput);
  EXPECT_EQ(run.exit_code, 3);
  EXPECT_EQ(run.unread_input, "");
}

TEST_F(NativeRunner, RunsInTheFolderAndLeavesOnlyWhatTheProgramMade) {
  runner_.Run(program_, work_.path(), "ab");
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(work_.path()))
    names.push_back(entry.path().filename().string());
  EXPECT_EQ(names, std::vector<std::string>{"made-here"});
}

} // namespace
} // namespace vorrin::test
