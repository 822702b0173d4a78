// Runs the built tool and expander as separate processes, the way a user does, and keeps
// what they printed and their exit code.
#pragma once

#include <filesystem>
#include <string>

namespace vorrin::test {

struct Outcome {
  int code = -1;
  std::string out;
  std::string err;
};

// `command` is a shell command line; run in `folder` with standard input from `input`
// (a shell redirection source, /dev/null unless given).
Outcome RunShell(const std::string& command, const std::filesystem::path& folder,
                 const std::string& input = "/dev/null");

// The tool with these arguments (already quoted where needed).
Outcome RunTool(const std::string& arguments, const std::filesystem::path& folder);

std::string Quoted(const std::string& text);
std::string ToolPath();
std::string ExpanderPath();

} // namespace vorrin::test
