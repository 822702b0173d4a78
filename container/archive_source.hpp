// Where the archive's bytes come from: the expander's own executable, or a file the
// archive tool opened. Reads run strictly forward.
#pragma once

#include <cstdint>

namespace vorrin {

class ArchiveSource {
public:
  // Up to `count` bytes into `buffer`; `got` is how many arrived, fewer only at the end.
  // False when the system refused the read.
  virtual bool Read(std::uint8_t* buffer, std::uint32_t count, std::uint32_t& got) = 0;
  // True when the read position is at or past the end (and when that cannot be told).
  virtual bool AtEnd() = 0;

protected:
  ~ArchiveSource() = default;
};

} // namespace vorrin
