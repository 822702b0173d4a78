// Process start-up and end. No fault ever shows a message box: the system's error boxes
// are switched off and an unhandled exception becomes a runtime error on the console.
// DLLs are loaded from the system folder only, never from the folder the program came
// from (a downloaded self-extracting file often sits next to whatever else was downloaded).
#include <cstdint>

#include "platform/platform.hpp"
#include "platform/runtime_error.hpp"
#include "platform/win32/windows_api.hpp"

namespace platform {
namespace {

constexpr DWORD kLoadLibrarySearchSystem32 = 0x800;

int FaultNumberOf(DWORD exception_code) {
  switch (exception_code) {
  case EXCEPTION_ACCESS_VIOLATION: return kAccessFault;
  case EXCEPTION_INT_DIVIDE_BY_ZERO: return kDivisionByZero;
  case EXCEPTION_STACK_OVERFLOW: return kStackOverflow;
  default: return kOtherFault;
  }
}

LONG WINAPI OnUnhandledException(EXCEPTION_POINTERS* exception) {
  const EXCEPTION_RECORD& record = *exception->ExceptionRecord;
  ReportRuntimeError(FaultNumberOf(record.ExceptionCode), reinterpret_cast<std::uintptr_t>(record.ExceptionAddress));
}

// SetDefaultDllDirectories came with later systems (and an update of Windows 7), so it is
// looked up at run time; without it the program still runs.
void LoadDllsFromTheSystemFolderOnly() {
  using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
  const HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
  if (kernel32 == nullptr) return;
  const FARPROC found = GetProcAddress(kernel32, "SetDefaultDllDirectories");
  if (found == nullptr) return;
  // Through void(*)(): the one function pointer type every other converts to unwarned.
  const auto set_default_dll_directories =
      reinterpret_cast<SetDefaultDllDirectoriesFunction>(reinterpret_cast<void (*)()>(found));
  set_default_dll_directories(kLoadLibrarySearchSystem32);
}

} // namespace

void StartUp(void (*before_exit)()) {
  KeepBeforeExit(before_exit);
  LoadDllsFromTheSystemFolderOnly();
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  SetUnhandledExceptionFilter(OnUnhandledException);
  ReportMemoryExhaustion(); // terminate: see program/small_runtime.cpp
}

void EndProcess(int exit_code) {
  RunBeforeExit();
  ExitProcess(static_cast<UINT>(exit_code));
}

} // namespace platform
