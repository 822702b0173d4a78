// What the archive tool needs from the system beyond the standard library: terminals,
// the locale's character set and conversions between character sets, file times,
// password input without echo, and clean-up when a signal ends the tool. Built for the
// native tool only (platform/tool/).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The running tool's own executable; empty when it cannot be told.
std::string ToolExecutablePath();

// --- Terminals -----------------------------------------------------------------------------
enum class ToolStream { Input, Output, Error };
bool IsTerminal(ToolStream stream);
// Columns of the terminal on standard error; 0 when it cannot be told.
int TerminalColumns();

// Reads one line from the terminal with echo off, after writing `prompt` to standard
// error. The line end is not part of the result. Nothing when no terminal can be read.
std::optional<std::string> ReadSecretLine(const std::string& prompt);

// --- Character sets ------------------------------------------------------------------------
// The character set of the user's locale, as the C library names it ("UTF-8",
// "ANSI_X3.4-1968", "ISO-8859-1" ...). Takes the locale from the environment once.
std::string LocaleCodeset();

enum class ConvertResult { Done, Unrepresentable, UnknownCharset };
// Converts `text` from one character set to another, refusing whatever the target cannot
// hold and whatever is not valid in the source; no transliteration.
ConvertResult ConvertCharset(std::string_view text, const std::string& from, const std::string& to,
                             std::string& out);

// --- File times ----------------------------------------------------------------------------
// Windows file times: 100-nanosecond intervals since 1601-01-01 UTC.
struct FileStamps {
  std::uint64_t creation = 0; // the birth time, or the last-write time where none is kept
  std::uint64_t last_access = 0;
  std::uint64_t last_write = 0;
};

// 0 on success, else the system's error number. Symbolic links are followed.
int ReadFileStamps(const char* path, FileStamps& out);
// Sets last-access and last-write; a 0 leaves that time as it is. The system keeps the
// creation time itself, so it is not set here.
int WriteFileStamps(const char* path, std::uint64_t last_access, std::uint64_t last_write);

// --- Interruption --------------------------------------------------------------------------
// Keeps `path` (absolute) to be removed when an interrupt, a hang-up or a termination
// request ends the tool; the signal then ends the tool as it would have. Signals that are
// ignored when the tool starts stay ignored. Returns a token for ForgetOnInterrupt, or -1
// when the path is too long or too many are kept already (then it is not removed).
int RemoveOnInterrupt(const std::string& path);
void ForgetOnInterrupt(int token);

} // namespace platform
