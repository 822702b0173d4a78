// Every way the expander ends. Pending console output is always written out first.
#pragma once

namespace vorrin {

[[noreturn]] void EndRun(int exit_code);
// Closes the archive, closes and deletes an output file still open, waits for Enter, exit 2.
[[noreturn]] void FatalStop();
// "File read error." as a line, then FatalStop.
[[noreturn]] void ReadErrorStop();
// "File write error." as a line, then FatalStop.
[[noreturn]] void WriteErrorStop();
// "This file is broken." as a line, then FatalStop.
[[noreturn]] void BrokenFileStop();

} // namespace vorrin
