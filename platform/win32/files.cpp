// Files through CreateFileA and friends; every file is open to other readers and writers.
#include "platform/platform.hpp"
#include "platform/win32/windows_api.hpp"

namespace platform {
namespace {

ErrorCode OpenFile(const char* path, DWORD access, DWORD disposition, Handle& out) {
  const HANDLE file = CreateFileA(path, access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, disposition,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    out = kNoHandle;
    return win32::LastError();
  }
  out = win32::HandleOf(file);
  return 0;
}

} // namespace

ErrorCode OpenForReading(const char* path, Handle& out) {
  return OpenFile(path, GENERIC_READ, OPEN_EXISTING, out);
}

ErrorCode CreateForWriting(const char* path, Handle& out) {
  return OpenFile(path, GENERIC_READ | GENERIC_WRITE, CREATE_ALWAYS, out);
}

ErrorCode SeekTo(Handle handle, std::int32_t position) {
  // With no high part the distance is a signed 32-bit number, and a position below 2^31
  // never equals INVALID_SET_FILE_POINTER: that value alone means failure.
  if (SetFilePointer(win32::NativeHandleOf(handle), position, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER)
    return win32::LastError();
  return 0;
}

ErrorCode CurrentPosition(Handle handle, std::int64_t& position) {
  LONG high = 0;
  SetLastError(NO_ERROR);
  const DWORD low = SetFilePointer(win32::NativeHandleOf(handle), 0, &high, FILE_CURRENT);
  if (low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) return win32::LastError();
  position = static_cast<std::int64_t>((static_cast<std::uint64_t>(static_cast<DWORD>(high)) << 32) | low);
  return 0;
}

ErrorCode Read(Handle handle, void* buffer, std::uint32_t count, std::uint32_t& done) {
  DWORD got = 0;
  if (!ReadFile(win32::NativeHandleOf(handle), buffer, count, &got, nullptr)) return win32::LastError();
  done = got;
  return 0;
}

ErrorCode Write(Handle handle, const void* buffer, std::uint32_t count, std::uint32_t& done) {
  DWORD put = 0;
  const BOOL written = WriteFile(win32::NativeHandleOf(handle), buffer, count, &put, nullptr);
  done = put;
  return written ? 0 : win32::LastError();
}

ErrorCode FileLength(Handle handle, std::int64_t& length) {
  DWORD high = 0;
  SetLastError(NO_ERROR);
  const DWORD low = GetFileSize(win32::NativeHandleOf(handle), &high);
  if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return win32::LastError();
  length = static_cast<std::int64_t>((static_cast<std::uint64_t>(high) << 32) | low);
  return 0;
}

ErrorCode Close(Handle handle) {
  // INVALID_HANDLE_VALUE is also the current process's pseudo-handle, which "closes" fine.
  if (handle == kNoHandle) return ERROR_INVALID_HANDLE;
  return CloseHandle(win32::NativeHandleOf(handle)) ? 0 : win32::LastError();
}

ErrorCode Delete(const char* path) { return DeleteFileA(path) ? 0 : win32::LastError(); }

ErrorCode ReplaceFile(const char* from, const char* to) {
  // A read-only, hidden or system file is refused, as creating it anew over the old one
  // would be; MoveFileExA by itself replaces such files on some systems.
  constexpr DWORD kProtected = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  const DWORD attributes = GetFileAttributesA(to);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & kProtected) != 0)
    return ERROR_ACCESS_DENIED;
  return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING) ? 0 : win32::LastError();
}

} // namespace platform
