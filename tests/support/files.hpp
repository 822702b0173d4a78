// Whole files as bytes, and quoting for the shell commands the tests run.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace vorrin::test {

// The file's bytes; throws std::runtime_error when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& path);
// Creates or replaces the file; throws std::runtime_error when it cannot be written.
void WriteFileBytes(const std::filesystem::path& path, std::string_view bytes);
void WriteFileBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// One word for /bin/sh, whatever the path holds: 'path' with every ' written as '\''.
std::string ShellQuote(const std::filesystem::path& path);

} // namespace vorrin::test
