#include "tests/support/archive_body.hpp"

#include <stdexcept>

#include "encode/lz77_parser.hpp"

namespace vorrin::test {

void ArchiveBody::AppendName(std::string_view name) {
  const std::vector<std::uint8_t> coded = EncodeMemberName(name, previous_);
  if (coded.empty()) throw std::invalid_argument("name cannot be coded: " + std::string(name));
  bytes_.insert(bytes_.end(), coded.begin(), coded.end());
  previous_ = name;
}

ArchiveBody& ArchiveBody::FolderEntry(std::string_view name) {
  if (!IsFolderEntry(name)) throw std::invalid_argument("not a folder entry: " + std::string(name));
  AppendName(name);
  return *this;
}

ArchiveBody& ArchiveBody::FileRecord(std::string_view name, const FileTimes& times,
                                     std::int32_t size, std::span<const std::uint8_t> coded_data) {
  AppendName(name);
  AppendMemberHeader(bytes_, MemberHeader{times, size});
  bytes_.insert(bytes_.end(), coded_data.begin(), coded_data.end());
  return *this;
}

ArchiveBody& ArchiveBody::Member(std::string_view name, const FileTimes& times, std::string_view contents) {
  AppendName(name);
  return Contents(times, contents);
}

ArchiveBody& ArchiveBody::CodedName(std::string_view coded, std::string_view decoded) {
  bytes_.insert(bytes_.end(), coded.begin(), coded.end());
  bytes_.push_back(0);
  previous_ = decoded;
  return *this;
}

ArchiveBody& ArchiveBody::Contents(const FileTimes& times, std::string_view contents) {
  AppendMemberHeader(bytes_, MemberHeader{times, static_cast<std::int32_t>(contents.size())});
  const auto* plain = reinterpret_cast<const std::uint8_t*>(contents.data());
  const std::vector<std::uint8_t> coded = CompressMember(std::span(plain, contents.size()));
  bytes_.insert(bytes_.end(), coded.begin(), coded.end());
  return *this;
}

ArchiveBody& ArchiveBody::Raw(std::string_view bytes) {
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
  return *this;
}

ArchiveBody FolderEntriesOfSize(std::size_t size) {
  if (size < 4) throw std::invalid_argument("a folder record takes at least 4 bytes");
  // size = 4 + 3 * repeats + 4 * fillers, the fillers (0 to 2) being the new names e\. and f\.
  const std::size_t fillers = (size - 4) % 3;
  if (size - 4 < 4 * fillers) throw std::invalid_argument("no folder records take exactly that size");
  const std::size_t repeats = (size - 4 - 4 * fillers) / 3;
  ArchiveBody body;
  body.FolderEntry("d\\.");
  for (std::size_t i = 0; i < repeats; ++i) body.FolderEntry("d\\.");
  if (fillers >= 1) body.FolderEntry("e\\.");
  if (fillers >= 2) body.FolderEntry("f\\.");
  if (body.size() != size) throw std::logic_error("folder records came out the wrong size");
  return body;
}

} // namespace vorrin::test
