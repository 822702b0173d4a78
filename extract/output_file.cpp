#include "extract/output_file.hpp"

#include "decode/member_decoder.hpp"
#include "driver/console.hpp"
#include "driver/pending_io_error.hpp"
#include "driver/run_state.hpp"
#include "driver/stops.hpp"
#include "extract/folders.hpp"
#include "platform/platform.hpp"

namespace vorrin {

bool AskOverwrite(const std::string& name) {
  if (platform::LookUp(name.c_str()) == platform::EntryKind::Missing) return false;
  console::Write(name);
  console::Write(" already exists. Overwrite? (Y/N) : ");
  console::Write(console::kBell);
  console::Flush();
  for (;;) {
    const char answer = console::ReadChar();
    console::SkipLine();
    // No answer can come once input has ended: keep the existing file.
    if (answer == console::kEndOfInputMark) return true;
    if (answer == 'Y' || answer == 'y') return false;
    if (answer == 'N' || answer == 'n') return true;
  }
}

void AnnounceMember(const std::string& name, bool skip) {
  if (skip) {
    console::Write("skipping : ");
    console::Write(name);
    console::WriteLine();
    return;
  }
  console::Write("expanding : ");
  console::Write(name);
  console::Write(" ... ");
  console::Flush();
}

namespace {

constexpr std::size_t kTemporaryNameLength = 11; // ~vxNNNN.tmp

// A name beside the target that nothing uses yet. Where the target's folder leaves no room
// for it within the longest path, it goes to the nearest folder above that does; a target
// that fits always leaves room in the current folder.
std::string TemporaryBeside(const std::string& name) {
  std::string folder = FolderPart(name);
  while (folder.size() + kTemporaryNameLength > platform::LongestPath())
    folder = FolderPart(folder.substr(0, folder.size() - 1));
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (unsigned n = 0; n <= 0xFFFFu; ++n) {
    std::string candidate = folder + "~vx";
    for (int shift = 12; shift >= 0; shift -= 4) candidate += kHex[(n >> shift) & 0xFu];
    candidate += ".tmp";
    if (platform::LookUp(candidate.c_str()) == platform::EntryKind::Missing) return candidate;
  }
  return {}; // every name taken: creating the empty name fails, as a write error
}

[[noreturn]] void DiscardAndStop() {
  RunState& run = Run();
  run.output_file.Delete();
  TakePendingIoError();
  WriteErrorStop();
}

} // namespace

void RefuseUnwritableName(const std::string& name) {
  if (name.empty() || name.size() > platform::LongestPath()) WriteErrorStop();
}

void OpenOutputFile(const std::string& name) {
  RunState& run = Run();
  run.output_file.Create(TemporaryBeside(name));
  if (TakePendingIoError() != 0) WriteErrorStop();
}

void FinishOutputFile(const std::string& name, const FileTimes& times, MemberDecoder& decoder) {
  RunState& run = Run();
  decoder.FinalFlush();
  // The times are set after the last write, so nothing changes them afterwards.
  if (platform::SetFileTimes(run.output_file.handle(), times.creation, times.last_access,
                             times.last_write) != 0)
    WriteErrorStop();
  run.output_file.Close();
  if (TakePendingIoError() != 0) DiscardAndStop();
  if (platform::ReplaceFile(run.output_file.path().c_str(), name.c_str()) != 0) DiscardAndStop();
  console::Write("end.");
  console::WriteLine();
}

} // namespace vorrin
