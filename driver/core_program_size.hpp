#pragma once
#include <cstdint>

namespace vorrin {

// The exact length of this program's executable without an archive; the archive starts here.
std::int32_t CoreProgramSize();

} // namespace vorrin
