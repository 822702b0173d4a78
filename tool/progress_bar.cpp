#include "tool/progress_bar.hpp"

#include <algorithm>
#include <cstdio>

#include "platform/tool_support.hpp"

namespace vorrin {
namespace {

std::string Megabytes(std::uint64_t bytes) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / 1e6);
  return text;
}

} // namespace

ProgressBar::ProgressBar(bool wanted)
    : enabled_(wanted && platform::IsTerminal(platform::ToolStream::Error)) {}

ProgressBar::~ProgressBar() { Finish(); }

std::string ProgressBar::Render(const ProgressState& state, int width) {
  const double fraction =
      state.total == 0 ? 1.0
                       : std::min(1.0, static_cast<double>(state.done) / static_cast<double>(state.total));
  char tail_text[160];
  int used = std::snprintf(tail_text, sizeof tail_text, " %3d%%  %llu", static_cast<int>(fraction * 100),
                           static_cast<unsigned long long>(state.files));
  if (state.files_total > 0)
    used += std::snprintf(tail_text + used, sizeof tail_text - static_cast<std::size_t>(used), "/%llu",
                          static_cast<unsigned long long>(state.files_total));
  used += std::snprintf(tail_text + used, sizeof tail_text - static_cast<std::size_t>(used), " files  %s",
                        Megabytes(state.plain_bytes).c_str());
  if (state.plain_bytes > 0)
    std::snprintf(tail_text + used, sizeof tail_text - static_cast<std::size_t>(used), "  ratio %llu%%",
                  static_cast<unsigned long long>(state.coded_bytes * 100 / state.plain_bytes));
  const std::string tail = tail_text;
  const int bar = std::clamp(width - static_cast<int>(tail.size()) - 3, 10, 40);
  const int filled = static_cast<int>(fraction * bar);
  std::string line(1, '[');
  line.append(static_cast<std::size_t>(filled), '#');
  line.append(static_cast<std::size_t>(bar - filled), '.');
  line += ']';
  line += tail;
  return line;
}

void ProgressBar::Update(const ProgressState& state) {
  if (!enabled_) return;
  const auto now = std::chrono::steady_clock::now();
  if (shown_ && now - last_ < std::chrono::milliseconds(100)) return;
  last_ = now;
  shown_ = true;
  const int columns = platform::TerminalColumns();
  std::string line = Render(state, columns > 0 ? columns : 80);
  if (columns > 1 && static_cast<int>(line.size()) >= columns)
    line.resize(static_cast<std::size_t>(columns - 1));
  std::fprintf(stderr, "\r%s\x1b[K", line.c_str());
  std::fflush(stderr);
}

void ProgressBar::Finish() {
  if (!shown_) return;
  shown_ = false;
  std::fprintf(stderr, "\r\x1b[K");
  std::fflush(stderr);
}

} // namespace vorrin
