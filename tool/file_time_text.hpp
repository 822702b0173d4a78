// Windows file times (100-nanosecond intervals since 1601-01-01 UTC) as text, in UTC.
#pragma once

#include <cstdint>
#include <string>

namespace vorrin {

// "2024-05-01 12:34:56"
std::string FileTimeText(std::uint64_t file_time);
// "2024-05-01T12:34:56.1234567Z", exact to the tick.
std::string FileTimeIso(std::uint64_t file_time);

} // namespace vorrin
