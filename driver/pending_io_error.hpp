// One error code per process: a failing file or console operation stores its code here and
// carries on; the check that follows the operation takes the code and clears it.
#pragma once

#include <cstdint>

namespace vorrin {

// The expander's own codes, beside the system's. Only zero or not zero matters.
enum OwnIoError : std::int32_t {
  kWriteShort = 101,       // a write moved fewer bytes than asked
  kFileNotOpen = 103,
  kInputNotOpen = 104,
  kOutputNotOpen = 105,
  kPathTooLong = 106,      // a path the system cannot take whole; never cut short
};

void SetPendingIoError(std::int32_t code);
// Returns the pending code and clears it.
std::int32_t TakePendingIoError();

} // namespace vorrin
