// The times stored for a member are the times its file carries afterwards, to the 100 ns:
// its last-write and last-access times (a creation time has no place on the POSIX files
// seen here, under wine too). A time stored as 0 is left to the system: the file keeps the
// time it got when it was written.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "tests/process/extraction_case.hpp"
#include "tests/support/files.hpp"
#include "tests/support/sample_data.hpp"
#include "tests/support/temp_dir.hpp"

namespace vorrin::test {
namespace {

constexpr WindowsTime kTicksTo1970 = 116'444'736'000'000'000;
constexpr WindowsTime kTicksPerSecond = 10'000'000;

// Read with stat(1) as "seconds.nanoseconds" since 1970; times before 1970 are not asked.
WindowsTime LastAccessOf(const std::filesystem::path& path) {
  const TempDir io("vorrin-stat");
  const auto out = io.path() / "atime";
  const std::string command = "stat -c %.9X " + ShellQuote(path) + " >" + ShellQuote(out);
  if (std::system(command.c_str()) != 0) return 0;
  const std::string text = ReadFileBytes(out);
  const std::size_t point = text.find('.');
  const WindowsTime seconds = std::stoull(text.substr(0, point));
  const WindowsTime nanoseconds = std::stoull(text.substr(point + 1, 9));
  return kTicksTo1970 + seconds * kTicksPerSecond + nanoseconds / 100;
}

struct TimesCase {
  std::string name;
  FileTimes times;

  friend void PrintTo(const TimesCase& c, std::ostream* os) { *os << c.name; }
};

class StoredTimes : public ExpanderTest, public ::testing::WithParamInterface<TimesCase> {
protected:
  // Exactly the stored time; for 0, a time from the run itself. The file system's clock
  // may lag the system clock a little, hence the margin.
  static void ExpectTime(WindowsTime actual, WindowsTime stored, WindowsTime run_start, WindowsTime run_end,
                         const char* which) {
    if (stored != 0) {
      EXPECT_EQ(actual, stored) << which;
    } else {
      EXPECT_GE(actual, run_start - 2 * kTicksPerSecond) << which;
      EXPECT_LE(actual, run_end + 2 * kTicksPerSecond) << which;
    }
  }
};

TEST_P(StoredTimes, AreTheTimesOfTheWrittenFiles) {
  const FileTimes& times = GetParam().times;
  // An empty file, a small one, and one written in several pieces: the times are set
  // after the last write.
  const std::vector<std::uint8_t> big = SampleBinary(100000, 3);
  const std::vector<std::string> names = {"empty.txt", "small.txt", "d/big.bin"};
  SfxPlan plan;
  plan.body = ArchiveBody()
                  .FileRecord("empty.txt", times, 0)
                  .Member("small.txt", times, "small")
                  .Member("d\\big.bin", times, std::string(big.begin(), big.end()))
                  .bytes();
  WriteSfx(plan);
  const WindowsTime start = WindowsTimeNow();
  const RunResult run = Run("\r\n");
  const WindowsTime end = WindowsTimeNow();
  ExpectRun(run, kBanner + ExpandingLine("empty.txt") + ExpandingLine("small.txt") + ExpandingLine("d\\big.bin"),
            0);
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    // Before anything reads the file, which may move its last-access time.
    ExpectTime(LastAccessOf(Dir() / name), times.last_access, start, end, "last access");
    ExpectTime(LastWriteOf(Dir() / name), times.last_write, start, end, "last write");
  }
  EXPECT_EQ(ReadFileBytes(Dir() / "d/big.bin"), std::string(big.begin(), big.end()));
}

// Creation, last access, last write.
INSTANTIATE_TEST_SUITE_P(
    Stored, StoredTimes,
    ::testing::Values(TimesCase{"Year2020WithFractions", kTimes},
                      TimesCase{"Year1980", {119600064000000001, 119600064000000002, 119600064000000003}},
                      TimesCase{"Year2200LastTickOfASecond",
                                {189025920009999999, 189025920019999999, 189025920029999999}},
                      TimesCase{"LastWriteBefore1970", {113288544000000000, 132223104000000000, 113288544012345678}}),
    [](const auto& test) { return test.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Zero, StoredTimes,
    ::testing::Values(TimesCase{"CreationLeftAlone", {0, kTimes.last_access, kTimes.last_write}},
                      TimesCase{"LastAccessLeftAlone", {kTimes.creation, 0, kTimes.last_write}},
                      TimesCase{"LastWriteLeftAlone", {kTimes.creation, kTimes.last_access, 0}},
                      TimesCase{"AllLeftAlone", {0, 0, 0}}),
    [](const auto& test) { return test.param.name; });

} // namespace
} // namespace vorrin::test
