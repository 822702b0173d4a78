// Files as descriptors. Sharing needs no flags on POSIX: other processes may always
// open the same file. Descriptors are close-on-exec so a launched program inherits none.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/platform.hpp"
#include "platform/posix/descriptor.hpp"
#include "platform/posix/native_path.hpp"

namespace platform {
namespace {

ErrorCode OpenDescriptor(const char* path, int flags, Handle& out) {
  out = kNoHandle;
  const posix::NativePath native(path);
  if (native.Error() != 0) return native.Error();
  int descriptor;
  do descriptor = open(native.c_str(), flags | O_CLOEXEC, 0666);
  while (descriptor == -1 && errno == EINTR);
  if (descriptor == -1) return posix::LastError();
  out = posix::HandleOf(descriptor);
  return 0;
}

} // namespace

ErrorCode OpenForReading(const char* path, Handle& out) {
  if (const ErrorCode error = OpenDescriptor(path, O_RDONLY, out)) return error;
  // Opening a folder as a file is refused, as it is on Windows.
  struct stat status;
  if (fstat(posix::DescriptorOf(out), &status) == 0 && S_ISDIR(status.st_mode)) {
    close(posix::DescriptorOf(out));
    out = kNoHandle;
    return EISDIR;
  }
  return 0;
}

ErrorCode CreateForWriting(const char* path, Handle& out) {
  return OpenDescriptor(path, O_RDWR | O_CREAT | O_TRUNC, out);
}

ErrorCode SeekTo(Handle handle, std::int32_t position) {
  return lseek(posix::DescriptorOf(handle), position, SEEK_SET) == -1 ? posix::LastError() : 0;
}

ErrorCode CurrentPosition(Handle handle, std::int64_t& position) {
  const off_t at = lseek(posix::DescriptorOf(handle), 0, SEEK_CUR);
  if (at == -1) return posix::LastError();
  position = at;
  return 0;
}

ErrorCode Read(Handle handle, void* buffer, std::uint32_t count, std::uint32_t& done) {
  ssize_t got;
  do got = read(posix::DescriptorOf(handle), buffer, count);
  while (got == -1 && errno == EINTR);
  if (got == -1) return posix::LastError();
  done = static_cast<std::uint32_t>(got);
  return 0;
}

ErrorCode Write(Handle handle, const void* buffer, std::uint32_t count, std::uint32_t& done) {
  // Like WriteFile, keep going until everything is written or the system refuses.
  done = 0;
  const auto* bytes = static_cast<const unsigned char*>(buffer);
  while (done < count) {
    const ssize_t put = write(posix::DescriptorOf(handle), bytes + done, count - done);
    if (put == -1) {
      if (errno == EINTR) continue;
      return posix::LastError();
    }
    if (put == 0) break; // no progress: the short count tells the caller
    done += static_cast<std::uint32_t>(put);
  }
  return 0;
}

ErrorCode FileLength(Handle handle, std::int64_t& length) {
  struct stat status;
  if (fstat(posix::DescriptorOf(handle), &status) == -1) return posix::LastError();
  length = status.st_size;
  return 0;
}

ErrorCode Close(Handle handle) {
  // Never retried: on Linux the descriptor is gone even when close reports EINTR.
  return close(posix::DescriptorOf(handle)) == -1 ? posix::LastError() : 0;
}

ErrorCode Delete(const char* path) {
  const posix::NativePath native(path);
  if (native.Error() != 0) return native.Error();
  return unlink(native.c_str()) == -1 ? posix::LastError() : 0;
}

ErrorCode ReplaceFile(const char* from, const char* to) {
  const posix::NativePath native_from(from);
  if (native_from.Error() != 0) return native_from.Error();
  const posix::NativePath native_to(to);
  if (native_to.Error() != 0) return native_to.Error();
  // The file replaced hands on what opening it for writing would have kept: one that may
  // not be written stays as it is, and the new file takes its permissions, so a program
  // stays a program.
  struct stat replaced;
  if (stat(native_to.c_str(), &replaced) == 0 && S_ISREG(replaced.st_mode)) {
    if (access(native_to.c_str(), W_OK) == -1) return posix::LastError();
    if (chmod(native_from.c_str(), replaced.st_mode & 0777) == -1) return posix::LastError();
  }
  return std::rename(native_from.c_str(), native_to.c_str()) == -1 ? posix::LastError() : 0;
}

} // namespace platform
