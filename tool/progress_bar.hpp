// A one-line progress bar on standard error for long work: shown only when standard error
// is a terminal and the user did not ask for quiet; redrawn at most ten times a second.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace vorrin {

struct ProgressState {
  std::uint64_t done = 0;  // units of work done, of `total`
  std::uint64_t total = 0;
  std::uint64_t files = 0;
  std::uint64_t files_total = 0; // 0: not known in advance
  std::uint64_t plain_bytes = 0;
  std::uint64_t coded_bytes = 0;
};

class ProgressBar {
public:
  explicit ProgressBar(bool wanted);
  ~ProgressBar();
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;

  void Update(const ProgressState& state);
  // Clears the line, so what follows starts on a clean one.
  void Finish();

  // The bar's text, without any terminal control.
  static std::string Render(const ProgressState& state, int width);

private:
  bool enabled_;
  bool shown_ = false;
  std::chrono::steady_clock::time_point last_;
};

} // namespace vorrin
