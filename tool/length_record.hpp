// Every expander program carries its own length: the 12-byte tag "<VorrinCore>" followed
// by 4 bytes, little-endian. Its archive starts right after that many bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace vorrin {

inline constexpr std::string_view kLengthRecordTag = "<VorrinCore>";
inline constexpr std::size_t kLengthRecordSize = kLengthRecordTag.size() + 4;

// The length in the first record found at or after `from`, and where that record starts.
struct LengthRecord {
  std::size_t position = 0;
  std::uint32_t length = 0;
};
std::optional<LengthRecord> FindLengthRecord(std::span<const std::uint8_t> bytes,
                                             std::size_t from = 0);

} // namespace vorrin
