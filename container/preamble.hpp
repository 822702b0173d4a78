// The archive's preamble, read straight from the file before any block:
//   StoredTotalSize (4, signed, little-endian), Comment + 0, LaunchName + 0,
//   PasswordFlag (1), and when that flag is not 0 the StoredCheckWord (2, little-endian).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "container/archive_source.hpp"
#include "container/fault.hpp"

namespace vorrin {

struct PasswordRecord {
  bool enciphered = false;
  std::uint8_t flag = 0;         // 0: no password; otherwise also the mask of the stored word
  std::uint16_t check_word = 0;  // CRC-16/UMTS of the password (already unmasked)
};

struct Preamble {
  std::int32_t stored_total_size = 0;
  std::string comment;
  std::string launch_name;
  PasswordRecord password;
};

// Exactly `count` bytes straight from the source; raises ReadFailed or ReadPastEnd.
void ReadExact(ArchiveSource& source, FaultSink& faults, std::uint8_t* out, std::uint32_t count);
std::int32_t ReadStoredTotalSize(ArchiveSource& source, FaultSink& faults);
// Bytes up to a zero byte, which is consumed and not returned.
std::string ReadRawString(ArchiveSource& source, FaultSink& faults);
PasswordRecord ReadPasswordRecord(ArchiveSource& source, FaultSink& faults);

// --- Writing side ---
// The record for a password: check word = CRC-16/UMTS of its bytes, stored XOR flag * 0x0101.
PasswordRecord MakePasswordRecord(const std::string& password, std::uint8_t flag);
// The preamble's bytes, exactly as the expander reads them. Comment and launch name must
// hold no zero byte.
std::vector<std::uint8_t> EncodePreamble(const Preamble& preamble);

} // namespace vorrin
