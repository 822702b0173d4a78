#include "tests/tool/tree_snapshot.hpp"

#include "tests/support/file_text.hpp"

namespace fs = std::filesystem;

namespace vorrin::test {

TreeSnapshot Snapshot(const fs::path& root) {
  TreeSnapshot snapshot;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
    TreeItem item;
    item.folder = entry.is_directory();
    if (!item.folder) {
      item.contents = ReadFileText(entry.path());
      item.last_write = entry.last_write_time();
    }
    snapshot[fs::relative(entry.path(), root).string()] = item;
  }
  return snapshot;
}

std::map<std::string, std::string> FilesUnder(const fs::path& root) {
  std::map<std::string, std::string> files;
  if (!fs::exists(root)) return files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root))
    if (!entry.is_directory()) files[fs::relative(entry.path(), root).string()] = ReadFileText(entry.path());
  return files;
}

void PrintTo(const TreeItem& item, std::ostream* out) {
  *out << (item.folder ? "folder" : "file of " + std::to_string(item.contents.size()) + " bytes, written at " +
                                        std::to_string(item.last_write.time_since_epoch().count()));
}

} // namespace vorrin::test
