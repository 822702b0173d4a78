// The program's own path, stepping through ANSI text, and the longest path.
#include "platform/platform.hpp"
#include "platform/win32/windows_api.hpp"

namespace platform {

std::uint32_t OwnExecutablePath(char* buffer, std::uint32_t capacity) {
  if (capacity == 0) return 0;
  const DWORD length = GetModuleFileNameA(nullptr, buffer, capacity);
  if (length < capacity) return length;
  // Cut: newer systems answer `capacity`, older ones leave the zero out; end it here.
  buffer[capacity - 1] = 0;
  return capacity - 1;
}

const char* NextChar(const char* text) { return CharNextA(text); }

std::uint32_t LongestPath() { return MAX_PATH - 1; }

} // namespace platform
