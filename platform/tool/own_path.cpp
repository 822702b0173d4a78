#include "platform/tool_support.hpp"

#include <climits>

#include <unistd.h>

namespace platform {

std::string ToolExecutablePath() {
  char buffer[PATH_MAX + 1] = {};
  const ssize_t n = readlink("/proc/self/exe", buffer, PATH_MAX);
  return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

} // namespace platform
