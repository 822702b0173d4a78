#include "tests/tool/tool_run.hpp"

#include <cstdlib>

#include "tests/support/file_text.hpp"
#include "tests/support/temp_dir.hpp"

namespace vorrin::test {

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string ToolPath() { return VORRIN_TOOL_PATH; }
std::string ExpanderPath() { return VORRIN_EXPANDER_PATH; }

Outcome RunShell(const std::string& command, const std::filesystem::path& folder, const std::string& input) {
  TempDir capture("vorrin-run");
  const auto out = capture.path() / "out", err = capture.path() / "err", code = capture.path() / "code";
  const std::string line = "cd " + Quoted(folder.string()) + " && (" + command + ") <" + input + " >" +
                           Quoted(out.string()) + " 2>" + Quoted(err.string()) + "; echo $? >" +
                           Quoted(code.string());
  const int status = std::system(line.c_str()); // the exit code comes through the file
  (void)status;
  Outcome outcome;
  outcome.out = ReadFileText(out);
  outcome.err = ReadFileText(err);
  outcome.code = std::atoi(ReadFileText(code).c_str());
  return outcome;
}

Outcome RunTool(const std::string& arguments, const std::filesystem::path& folder) {
  return RunShell(Quoted(ToolPath()) + " " + arguments, folder);
}

} // namespace vorrin::test
