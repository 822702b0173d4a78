// Standard streams: descriptors 0 and 1; a terminal counts as the character device.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/platform.hpp"
#include "platform/posix/descriptor.hpp"

namespace platform {

Handle StandardStream(StdStream stream) {
  const int descriptor = stream == StdStream::Input ? STDIN_FILENO : STDOUT_FILENO;
  // A process started with the stream closed has no such stream.
  return fcntl(descriptor, F_GETFD) == -1 ? kNoHandle : posix::HandleOf(descriptor);
}

HandleKind KindOf(Handle handle) {
  errno = 0;
  if (isatty(posix::DescriptorOf(handle)) == 1) return HandleKind::CharacterDevice;
  return errno == EBADF ? HandleKind::Unknown : HandleKind::Other;
}

} // namespace platform
