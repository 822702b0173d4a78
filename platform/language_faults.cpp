// Faults the C++ run-time library meets itself: an allocation that finds no memory, and
// std::terminate (an exception nobody caught). Both end as runtime errors, never as an
// exception escaping or an abort() with its own message.
#include <exception>
#include <new>

#include "platform/runtime_error.hpp"

namespace platform {
namespace {

// The return address lands inside the allocator or the run-time library: the best place
// there is without a stack walk.
[[noreturn]] void OnMemoryExhausted() {
  ReportRuntimeError(kMemoryExhausted, reinterpret_cast<std::uintptr_t>(__builtin_return_address(0)));
}

[[noreturn]] void OnTerminate() {
  ReportRuntimeError(kOtherFault, reinterpret_cast<std::uintptr_t>(__builtin_return_address(0)));
}

} // namespace

void ReportLanguageFaults() {
  std::set_new_handler(OnMemoryExhausted);
  std::set_terminate(OnTerminate);
}

} // namespace platform
