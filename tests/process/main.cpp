// The process tests' own main. One run of this program tests one expander with one runner:
//   --runner=native|wine64 --expander=PATH
// and the build checks take the built expanders they look at:
//   --stamped=PATH (any expander)  --win32-expander=PATH  --win64-expander=PATH
// A named expander that does not exist fails the run: a missing build is never skipped.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>

#include "tests/process/build_check_list.hpp"
#include "tests/support/expander_test.hpp"
#include "tests/support/wine_prefix.hpp"

namespace {

bool TakeValue(std::string_view arg, std::string_view name, std::filesystem::path& out) {
  if (!arg.starts_with(name)) return false;
  out = std::string(arg.substr(name.size()));
  return true;
}

} // namespace

int main(int argc, char** argv) {
  using namespace vorrin::test;
  ::testing::InitGoogleTest(&argc, argv);

  std::optional<RunnerKind> runner;
  std::filesystem::path expander;
  std::vector<std::filesystem::path> named;
  BuildCheckList& checks = SharedBuildCheckList();
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    std::filesystem::path path;
    if (arg.starts_with("--runner=")) {
      runner = ParseRunnerKind(arg.substr(9));
      if (!runner) {
        std::cerr << "unknown runner: " << arg << "\n";
        return 2;
      }
    } else if (TakeValue(arg, "--expander=", path)) {
      expander = path;
      named.push_back(path);
    } else if (TakeValue(arg, "--stamped=", path)) {
      checks.stamped.push_back(path);
      named.push_back(path);
    } else if (TakeValue(arg, "--win32-expander=", path)) {
      checks.windows.push_back({path, WindowsMachine::I386});
      named.push_back(path);
    } else if (TakeValue(arg, "--win64-expander=", path)) {
      checks.windows.push_back({path, WindowsMachine::Amd64});
      named.push_back(path);
    } else {
      std::cerr << "unknown argument: " << arg << "\n";
      return 2;
    }
  }
  for (const auto& path : named) {
    if (!std::filesystem::is_regular_file(path)) {
      std::cerr << "expander not found (build it first): " << path << "\n";
      return 1;
    }
  }
  if (runner.has_value() != !expander.empty()) {
    std::cerr << "--runner and --expander go together\n";
    return 2;
  }
  if (runner) UseProcessTestSetup({*runner, expander});

  ::testing::AddGlobalTestEnvironment(new WinePrefixEnvironment);
  return RUN_ALL_TESTS();
}
