#include "driver/preamble_dialogue.hpp"

#include "driver/console.hpp"
#include "driver/core_program_size.hpp"
#include "driver/pending_io_error.hpp"
#include "driver/run_state.hpp"
#include "driver/stops.hpp"
#include "platform/platform.hpp"

namespace vorrin {
namespace {

[[noreturn]] void RefuseLength(const char* message) {
  console::Write(message);
  console::Write(console::kBell);
  console::WriteLine();
  console::SkipLine();
  Run().archive_file.Close();
  TakePendingIoError();
  EndRun(1);
}

} // namespace

void CheckTotalSize() {
  RunState& run = Run();
  run.archive_file.SeekTo(CoreProgramSize());
  if (TakePendingIoError() != 0) ReadErrorStop();
  run.stored_total_size = ReadStoredTotalSize(run.source, run.faults);
  const std::int32_t length = run.archive_file.Length();
  if (length < run.stored_total_size)
    RefuseLength("This file is smaller than original file.  Cannot expand.  Press ENTER key.");
  if (length > run.stored_total_size)
    RefuseLength("This file is larger than original file.  This file might be infected with "
                 "virus.  Cannot expand.  Press ENTER key.");
}

void ShowComment() {
  RunState& run = Run();
  const std::string comment = ReadRawString(run.source, run.faults);
  if (comment.empty()) return;
  // One character at a time, so a double-byte character is never split.
  const char* at = comment.c_str();
  while (*at != '\0') {
    const char* next = platform::NextChar(at);
    console::Write(std::string_view(at, static_cast<std::size_t>(next - at)));
    console::Flush();
    at = next;
  }
  console::WriteLine();
}

} // namespace vorrin
