// SetFileTime with the three times; a 0 goes in as a null pointer and leaves that time.
#include "platform/platform.hpp"
#include "platform/win32/windows_api.hpp"

namespace platform {
namespace {

struct OptionalFileTime {
  explicit OptionalFileTime(FileTime time)
      : value{static_cast<DWORD>(time & 0xFFFFFFFFu), static_cast<DWORD>(time >> 32)}, given(time != 0) {}
  const FILETIME* Pointer() const { return given ? &value : nullptr; }

  FILETIME value;
  bool given;
};

} // namespace

ErrorCode SetFileTimes(Handle handle, FileTime creation, FileTime last_access, FileTime last_write) {
  const OptionalFileTime created(creation), accessed(last_access), written(last_write);
  return SetFileTime(win32::NativeHandleOf(handle), created.Pointer(), accessed.Pointer(), written.Pointer())
             ? 0
             : win32::LastError();
}

} // namespace platform
