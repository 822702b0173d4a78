// The format code reports what stops it through a FaultSink. The tool's sink throws, so a
// command can add the file and the member to the report and end with a clear message.
#pragma once

#include <string>

#include "container/fault.hpp"

namespace vorrin {

class ArchiveFault {
public:
  explicit ArchiveFault(const FaultReport& report) : report_(report) {}
  const FaultReport& report() const { return report_; }

private:
  FaultReport report_;
};

class ThrowingFaultSink final : public FaultSink {
public:
  [[noreturn]] void Raise(const FaultReport& report) override { throw ArchiveFault(report); }
};

} // namespace vorrin
