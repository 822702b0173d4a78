#include "tests/support/file_text.hpp"

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

namespace vorrin::test {

std::string ReadFileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFileText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string AwaitFileLine(const std::filesystem::path& path) {
  for (int tries = 0; tries < 250; ++tries) {
    if (std::filesystem::exists(path)) {
      const std::string text = ReadFileText(path);
      if (!text.empty() && text.back() == '\n') return text;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return "(nothing arrived)";
}

} // namespace vorrin::test
