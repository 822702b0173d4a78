#include "tests/tool/archive_builder.hpp"

#include "tests/support/archive_body.hpp"
#include "tests/support/sfx_builder.hpp"

namespace vorrin::test {
namespace {

std::vector<std::uint8_t> StandInProgram(bool length_record) {
  std::string program = "MZ stand-in expander";
  program.resize(kHandProgramSize / 2, '\x90');
  if (length_record) {
    program += "<VorrinCore>";
    for (int i = 0; i < 4; ++i) program += static_cast<char>(kHandProgramSize >> (8 * i));
  }
  program.resize(kHandProgramSize, '\xCC');
  return {program.begin(), program.end()};
}

} // namespace

std::string BuildArchive(const HandArchive& plan) {
  ArchiveBody body;
  for (const HandMember& member : plan.members) {
    if (IsFolderEntry(member.name))
      body.FolderEntry(member.name);
    else
      body.Member(member.name, member.times, member.contents);
  }
  SfxPlan sfx;
  sfx.comment = plan.comment;
  sfx.launch_name = plan.launch_name;
  if (!plan.password.empty()) sfx.password = plan.password;
  sfx.password_flag = 0x33;
  sfx.body = body.bytes();
  if (plan.cut_plain_at < sfx.body.size()) sfx.body.resize(plan.cut_plain_at);
  const SfxFile file = BuildSfx(StandInProgram(plan.length_record), sfx);
  return {file.bytes.begin(), file.bytes.end()};
}

} // namespace vorrin::test
