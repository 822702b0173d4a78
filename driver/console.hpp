// The console: standard output and input as plain byte streams with 128-byte buffers.
// Output reaches a terminal at every Flush; a file or pipe gets it only when the buffer is
// full and when the process ends. Input yields the EndOfInputMark (26) at its end and never
// consumes it, so every later read sees it again.
#pragma once

#include <string>
#include <string_view>

namespace vorrin::console {

inline constexpr char kEndOfInputMark = 26;
inline constexpr char kBell = 7;

void Write(std::string_view text);
void Write(char byte);
// CR LF, then Flush.
void WriteLine();
void Flush();

char ReadChar();
// The bytes up to the next CR or end of input; neither is consumed.
std::string ReadText();
// Discards input through the end of the current line (CR, then an LF right after it).
void SkipLine();

// Writes out whatever output is still buffered; called once as the process ends.
void WriteOutPending();

} // namespace vorrin::console
