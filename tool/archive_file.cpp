#include "tool/archive_file.hpp"

#include <filesystem>
#include <system_error>

#include "tool/tool_error.hpp"

namespace vorrin {

ArchiveFile::ArchiveFile(const std::string& path) : path_(path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) throw ToolError(path + ": no such file");
  in_.open(path, std::ios::binary);
  if (!in_) throw ToolError(path + ": cannot open");
  in_.seekg(0, std::ios::end);
  length_ = static_cast<std::int64_t>(in_.tellg());
  in_.seekg(0);
  if (!in_ || length_ < 0) throw ToolError(path + ": cannot read");
}

bool ArchiveFile::Seek(std::int64_t position) {
  in_.clear();
  in_.seekg(static_cast<std::streamoff>(position));
  if (!in_) return false;
  position_ = position;
  return true;
}

bool ArchiveFile::Read(std::uint8_t* buffer, std::uint32_t count, std::uint32_t& got) {
  in_.read(reinterpret_cast<char*>(buffer), static_cast<std::streamsize>(count));
  got = static_cast<std::uint32_t>(in_.gcount());
  position_ += got;
  if (in_.bad()) return false;
  in_.clear(); // the end of the file is not a failure
  return true;
}

} // namespace vorrin
