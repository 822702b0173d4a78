// Builds an archive body: member records one after another, each name coded after the
// name of the record before it, exactly as the expander's extraction loop reads them.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "container/member_record.hpp"

namespace vorrin::test {

class ArchiveBody {
public:
  // A folder record: the coded name alone. The name ends in backslash and full stop.
  ArchiveBody& FolderEntry(std::string_view name);
  // A file record: coded name, the three times, the size, then the member's coded data
  // (none for a size of 0 or less).
  ArchiveBody& FileRecord(std::string_view name, const FileTimes& times, std::int32_t size,
                          std::span<const std::uint8_t> coded_data = {});
  // A file record whose data is `contents` coded by the archive tool's own encoder.
  ArchiveBody& Member(std::string_view name, const FileTimes& times, std::string_view contents);
  // A name exactly as given (the terminating 0 is added), e.g. a shared-prefix form that
  // the name coder never chooses; `decoded` is what it stands for, the next name's previous.
  ArchiveBody& CodedName(std::string_view coded, std::string_view decoded);
  // The rest of a file record after its name: times, size and `contents` coded.
  ArchiveBody& Contents(const FileTimes& times, std::string_view contents);
  // Any bytes, e.g. a record that is cut short.
  ArchiveBody& Raw(std::string_view bytes);

  const std::vector<std::uint8_t>& bytes() const { return bytes_; }
  std::size_t size() const { return bytes_.size(); }

private:
  void AppendName(std::string_view name);

  std::vector<std::uint8_t> bytes_;
  std::string previous_;
};

// Folder records for d\. (and, to fill up, e\. and f\.) that take exactly `size` bytes,
// 4, 7, 8 or 10 and more: the first takes 4 bytes, each repeat of the same name 3.
ArchiveBody FolderEntriesOfSize(std::size_t size);

} // namespace vorrin::test
