// vorrin list FILE: the archive's comment, launch name and protection, and one row per
// member; --json gives the same for scripts.
#include <cstdio>
#include <iostream>

#include <nlohmann/json.hpp>

#include "platform/tool_support.hpp"
#include "tool/archive_reader.hpp"
#include "tool/command_options.hpp"
#include "tool/file_time_text.hpp"
#include "tool/messages.hpp"
#include "tool/printable.hpp"
#include "tool/reading.hpp"
#include "tool/tool_error.hpp"

namespace vorrin {
namespace {

class DiscardSink final : public ChunkSink {
public:
  void Write(const std::uint8_t*, std::size_t) override {}
};

// Collects the members; contents are decoded (the next record starts after them) and dropped.
class Collector final : public MemberVisitor {
public:
  void Folder(const MemberEntry& member) override { members.push_back(member); }
  ChunkSink& BeginFile(const MemberEntry&) override { return discard_; }
  void EndFile(const MemberEntry& member) override { members.push_back(member); }

  std::vector<MemberEntry> members;

private:
  DiscardSink discard_;
};

// A folder's name without the "\." that marks it, so it reads as a path.
std::string ShownName(const MemberEntry& member) {
  return member.folder ? member.name.substr(0, member.name.size() - 1) : member.name;
}

std::string Utf8(const NameEncoding& encoding, const std::string& text) {
  std::string out;
  return encoding.ToUtf8(text, out) ? out : text;
}

// A comment keeps its lines; its carriage returns go before the line feeds they precede.
std::string ShownComment(const NameEncoding& encoding, const std::string& comment) {
  std::string text = encoding.Display(comment);
  std::string lines;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) lines += text[i];
  return Printable(lines, LineEnds::Keep);
}

void PrintText(const ArchiveReader& reader, const NameEncoding& encoding,
               const std::vector<MemberEntry>& members) {
  const Preamble& p = reader.preamble();
  std::cout << "Archive:  " << Printable(reader.path()) << " (at byte " << reader.location().offset << " of "
            << reader.file_length() << ")\n";
  if (!p.comment.empty()) std::cout << "Comment:  " << ShownComment(encoding, p.comment) << '\n';
  if (!p.launch_name.empty()) std::cout << "Launch:   " << Printable(encoding.Display(p.launch_name)) << '\n';
  std::cout << "Password: " << (reader.IsProtected() ? "yes" : "no") << '\n';
  std::cout << "Type         Size  Created (UTC)        Last access (UTC)    Last write (UTC)     Name\n";
  for (const MemberEntry& m : members) {
    char row[160];
    if (m.folder) {
      std::snprintf(row, sizeof row, "%-6s %10s  %-19s  %-19s  %-19s  ", "folder", "-", "-", "-", "-");
    } else {
      std::snprintf(row, sizeof row, "%-6s %10lld  %-19s  %-19s  %-19s  ", "file",
                    static_cast<long long>(m.header.size), FileTimeText(m.header.times.creation).c_str(),
                    FileTimeText(m.header.times.last_access).c_str(),
                    FileTimeText(m.header.times.last_write).c_str());
    }
    std::cout << row << Printable(encoding.Display(ShownName(m))) << '\n';
  }
  std::cout << std::flush;
}

void PrintJson(const ArchiveReader& reader, const NameEncoding& encoding,
               const std::vector<MemberEntry>& members, bool locked) {
  using nlohmann::json;
  const Preamble& p = reader.preamble();
  json rows = json::array();
  for (const MemberEntry& m : members) {
    json row = {{"name", Utf8(encoding, ShownName(m))}, {"folder", m.folder}};
    if (!m.folder) {
      const FileTimes& t = m.header.times;
      row["size"] = m.header.size;
      row["creation"] = FileTimeIso(t.creation);
      row["last_access"] = FileTimeIso(t.last_access);
      row["last_write"] = FileTimeIso(t.last_write);
      row["file_times"] = {t.creation, t.last_access, t.last_write};
    }
    rows.push_back(std::move(row));
  }
  const json out = {{"file", reader.path()},
                    {"offset", reader.location().offset},
                    {"size", reader.file_length()},
                    {"comment", Utf8(encoding, p.comment)},
                    {"launch", Utf8(encoding, p.launch_name)},
                    {"password", reader.IsProtected()},
                    {"members", locked ? json() : rows}};
  std::cout << out.dump(2, ' ', false, json::error_handler_t::replace) << '\n' << std::flush;
}

} // namespace

int RunList(const ListOptions& options) {
  const NameEncoding encoding(options.name_encoding);
  ArchiveReader reader(options.archive, options.offset, encoding);
  // Without its password a protected archive shows its preamble only.
  const bool locked = reader.IsProtected() && !options.password_file &&
                      !platform::IsTerminal(platform::ToolStream::Input);
  Collector collector;
  if (!locked) {
    SettlePassword(reader, options);
    ProgressBar progress(!options.quiet);
    reader.Walk(collector, progress);
  }
  if (options.json) PrintJson(reader, encoding, collector.members, locked);
  else PrintText(reader, encoding, collector.members);
  if (locked)
    throw ToolError(options.archive + ": the archive is protected: its members are listed only with "
                                      "its password (--password-file)");
  return kExitOk;
}

} // namespace vorrin
