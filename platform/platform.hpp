// The expander's only door to the operating system. Two backends implement it:
// platform/win32 (the real Win32 API) and platform/posix (our own layer over POSIX).
// Nothing outside platform/ includes a system header.
//
// Every call that can fail returns an error code: 0 for success, otherwise the system's
// own error number (GetLastError or errno). The caller stores it in its pending error.
#pragma once

#include <cstdint>

namespace platform {

// An open file or standard stream, as the system knows it. kNoHandle is "not open".
using Handle = std::uintptr_t;
inline constexpr Handle kNoHandle = ~Handle{0};

using ErrorCode = std::int32_t;

// Windows file time: 100-nanosecond intervals since 1601-01-01 UTC. 0 means "leave as is".
using FileTime = std::uint64_t;

// Process start-up: console faults reported as text, safe DLL search (Win32), and so on.
// `before_exit` is called (from the fault path too) so pending console output is written.
void StartUp(void (*before_exit)());

// --- Standard streams -------------------------------------------------------------------
enum class StdStream { Input, Output };
// GetStdHandle. kNoHandle when the process has no such stream.
Handle StandardStream(StdStream stream);

enum class HandleKind { CharacterDevice, Other, Unknown };
// GetFileType: CharacterDevice for a console or terminal, Unknown when the system cannot tell.
HandleKind KindOf(Handle handle);

// --- Files -------------------------------------------------------------------------------
// Paths are byte strings in the system's ANSI code page with '\' separators; the POSIX
// backend maps '\' to '/'. Other processes may read and write every file we open.
ErrorCode OpenForReading(const char* path, Handle& out);   // OPEN_EXISTING, read only
ErrorCode CreateForWriting(const char* path, Handle& out); // CREATE_ALWAYS, read and write
ErrorCode SeekTo(Handle handle, std::int32_t position);     // from the start of the file
ErrorCode CurrentPosition(Handle handle, std::int64_t& position);
// Reads up to `count` bytes; `done` is what arrived (0 at the end of the file).
ErrorCode Read(Handle handle, void* buffer, std::uint32_t count, std::uint32_t& done);
// Writes up to `count` bytes; `done` is what was written.
ErrorCode Write(Handle handle, const void* buffer, std::uint32_t count, std::uint32_t& done);
ErrorCode FileLength(Handle handle, std::int64_t& length);
ErrorCode Close(Handle handle);
ErrorCode Delete(const char* path);
// Sets creation, last-access and last-write times; a 0 leaves that time unchanged.
// The POSIX backend cannot set a creation time and ignores it.
ErrorCode SetFileTimes(Handle handle, FileTime creation, FileTime last_access, FileTime last_write);
// Moves `from` over `to`, replacing an existing file `to` in one step. An existing `to`
// that may not be written is refused; under POSIX `from` takes over its permissions.
ErrorCode ReplaceFile(const char* from, const char* to);

// --- Names and folders -------------------------------------------------------------------
// GetModuleFileNameA(NULL, ...): the running program's own path, zero-terminated, cut to
// `capacity` - 1 bytes. Returns the length written, 0 on failure.
std::uint32_t OwnExecutablePath(char* buffer, std::uint32_t capacity);

enum class EntryKind { Missing, File, Folder };
// FindFirstFileA + FindClose: what, if anything, stands at `path`.
EntryKind LookUp(const char* path);

// CreateDirectoryA with no security attributes.
ErrorCode MakeFolder(const char* path);

// CharNextA: the start of the character after the one at `text` (stays on the terminating 0).
const char* NextChar(const char* text);

// The longest path, in bytes, the system can open whole. Longer names must fail, never be cut.
std::uint32_t LongestPath();

// --- Launch and exit ---------------------------------------------------------------------
// ShellExecuteA(NULL, NULL, file, NULL, NULL, SW_SHOWNORMAL): the value it returns,
// success when greater than 32. Never waits for what it started.
std::int32_t ShellOpen(const char* file);

// ExitProcess. Calls the `before_exit` given to StartUp first.
[[noreturn]] void EndProcess(int exit_code);

} // namespace platform
