// The last word of a process that met an unexpected internal fault: one console line,
// "Runtime error <number> at <place>", and the number as the exit code. No message box,
// no clean-up beyond writing the console output still pending.
//
// Fault numbers:
//   200  integer division by zero          (SIGFPE; EXCEPTION_INT_DIVIDE_BY_ZERO)
//   202  stack overflow                    (Win32 EXCEPTION_STACK_OVERFLOW; on POSIX it
//                                           shows as an access fault, 216)
//   203  memory exhausted                  (operator new found no memory)
//   216  access fault                      (SIGSEGV, SIGBUS; EXCEPTION_ACCESS_VIOLATION)
//   217  any other fault                   (SIGILL, std::terminate, other exceptions)
//
// The place is the faulting address as the system reports it (POSIX: si_addr, the data
// address of an access fault; Win32: the instruction's address), or the return address
// inside the allocator or the run-time library, written as its low 32 bits.
#pragma once

#include <cstdint>

namespace platform {

inline constexpr int kDivisionByZero = 200;
inline constexpr int kStackOverflow = 202;
inline constexpr int kMemoryExhausted = 203;
inline constexpr int kAccessFault = 216;
inline constexpr int kOtherFault = 217;

// Keeps the `before_exit` callback given to StartUp.
void KeepBeforeExit(void (*before_exit)());

// Calls the kept callback once; later calls, also from a fault inside it, do nothing.
void RunBeforeExit();

// Runs `before_exit`, writes the runtime-error line to standard output and ends the
// process with `number` as its exit code. Safe in a signal handler: no allocation, no stdio.
[[noreturn]] void ReportRuntimeError(int number, std::uintptr_t place);

// Reports exhausted memory (203) as a runtime error.
void ReportMemoryExhaustion();
// Reports std::terminate (217) as a runtime error (POSIX; the Windows programs replace
// the terminate handler itself).
void ReportTermination();

} // namespace platform
