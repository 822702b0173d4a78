// The files and folders under a folder, each file with its bytes and last-write time: what
// a test puts in place before a run, and what the run left behind, compared whole.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <ostream>
#include <set>
#include <string>

namespace vorrin::test {

// A Windows file time: 100-nanosecond steps since 1601-01-01 UTC.
using WindowsTime = std::uint64_t;

struct TreeEntry {
  bool folder = false;
  std::string contents;      // a file's bytes
  WindowsTime last_write = 0; // a file's last-write time

  friend bool operator==(const TreeEntry&, const TreeEntry&) = default;
  friend void PrintTo(const TreeEntry& entry, std::ostream* os);
};

// Relative paths with '/' between components, e.g. "d/e/f.txt".
using FileTree = std::map<std::string, TreeEntry>;

inline TreeEntry Folder() { return TreeEntry{true, {}, 0}; }
inline TreeEntry File(std::string contents, WindowsTime last_write) {
  return TreeEntry{false, std::move(contents), last_write};
}

// Everything under `root`; the names in `left_out` (at the top level only) are not listed.
FileTree ReadTree(const std::filesystem::path& root, const std::set<std::string>& left_out = {"sfx.exe"});
// The files alone under `root` (none when it does not exist), each with its bytes: for
// checking that a failed run left nothing behind.
std::map<std::string, std::string> FilesUnder(const std::filesystem::path& root);
// Makes the folders and files of `tree` under `root`, each file with its last-write time.
void WriteTree(const std::filesystem::path& root, const FileTree& tree);

WindowsTime LastWriteOf(const std::filesystem::path& path);
void SetLastWrite(const std::filesystem::path& path, WindowsTime time);
// The system clock now, as a Windows file time.
WindowsTime WindowsTimeNow();

} // namespace vorrin::test
