// A path as the expander writes it ('\' separators) turned into a POSIX path ('/').
// A path longer than LongestPath() is refused whole, never cut.
#pragma once

#include "platform/platform.hpp"

namespace platform::posix {

inline constexpr unsigned kLongestPath = 4095; // PATH_MAX less its terminating zero

class NativePath {
public:
  explicit NativePath(const char* path);
  NativePath(const NativePath&) = delete;
  NativePath& operator=(const NativePath&) = delete;

  // 0, or ENAMETOOLONG when the path does not fit; c_str() is then empty.
  ErrorCode Error() const { return error_; }
  const char* c_str() const { return text_; }

private:
  char text_[kLongestPath + 1];
  ErrorCode error_ = 0;
};

} // namespace platform::posix
