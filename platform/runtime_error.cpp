// "Runtime error <number> at <place>": built on the stack and written with one platform
// call, because it may run in a signal handler where the heap and stdio are off limits.
#include "platform/runtime_error.hpp"

#include <cstddef>
#include <cstdint>

#include "platform/platform.hpp"

namespace platform {
namespace {

class LineBuilder {
public:
  void Append(const char* text) {
    while (*text != 0 && length_ < sizeof(text_)) text_[length_++] = *text++;
  }

  void AppendDecimal(int number) {
    // Exit codes are small, but a negative number must not overflow the digits either.
    std::uint32_t magnitude = number < 0 ? 0u - static_cast<std::uint32_t>(number) : static_cast<std::uint32_t>(number);
    if (number < 0) Append("-");
    char digits[10];
    std::size_t count = 0;
    do {
      digits[count++] = static_cast<char>('0' + magnitude % 10);
      magnitude /= 10;
    } while (magnitude != 0);
    while (count > 0 && length_ < sizeof(text_)) text_[length_++] = digits[--count];
  }

  void AppendHex32(std::uint32_t value) {
    for (int shift = 28; shift >= 0 && length_ < sizeof(text_); shift -= 4)
      text_[length_++] = "0123456789ABCDEF"[(value >> shift) & 0xF];
  }

  void WriteTo(Handle handle) const {
    std::uint32_t written = 0;
    while (written < length_) {
      std::uint32_t done = 0;
      if (Write(handle, text_ + written, static_cast<std::uint32_t>(length_) - written, done) != 0 || done == 0)
        return; // nowhere to report to; the exit code still tells
      written += done;
    }
  }

private:
  char text_[64] = {};
  std::size_t length_ = 0;
};

} // namespace

void ReportRuntimeError(int number, std::uintptr_t place) {
  RunBeforeExit();
  LineBuilder line;
  line.Append("Runtime error ");
  line.AppendDecimal(number);
  line.Append(" at ");
  line.AppendHex32(static_cast<std::uint32_t>(place & 0xFFFFFFFFu));
  line.Append("\r\n");
  const Handle output = StandardStream(StdStream::Output);
  if (output != kNoHandle) line.WriteTo(output);
  EndProcess(number); // the callback has run already, so it is not run twice
}

} // namespace platform
