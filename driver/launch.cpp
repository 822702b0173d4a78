#include "driver/launch.hpp"

#include "driver/console.hpp"
#include "driver/run_state.hpp"
#include "platform/platform.hpp"

namespace vorrin {

void LaunchAfterExtraction() {
  const std::string& name = Run().launch_name;
  if (name.empty()) return;
  if (platform::ShellOpen(name.c_str()) > 32) return;
  console::Write("Couldn't run ");
  console::Write(name);
  console::Write(console::kBell);
  console::WriteLine();
}

} // namespace vorrin
