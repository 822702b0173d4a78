// Where a member's decoded bytes go. The expander's sink writes to the output file and
// ends the run itself when a write fails, so a call that returns has written everything.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vorrin {

class ChunkSink {
public:
  virtual void Write(const std::uint8_t* data, std::size_t count) = 0;

protected:
  ~ChunkSink() = default;
};

} // namespace vorrin
