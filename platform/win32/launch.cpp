// The launch after extraction: the shell's default action for the file.
#include <cstdint>

#include "platform/platform.hpp"
#include "platform/win32/windows_api.hpp"

#include <shellapi.h>

namespace platform {

std::int32_t ShellOpen(const char* file) {
  const HINSTANCE result = ShellExecuteA(nullptr, nullptr, file, nullptr, nullptr, SW_SHOWNORMAL);
  // Not a real instance: a number, success above 32.
  return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(result));
}

} // namespace platform
