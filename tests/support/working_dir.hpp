// A fresh temporary folder that is the current directory for as long as the object lives,
// so relative names in a test land inside it.
#pragma once

#include <filesystem>
#include <string>

#include "tests/support/temp_dir.hpp"

namespace vorrin::test {

class WorkingDir {
public:
  explicit WorkingDir(const std::string& tag = "vorrin");
  ~WorkingDir();
  WorkingDir(const WorkingDir&) = delete;
  WorkingDir& operator=(const WorkingDir&) = delete;
  const std::filesystem::path& path() const { return dir_.path(); }

private:
  TempDir dir_;
  std::filesystem::path previous_;
};

} // namespace vorrin::test
