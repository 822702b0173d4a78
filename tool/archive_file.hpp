// A file the tool reads an archive from: positioned reads for finding the archive, then
// strictly forward reads for the preamble and the blocks.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>

#include "container/archive_source.hpp"

namespace vorrin {

class ArchiveFile final : public ArchiveSource {
public:
  // Raises a ToolError when the file cannot be opened.
  explicit ArchiveFile(const std::string& path);

  const std::string& path() const { return path_; }
  std::int64_t length() const { return length_; }

  // False when the system refused.
  bool Seek(std::int64_t position);
  std::int64_t Position() const { return position_; }

  bool Read(std::uint8_t* buffer, std::uint32_t count, std::uint32_t& got) override;
  bool AtEnd() override { return position_ >= length_; }

private:
  std::string path_;
  std::ifstream in_;
  std::int64_t length_ = 0;
  std::int64_t position_ = 0;
};

} // namespace vorrin
