// Base fixture of the process tests: every test gets a fresh folder, puts its
// self-extracting file there as sfx.exe, runs it with the runner chosen for this run of
// the test program (native, or wine64), and looks at the console bytes, the exit code and
// the files left in the folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/process_runner.hpp"
#include "tests/support/sfx_builder.hpp"
#include "tests/support/temp_dir.hpp"

namespace vorrin::test {

struct ProcessTestSetup {
  RunnerKind runner = RunnerKind::Native;
  std::filesystem::path expander; // the built expander: the stub of every sfx.exe
};

// Given once by the test program's main, from its command line, before the tests run.
void UseProcessTestSetup(const ProcessTestSetup& setup);

class ExpanderTest : public ::testing::Test {
protected:
  void SetUp() override;

  const std::filesystem::path& Dir() const { return dir_->path(); }
  std::filesystem::path SfxPath() const { return Dir() / "sfx.exe"; }
  static RunnerKind Runner();
  // The built expander under test; its build's other programs stand beside it.
  static const std::filesystem::path& ExpanderPath();

  // The expander's own bytes: by themselves they are a bare core program.
  static const std::vector<std::uint8_t>& Core();

  void WriteSfx(std::span<const std::uint8_t> bytes);
  // Builds the file around the expander's bytes, writes it and returns its layout.
  SfxFile WriteSfx(const SfxPlan& plan);

  // Runs sfx.exe in the folder.
  RunResult Run(const StandardInput& input);
  // Runs sfx.exe with another folder (inside the test's folder) as its current directory.
  RunResult RunIn(const std::filesystem::path& working_dir, const StandardInput& input);
  // The console bytes and the exit code, with standard error shown on a mismatch.
  static void ExpectRun(const RunResult& result, const std::string& out, int exit_code);

  // The names the run left in the folder, sorted, sfx.exe not counted.
  std::vector<std::string> Leftovers() const;

private:
  std::unique_ptr<TempDir> dir_;
};

} // namespace vorrin::test
