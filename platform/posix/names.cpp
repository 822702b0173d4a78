// The program's own path, stepping through text, and the longest path.
#include <unistd.h>

#include "platform/platform.hpp"
#include "platform/posix/native_path.hpp"

namespace platform {

std::uint32_t OwnExecutablePath(char* buffer, std::uint32_t capacity) {
  if (capacity == 0) return 0;
  const ssize_t length = readlink("/proc/self/exe", buffer, capacity - 1);
  if (length <= 0) {
    buffer[0] = 0;
    return 0;
  }
  buffer[length] = 0;
  return static_cast<std::uint32_t>(length);
}

// Text is UTF-8 or single-byte here. A byte at a time never mistakes part of a character
// for a backslash: UTF-8 never uses 0x5C inside a multi-byte character.
const char* NextChar(const char* text) { return *text == 0 ? text : text + 1; }

std::uint32_t LongestPath() { return posix::kLongestPath; }

} // namespace platform
