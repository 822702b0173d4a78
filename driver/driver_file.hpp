// A file the expander reads or writes. Every operation stores a failure in the pending
// I/O error and carries on; the caller checks where it matters. Operations other than
// open, create and delete fail without doing anything when the file is not open.
#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.hpp"

namespace vorrin {

class DriverFile {
public:
  void OpenForReading(const std::string& path);
  void Create(const std::string& path);
  bool IsOpen() const { return handle_ != platform::kNoHandle; }
  platform::Handle handle() const { return handle_; }
  const std::string& path() const { return path_; }

  void SeekTo(std::int32_t position);
  // False on failure; `got` is then left as it was.
  bool ReadUpTo(std::uint8_t* buffer, std::uint32_t count, std::uint32_t& got);
  void WriteExact(const std::uint8_t* buffer, std::uint32_t count);
  // The low 32 bits of the size, signed; -1 on failure.
  std::int32_t Length();
  // At or past the end; also when that cannot be told.
  bool AtEnd();
  // The file counts as not open afterwards, even when the close fails.
  void Close();
  void Delete();

private:
  bool CheckOpen();
  bool TakePath(const std::string& path);

  platform::Handle handle_ = platform::kNoHandle;
  std::string path_;
};

} // namespace vorrin
