#include "tests/support/temp_dir.hpp"

#include <atomic>
#include <chrono>
#include <random>
#include <system_error>

namespace vorrin::test {

TempDir::TempDir(const std::string& tag) {
  static std::atomic<unsigned> counter{0};
  std::random_device rd;
  const auto base = std::filesystem::temp_directory_path();
  for (;;) {
    auto candidate = base / (tag + "-" + std::to_string(rd()) + "-" + std::to_string(counter++));
    std::error_code ec;
    if (std::filesystem::create_directory(candidate, ec)) {
      path_ = candidate;
      return;
    }
  }
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

} // namespace vorrin::test
