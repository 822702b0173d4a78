#include "tool/messages.hpp"

#include <iostream>

#include "tool/printable.hpp"

namespace vorrin {

void PrintResult(const CommonOptions& options, const std::string& line) {
  if (!options.quiet) std::cout << Printable(line) << '\n' << std::flush;
}

void PrintDetail(const CommonOptions& options, const std::string& line) {
  if (options.verbose && !options.quiet) std::cout << Printable(line) << '\n' << std::flush;
}

void PrintWarning(const CommonOptions& options, const std::string& line) {
  if (!options.quiet) std::cerr << "vorrin: warning: " << Printable(line) << '\n' << std::flush;
}

void PrintError(const std::string& line) { std::cerr << "vorrin: " << Printable(line) << '\n' << std::flush; }

} // namespace vorrin
