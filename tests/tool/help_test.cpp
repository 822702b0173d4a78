// The README's usage section shows the commands exactly as `vorrin --help` does.
#include <gtest/gtest.h>

#include "tests/support/file_text.hpp"
#include "tests/support/temp_dir.hpp"
#include "tests/tool/tool_run.hpp"

namespace vorrin::test {
namespace {

TEST(Help, ReadmeShowsTheCommandsAsHelpDoes) {
  TempDir work;
  const Outcome help = RunTool("--help", work.path());
  ASSERT_EQ(help.code, 0);
  const std::size_t start = help.out.find("Commands:\n");
  ASSERT_NE(start, std::string::npos) << help.out;
  std::string synopsis = help.out.substr(start);
  while (!synopsis.empty() && synopsis.back() == '\n') synopsis.pop_back();
  const std::string readme = ReadFileText(VORRIN_SOURCE_DIR "/README.md");
  EXPECT_NE(readme.find("```\n" + synopsis + "\n```"), std::string::npos) << synopsis;
}

} // namespace
} // namespace vorrin::test
