// The command line: four commands, their options, and the help text.
#pragma once

#include <string>
#include <vector>

namespace vorrin {

// -0 .. -9 become --level=N; everything after "--" stays as it is.
std::vector<std::string> RewriteLevelFlags(std::vector<std::string> args);

// Parses and runs; the process's exit code.
int RunCommandLine(std::vector<std::string> args);

} // namespace vorrin
