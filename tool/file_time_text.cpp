#include "tool/file_time_text.hpp"

#include <chrono>
#include <cstdio>

namespace vorrin {
namespace {

constexpr std::uint64_t kTicksPerSecond = 10000000;
constexpr std::uint64_t kTicksPerDay = kTicksPerSecond * 86400;
constexpr int kDaysFrom1601To1970 = 134774;

struct Parts {
  int year;
  unsigned month, day, hour, minute, second;
  std::uint64_t ticks; // below one second
};

Parts Split(std::uint64_t file_time) {
  using namespace std::chrono;
  const auto day_number = static_cast<int>(file_time / kTicksPerDay) - kDaysFrom1601To1970;
  const year_month_day date{sys_days{days{day_number}}};
  const std::uint64_t in_day = file_time % kTicksPerDay;
  const auto seconds = static_cast<unsigned>(in_day / kTicksPerSecond);
  return {static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
          static_cast<unsigned>(date.day()), seconds / 3600, seconds / 60 % 60, seconds % 60,
          in_day % kTicksPerSecond};
}

} // namespace

std::string FileTimeText(std::uint64_t file_time) {
  const Parts p = Split(file_time);
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u %02u:%02u:%02u", p.year, p.month, p.day, p.hour,
                p.minute, p.second);
  return text;
}

std::string FileTimeIso(std::uint64_t file_time) {
  const Parts p = Split(file_time);
  char text[48];
  std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02u:%02u:%02u.%07lluZ", p.year, p.month, p.day,
                p.hour, p.minute, p.second, static_cast<unsigned long long>(p.ticks));
  return text;
}

} // namespace vorrin
