// Runs a program the way a user meets it: in a folder of its own, with some bytes (or
// nothing at all) on its standard input, its standard output taken byte for byte.
// Natively, or as a Windows program under wine64.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vorrin::test {

struct RunResult {
  std::string out;          // standard output, byte for byte
  int exit_code = -1;
  std::string unread_input; // what the program left of its standard input
  std::string err;          // standard error: only for diagnostics, never compared
};

// Standard input for a run: these bytes, or (std::nullopt) an input that is at its end at once.
using StandardInput = std::optional<std::string>;
inline constexpr std::nullopt_t kEndOfInput = std::nullopt;

enum class RunnerKind { Native, Wine64 };

std::optional<RunnerKind> ParseRunnerKind(std::string_view name); // "native", "wine64"
const char* NameOf(RunnerKind kind);

class ProcessRunner {
public:
  explicit ProcessRunner(RunnerKind kind) : kind_(kind) {}
  RunnerKind kind() const { return kind_; }

  // Runs `program` (an absolute path) with `dir` as its working directory and waits for it.
  // Nothing is copied or placed in `dir`. A run that hangs is ended after five minutes.
  // Throws std::runtime_error when the run could not be started at all.
  // `argument`, when given, is the one command-line argument.
  RunResult Run(const std::filesystem::path& program, const std::filesystem::path& dir,
                const StandardInput& input, const std::string& argument = {}) const;

private:
  RunnerKind kind_;
};

} // namespace vorrin::test
