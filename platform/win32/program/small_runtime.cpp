// The expander is built without exceptions, yet a few pieces of the C++ run-time library
// that it reaches (the allocator, std::string's length checks, the default terminate
// handler) would throw or print, and so drag the whole unwinder, a demangler and a printf
// into the program. These replacements end as the runtime errors the program reports
// anyway, and keep it small. They are linked into the program itself, ahead of the library.
#include <cstdlib>
#include <new>

#include "platform/runtime_error.hpp"

namespace {

[[noreturn]] void Fail(int number) {
  platform::ReportRuntimeError(number, reinterpret_cast<std::uintptr_t>(__builtin_return_address(0)));
}

} // namespace

// Replaceable allocation functions: the new handler gets its chance, and without one the
// program ends with the exhausted-memory error instead of throwing.
void* operator new(std::size_t size) {
  if (size == 0) size = 1;
  for (;;) {
    if (void* block = std::malloc(size)) return block;
    std::new_handler handler = std::get_new_handler();
    if (!handler) Fail(platform::kMemoryExhausted);
    handler();
  }
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }

namespace std {
[[noreturn]] void __throw_bad_alloc() { Fail(platform::kMemoryExhausted); }
[[noreturn]] void __throw_length_error(const char*) { Fail(platform::kMemoryExhausted); }
[[noreturn]] void __throw_logic_error(const char*) { Fail(platform::kOtherFault); }
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) { Fail(platform::kOtherFault); }
} // namespace std

namespace __gnu_cxx {
[[noreturn]] void __verbose_terminate_handler() { Fail(platform::kOtherFault); }
} // namespace __gnu_cxx
