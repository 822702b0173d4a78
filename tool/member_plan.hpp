// The members an archive will hold, in order, with their names as stored: code page bytes,
// '\' separators, a folder's name ending in "\.". Every name is checked here, before
// anything is written.
#pragma once

#include <string>
#include <vector>

#include "tool/input_tree.hpp"
#include "tool/name_encoding.hpp"

namespace vorrin {

// A member's contents must stay below 2^31 bytes, and so must the whole file.
inline constexpr std::uintmax_t kFormatLimit = 0x80000000u;

struct PlannedMember {
  InputEntry input;
  std::string name;
};

// Raises a ToolError naming the input and what is wrong with its name or size. Names met
// twice keep their first entry.
std::vector<PlannedMember> PlanMembers(std::vector<InputEntry> entries, const NameEncoding& encoding);

// The stored form of a path that names a member on the command line (either separator).
std::string StoredNameOf(const std::string& given, const NameEncoding& encoding);

} // namespace vorrin
