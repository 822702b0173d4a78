#include "extract/extract_members.hpp"

#include "container/member_record.hpp"
#include "container/safe_name.hpp"
#include "decode/member_decoder.hpp"
#include "driver/console.hpp"
#include "driver/pending_io_error.hpp"
#include "driver/run_state.hpp"
#include "driver/stops.hpp"
#include "extract/folders.hpp"
#include "extract/output_file.hpp"

namespace vorrin {
namespace {

// Writes decoded chunks to the output file; a failed or short write ends the run.
class OutputFileSink final : public ChunkSink {
public:
  void Write(const std::uint8_t* data, std::size_t count) override {
    Run().output_file.WriteExact(data, static_cast<std::uint32_t>(count));
    if (TakePendingIoError() != 0) WriteErrorStop();
  }
};

// A name that could lead outside the current folder ends the run before anything is done.
void RefuseUnsafeName(const std::string& name) {
  if (IsSafeMemberName(name)) return;
  console::Write("Unsafe name : ");
  console::Write(name);
  console::Write(console::kBell);
  console::WriteLine();
  EndRun(2);
}

} // namespace

void ExtractMembers() {
  RunState& run = Run();
  BlockStream& stream = run.stream;
  // Fixed-size state, set up once for the whole extraction. Made at run time so its
  // initial values do not take room in the program file.
  static MemberDecoder& decoder = *new MemberDecoder(stream, run.faults);
  static OutputFileSink sink;
  std::string previous;
  stream.ClearEndOfArchive();
  do {
    const std::string name = ReadMemberName(stream, previous);
    RefuseUnsafeName(name);
    if (IsFolderEntry(name)) {
      MakeFolders(name.substr(0, name.size() - 1));
      continue;
    }
    const MemberHeader header = ReadMemberHeader(stream);
    const bool skip = AskOverwrite(name);
    AnnounceMember(name, skip);
    if (!skip) RefuseUnwritableName(name);
    MakeFolders(FolderPart(name));
    if (!skip) OpenOutputFile(name);
    decoder.DecodeMember(header.size, skip ? nullptr : &sink);
    if (!skip) FinishOutputFile(name, header.times, decoder);
  } while (!stream.EndOfArchive());
  run.archive_file.Close();
  if (TakePendingIoError() != 0) ReadErrorStop();
}

} // namespace vorrin
