#include "tests/support/wine_prefix.hpp"

#include <cstdlib>
#include <stdexcept>

#include "tests/support/files.hpp"

namespace vorrin::test {

WinePrefix& WinePrefix::Shared() {
  static WinePrefix prefix;
  return prefix;
}

// Wine keeps its server's lock folder under TMPDIR; inside the run's folder it goes with it.
std::string WinePrefix::EnvironmentFor(const std::filesystem::path& folder) const {
  return "env -u DISPLAY -u WAYLAND_DISPLAY WINEDEBUG=-all WINEPREFIX=" + ShellQuote(folder / "prefix") +
         " TMPDIR=" + ShellQuote(folder / "tmp") + " WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d' ";
}

std::string WinePrefix::Environment() {
  if (!folder_) {
    auto folder = std::make_unique<TempDir>("vorrin-wine");
    const auto log = folder->path() / "wineboot.log";
    std::filesystem::create_directory(folder->path() / "prefix");
    std::filesystem::create_directory(folder->path() / "tmp");
    // Every stream goes to a file: wine's background processes must not hold on to the
    // test program's own output, or ctest would wait for them.
    const std::string boot = EnvironmentFor(folder->path()) + kWineLoader + " wineboot --init </dev/null >" +
                             ShellQuote(log) + " 2>&1";
    if (std::system(boot.c_str()) != 0)
      throw std::runtime_error("wine prefix could not be made; see " + log.string() + ":\n" +
                               ReadFileBytes(log));
    folder_ = std::move(folder);
  }
  return EnvironmentFor(folder_->path());
}

void WinePrefix::ShutDown() {
  if (!folder_) return;
  const std::string server = EnvironmentFor(folder_->path()) + kWineServer;
  std::system((server + " -k </dev/null >/dev/null 2>&1; " + server + " -w </dev/null >/dev/null 2>&1").c_str());
  folder_.reset(); // removes the folder; its links to drives are removed, never followed
}

} // namespace vorrin::test
