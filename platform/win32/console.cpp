// Standard streams: GetStdHandle and GetFileType.
#include "platform/platform.hpp"
#include "platform/win32/windows_api.hpp"

namespace platform {

Handle StandardStream(StdStream stream) {
  return win32::HandleOf(GetStdHandle(stream == StdStream::Input ? STD_INPUT_HANDLE : STD_OUTPUT_HANDLE));
}

HandleKind KindOf(Handle handle) {
  // FILE_TYPE_UNKNOWN is also the answer for a working handle of no known type; only
  // the error code tells a handle the system cannot tell apart.
  SetLastError(NO_ERROR);
  const DWORD type = GetFileType(win32::NativeHandleOf(handle));
  if (type == FILE_TYPE_CHAR) return HandleKind::CharacterDevice;
  if (type == FILE_TYPE_UNKNOWN && GetLastError() != NO_ERROR) return HandleKind::Unknown;
  return HandleKind::Other;
}

} // namespace platform
