#include "tool/length_record.hpp"

#include <algorithm>

namespace vorrin {

std::optional<LengthRecord> FindLengthRecord(std::span<const std::uint8_t> bytes,
                                             std::size_t from) {
  if (bytes.size() < kLengthRecordSize || from > bytes.size() - kLengthRecordSize)
    return std::nullopt;
  const auto end = bytes.end() - static_cast<std::ptrdiff_t>(kLengthRecordSize - kLengthRecordTag.size());
  const auto at = std::search(bytes.begin() + static_cast<std::ptrdiff_t>(from), end,
                              kLengthRecordTag.begin(), kLengthRecordTag.end(),
                              [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); });
  if (at == end) return std::nullopt;
  const auto position = static_cast<std::size_t>(at - bytes.begin());
  const std::uint8_t* v = bytes.data() + position + kLengthRecordTag.size();
  const std::uint32_t length = v[0] | (v[1] << 8) | (v[2] << 16) | (std::uint32_t{v[3]} << 24);
  return LengthRecord{position, length};
}

} // namespace vorrin
