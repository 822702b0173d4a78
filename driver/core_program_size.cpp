#include "driver/core_program_size.hpp"

namespace vorrin {

// Filled in after linking by cmake/stamp_core_size.py: a tag, then the file's length,
// little-endian. volatile keeps the compiler from folding the placeholder zeros.
extern "C" volatile const unsigned char kVorrinCoreLength[16] = {
    '<', 'V', 'o', 'r', 'r', 'i', 'n', 'C', 'o', 'r', 'e', '>', 0, 0, 0, 0};

std::int32_t CoreProgramSize() {
  std::uint32_t value = 0;
  for (int i = 15; i >= 12; --i) value = (value << 8) | kVorrinCoreLength[i];
  return static_cast<std::int32_t>(value);
}

} // namespace vorrin
