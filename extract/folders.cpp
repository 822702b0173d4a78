#include "extract/folders.hpp"

#include "driver/console.hpp"
#include "driver/stops.hpp"
#include "platform/platform.hpp"

namespace vorrin {

std::string FolderPart(const std::string& name) {
  const char* start = name.c_str();
  const char* last = nullptr;
  for (const char* at = start; *at != '\0'; at = platform::NextChar(at))
    if (*at == '\\') last = at;
  return last ? std::string(start, static_cast<std::size_t>(last - start) + 1) : std::string();
}

namespace {

bool FolderStands(const std::string& prefix) {
  switch (platform::LookUp(prefix.c_str())) {
  case platform::EntryKind::Folder:
    return true;
  case platform::EntryKind::File:
    return false; // a file or other non-folder is in the way
  case platform::EntryKind::Missing:
    break;
  }
  return platform::MakeFolder(prefix.c_str()) == 0;
}

} // namespace

void MakeFolders(const std::string& folder_path) {
  const char* start = folder_path.c_str();
  const char* at = start;
  while (*at != '\0') {
    while (*at != '\0' && *at != '\\') at = platform::NextChar(at);
    if (*at == '\0') return; // no separator left: the rest is not a folder
    const std::string prefix(start, static_cast<std::size_t>(at - start));
    if (!FolderStands(prefix)) {
      console::Write("Cannot make folder : ");
      console::Write(prefix);
      console::Write(console::kBell);
      console::WriteLine();
      EndRun(2);
    }
    at = platform::NextChar(at);
  }
}

} // namespace vorrin
