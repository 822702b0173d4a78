// The runtime-error report, seen from outside: the fault probe runs as its own process,
// its standard output and exit code are kept in files and compared byte for byte.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <string>

#include "tests/support/file_text.hpp"
#include "tests/support/working_dir.hpp"

namespace vorrin {
namespace {

struct ProbeRun {
  std::string output;
  std::string exit_code;
};

// `prefix` goes before the probe in the shell command line, e.g. a ulimit.
ProbeRun RunProbe(const std::string& mode, const std::string& prefix = "") {
  const std::string command = prefix + "'" FAULT_PROBE_PATH "' " + mode + " > out.txt 2> err.txt; echo $? > code.txt";
  std::system(command.c_str());
  std::string code = test::ReadFileText("code.txt");
  while (!code.empty() && code.back() == '\n') code.pop_back();
  return {test::ReadFileText("out.txt"), code};
}

class FaultReport : public ::testing::Test {
protected:
  test::WorkingDir dir_{"vorrin-fault"};
};

TEST_F(FaultReport, NullWriteIsAnAccessFaultAtAddressZero) {
  const ProbeRun run = RunProbe("segv");
  EXPECT_EQ(run.output, "pendingRuntime error 216 at 00000000\r\n");
  EXPECT_EQ(run.exit_code, "216");
}

TEST_F(FaultReport, EachFaultHasItsNumber) {
  const struct {
    const char* mode;
    const char* number;
  } cases[] = {{"divide", "200"}, {"stack", "216"}};
  for (const auto& c : cases) {
    const ProbeRun run = RunProbe(c.mode);
    EXPECT_TRUE(std::regex_match(run.output, std::regex(std::string("pendingRuntime error ") + c.number +
                                                         " at [0-9A-F]{8}\r\n")))
        << c.mode << ": " << run.output;
    EXPECT_EQ(run.exit_code, c.number) << c.mode;
  }
}

TEST_F(FaultReport, ExhaustedMemoryIs203) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer's allocator reports exhausted memory itself";
#endif
  const ProbeRun run = RunProbe("oom", "ulimit -v 200000; ");
  EXPECT_TRUE(std::regex_match(run.output, std::regex("pendingRuntime error 203 at [0-9A-F]{8}\r\n"))) << run.output;
  EXPECT_EQ(run.exit_code, "203");
}

// Without SIGPIPE ignored the probe would die silently from the signal (exit 141).
TEST_F(FaultReport, WriteToAClosedPipeFailsWithEpipe) {
  std::system("( '" FAULT_PROBE_PATH "' pipe; echo $? > code.txt ) | true");
  EXPECT_EQ(test::ReadFileText("code.txt"), "32\n");
}

} // namespace
} // namespace vorrin
