// vorrin create OUTPUT INPUT...: everything is checked (inputs, names, sizes, program,
// comment, launch name, password) before the first byte is written.
#include <fstream>
#include <iterator>

#include "tool/archive_writer.hpp"
#include "tool/command_options.hpp"
#include "tool/messages.hpp"
#include "tool/password_source.hpp"
#include "tool/tool_error.hpp"

namespace vorrin {
namespace {

std::string CommentOf(const CreateOptions& options, const NameEncoding& encoding) {
  std::string text;
  std::string origin = "--comment";
  if (options.comment_file) {
    origin = *options.comment_file;
    std::ifstream in(*options.comment_file, std::ios::binary);
    if (!in) throw ToolError(origin + ": cannot open the comment file");
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  } else if (options.comment) {
    text = *options.comment;
  }
  std::string coded;
  if (!encoding.ToArchive(text, coded))
    throw ToolError(origin + ": the comment cannot be written in " + encoding.code_page());
  if (coded.find('\0') != std::string::npos)
    throw ToolError(origin + ": the comment holds a zero byte");
  return coded;
}

std::string LaunchNameOf(const CreateOptions& options, const NameEncoding& encoding,
                         const std::vector<PlannedMember>& members) {
  if (!options.launch) return {};
  std::string stored;
  try {
    stored = StoredNameOf(*options.launch, encoding);
  } catch (const ToolError&) {
    stored.clear();
  }
  for (const PlannedMember& member : members)
    if (!member.input.folder && member.name == stored) return stored;
  throw ToolError("--launch " + *options.launch + ": names no file in the archive");
}

std::optional<std::string> PasswordOf(const CreateOptions& options) {
  if (options.password_file) return PasswordFromFile(*options.password_file);
  if (options.ask_password) return AskNewPassword();
  return std::nullopt;
}

bool HasNonAscii(const std::string& text) {
  for (const char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  return false;
}

std::string Percent(std::uint64_t part, std::uint64_t whole) {
  return whole == 0 ? "-" : std::to_string(part * 100 / whole) + "%";
}

} // namespace

int RunCreate(const CreateOptions& options) {
  const NameEncoding encoding(options.name_encoding);
  const Stub stub = LoadStub(options.stub);
  std::vector<InputEntry> inputs =
      CollectInputs(options.inputs, [&](const std::string& line) { PrintWarning(options, line); });
  const std::vector<PlannedMember> members = PlanMembers(std::move(inputs), encoding);
  if (members.empty()) throw ToolError(options.output + ": nothing to pack");
  ArchiveContents contents;
  contents.comment = CommentOf(options, encoding);
  contents.launch_name = LaunchNameOf(options, encoding, members);
  contents.password = PasswordOf(options);
  if (contents.password && HasNonAscii(*contents.password))
    PrintWarning(options, "the password holds characters beyond ASCII; the expander takes the bytes its "
                          "console delivers, which depend on the code page there");
  contents.level = options.level;

  ProgressBar progress(!options.quiet);
  const WriteSummary summary =
      WriteArchive(options.output, stub, contents, members, progress,
                   [&](const PlannedMember& member, std::size_t coded) {
                     const std::string shown = encoding.Display(member.name);
                     if (member.input.folder)
                       PrintDetail(options, "  folder  " + shown.substr(0, shown.size() - 1));
                     else
                       PrintDetail(options, "  " + Percent(coded, member.input.size) + "  " + shown);
                   });
  PrintResult(options, options.output + ": " + std::to_string(summary.files) + " files, " +
                           std::to_string(summary.folders) + " folders, " +
                           std::to_string(summary.plain_bytes) + " bytes packed into " +
                           std::to_string(summary.total_size) + " (" +
                           Percent(summary.total_size - stub.bytes.size(), summary.plain_bytes) +
                           " of the contents, with a " + std::to_string(stub.bytes.size()) +
                           "-byte program)");
  return kExitOk;
}

} // namespace vorrin
