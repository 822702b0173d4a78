// The built expanders that the build checks look at, as named on the command line.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace vorrin::test {

// The machine field of a PE file's header.
enum class WindowsMachine : std::uint16_t { I386 = 0x014C, Amd64 = 0x8664 };

struct WindowsExpander {
  std::filesystem::path path;
  WindowsMachine machine;
};

struct BuildCheckList {
  std::vector<std::filesystem::path> stamped; // any expander: its stamped length is checked
  std::vector<WindowsExpander> windows;       // stamped length, machine and imported DLLs
};

BuildCheckList& SharedBuildCheckList();

} // namespace vorrin::test
