#include "driver/run_sequence.hpp"

#include "driver/banner.hpp"
#include "driver/console.hpp"
#include "driver/core_program_size.hpp"
#include "driver/launch.hpp"
#include "driver/password_prompt.hpp"
#include "driver/pending_io_error.hpp"
#include "driver/preamble_dialogue.hpp"
#include "driver/run_state.hpp"
#include "driver/stops.hpp"
#include "extract/extract_members.hpp"
#include "platform/platform.hpp"

namespace vorrin {
namespace {

void ShowBanner() {
  console::Write("*** ");
  console::Write(kBannerName);
  console::Write(" ***  ");
  console::Write(kBannerAttribution);
  console::WriteLine();
}

// The own executable, read-only; only the first 259 characters of its path are used.
void OpenArchiveFile() {
  char path[261] = {};
  platform::OwnExecutablePath(path, sizeof path);
  path[259] = '\0';
  Run().archive_file.OpenForReading(path);
  if (TakePendingIoError() != 0) ReadErrorStop();
}

void RefuseCoreProgram() {
  RunState& run = Run();
  if (run.archive_file.Length() != CoreProgramSize()) return;
  console::Write("This is core program.");
  console::Write(console::kBell);
  console::WriteLine();
  run.archive_file.Close();
  EndRun(1);
}

} // namespace

void RunExpander() {
  RunState& run = Run();
  ShowBanner();
  OpenArchiveFile();
  RefuseCoreProgram();
  CheckTotalSize();
  ShowComment();
  run.launch_name = ReadRawString(run.source, run.faults);
  run.password_record = ReadPasswordRecord(run.source, run.faults);
  if (run.password_record.enciphered) AskPassword();
  ExtractMembers();
  LaunchAfterExtraction();
  EndRun(0);
}

} // namespace vorrin
