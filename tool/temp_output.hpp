// A file written under a temporary name beside its target and moved into place only when
// complete. Until then the target is untouched; a temporary that is not committed is
// removed, so a failure leaves nothing behind, nor does an interrupt or a termination
// request.
#pragma once

#include <filesystem>
#include <fstream>

namespace vorrin {

class TempOutput {
public:
  explicit TempOutput(const std::filesystem::path& target);
  ~TempOutput();
  TempOutput(const TempOutput&) = delete;
  TempOutput& operator=(const TempOutput&) = delete;

  std::ofstream& stream() { return stream_; }
  const std::filesystem::path& temp_path() const { return temp_; }
  // Flushes and closes; a ToolError when any write failed.
  void Close();
  // Moves the closed file over the target.
  void Commit();

private:
  std::filesystem::path target_;
  std::filesystem::path temp_;
  std::ofstream stream_;
  bool committed_ = false;
  int interrupt_token_ = -1;
};

} // namespace vorrin
