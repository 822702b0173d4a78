#include "tool/archive_writer.hpp"

#include <cstring>
#include <fstream>
#include <span>

#include "container/block_writer.hpp"
#include "container/member_record.hpp"
#include "container/preamble.hpp"
#include "platform/tool_support.hpp"
#include "tool/member_codec.hpp"
#include "tool/temp_output.hpp"
#include "tool/tool_error.hpp"

namespace fs = std::filesystem;

namespace vorrin {
namespace {

// Blocks go straight to the file; the whole file must stay below 2^31 bytes.
class FileBlockSink final : public ByteSink {
public:
  FileBlockSink(std::ofstream& out, std::uint64_t before, const fs::path& output)
      : out_(out), total_(before), output_(output) {}

  void Write(const std::uint8_t* data, std::size_t count) override {
    total_ += count;
    if (total_ >= kFormatLimit)
      throw ToolError(output_.string() + ": the archive would reach 2 GiB; the format stops below");
    out_.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(count));
  }
  std::uint64_t total() const { return total_; }

private:
  std::ofstream& out_;
  std::uint64_t total_;
  const fs::path& output_;
};

std::vector<std::uint8_t> ReadContents(const PlannedMember& member) {
  const fs::path& source = member.input.source;
  std::ifstream in(source, std::ios::binary);
  if (!in) throw ToolError(source.string() + ": cannot open");
  std::vector<std::uint8_t> data(member.input.size);
  in.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(data.size()));
  const bool whole = static_cast<std::size_t>(in.gcount()) == data.size();
  if (in.bad()) throw ToolError(source.string() + ": read error");
  if (!whole || in.peek() != std::char_traits<char>::eof())
    throw ToolError(source.string() + ": changed while being packed");
  return data;
}

// Taken after the contents were read, so reading them cannot change the last-access time
// that is stored, and packing the same files again gives the same bytes.
FileTimes TimesOf(const PlannedMember& member) {
  platform::FileStamps stamps;
  if (const int error = platform::ReadFileStamps(member.input.source.c_str(), stamps); error != 0)
    throw ToolError(member.input.source.string() + ": cannot read its times: " + std::strerror(error));
  return {stamps.creation, stamps.last_access, stamps.last_write};
}

void PatchTotalSize(std::ofstream& out, std::uint64_t at, std::uint64_t total) {
  std::uint8_t bytes[4];
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<std::uint8_t>(total >> (8 * i));
  out.seekp(static_cast<std::streamoff>(at));
  out.write(reinterpret_cast<const char*>(bytes), 4);
}

} // namespace

WriteSummary WriteArchive(const fs::path& output, const Stub& stub, const ArchiveContents& contents,
                          const std::vector<PlannedMember>& members, ProgressBar& progress,
                          const std::function<void(const PlannedMember&, std::size_t)>& added) {
  Preamble preamble;
  preamble.comment = contents.comment;
  preamble.launch_name = contents.launch_name;
  if (contents.password) preamble.password = MakePasswordRecord(*contents.password, kPasswordFlag);
  const std::vector<std::uint8_t> preamble_bytes = EncodePreamble(preamble); // size patched below

  TempOutput file(output);
  std::ofstream& out = file.stream();
  out.write(reinterpret_cast<const char*>(stub.bytes.data()), static_cast<std::streamsize>(stub.bytes.size()));
  out.write(reinterpret_cast<const char*>(preamble_bytes.data()),
            static_cast<std::streamsize>(preamble_bytes.size()));

  std::span<const std::uint8_t> key;
  if (contents.password)
    key = {reinterpret_cast<const std::uint8_t*>(contents.password->data()), contents.password->size()};
  FileBlockSink sink(out, stub.bytes.size() + preamble_bytes.size(), output);
  BlockWriter blocks(sink, key);

  WriteSummary summary;
  ProgressState state;
  for (const PlannedMember& member : members)
    if (!member.input.folder) {
      ++state.files_total;
      state.total += member.input.size;
    }
  std::string previous;
  std::vector<std::uint8_t> record;
  for (const PlannedMember& member : members) {
    record = EncodeMemberName(member.name, previous);
    if (record.empty()) throw ToolError(member.input.source.string() + ": the name cannot be stored");
    previous = member.name;
    std::vector<std::uint8_t> coded;
    if (member.input.folder) {
      ++summary.folders;
    } else {
      const std::vector<std::uint8_t> data = ReadContents(member);
      coded = CompressMemberBytes(data, contents.level);
      AppendMemberHeader(record, {TimesOf(member), static_cast<std::int32_t>(data.size())});
      ++summary.files;
      summary.plain_bytes += data.size();
    }
    blocks.Put(record);
    blocks.Put(coded);
    added(member, coded.size());
    if (!member.input.folder) {
      ++state.files;
      state.done += member.input.size;
      state.plain_bytes = summary.plain_bytes;
      state.coded_bytes = static_cast<std::uint64_t>(blocks.PlainCount());
      progress.Update(state);
    }
  }
  blocks.Finish();
  summary.total_size = sink.total();
  PatchTotalSize(out, stub.bytes.size(), summary.total_size);
  file.Close();
  // The new file runs like the program it was made from.
  std::error_code ec;
  fs::permissions(file.temp_path(), fs::status(stub.path, ec).permissions(), ec);
  file.Commit();
  progress.Finish();
  return summary;
}

} // namespace vorrin
