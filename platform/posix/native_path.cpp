#include "platform/posix/native_path.hpp"

#include <cerrno>

namespace platform::posix {

NativePath::NativePath(const char* path) {
  // UTF-8 never uses 0x5C inside a multi-byte character, so a byte-wise swap is safe.
  unsigned length = 0;
  for (; path[length] != 0; ++length) {
    if (length == kLongestPath) {
      text_[0] = 0;
      error_ = ENAMETOOLONG;
      return;
    }
    text_[length] = path[length] == '\\' ? '/' : path[length];
  }
  text_[length] = 0;
}

} // namespace platform::posix
