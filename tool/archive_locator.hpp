// Finds the archive inside a self-extracting file, whatever program stands in front of it:
// an offset where the signed 32-bit StoredTotalSize equals the file's length and a sound
// preamble follows, with blocks that fit the rest of the file (and, without a password,
// a first block whose check holds). An offset named by the program's length record is
// tried first.
#pragma once

#include <cstdint>
#include <optional>

#include "container/preamble.hpp"
#include "tool/archive_file.hpp"

namespace vorrin {

struct ArchiveLocation {
  std::int64_t offset = 0;       // where StoredTotalSize stands
  std::int64_t blocks_start = 0; // the first byte after the preamble
  Preamble preamble;
};

// The archive at exactly this offset, if one is there.
// `vouched`: the offset comes from a length record or the user, so the first block need
// not be sound for the archive to be taken as found there.
std::optional<ArchiveLocation> ArchiveAt(ArchiveFile& file, std::int64_t offset, bool vouched);

// `forced`: take only this offset. Raises a ToolError (archive fault) when none is found.
ArchiveLocation LocateArchive(ArchiveFile& file, std::optional<std::int64_t> forced);

} // namespace vorrin
