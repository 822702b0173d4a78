// How the format code reports what stops it. The caller supplies the sink: the expander
// turns a fault into its console message and exit code, the archive tool into an error.
#pragma once

#include <cstdint>

namespace vorrin {

enum class Fault {
  DamagedBlock, // a block's check failed (damaged data, or a wrong key)
  ReadFailed,   // the system refused a read
  ReadPastEnd,  // the archive ended where more was needed
  WriteFailed,  // an output write failed or wrote short
  BadMatch,     // a match reaches before the start of its member
};

struct FaultReport {
  Fault fault;
  std::int64_t block = -1; // index of the block concerned, counted from 0; -1 when none
};

class FaultSink {
public:
  // Never returns: it ends the run, or throws in a caller that can go on.
  [[noreturn]] virtual void Raise(const FaultReport& report) = 0;

protected:
  ~FaultSink() = default;
};

} // namespace vorrin
