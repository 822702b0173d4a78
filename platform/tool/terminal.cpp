#include "platform/tool_support.hpp"

#include <cerrno>
#include <string>

#include <csignal>

#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace platform {
namespace {

int DescriptorOf(ToolStream stream) {
  switch (stream) {
  case ToolStream::Input: return STDIN_FILENO;
  case ToolStream::Output: return STDOUT_FILENO;
  case ToolStream::Error: break;
  }
  return STDERR_FILENO;
}

void WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t n = write(fd, text.data(), text.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    text.remove_prefix(static_cast<std::size_t>(n));
  }
}

// The terminal's settings while echo is off, so an interrupt can give echo back before
// the process ends.
termios g_saved_terminal{};

extern "C" void RestoreEchoAndEnd(int signal_number) {
  tcsetattr(STDIN_FILENO, TCSAFLUSH, &g_saved_terminal);
  std::signal(signal_number, SIG_DFL);
  std::raise(signal_number);
}

} // namespace

bool IsTerminal(ToolStream stream) { return isatty(DescriptorOf(stream)) == 1; }

int TerminalColumns() {
  winsize size{};
  if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) != 0) return 0;
  return size.ws_col;
}

std::optional<std::string> ReadSecretLine(const std::string& prompt) {
  if (!isatty(STDIN_FILENO)) return std::nullopt;
  termios saved{};
  if (tcgetattr(STDIN_FILENO, &saved) != 0) return std::nullopt;
  termios quiet = saved;
  quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
  quiet.c_lflag |= ECHONL; // the line end still shows, so the next message starts afresh
  WriteAll(STDERR_FILENO, prompt);
  g_saved_terminal = saved;
  const auto previous_interrupt = std::signal(SIGINT, RestoreEchoAndEnd);
  const auto previous_terminate = std::signal(SIGTERM, RestoreEchoAndEnd);
  if (tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet) != 0) {
    std::signal(SIGINT, previous_interrupt);
    std::signal(SIGTERM, previous_terminate);
    return std::nullopt;
  }
  std::string line;
  bool ended = false;
  for (;;) {
    char c = 0;
    const ssize_t n = read(STDIN_FILENO, &c, 1);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    if (c == '\n') {
      ended = true;
      break;
    }
    line.push_back(c);
  }
  tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
  std::signal(SIGINT, previous_interrupt);
  std::signal(SIGTERM, previous_terminate);
  if (!ended && line.empty()) return std::nullopt;
  return line;
}

} // namespace platform
