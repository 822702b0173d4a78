// Self-extracting files built by hand from the format code, with a stand-in program in
// front, for testing what the tool reads independently of what it writes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "container/member_record.hpp"

namespace vorrin::test {

struct HandMember {
  std::string name; // as stored; a folder's ends in "\."
  std::string contents;
  FileTimes times{};
};

struct HandArchive {
  std::string comment;
  std::string launch_name;
  std::string password;    // empty: unprotected
  bool length_record = true; // whether the stand-in program carries its length record
  std::vector<HandMember> members;
  std::size_t cut_plain_at = std::string::npos; // end the member records early
};

// The stand-in program's length.
inline constexpr std::size_t kHandProgramSize = 777;

std::string BuildArchive(const HandArchive& plan);

} // namespace vorrin::test
