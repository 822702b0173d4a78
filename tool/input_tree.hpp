// The files and folders named on the command line, walked in a fixed order: each folder
// before its contents, the contents sorted by name bytes, so the same inputs always give
// the same archive.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace vorrin {

struct InputEntry {
  std::filesystem::path source;        // where its contents are read from
  std::vector<std::string> components; // its member name, in the system's character set
  bool folder = false;
  std::uintmax_t size = 0;             // files only, as found while walking
};

// Names as given, made relative the way common archivers do: no root, no leading "." or
// ".." components. Raises a ToolError for an input that does not exist. `warn` hears of
// what is left out (sockets, devices, links to folders inside a tree).
std::vector<InputEntry> CollectInputs(const std::vector<std::string>& inputs,
                                      const std::function<void(const std::string&)>& warn);

// The member-name components of a path as given: "./a/../b/c" gives {"b", "c"}.
std::vector<std::string> RelativeComponents(const std::string& given);

} // namespace vorrin
