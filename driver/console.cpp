#include "driver/console.hpp"

#include <cstdint>

#include "driver/pending_io_error.hpp"
#include "platform/platform.hpp"

namespace vorrin::console {
namespace {

constexpr std::uint32_t kBufferSize = 128;

struct Output {
  bool open = false;
  bool character_device = false;
  platform::Handle handle = platform::kNoHandle;
  std::uint32_t count = 0;
  char buffer[kBufferSize];
} out;

struct Input {
  bool open = false;
  platform::Handle handle = platform::kNoHandle;
  std::uint32_t position = 0;
  std::uint32_t count = 0;
  char buffer[kBufferSize];
} in;

// Opened on first use; a failed opening is tried again next time.
bool OpenOutput() {
  if (out.open) return true;
  out.handle = platform::StandardStream(platform::StdStream::Output);
  const auto kind = out.handle == platform::kNoHandle ? platform::HandleKind::Unknown
                                                      : platform::KindOf(out.handle);
  if (kind == platform::HandleKind::Unknown) {
    SetPendingIoError(kOutputNotOpen);
    return false;
  }
  out.character_device = kind == platform::HandleKind::CharacterDevice;
  out.open = true;
  return true;
}

void WriteBuffer() {
  if (out.count == 0) return;
  std::uint32_t done = 0;
  const auto error = platform::Write(out.handle, out.buffer, out.count, done);
  SetPendingIoError(error != 0 ? error : (done != out.count ? kWriteShort : 0));
  out.count = 0;
}

bool OpenInput() {
  if (in.open) return true;
  in.handle = platform::StandardStream(platform::StdStream::Input);
  if (in.handle == platform::kNoHandle) {
    SetPendingIoError(kInputNotOpen);
    return false;
  }
  in.open = true;
  return true;
}

// The next byte without consuming it; refills the buffer when it is used up.
char Peek() {
  if (in.position < in.count) return in.buffer[in.position];
  if (!OpenInput()) return kEndOfInputMark;
  std::uint32_t got = 0;
  const auto error = platform::Read(in.handle, in.buffer, kBufferSize, got);
  if (error != 0) {
    SetPendingIoError(error);
    return kEndOfInputMark;
  }
  in.position = 0;
  in.count = got;
  if (got == 0) { // end of input: the mark stays for every later read
    in.buffer[0] = kEndOfInputMark;
    in.count = 1;
  }
  return in.buffer[0];
}

void Consume(char byte) {
  if (byte != kEndOfInputMark && in.position < in.count) ++in.position;
}

} // namespace

void Write(std::string_view text) {
  if (!OpenOutput()) return;
  for (char c : text) {
    out.buffer[out.count++] = c;
    if (out.count == kBufferSize) WriteBuffer();
  }
}

void Write(char byte) { Write(std::string_view(&byte, 1)); }

void WriteLine() {
  Write("\r\n");
  Flush();
}

void Flush() {
  if (out.open && out.character_device) WriteBuffer();
}

char ReadChar() {
  const char byte = Peek();
  Consume(byte);
  return byte;
}

std::string ReadText() {
  std::string text;
  for (char c = Peek(); c != '\r' && c != kEndOfInputMark; c = Peek()) {
    text.push_back(c);
    Consume(c);
  }
  return text;
}

void SkipLine() {
  char c;
  do {
    c = ReadChar();
  } while (c != '\r' && c != kEndOfInputMark);
  if (c == '\r' && Peek() == '\n') Consume('\n');
}

void WriteOutPending() {
  if (out.open) WriteBuffer();
}

} // namespace vorrin::console
