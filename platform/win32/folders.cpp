// What stands at a path (FindFirstFileA), and making one folder (CreateDirectoryA).
#include "platform/platform.hpp"
#include "platform/win32/windows_api.hpp"

namespace platform {

EntryKind LookUp(const char* path) {
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA(path, &found);
  if (search == INVALID_HANDLE_VALUE) return EntryKind::Missing;
  FindClose(search);
  return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? EntryKind::Folder : EntryKind::File;
}

ErrorCode MakeFolder(const char* path) { return CreateDirectoryA(path, nullptr) ? 0 : win32::LastError(); }

} // namespace platform
