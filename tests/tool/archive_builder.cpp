#include "tests/tool/archive_builder.hpp"

#include <span>

#include "container/block_writer.hpp"
#include "container/preamble.hpp"
#include "encode/lz77_parser.hpp"

namespace vorrin::test {
namespace {

std::string StandInProgram(bool length_record) {
  std::string program = "MZ stand-in expander";
  program.resize(kHandProgramSize / 2, '\x90');
  if (length_record) {
    program += "<VorrinCore>";
    for (int i = 0; i < 4; ++i) program += static_cast<char>(kHandProgramSize >> (8 * i));
  }
  program.resize(kHandProgramSize, '\xCC');
  return program;
}

std::span<const std::uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

} // namespace

std::string BuildArchive(const HandArchive& plan) {
  std::vector<std::uint8_t> plain;
  std::string previous;
  for (const HandMember& member : plan.members) {
    const std::vector<std::uint8_t> name = EncodeMemberName(member.name, previous);
    plain.insert(plain.end(), name.begin(), name.end());
    previous = member.name;
    if (IsFolderEntry(member.name)) continue;
    AppendMemberHeader(plain, {member.times, static_cast<std::int32_t>(member.contents.size())});
    const std::vector<std::uint8_t> coded = CompressMember(Bytes(member.contents), 6);
    plain.insert(plain.end(), coded.begin(), coded.end());
  }
  if (plan.cut_plain_at < plain.size()) plain.resize(plan.cut_plain_at);

  MemorySink blocks;
  BlockWriter writer(blocks, Bytes(plan.password));
  writer.Put(plain);
  writer.Finish();

  Preamble preamble;
  preamble.comment = plan.comment;
  preamble.launch_name = plan.launch_name;
  if (!plan.password.empty()) preamble.password = MakePasswordRecord(plan.password, 0x33);
  const std::string program = StandInProgram(plan.length_record);
  preamble.stored_total_size =
      static_cast<std::int32_t>(program.size() + EncodePreamble(preamble).size() + blocks.bytes.size());
  const std::vector<std::uint8_t> head = EncodePreamble(preamble);
  return program + std::string(head.begin(), head.end()) + std::string(blocks.bytes.begin(), blocks.bytes.end());
}

} // namespace vorrin::test
