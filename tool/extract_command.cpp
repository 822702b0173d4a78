// vorrin extract FILE: every member under the target folder, each file written to a
// temporary beside it and moved into place once complete and given its times. Nothing is
// ever launched.
#include <cstring>
#include <iostream>
#include <memory>

#include "platform/tool_support.hpp"
#include "tool/archive_reader.hpp"
#include "tool/command_options.hpp"
#include "tool/messages.hpp"
#include "tool/name_rules.hpp"
#include "tool/reading.hpp"
#include "tool/temp_output.hpp"
#include "tool/tool_error.hpp"

namespace fs = std::filesystem;

namespace vorrin {
namespace {

enum class Existing { Ask, Overwrite, Skip };

class Extractor final : public MemberVisitor {
public:
  Extractor(const ExtractOptions& options, const NameEncoding& encoding, const std::string& archive,
            ProgressBar& progress)
      : options_(options), encoding_(encoding), archive_(archive), progress_(progress),
        existing_(options.overwrite ? Existing::Overwrite
                                    : options.skip_existing ? Existing::Skip : Existing::Ask) {}

  void Folder(const MemberEntry& member) override {
    const fs::path folder = Target(member, member.name.substr(0, member.name.size() - 2));
    MakeFolders(member, folder);
    ++folders;
    PrintDetail(options_, "  " + folder.string() + "/");
  }

  ChunkSink& BeginFile(const MemberEntry& member) override {
    const fs::path target = Target(member, member.name);
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(target, ec);
    if (fs::is_directory(status)) Fail(member, target.string() + " is a folder");
    if (fs::exists(status) && !MayReplace(member, target)) {
      ++skipped;
      PrintDetail(options_, "  skipped " + target.string());
      return discard_;
    }
    MakeFolders(member, target.parent_path());
    output_ = std::make_unique<TempOutput>(target);
    sink_.out = &output_->stream();
    target_ = target;
    return sink_;
  }

  void EndFile(const MemberEntry& member) override {
    if (!output_) return;
    output_->Close();
    const FileTimes& t = member.header.times;
    if (const int error = platform::WriteFileStamps(output_->temp_path().c_str(), t.last_access, t.last_write))
      Fail(member, "cannot set the times of " + target_.string() + ": " + std::strerror(error));
    output_->Commit();
    output_.reset();
    ++files;
    PrintDetail(options_, "  " + target_.string());
  }

  std::uint64_t files = 0, folders = 0, skipped = 0;

private:
  struct StreamSink final : ChunkSink {
    void Write(const std::uint8_t* data, std::size_t count) override {
      out->write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(count));
    }
    std::ofstream* out = nullptr;
  };
  struct DiscardSink final : ChunkSink {
    void Write(const std::uint8_t*, std::size_t) override {}
  };

  [[noreturn]] void Fail(const MemberEntry& member, const std::string& what) const {
    throw ToolError(archive_ + ": member " + encoding_.Display(member.name) + ": " + what);
  }

  // The member's place under the target folder, by the rules the expander follows.
  fs::path Target(const MemberEntry& member, const std::string& stored) const {
    if (const std::string problem = StoredNameProblem(stored); !problem.empty())
      Fail(member, "refused: the name " + problem);
    std::string name;
    if (!encoding_.ToSystem(stored, name))
      Fail(member, "the name has no form in the system's character set " + encoding_.system_charset());
    fs::path target = options_.folder;
    std::string part;
    for (const char c : name + '\\') {
      if (c != '\\' && c != '/') {
        part += c;
      } else if (!part.empty()) {
        target /= part;
        part.clear();
      }
    }
    return target;
  }

  void MakeFolders(const MemberEntry& member, const fs::path& folder) const {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec || !fs::is_directory(folder, ec)) Fail(member, "cannot make folder " + folder.string());
  }

  bool MayReplace(const MemberEntry& member, const fs::path& target) {
    switch (existing_) {
    case Existing::Overwrite: return true;
    case Existing::Skip: return false;
    case Existing::Ask: break;
    }
    if (!platform::IsTerminal(platform::ToolStream::Input))
      Fail(member, target.string() + " exists (use --overwrite or --skip-existing)");
    progress_.Finish(); // the question gets a line of its own
    for (;;) {
      std::cerr << target.string() << " exists. Overwrite? [y]es, [n]o, [A]ll, [N]one: " << std::flush;
      std::string answer;
      if (!std::getline(std::cin, answer)) {
        existing_ = Existing::Skip;
        return false;
      }
      if (answer == "y") return true;
      if (answer == "n") return false;
      if (answer == "A") existing_ = Existing::Overwrite;
      if (answer == "N") existing_ = Existing::Skip;
      if (existing_ != Existing::Ask) return existing_ == Existing::Overwrite;
    }
  }

  const ExtractOptions& options_;
  const NameEncoding& encoding_;
  const std::string& archive_;
  ProgressBar& progress_;
  Existing existing_;
  std::unique_ptr<TempOutput> output_;
  fs::path target_;
  StreamSink sink_;
  DiscardSink discard_;
};

} // namespace

int RunExtract(const ExtractOptions& options) {
  const NameEncoding encoding(options.name_encoding);
  ArchiveReader reader(options.archive, options.offset, encoding);
  SettlePassword(reader, options);
  ProgressBar progress(!options.quiet);
  Extractor extractor(options, encoding, options.archive, progress);
  reader.Walk(extractor, progress);
  std::string summary = options.archive + ": " + std::to_string(extractor.files) + " files, " +
                        std::to_string(extractor.folders) + " folders extracted to " + options.folder;
  if (extractor.skipped > 0) summary += " (" + std::to_string(extractor.skipped) + " existing files kept)";
  PrintResult(options, summary);
  return kExitOk;
}

} // namespace vorrin
