#include "driver/password_prompt.hpp"

#include <span>

#include "container/crc16.hpp"
#include "driver/console.hpp"
#include "driver/run_state.hpp"
#include "driver/stops.hpp"

namespace vorrin {

void AskPassword() {
  RunState& run = Run();
  for (int attempt = 1; attempt <= 3; ++attempt) {
    console::Write("Password : ");
    console::Flush();
    std::string line = console::ReadText();
    console::SkipLine();
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(line.data());
    // An empty line cannot decipher anything, so it is refused like a wrong one.
    if (!line.empty() && Crc16Umts(bytes, line.size()) == run.password_record.check_word) {
      run.password = std::move(line);
      run.stream.SetKey(std::span(reinterpret_cast<const std::uint8_t*>(run.password.data()),
                                  run.password.size()));
      return;
    }
  }
  EndRun(1);
}

} // namespace vorrin
