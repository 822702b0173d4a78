#include "driver/console.hpp"
#include "driver/run_sequence.hpp"
#include "platform/platform.hpp"

int main() {
  platform::StartUp(&vorrin::console::WriteOutPending);
  vorrin::RunExpander();
}
