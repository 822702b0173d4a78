#include "driver/stops.hpp"

#include "driver/console.hpp"
#include "driver/pending_io_error.hpp"
#include "driver/run_state.hpp"
#include "platform/platform.hpp"

namespace vorrin {

void EndRun(int exit_code) { platform::EndProcess(exit_code); }

void FatalStop() {
  RunState& run = Run();
  run.archive_file.Close();
  TakePendingIoError();
  // Only an output file that was still open and closed cleanly now is deleted: never one
  // that was not made in this run, nor one whose own close failed.
  run.output_file.Close();
  if (TakePendingIoError() == 0) {
    run.output_file.Delete();
    TakePendingIoError();
  }
  console::Write("Press Enter key.");
  console::Write(console::kBell);
  console::WriteLine();
  console::SkipLine();
  EndRun(2);
}

namespace {
[[noreturn]] void StopWith(const char* message) {
  console::Write(message);
  console::WriteLine();
  FatalStop();
}
} // namespace

void ReadErrorStop() { StopWith("File read error."); }
void WriteErrorStop() { StopWith("File write error."); }
void BrokenFileStop() { StopWith("This file is broken."); }

} // namespace vorrin
