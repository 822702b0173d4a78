// What stands at a path, and making one folder.
#include <sys/stat.h>

#include "platform/platform.hpp"
#include "platform/posix/descriptor.hpp"
#include "platform/posix/native_path.hpp"

namespace platform {

EntryKind LookUp(const char* path) {
  const posix::NativePath native(path);
  if (native.Error() != 0) return EntryKind::Missing;
  struct stat status;
  if (stat(native.c_str(), &status) == 0) return S_ISDIR(status.st_mode) ? EntryKind::Folder : EntryKind::File;
  // A dangling symbolic link is still an entry, as a directory search would find it.
  return lstat(native.c_str(), &status) == 0 ? EntryKind::File : EntryKind::Missing;
}

ErrorCode MakeFolder(const char* path) {
  const posix::NativePath native(path);
  if (native.Error() != 0) return native.Error();
  return mkdir(native.c_str(), 0777) == -1 ? posix::LastError() : 0;
}

} // namespace platform
