// The one state of a run: made at start, alive until the process ends.
#pragma once

#include <cstdint>
#include <string>

#include "container/archive_source.hpp"
#include "container/block_stream.hpp"
#include "container/fault.hpp"
#include "container/preamble.hpp"
#include "driver/driver_file.hpp"

namespace vorrin {

// The archive's bytes as the block stream reads them: straight on from the preamble.
class ArchiveFileSource final : public ArchiveSource {
public:
  bool Read(std::uint8_t* buffer, std::uint32_t count, std::uint32_t& got) override;
  bool AtEnd() override;
};

// Turns what stops the format code into the expander's messages and exit codes.
class ExpanderFaults final : public FaultSink {
public:
  [[noreturn]] void Raise(const FaultReport& report) override;
};

struct RunState {
  DriverFile archive_file;
  DriverFile output_file;
  std::int32_t stored_total_size = 0;
  std::string launch_name;
  PasswordRecord password_record;
  std::string password;
  ArchiveFileSource source;
  ExpanderFaults faults;
  BlockStream stream{source, faults};
};

RunState& Run();

} // namespace vorrin
