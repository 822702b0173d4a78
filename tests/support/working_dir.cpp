#include "tests/support/working_dir.hpp"

#include <system_error>

namespace vorrin::test {

WorkingDir::WorkingDir(const std::string& tag) : dir_(tag), previous_(std::filesystem::current_path()) {
  std::filesystem::current_path(dir_.path());
}

WorkingDir::~WorkingDir() {
  std::error_code ignored;
  std::filesystem::current_path(previous_, ignored);
}

} // namespace vorrin::test
