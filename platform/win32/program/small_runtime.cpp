// The run-time library's default terminate handler prints a demangled type name, which
// links a demangler and a printf into the program. Ours ends as a runtime error instead,
// the same way std::terminate does once start-up has run, and keeps the program small.
#include "platform/runtime_error.hpp"

namespace __gnu_cxx {

[[noreturn]] void __verbose_terminate_handler() {
  platform::ReportRuntimeError(platform::kOtherFault,
                               reinterpret_cast<std::uintptr_t>(__builtin_return_address(0)));
}

} // namespace __gnu_cxx
