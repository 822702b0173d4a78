#include "platform/tool_support.hpp"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>

namespace platform {
namespace {

// Seconds from 1601-01-01 to 1970-01-01.
constexpr std::int64_t kEpochDifference = 11644473600;
constexpr std::int64_t kTicksPerSecond = 10000000;

std::uint64_t ToFileTime(std::int64_t seconds, std::int64_t nanoseconds) {
  const std::int64_t ticks = (seconds + kEpochDifference) * kTicksPerSecond + nanoseconds / 100;
  return ticks < 0 ? 0 : static_cast<std::uint64_t>(ticks);
}

timespec ToTimespec(std::uint64_t file_time) {
  timespec ts{};
  if (file_time == 0) {
    ts.tv_nsec = UTIME_OMIT;
    return ts;
  }
  const auto ticks = static_cast<std::int64_t>(file_time);
  ts.tv_sec = static_cast<time_t>(ticks / kTicksPerSecond - kEpochDifference);
  ts.tv_nsec = static_cast<long>(ticks % kTicksPerSecond * 100);
  return ts;
}

} // namespace

int ReadFileStamps(const char* path, FileStamps& out) {
  struct statx sx {};
  if (statx(AT_FDCWD, path, 0, STATX_BASIC_STATS | STATX_BTIME, &sx) != 0) return errno;
  out.last_access = ToFileTime(sx.stx_atime.tv_sec, sx.stx_atime.tv_nsec);
  out.last_write = ToFileTime(sx.stx_mtime.tv_sec, sx.stx_mtime.tv_nsec);
  out.creation = (sx.stx_mask & STATX_BTIME) != 0
                     ? ToFileTime(sx.stx_btime.tv_sec, sx.stx_btime.tv_nsec)
                     : out.last_write;
  return 0;
}

int WriteFileStamps(const char* path, std::uint64_t last_access, std::uint64_t last_write) {
  const timespec times[2] = {ToTimespec(last_access), ToTimespec(last_write)};
  return utimensat(AT_FDCWD, path, times, 0) != 0 ? errno : 0;
}

} // namespace platform
