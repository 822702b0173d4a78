// vorrin test FILE: reads every block and decodes every member, writing nothing.
#include "tool/archive_reader.hpp"
#include "tool/command_options.hpp"
#include "tool/messages.hpp"
#include "tool/reading.hpp"
#include "tool/tool_error.hpp"

namespace vorrin {
namespace {

class Checker final : public MemberVisitor, private ChunkSink {
public:
  Checker(const ReadOptions& options, const NameEncoding& encoding)
      : options_(options), encoding_(encoding) {}

  void Folder(const MemberEntry& member) override {
    ++folders;
    PrintDetail(options_, "  ok  " + encoding_.Display(member.name));
  }
  ChunkSink& BeginFile(const MemberEntry&) override { return *this; }
  void EndFile(const MemberEntry& member) override {
    ++files;
    bytes += member.ContentSize();
    PrintDetail(options_, "  ok  " + encoding_.Display(member.name));
  }

  std::uint64_t files = 0, folders = 0, bytes = 0;

private:
  void Write(const std::uint8_t*, std::size_t) override {}

  const ReadOptions& options_;
  const NameEncoding& encoding_;
};

} // namespace

int RunTest(const ReadOptions& options) {
  const NameEncoding encoding(options.name_encoding);
  ArchiveReader reader(options.archive, options.offset, encoding);
  SettlePassword(reader, options);
  Checker checker(options, encoding);
  ProgressBar progress(!options.quiet);
  reader.Walk(checker, progress);
  PrintResult(options, options.archive + ": OK (" + std::to_string(checker.files) + " files, " +
                           std::to_string(checker.folders) + " folders, " +
                           std::to_string(checker.bytes) + " bytes)");
  return kExitOk;
}

} // namespace vorrin
