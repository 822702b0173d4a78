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
