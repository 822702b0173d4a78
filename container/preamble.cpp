#include "container/preamble.hpp"

#include "container/crc16.hpp"

namespace vorrin {

void ReadExact(ArchiveSource& source, FaultSink& faults, std::uint8_t* out, std::uint32_t count) {
  std::uint32_t got = 0;
  if (!source.Read(out, count, got)) faults.Raise({Fault::ReadFailed});
  if (got != count) faults.Raise({Fault::ReadPastEnd});
}

std::int32_t ReadStoredTotalSize(ArchiveSource& source, FaultSink& faults) {
  std::uint8_t b[4];
  ReadExact(source, faults, b, 4);
  const std::uint32_t v = std::uint32_t{b[0]} | (std::uint32_t{b[1]} << 8) |
                         (std::uint32_t{b[2]} << 16) | (std::uint32_t{b[3]} << 24);
  return static_cast<std::int32_t>(v);
}

std::string ReadRawString(ArchiveSource& source, FaultSink& faults) {
  std::string text;
  for (;;) {
    std::uint8_t byte = 0;
    ReadExact(source, faults, &byte, 1);
    if (byte == 0) return text;
    text.push_back(static_cast<char>(byte));
  }
}

PasswordRecord ReadPasswordRecord(ArchiveSource& source, FaultSink& faults) {
  PasswordRecord record;
  ReadExact(source, faults, &record.flag, 1);
  if (record.flag == 0) return record;
  record.enciphered = true;
  std::uint8_t b[2];
  ReadExact(source, faults, b, 2);
  const auto stored = static_cast<std::uint16_t>(b[0] | (b[1] << 8));
  record.check_word = static_cast<std::uint16_t>(stored ^ (record.flag * 0x0101u));
  return record;
}

PasswordRecord MakePasswordRecord(const std::string& password, std::uint8_t flag) {
  PasswordRecord record;
  record.enciphered = true;
  record.flag = flag;
  record.check_word =
      Crc16Umts(reinterpret_cast<const std::uint8_t*>(password.data()), password.size());
  return record;
}

std::vector<std::uint8_t> EncodePreamble(const Preamble& preamble) {
  std::vector<std::uint8_t> out;
  const auto total = static_cast<std::uint32_t>(preamble.stored_total_size);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(total >> (8 * i)));
  out.insert(out.end(), preamble.comment.begin(), preamble.comment.end());
  out.push_back(0);
  out.insert(out.end(), preamble.launch_name.begin(), preamble.launch_name.end());
  out.push_back(0);
  const PasswordRecord& pw = preamble.password;
  if (!pw.enciphered) {
    out.push_back(0);
    return out;
  }
  out.push_back(pw.flag);
  const auto stored = static_cast<std::uint16_t>(pw.check_word ^ (pw.flag * 0x0101u));
  out.push_back(static_cast<std::uint8_t>(stored));
  out.push_back(static_cast<std::uint8_t>(stored >> 8));
  return out;
}

} // namespace vorrin
