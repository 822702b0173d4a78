// Results go to standard output, messages to standard error; quiet keeps everything but
// errors away. Each line is printed in a form that cannot steer a terminal (printable.hpp).
#pragma once

#include <string>

#include "tool/command_options.hpp"

namespace vorrin {

void PrintResult(const CommonOptions& options, const std::string& line);
void PrintDetail(const CommonOptions& options, const std::string& line);
void PrintWarning(const CommonOptions& options, const std::string& line);
void PrintError(const std::string& line);

} // namespace vorrin
