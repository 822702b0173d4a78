// Builds a self-extracting file for the process tests: the expander's own bytes (the
// stub), then the preamble with the file's total length, then the body in checked blocks,
// enciphered when there is a password. Knobs put in the faults the tests look for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vorrin::test {

struct BitFlip {
  std::size_t block = 0;  // counted from 0
  std::size_t offset = 0; // within the block as stored: data bytes, then the two check bytes
  int bit = 0;            // 0 = least significant
};

struct SfxFaults {
  std::optional<std::int32_t> stored_total_size; // stored instead of the file's length
  std::int32_t stored_total_size_delta = 0;       // added to the length that is stored
  std::vector<BitFlip> flips;
  std::vector<std::size_t> checks_low_byte_first; // blocks whose check is stored swapped
  std::size_t cut = 0;       // bytes cut off the end, after the total was taken
  std::string appended;      // bytes added at the end, after the total was taken

  // One fault each, for tables of cases.
  static SfxFaults StoredTotal(std::int32_t value);
  static SfxFaults StoredTotalDelta(std::int32_t delta);
  static SfxFaults Flip(BitFlip flip);
  static SfxFaults CheckLowByteFirst(std::size_t block);
  static SfxFaults Cut(std::size_t count);
  static SfxFaults Append(std::string bytes);
};

struct SfxPlan {
  std::string comment;
  std::string launch_name;
  std::optional<std::string> password; // set: a protected archive enciphered with it
  std::uint8_t password_flag = 0xA5;   // stored for a protected archive; masks the check word
  std::optional<std::uint16_t> check_word; // stored instead of the password's CRC-16/UMTS
  std::vector<std::uint8_t> body;      // plain member records
  SfxFaults faults;
};

struct BlockPlace {
  std::size_t offset = 0;    // in the file
  std::size_t data_size = 0; // the two check bytes follow the data
};

struct SfxFile {
  std::vector<std::uint8_t> bytes;
  std::size_t archive_offset = 0; // = the stub's length: where the preamble starts
  std::size_t blocks_offset = 0;  // where block 0 starts
  std::vector<BlockPlace> blocks;
  std::int32_t stored_total_size = 0;
};

SfxFile BuildSfx(std::span<const std::uint8_t> stub, const SfxPlan& plan);

} // namespace vorrin::test
