// SetFileTimes on POSIX: Windows file times land as exact last-access and last-write
// times (to the 100 ns), and a 0 leaves its time alone. The times are read back with
// stat(1) as "seconds.nanoseconds".
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/platform.hpp"
#include "tests/support/file_text.hpp"
#include "tests/support/working_dir.hpp"

namespace vorrin {
namespace {

constexpr std::int64_t kSecondsFrom1601To1970 = 11'644'473'600;

struct Moment {
  std::int64_t unix_seconds;
  std::uint32_t ticks; // 100 ns steps within the second

  platform::FileTime AsFileTime() const {
    return static_cast<platform::FileTime>(unix_seconds + kSecondsFrom1601To1970) * 10'000'000 + ticks;
  }
  std::string AsStat() const {
    std::string nanoseconds = std::to_string(std::uint64_t{ticks} * 100);
    return std::to_string(unix_seconds) + "." + std::string(9 - nanoseconds.size(), '0') + nanoseconds;
  }
};

const Moment kMoments[] = {
    {0, 0},                  // the POSIX epoch itself
    {1'000'000'000, 1234567}, // 2001, with a fraction
    {7'258'118'400, 9999999}, // 2200: past 32-bit seconds, last tick of its second
    {315'532'800, 1},         // 1980, one tick
};

class PosixFileTimes : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_EQ(platform::CreateForWriting("f", file_), 0); }
  void TearDown() override { platform::Close(file_); }

  // "access write", each as seconds.nanoseconds.
  static std::string TimesOnDisk() {
    if (std::system("stat -c '%.9X %.9Y' f > times.txt") != 0) return "(stat failed)";
    std::string text = test::ReadFileText("times.txt");
    while (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
  }

  test::WorkingDir dir_{"vorrin-times"};
  platform::Handle file_ = platform::kNoHandle;
};

TEST_F(PosixFileTimes, AccessAndWriteTimesAreExact) {
  for (const Moment& access : kMoments) {
    for (const Moment& write : kMoments) {
      ASSERT_EQ(platform::SetFileTimes(file_, 1, access.AsFileTime(), write.AsFileTime()), 0);
      EXPECT_EQ(TimesOnDisk(), access.AsStat() + " " + write.AsStat());
    }
  }
}

TEST_F(PosixFileTimes, ZeroLeavesThatTimeAsItWas) {
  const Moment first = kMoments[1], second = kMoments[2], third = kMoments[3];
  ASSERT_EQ(platform::SetFileTimes(file_, 0, first.AsFileTime(), first.AsFileTime()), 0);
  ASSERT_EQ(platform::SetFileTimes(file_, 0, 0, second.AsFileTime()), 0);
  EXPECT_EQ(TimesOnDisk(), first.AsStat() + " " + second.AsStat());
  ASSERT_EQ(platform::SetFileTimes(file_, 0, third.AsFileTime(), 0), 0);
  EXPECT_EQ(TimesOnDisk(), third.AsStat() + " " + second.AsStat());
  ASSERT_EQ(platform::SetFileTimes(file_, 0, 0, 0), 0);
  EXPECT_EQ(TimesOnDisk(), third.AsStat() + " " + second.AsStat());
}

TEST_F(PosixFileTimes, TimesSurviveTheClose) {
  const Moment moment = kMoments[1];
  ASSERT_EQ(platform::SetFileTimes(file_, 0, moment.AsFileTime(), moment.AsFileTime()), 0);
  ASSERT_EQ(platform::Close(file_), 0);
  file_ = platform::kNoHandle;
  EXPECT_EQ(TimesOnDisk(), moment.AsStat() + " " + moment.AsStat());
}

} // namespace
} // namespace vorrin
