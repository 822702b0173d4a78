// A signal that ends the tool while it writes leaves nothing behind: the temporary the
// output is written to goes with it, and the signal still ends the tool.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "tests/support/files.hpp"
#include "tests/support/sample_data.hpp"
#include "tests/support/temp_dir.hpp"
#include "tests/tool/tool_run.hpp"

namespace vorrin::test {
namespace {

struct Ending {
  const char* signal; // as kill names it
  int number;
};
void PrintTo(const Ending& c, std::ostream* out) { *out << c.signal; }

std::set<std::string> NamesIn(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename());
  return names;
}

class InterruptTest : public ::testing::TestWithParam<Ending> {};

TEST_P(InterruptTest, CreateLeavesNoTemporary) {
  const Ending& c = GetParam();
  TempDir work;
  // Large enough that the smallest level is still busy when its temporary appears.
  WriteFileBytes(work.path() / "big.txt", SampleData(DataKind::Text, 24u << 20, 7));
  const std::string script = Quoted(ToolPath()) + " create out.exe big.txt --stub native -9 -q & pid=$!\n"
                             "i=0\n"
                             "while ! ls .~vorrin*.tmp >/dev/null 2>&1 && [ $i -lt 3000 ]; do\n"
                             "  sleep 0.01; i=$((i+1))\n"
                             "done\n"
                             "kill -" + std::string(c.signal) + " $pid\n"
                             "wait $pid\n"
                             "echo $?\n";
  const Outcome outcome = RunShell("sh -c " + Quoted(script), work.path());
  EXPECT_EQ(outcome.out, std::to_string(128 + c.number) + "\n") << outcome.err;
  EXPECT_EQ(NamesIn(work.path()), std::set<std::string>{"big.txt"});
}

INSTANTIATE_TEST_SUITE_P(Signals, InterruptTest,
                         ::testing::Values(Ending{"TERM", 15}, Ending{"HUP", 1}),
                         [](const auto& param_info) { return std::string(param_info.param.signal); });

} // namespace
} // namespace vorrin::test
