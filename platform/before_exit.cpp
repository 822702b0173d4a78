// The callback that writes the console's pending output before the process ends. It is
// taken out as it runs, so a fault inside it, or a second way out, does not run it again.
#include <atomic>

#include "platform/runtime_error.hpp"

namespace platform {
namespace {

using Callback = void (*)();
// Read from signal handlers, so it must never take a lock.
static_assert(std::atomic<Callback>::is_always_lock_free);
std::atomic<Callback> kept_callback{nullptr};

} // namespace

void KeepBeforeExit(void (*before_exit)()) { kept_callback.store(before_exit); }

void RunBeforeExit() {
  if (const Callback callback = kept_callback.exchange(nullptr)) callback();
}

} // namespace platform
