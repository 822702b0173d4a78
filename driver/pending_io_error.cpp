#include "driver/pending_io_error.hpp"

namespace vorrin {
namespace {
std::int32_t pending = 0;
} // namespace

void SetPendingIoError(std::int32_t code) {
  if (code != 0) pending = code;
}

std::int32_t TakePendingIoError() {
  const std::int32_t code = pending;
  pending = 0;
  return code;
}

} // namespace vorrin
