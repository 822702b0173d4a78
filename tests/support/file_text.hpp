// Whole files as byte strings, for setting up and checking what a test touched.
#pragma once

#include <filesystem>
#include <string>

namespace vorrin::test {

std::string ReadFileText(const std::filesystem::path& path);
void WriteFileText(const std::filesystem::path& path, const std::string& text);

// Waits, a few seconds at most, for another process to leave a file that ends in a line
// end; returns its text, or "(nothing arrived)". Not a timing test: only a bounded wait.
std::string AwaitFileLine(const std::filesystem::path& path);

} // namespace vorrin::test
