#include "tool/temp_output.hpp"

#include <string>
#include <system_error>

#include "platform/tool_support.hpp"
#include "tool/tool_error.hpp"

namespace fs = std::filesystem;

namespace vorrin {
namespace {

fs::path UnusedNameBeside(const fs::path& target) {
  const fs::path folder = target.parent_path();
  for (unsigned n = 0;; ++n) {
    fs::path candidate = folder / (".~vorrin" + std::to_string(n) + ".tmp");
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(candidate, ec))) return candidate;
  }
}

} // namespace

TempOutput::TempOutput(const fs::path& target) : target_(target), temp_(UnusedNameBeside(target)) {
  std::error_code ec;
  const fs::path absolute = fs::absolute(temp_, ec);
  interrupt_token_ = platform::RemoveOnInterrupt(ec ? temp_.string() : absolute.string());
  stream_.open(temp_, std::ios::binary | std::ios::trunc);
  if (!stream_) {
    platform::ForgetOnInterrupt(interrupt_token_);
    throw ToolError(target_.string() + ": cannot create " + temp_.string());
  }
}

TempOutput::~TempOutput() {
  if (!committed_) {
    stream_.close();
    std::error_code ec;
    fs::remove(temp_, ec);
  }
  platform::ForgetOnInterrupt(interrupt_token_);
}

void TempOutput::Close() {
  stream_.flush();
  const bool written = stream_.good();
  stream_.close();
  if (!written || stream_.fail()) throw ToolError(target_.string() + ": write error");
}

void TempOutput::Commit() {
  std::error_code ec;
  fs::rename(temp_, target_, ec);
  if (ec) throw ToolError(target_.string() + ": cannot put the file in place: " + ec.message());
  committed_ = true;
  platform::ForgetOnInterrupt(interrupt_token_);
}

} // namespace vorrin
