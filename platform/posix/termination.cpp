// std::terminate (an exception nobody caught) ends as a runtime error, not as an abort()
// with its own message. The Windows programs, built without exceptions, replace the
// terminate handler itself instead (platform/win32/program/small_runtime.cpp).
#include <exception>

#include "platform/runtime_error.hpp"

namespace platform {
namespace {

[[noreturn]] void OnTerminate() {
  ReportRuntimeError(kOtherFault, reinterpret_cast<std::uintptr_t>(__builtin_return_address(0)));
}

} // namespace

void ReportTermination() { std::set_terminate(OnTerminate); }

} // namespace platform
