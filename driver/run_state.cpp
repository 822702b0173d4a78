#include "driver/run_state.hpp"

#include "driver/pending_io_error.hpp"
#include "driver/stops.hpp"

namespace vorrin {

RunState& Run() {
  // Made on first use rather than as a static object: its buffers would otherwise be stored
  // in the program file as initialised data.
  static RunState& state = *new RunState;
  return state;
}

bool ArchiveFileSource::Read(std::uint8_t* buffer, std::uint32_t count, std::uint32_t& got) {
  Run().archive_file.ReadUpTo(buffer, count, got);
  return TakePendingIoError() == 0;
}

bool ArchiveFileSource::AtEnd() { return Run().archive_file.AtEnd(); }

void ExpanderFaults::Raise(const FaultReport& report) {
  switch (report.fault) {
  case Fault::DamagedBlock:
  case Fault::BadMatch:
    BrokenFileStop();
  case Fault::WriteFailed:
    WriteErrorStop();
  case Fault::ReadFailed:
  case Fault::ReadPastEnd:
    break;
  }
  ReadErrorStop();
}

} // namespace vorrin
