#include "container/member_record.hpp"

#include <algorithm>

namespace vorrin {

std::string ReadMemberName(BlockStream& stream, std::string& previous) {
  std::string name;
  std::uint8_t b = stream.ReadByte();
  if (b == kPrefixMarker) {
    const std::size_t count = stream.ReadByte(); // always the count, even when 0
    name.assign(previous, 0, std::min(count + 2, previous.size()));
    b = stream.ReadByte();
  }
  while (b != 0) {
    name.push_back(static_cast<char>(b));
    b = stream.ReadByte();
  }
  previous = name;
  return name;
}

namespace {
std::uint64_t ReadLittleEndian(BlockStream& stream, int bytes) {
  std::uint64_t value = 0;
  for (int i = 0; i < bytes; ++i) value |= std::uint64_t{stream.ReadByte()} << (8 * i);
  return value;
}

void AppendLittleEndian(std::vector<std::uint8_t>& out, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}
} // namespace

MemberHeader ReadMemberHeader(BlockStream& stream) {
  MemberHeader header;
  header.times.creation = ReadLittleEndian(stream, 8);
  header.times.last_access = ReadLittleEndian(stream, 8);
  header.times.last_write = ReadLittleEndian(stream, 8);
  header.size = static_cast<std::int32_t>(static_cast<std::uint32_t>(ReadLittleEndian(stream, 4)));
  return header;
}

std::vector<std::uint8_t> EncodeMemberName(std::string_view name, std::string_view previous) {
  std::vector<std::uint8_t> out;
  const bool plain_possible = !name.empty() && static_cast<std::uint8_t>(name[0]) != kPrefixMarker;
  // The prefix form reuses p bytes of the previous name, p = min(k + 2, its length).
  std::size_t common = 0;
  const std::size_t limit = std::min({name.size(), previous.size(), std::size_t{257}});
  while (common < limit && name[common] == previous[common]) ++common;
  const bool prefix_possible = common >= std::min(previous.size(), std::size_t{2});
  const bool use_prefix = prefix_possible && (!plain_possible || common > 2);
  if (use_prefix) {
    out.push_back(kPrefixMarker);
    out.push_back(static_cast<std::uint8_t>(common < 2 ? 0 : common - 2));
    out.insert(out.end(), name.begin() + static_cast<std::ptrdiff_t>(common), name.end());
  } else if (plain_possible) {
    out.insert(out.end(), name.begin(), name.end());
  } else {
    return {}; // a name that starts with the marker and cannot reuse the previous one
  }
  out.push_back(0);
  return out;
}

void AppendMemberHeader(std::vector<std::uint8_t>& out, const MemberHeader& header) {
  AppendLittleEndian(out, header.times.creation, 8);
  AppendLittleEndian(out, header.times.last_access, 8);
  AppendLittleEndian(out, header.times.last_write, 8);
  AppendLittleEndian(out, static_cast<std::uint32_t>(header.size), 4);
}

} // namespace vorrin
