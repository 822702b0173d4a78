// A program that faults on request, so the runtime-error report can be checked from the
// outside, natively and under wine. Its `before_exit` writes "pending", standing in for
// the console output a real run still holds when the fault strikes.
//
//   fault_probe segv    write through a null pointer             -> 216
//   fault_probe divide  integer division by zero                 -> 200
//   fault_probe stack   endless recursion                        -> 216 (POSIX), 202 (Win32)
//   fault_probe oom     ever larger blocks with new until none   -> 203
//   fault_probe pipe    write to standard output until it fails  -> the write's error code
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

#include "platform/platform.hpp"

namespace {

void WriteToOutput(const char* text, std::uint32_t length, platform::ErrorCode& error) {
  std::uint32_t done = 0;
  error = platform::Write(platform::StandardStream(platform::StdStream::Output), text, length, done);
}

void WritePending() {
  platform::ErrorCode ignored;
  WriteToOutput("pending", 7, ignored);
}

// The sanitizers would catch these before the system does; the system's report is the point.
[[gnu::no_sanitize("undefined")]] void WriteThroughNull() {
  // Both volatile: the optimizer drops a plain store to a pointer it cannot know.
  volatile int* volatile target = nullptr;
  *target = 1;
}

[[gnu::no_sanitize("undefined")]] int DivideByZero() {
  // Both volatile: 1 / x alone is folded into a comparison, with no division left.
  volatile int one = 1, zero = 0;
  return one / zero;
}

volatile bool keep_descending = true;
int Descend(int depth) {
  volatile char frame[1024];
  frame[0] = static_cast<char>(depth);
  if (!keep_descending) return 0;
  return Descend(depth + 1) + frame[0];
}

char* volatile last_block;
void ExhaustMemory() {
  std::size_t size = std::size_t{1} << 20;
  for (;;) {
    last_block = new char[size]; // kept, so the allocation cannot be left out
    if (size <= std::numeric_limits<std::size_t>::max() / 2) size *= 2;
  }
}

int WriteUntilRefused() {
  static const char block[4096] = {};
  for (int round = 0; round < 1 << 18; ++round) {
    platform::ErrorCode error = 0;
    WriteToOutput(block, sizeof block, error);
    if (error != 0) return error;
  }
  return 1;
}

} // namespace

int main(int argc, char** argv) {
  platform::StartUp(WritePending);
  const char* mode = argc > 1 ? argv[1] : "";
  if (std::strcmp(mode, "segv") == 0) WriteThroughNull();
  if (std::strcmp(mode, "divide") == 0) return DivideByZero();
  if (std::strcmp(mode, "stack") == 0) return Descend(argc);
  if (std::strcmp(mode, "oom") == 0) ExhaustMemory();
  if (std::strcmp(mode, "pipe") == 0) platform::EndProcess(WriteUntilRefused());
  return 1; // no such mode, or the fault did not happen
}
