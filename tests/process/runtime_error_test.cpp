// An unexpected fault ends the program with one console line and the fault's number, after
// the output still pending: checked with the fault probe of the same build as the expander.
#include <gtest/gtest.h>

#include <regex>

#include "tests/support/expander_test.hpp"

namespace vorrin::test {
namespace {

struct FaultCase {
  const char* mode;
  int number;
  bool native; // native exhaustion needs a memory limit; the unit tests cover it there
};

class RuntimeErrorTest : public ExpanderTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(RuntimeErrorTest, PrintsTheFaultLineAndExitsWithItsNumber) {
  const FaultCase& fault = GetParam();
  if (Runner() == RunnerKind::Native && !fault.native) GTEST_SKIP() << "covered by unit tests";
  const auto& expander = ExpanderPath();
  const auto probe = std::filesystem::absolute(expander).parent_path() /
                     ("fault_probe" + expander.extension().string());
  ASSERT_TRUE(std::filesystem::exists(probe)) << probe;

  const RunResult result = ProcessRunner(Runner()).Run(probe, Dir(), kEndOfInput, fault.mode);

  const std::regex line("pendingRuntime error " + std::to_string(fault.number) +
                        " at [0-9A-F]{8}\r\n");
  EXPECT_TRUE(std::regex_match(result.out, line)) << result.out << result.err;
  EXPECT_EQ(result.exit_code, fault.number);
}

INSTANTIATE_TEST_SUITE_P(Faults, RuntimeErrorTest,
                         ::testing::Values(FaultCase{"segv", 216, true},
                                           FaultCase{"oom", 203, false}),
                         [](const auto& test) { return std::string(test.param.mode); });

} // namespace
} // namespace vorrin::test
