// The one private wine prefix of a test program's run: made on first use (the slow first
// start of wine happens then, once), and shut down at the end of the run so that no wine
// process outlives it.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/temp_dir.hpp"

namespace vorrin::test {

inline constexpr const char* kWineLoader = "/usr/lib/wine/wine64";
inline constexpr const char* kWineServer = "/usr/lib/wine/wineserver";

class WinePrefix {
public:
  static WinePrefix& Shared();

  // The assignments that start wine in this prefix quietly: no window, no debug output, no
  // offer to install Mono or Gecko, no menu entries. Ends with a blank. Makes the prefix
  // on first use; throws std::runtime_error when that fails.
  std::string Environment();

  // Ends the prefix's wineserver and every wine process in it, waits for them, removes
  // the folder. Nothing to do when the prefix was never made.
  void ShutDown();

private:
  WinePrefix() = default;
  std::string EnvironmentFor(const std::filesystem::path& folder) const;

  std::unique_ptr<TempDir> folder_;
};

// Registered by the test program so that the prefix is shut down when the run ends.
class WinePrefixEnvironment : public ::testing::Environment {
public:
  void TearDown() override { WinePrefix::Shared().ShutDown(); }
};

} // namespace vorrin::test
