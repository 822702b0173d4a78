#include "tool/archive_locator.hpp"

#include <set>
#include <vector>

#include "container/block_stream.hpp"
#include "container/crc16.hpp"
#include "tool/archive_fault.hpp"
#include "tool/length_record.hpp"
#include "tool/tool_error.hpp"

namespace vorrin {
namespace {

constexpr std::int64_t kLargestArchiveFile = 0x7FFFFFFF;

// After the preamble come blocks of 4098 bytes and a last one of 3 to 4098 bytes.
bool BlocksFit(std::int64_t rest) {
  const std::int64_t tail = rest % kBlockSize;
  return rest >= 3 && tail != 1 && tail != 2;
}

bool FirstBlockHolds(ArchiveFile& file, std::int64_t rest) {
  std::vector<std::uint8_t> block(static_cast<std::size_t>(std::min<std::int64_t>(rest, kBlockSize)));
  std::uint32_t got = 0;
  if (!file.Read(block.data(), static_cast<std::uint32_t>(block.size()), got) || got != block.size())
    return false;
  Crc16Register crc;
  crc.Feed(block.data(), block.size());
  return crc.Value() == 0;
}

class Scanner {
public:
  explicit Scanner(ArchiveFile& file) : file_(file) {}

  std::optional<ArchiveLocation> Try(std::int64_t offset, bool vouched) {
    if (!tried_.insert(offset).second) return std::nullopt;
    return ArchiveAt(file_, offset, vouched);
  }

  std::optional<ArchiveLocation> Scan() {
    const std::int64_t length = file_.length();
    const std::uint8_t wanted[4] = {static_cast<std::uint8_t>(length), static_cast<std::uint8_t>(length >> 8),
                                    static_cast<std::uint8_t>(length >> 16),
                                    static_cast<std::uint8_t>(length >> 24)};
    constexpr std::int64_t kChunk = 1 << 20;
    constexpr std::int64_t kOverlap = static_cast<std::int64_t>(kLengthRecordSize) - 1;
    std::vector<std::uint8_t> chunk(kChunk);
    for (std::int64_t start = 0; start < length;) {
      std::uint32_t got = 0;
      if (!file_.Seek(start) || !file_.Read(chunk.data(), kChunk, got) || got == 0) return std::nullopt;
      const std::int64_t n = got;
      const std::int64_t next = start + n >= length ? length : start + n - kOverlap;
      const std::span<const std::uint8_t> bytes(chunk.data(), static_cast<std::size_t>(n));
      // A length record inside the program says where its archive starts.
      for (auto record = FindLengthRecord(bytes); record && start + static_cast<std::int64_t>(record->position) < next;
           record = FindLengthRecord(bytes, record->position + 1)) {
        const std::int64_t at = start + static_cast<std::int64_t>(record->position);
        if (record->length <= at) continue;
        if (!program_length_) program_length_ = record->length;
        if (auto found = Try(record->length, true)) return found;
      }
      for (std::int64_t p = 0; start + p < next && p + 4 <= n; ++p) {
        const std::uint8_t* b = chunk.data() + p;
        if (b[0] == wanted[0] && b[1] == wanted[1] && b[2] == wanted[2] && b[3] == wanted[3])
          if (auto found = Try(start + p, false)) return found;
      }
      start = next;
    }
    return std::nullopt;
  }

  // The archive's offset according to the first length record met, if any.
  std::optional<std::int64_t> program_length() const { return program_length_; }

private:
  ArchiveFile& file_;
  std::set<std::int64_t> tried_;
  std::optional<std::int64_t> program_length_;
};

// Where the program's length record names an offset, the size stored there tells whether
// the file was cut short or extended.
void ExplainLengthMismatch(ArchiveFile& file, std::optional<std::int64_t> offset) {
  if (!offset || *offset + 4 > file.length() || !file.Seek(*offset)) return;
  ThrowingFaultSink faults;
  std::int32_t stored = 0;
  try {
    stored = ReadStoredTotalSize(file, faults);
  } catch (const ArchiveFault&) {
    return;
  }
  const std::string sizes = " (the archive records " + std::to_string(stored) + " bytes, the file has " +
                            std::to_string(file.length()) + ")";
  if (stored > file.length())
    throw ToolError(file.path() + ": the file is cut short" + sizes, kExitArchiveFault);
  if (stored > *offset && stored < file.length())
    throw ToolError(file.path() + ": the file is longer than its archive" + sizes, kExitArchiveFault);
}

} // namespace

std::optional<ArchiveLocation> ArchiveAt(ArchiveFile& file, std::int64_t offset, bool vouched) {
  const std::int64_t length = file.length();
  if (offset < 0 || offset + 4 > length || length > kLargestArchiveFile) return std::nullopt;
  if (!file.Seek(offset)) return std::nullopt;
  ThrowingFaultSink faults;
  ArchiveLocation location;
  location.offset = offset;
  try {
    location.preamble.stored_total_size = ReadStoredTotalSize(file, faults);
    if (location.preamble.stored_total_size != length) return std::nullopt;
    location.preamble.comment = ReadRawString(file, faults);
    location.preamble.launch_name = ReadRawString(file, faults);
    location.preamble.password = ReadPasswordRecord(file, faults);
  } catch (const ArchiveFault&) {
    return std::nullopt;
  }
  location.blocks_start = file.Position();
  const std::int64_t rest = length - location.blocks_start;
  if (!BlocksFit(rest)) return std::nullopt;
  // A guessed offset must also show a sound first block; one that a length record or the
  // user names stands without it, so damage there is reported as damage, not as no archive.
  if (!vouched && !location.preamble.password.enciphered && !FirstBlockHolds(file, rest))
    return std::nullopt;
  return location;
}

ArchiveLocation LocateArchive(ArchiveFile& file, std::optional<std::int64_t> forced) {
  if (forced) {
    if (auto found = ArchiveAt(file, *forced, true)) return *found;
    throw ToolError(file.path() + ": no archive at offset " + std::to_string(*forced), kExitArchiveFault);
  }
  Scanner scanner(file);
  if (auto found = scanner.Scan()) return *found;
  ExplainLengthMismatch(file, scanner.program_length());
  throw ToolError(file.path() + ": no archive found (not a self-extracting file of this format, "
                                "or cut short or extended)",
                  kExitArchiveFault);
}

} // namespace vorrin
