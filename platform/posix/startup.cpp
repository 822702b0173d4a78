// Process start-up and end. Faults become runtime errors: the handlers run on a stack of
// their own, so even a stack overflow is reported. SA_NODEFER lets a fault inside the
// console's flush come back here, where the callback has been taken out already.
#include <signal.h>
#include <unistd.h>

#include <cstdint>
#include <initializer_list>

#include "platform/platform.hpp"
#include "platform/runtime_error.hpp"

namespace platform {
namespace {

alignas(16) char fault_stack[64 * 1024];

int FaultNumberOf(int signal_number) {
  switch (signal_number) {
  case SIGSEGV:
  case SIGBUS: return kAccessFault;
  case SIGFPE: return kDivisionByZero;
  default: return kOtherFault;
  }
}

void OnFault(int signal_number, siginfo_t* info, void* /*context*/) {
  ReportRuntimeError(FaultNumberOf(signal_number), reinterpret_cast<std::uintptr_t>(info->si_addr));
}

void ReportSignals() {
  stack_t own_stack{};
  own_stack.ss_sp = fault_stack;
  own_stack.ss_size = sizeof fault_stack;
  sigaltstack(&own_stack, nullptr);

  struct sigaction action{};
  action.sa_sigaction = OnFault;
  action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_NODEFER;
  sigemptyset(&action.sa_mask);
  for (const int signal_number : {SIGSEGV, SIGBUS, SIGFPE, SIGILL}) sigaction(signal_number, &action, nullptr);

  // A write to a closed pipe fails with EPIPE and is reported like any other write error.
  signal(SIGPIPE, SIG_IGN);
}

} // namespace

void StartUp(void (*before_exit)()) {
  KeepBeforeExit(before_exit);
  ReportMemoryExhaustion();
  ReportTermination();
  ReportSignals();
}

void EndProcess(int exit_code) {
  RunBeforeExit();
  _exit(exit_code);
}

} // namespace platform
