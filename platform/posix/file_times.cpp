// Windows file times (100 ns ticks since 1601-01-01 UTC) applied as POSIX timestamps.
#include <fcntl.h>
#include <sys/stat.h>

#include <ctime>

#include "platform/platform.hpp"
#include "platform/posix/descriptor.hpp"

namespace platform {
namespace {

constexpr std::uint64_t kTicksPerSecond = 10'000'000;
constexpr std::int64_t kSecondsFrom1601To1970 = 11'644'473'600;

// 0 means "leave as is"; any other time is kept to the full 100 ns.
timespec ToTimespec(FileTime time) {
  timespec converted{};
  if (time == 0) {
    converted.tv_nsec = UTIME_OMIT;
    return converted;
  }
  converted.tv_sec = static_cast<time_t>(static_cast<std::int64_t>(time / kTicksPerSecond) - kSecondsFrom1601To1970);
  converted.tv_nsec = static_cast<long>(time % kTicksPerSecond * 100);
  return converted;
}

} // namespace

ErrorCode SetFileTimes(Handle handle, FileTime /*creation: POSIX keeps none*/, FileTime last_access,
                       FileTime last_write) {
  const timespec times[2] = {ToTimespec(last_access), ToTimespec(last_write)};
  return futimens(posix::DescriptorOf(handle), times) == -1 ? posix::LastError() : 0;
}

} // namespace platform
