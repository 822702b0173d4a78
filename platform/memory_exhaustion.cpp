// An allocation that finds no memory ends as a runtime error, never as an exception
// escaping or an abort() with its own message.
#include <new>

#include "platform/runtime_error.hpp"

namespace platform {
namespace {

// The return address lands inside the allocator: the best place there is without a stack walk.
[[noreturn]] void OnMemoryExhausted() {
  ReportRuntimeError(kMemoryExhausted, reinterpret_cast<std::uintptr_t>(__builtin_return_address(0)));
}

} // namespace

void ReportMemoryExhaustion() { std::set_new_handler(OnMemoryExhausted); }

} // namespace platform
