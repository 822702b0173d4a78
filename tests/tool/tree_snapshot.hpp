// What a folder tree holds, for comparing a packed tree with its unpacked copy: every
// entry's kind, a file's bytes and its last-write time.
#pragma once

#include <filesystem>
#include <map>
#include <ostream>
#include <string>

namespace vorrin::test {

struct TreeItem {
  bool folder = false;
  std::string contents;
  std::filesystem::file_time_type last_write{};
  bool operator==(const TreeItem&) const = default;
};

using TreeSnapshot = std::map<std::string, TreeItem>;

// Keyed by the path relative to `root`.
TreeSnapshot Snapshot(const std::filesystem::path& root);

// Regular files under `root`, relative; for checking that nothing was left behind.
std::map<std::string, std::string> FilesUnder(const std::filesystem::path& root);

void PrintTo(const TreeItem& item, std::ostream* out);

} // namespace vorrin::test
