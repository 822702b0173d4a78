// Writes a self-extracting file: the expander program, the preamble, then every member
// record through the block layer, exactly as the expander reads them. The file is written
// beside its target and put in place only when complete.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tool/member_plan.hpp"
#include "tool/progress_bar.hpp"
#include "tool/stub.hpp"

namespace vorrin {

// Any non-zero value marks a protected archive; a fixed one keeps the output reproducible.
inline constexpr std::uint8_t kPasswordFlag = 0x5A;

struct ArchiveContents {
  std::string comment;     // code page bytes, no zero byte
  std::string launch_name; // a member's stored name, or empty
  std::optional<std::string> password;
  int level = 0;
};

struct WriteSummary {
  std::uint64_t files = 0;
  std::uint64_t folders = 0;
  std::uint64_t plain_bytes = 0; // contents of all files
  std::uint64_t total_size = 0;  // the whole output file
};

// `added` hears of each member once it is in the archive, with its coded size.
WriteSummary WriteArchive(const std::filesystem::path& output, const Stub& stub,
                          const ArchiveContents& contents, const std::vector<PlannedMember>& members,
                          ProgressBar& progress,
                          const std::function<void(const PlannedMember&, std::size_t coded)>& added);

} // namespace vorrin
