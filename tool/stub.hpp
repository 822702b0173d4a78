// The expander program that goes in front of an archive: the shipped Windows programs, the
// native one, or any file given by path. The tool finds the built programs beside itself:
// in the build tree (build/<preset>/vorrin beside build/<preset>/expander and
// build/win32/expander.exe) and in the install tree (bin/vorrin, share/vorrin/...).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vorrin {

struct Stub {
  std::filesystem::path path;
  std::vector<std::uint8_t> bytes; // the whole program; its length record names its size
};

// `choice`: "win32", "win64", "native", or a path. Raises a ToolError when the program is
// missing (saying how to build it) or carries no length record that matches its size.
Stub LoadStub(const std::string& choice);

} // namespace vorrin
