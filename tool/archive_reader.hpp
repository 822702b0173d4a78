// Reads an archive the way the expander does, record by record up to its last byte, and
// hands each member to a visitor. Every fault of the format becomes a ToolError that names
// the file, the member and what is wrong.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "container/member_record.hpp"
#include "decode/chunk_sink.hpp"
#include "tool/archive_file.hpp"
#include "tool/archive_locator.hpp"
#include "tool/name_encoding.hpp"
#include "tool/progress_bar.hpp"

namespace vorrin {

struct MemberEntry {
  std::string name; // as stored: code page bytes; a folder's ends in "\."
  bool folder = false;
  MemberHeader header; // files only
  // The number of bytes the member holds: its size, or 0 when the size is negative.
  std::uint64_t ContentSize() const { return header.size > 0 ? static_cast<std::uint64_t>(header.size) : 0; }
};

class MemberVisitor {
public:
  virtual void Folder(const MemberEntry& member) = 0;
  // Where the member's contents go: exactly ContentSize() bytes.
  virtual ChunkSink& BeginFile(const MemberEntry& member) = 0;
  // Called once the contents are complete and sound.
  virtual void EndFile(const MemberEntry& member) = 0;

protected:
  ~MemberVisitor() = default;
};

class ArchiveReader {
public:
  ArchiveReader(const std::string& path, std::optional<std::int64_t> offset, const NameEncoding& encoding);

  const std::string& path() const { return file_.path(); }
  const ArchiveLocation& location() const { return location_; }
  const Preamble& preamble() const { return location_.preamble; }
  bool IsProtected() const { return location_.preamble.password.enciphered; }
  std::int64_t file_length() const { return file_.length(); }

  // The key for a protected archive; a ToolError when it fails the password check.
  void UsePassword(std::string password);

  // Reads every record up to the archive's last byte.
  void Walk(MemberVisitor& visitor, ProgressBar& progress);

private:
  ArchiveFile file_;
  ArchiveLocation location_;
  const NameEncoding& encoding_;
  std::string password_;
};

} // namespace vorrin
