// What ends a command of the archive tool: a message for standard error and an exit code.
#pragma once

#include <stdexcept>
#include <string>

namespace vorrin {

// Exit codes of the tool.
inline constexpr int kExitOk = 0;
inline constexpr int kExitArchiveFault = 1; // the archive is damaged, cut short, not found, or locked
inline constexpr int kExitFailure = 2;      // anything else: arguments, inputs, names, files

class ToolError : public std::runtime_error {
public:
  explicit ToolError(const std::string& message, int exit_code = kExitFailure)
      : std::runtime_error(message), exit_code_(exit_code) {}
  int exit_code() const { return exit_code_; }

private:
  int exit_code_;
};

} // namespace vorrin
