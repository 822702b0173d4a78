#include "tests/support/process_runner.hpp"

#include <cstdlib>
#include <stdexcept>

#include "tests/support/files.hpp"
#include "tests/support/temp_dir.hpp"
#include "tests/support/wine_prefix.hpp"

namespace vorrin::test {

namespace {
// Only a guard against a program that never ends; ctest has its own, longer limit.
constexpr const char* kHangGuard = "timeout -k 10 300 ";
} // namespace

std::optional<RunnerKind> ParseRunnerKind(std::string_view name) {
  if (name == "native") return RunnerKind::Native;
  if (name == "wine64") return RunnerKind::Wine64;
  return std::nullopt;
}

const char* NameOf(RunnerKind kind) {
  return kind == RunnerKind::Native ? "native" : "wine64";
}

RunResult ProcessRunner::Run(const std::filesystem::path& program,
                             const std::filesystem::path& dir, const StandardInput& input,
                             const std::string& argument) const {
  // The streams live outside `dir`, so the program's folder holds only what it made itself.
  TempDir io("vorrin-run");
  const auto in = io.path() / "stdin";
  const auto out = io.path() / "stdout";
  const auto err = io.path() / "stderr";
  const auto rc = io.path() / "exit_code";
  const auto rest = io.path() / "unread";
  if (input) WriteFileBytes(in, *input);

  std::string launch = kHangGuard;
  if (kind_ == RunnerKind::Wine64) launch = WinePrefix::Shared().Environment() + launch + kWineLoader + " ";

  // The subshell's standard input is shared with the program, so whatever the program did
  // not read is still there for `cat` afterwards.
  const std::string command =
      "cd " + ShellQuote(dir) + " && ( " + launch + ShellQuote(program) +
      (argument.empty() ? std::string() : " " + ShellQuote(argument)) + " >" + ShellQuote(out) +
      " 2>" + ShellQuote(err) + "; echo $? >" + ShellQuote(rc) + "; cat >" + ShellQuote(rest) +
      " ) <" + (input ? ShellQuote(in) : std::string("/dev/null"));
  std::system(command.c_str());

  if (!std::filesystem::exists(rc)) throw std::runtime_error("could not run: " + command);
  RunResult result;
  result.exit_code = std::stoi(ReadFileBytes(rc));
  result.out = ReadFileBytes(out);
  result.err = ReadFileBytes(err);
  result.unread_input = ReadFileBytes(rest);
  return result;
}

} // namespace vorrin::test
