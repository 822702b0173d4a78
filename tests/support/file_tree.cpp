#include "tests/support/file_tree.hpp"

#include <chrono>

#include "tests/support/files.hpp"

namespace vorrin::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;

// 1601-01-01 to 1970-01-01 in 100-nanosecond steps.
constexpr std::int64_t kTicksTo1970 = 116'444'736'000'000'000;
using Ticks = duration<std::int64_t, std::ratio<1, 10'000'000>>;

WindowsTime FromSystemTime(system_clock::time_point time) {
  return static_cast<WindowsTime>(duration_cast<Ticks>(time.time_since_epoch()).count() + kTicksTo1970);
}

} // namespace

void PrintTo(const TreeEntry& entry, std::ostream* os) {
  if (entry.folder) {
    *os << "folder";
    return;
  }
  // Whole contents can be large; their length and start tell enough.
  *os << "file of " << entry.contents.size() << " bytes \"" << entry.contents.substr(0, 40)
      << (entry.contents.size() > 40 ? "\"..." : "\"") << " written " << entry.last_write;
}

FileTree ReadTree(const fs::path& root, const std::set<std::string>& left_out) {
  FileTree tree;
  for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
    const std::string name = it->path().lexically_relative(root).generic_string();
    if (it.depth() == 0 && left_out.count(name) != 0) {
      if (it->is_directory()) it.disable_recursion_pending();
      continue;
    }
    if (it->is_directory()) tree[name] = Folder();
    else tree[name] = File(ReadFileBytes(it->path()), LastWriteOf(it->path()));
  }
  return tree;
}

std::map<std::string, std::string> FilesUnder(const fs::path& root) {
  std::map<std::string, std::string> files;
  if (!fs::exists(root)) return files;
  for (const auto& [name, entry] : ReadTree(root, {}))
    if (!entry.folder) files[name] = entry.contents;
  return files;
}

void WriteTree(const fs::path& root, const FileTree& tree) {
  for (const auto& [name, entry] : tree) {
    const fs::path path = root / name;
    if (entry.folder) {
      fs::create_directories(path);
    } else {
      fs::create_directories(path.parent_path());
      WriteFileBytes(path, entry.contents);
      SetLastWrite(path, entry.last_write);
    }
  }
}

WindowsTime LastWriteOf(const fs::path& path) {
  return FromSystemTime(time_point_cast<system_clock::duration>(file_clock::to_sys(fs::last_write_time(path))));
}

void SetLastWrite(const fs::path& path, WindowsTime time) {
  const sys_time<Ticks> since_1970{Ticks{static_cast<std::int64_t>(time) - kTicksTo1970}};
  fs::last_write_time(path, file_clock::from_sys(time_point_cast<file_clock::duration>(since_1970)));
}

WindowsTime WindowsTimeNow() { return FromSystemTime(system_clock::now()); }

} // namespace vorrin::test
