// platform::Handle carries a POSIX file descriptor; kNoHandle is descriptor -1.
#pragma once

#include <cerrno>

#include "platform/platform.hpp"

namespace platform::posix {

inline int DescriptorOf(Handle handle) {
  return handle == kNoHandle ? -1 : static_cast<int>(handle);
}

inline Handle HandleOf(int descriptor) {
  return descriptor < 0 ? kNoHandle : static_cast<Handle>(descriptor);
}

// The error of the call that just failed, never 0 even if the system left errno unset.
inline ErrorCode LastError() { return errno != 0 ? errno : EIO; }

} // namespace platform::posix
