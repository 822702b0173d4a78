// The Win32 API as the backend uses it, and the mapping between platform::Handle and
// HANDLE: the same bits, with kNoHandle standing for INVALID_HANDLE_VALUE.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// <windows.h> maps ReplaceFile to ReplaceFileA; here it is the platform's own function.
#undef ReplaceFile

#include "platform/platform.hpp"

namespace platform::win32 {

static_assert(sizeof(HANDLE) == sizeof(Handle));

inline HANDLE NativeHandleOf(Handle handle) { return reinterpret_cast<HANDLE>(handle); }

// A null handle (no such stream) becomes kNoHandle as well.
inline Handle HandleOf(HANDLE handle) {
  return handle == nullptr ? kNoHandle : reinterpret_cast<Handle>(handle);
}

// GetLastError after a failed call; never 0, even from a call that forgot to set it.
inline ErrorCode LastError() {
  const DWORD error = GetLastError();
  return static_cast<ErrorCode>(error != ERROR_SUCCESS ? error : ERROR_GEN_FAILURE);
}

} // namespace platform::win32
