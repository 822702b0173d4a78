// Where bytes go: the blocks of an archive being written, or a member's decoded contents.
// A sink that cannot write ends the run (or throws) itself, so a call that returns has
// written everything.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vorrin {

class ByteSink {
public:
  virtual void Write(const std::uint8_t* data, std::size_t count) = 0;

protected:
  ~ByteSink() = default;
};

} // namespace vorrin
