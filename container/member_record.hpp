// Member records: a coded name ending in 0, then for a file member its three file times
// (8 bytes each) and its signed 32-bit size, all least significant byte first.
// A name ending in "\." is a FolderEntry and carries nothing more.
// Names may reuse the start of the previous record's name: 0x2A, a count k, then the rest;
// the prefix is the first k + 2 bytes of the previous name (all of it when shorter).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "container/block_stream.hpp"

namespace vorrin {

inline constexpr std::uint8_t kPrefixMarker = 0x2A;

struct FileTimes {
  std::uint64_t creation = 0;
  std::uint64_t last_access = 0;
  std::uint64_t last_write = 0;
};

struct MemberHeader {
  FileTimes times;
  std::int32_t size = 0; // 0 or less: no data follows
};

// Reads one coded name and makes it the new `previous`.
std::string ReadMemberName(BlockStream& stream, std::string& previous);
MemberHeader ReadMemberHeader(BlockStream& stream);

// At least 2 bytes ending in backslash and full stop, compared as bytes.
inline bool IsFolderEntry(std::string_view name) {
  return name.size() >= 2 && name[name.size() - 2] == '\\' && name.back() == '.';
}

// --- Writing side ---
// The shorter of the plain and the shared-prefix coding of `name` after `previous`, with
// its terminating 0; empty when the name cannot be coded after `previous` (it starts with
// the marker byte and does not start like the previous name). No zero byte in the name.
std::vector<std::uint8_t> EncodeMemberName(std::string_view name, std::string_view previous);
void AppendMemberHeader(std::vector<std::uint8_t>& out, const MemberHeader& header);

} // namespace vorrin
