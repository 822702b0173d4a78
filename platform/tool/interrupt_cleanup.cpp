#include "platform/tool_support.hpp"

#include <csignal>
#include <cstring>

#include <unistd.h>

namespace platform {
namespace {

// Fixed storage: the handler may only read what is already in place, and unlink() is safe
// to call from it.
constexpr int kSlots = 4;
constexpr std::size_t kMaxPath = 4096;

struct Slot {
  volatile std::sig_atomic_t kept = 0;
  char path[kMaxPath] = {};
};
Slot g_slots[kSlots];

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
bool g_installed = false;

extern "C" void RemoveKeptAndEnd(int signal_number) {
  for (Slot& slot : g_slots)
    if (slot.kept) unlink(slot.path);
  struct sigaction fallback {};
  fallback.sa_handler = SIG_DFL;
  sigemptyset(&fallback.sa_mask);
  sigaction(signal_number, &fallback, nullptr);
  raise(signal_number);
}

void InstallOnce() {
  if (g_installed) return;
  g_installed = true;
  for (const int signal_number : kSignals) {
    struct sigaction current {};
    if (sigaction(signal_number, nullptr, &current) != 0 || current.sa_handler == SIG_IGN) continue;
    struct sigaction handler {};
    handler.sa_handler = RemoveKeptAndEnd;
    sigfillset(&handler.sa_mask); // one clean-up at a time
    sigaction(signal_number, &handler, nullptr);
  }
}

} // namespace

int RemoveOnInterrupt(const std::string& path) {
  InstallOnce();
  if (path.empty() || path.size() >= kMaxPath || path.find('\0') != std::string::npos) return -1;
  for (int token = 0; token < kSlots; ++token) {
    Slot& slot = g_slots[token];
    if (slot.kept) continue;
    std::memcpy(slot.path, path.c_str(), path.size() + 1);
    slot.kept = 1; // only now may the handler read the path
    return token;
  }
  return -1;
}

void ForgetOnInterrupt(int token) {
  if (token >= 0 && token < kSlots) g_slots[token].kept = 0;
}

} // namespace platform
