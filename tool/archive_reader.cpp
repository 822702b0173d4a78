#include "tool/archive_reader.hpp"

#include <algorithm>
#include <functional>
#include <span>

#include "container/block_stream.hpp"
#include "container/crc16.hpp"
#include "tool/archive_fault.hpp"
#include "tool/member_codec.hpp"
#include "tool/tool_error.hpp"

namespace vorrin {
namespace {

// Passes on exactly a member's own bytes, counts all that the decoder produced, and keeps
// the progress bar moving through long members.
class MemberSink final : public ChunkSink {
public:
  MemberSink(ChunkSink& target, std::uint64_t size, const std::function<void()>& tick)
      : target_(target), size_(size), tick_(tick) {}

  void Write(const std::uint8_t* data, std::size_t count) override {
    const std::uint64_t room = produced_ < size_ ? size_ - produced_ : 0;
    const auto pass = static_cast<std::size_t>(std::min<std::uint64_t>(room, count));
    if (pass > 0) target_.Write(data, pass);
    produced_ += count;
    tick_();
  }
  std::uint64_t produced() const { return produced_; }

private:
  ChunkSink& target_;
  std::uint64_t size_;
  std::uint64_t produced_ = 0;
  const std::function<void()>& tick_;
};

// Where in the archive a fault struck, for its message.
struct Place {
  enum class Stage { Name, Header, Data } stage = Stage::Name;
  std::string member; // shown form of the member being read, or of the one before
  bool any = false;
};

std::string Where(const Place& place) {
  if (place.stage != Place::Stage::Name) return "member " + place.member;
  return place.any ? "the record after " + place.member : "the first record";
}

std::string Describe(const FaultReport& report, const Place& place, bool enciphered) {
  const std::string block = "block " + std::to_string(report.block);
  switch (report.fault) {
  case Fault::DamagedBlock:
    if (enciphered && report.block == 0) return block + " is damaged, or the password is wrong";
    return block + " is damaged (" + Where(place) + ")";
  case Fault::ReadPastEnd:
    return "archive ends inside " + Where(place);
  case Fault::ReadFailed:
    return "read error in " + block + " (" + Where(place) + ")";
  case Fault::BadMatch:
    return Where(place) + " is damaged (its data refers to bytes before its start)";
  case Fault::WriteFailed:
    break;
  }
  return "write error (" + Where(place) + ")";
}

} // namespace

ArchiveReader::ArchiveReader(const std::string& path, std::optional<std::int64_t> offset,
                             const NameEncoding& encoding)
    : file_(path), location_(LocateArchive(file_, offset)), encoding_(encoding) {}

void ArchiveReader::UsePassword(std::string password) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(password.data());
  if (Crc16Umts(bytes, password.size()) != location_.preamble.password.check_word)
    throw ToolError(path() + ": wrong password", kExitArchiveFault);
  password_ = std::move(password);
}

void ArchiveReader::Walk(MemberVisitor& visitor, ProgressBar& progress) {
  if (IsProtected() && password_.empty())
    throw ToolError(path() + ": the archive is protected: give its password");
  if (!file_.Seek(location_.blocks_start)) throw ToolError(path() + ": cannot read");
  ThrowingFaultSink faults;
  BlockStream stream(file_, faults);
  if (IsProtected())
    stream.SetKey(std::span(reinterpret_cast<const std::uint8_t*>(password_.data()), password_.size()));
  MemberExpander expander(stream, faults);

  const auto body = static_cast<std::uint64_t>(file_.length() - location_.blocks_start);
  ProgressState state;
  state.total = body;
  const std::function<void()> tick = [&] {
    state.done = static_cast<std::uint64_t>(file_.Position() - location_.blocks_start);
    progress.Update(state);
  };

  Place place;
  std::string previous;
  try {
    stream.ClearEndOfArchive();
    do {
      place.stage = Place::Stage::Name;
      MemberEntry member;
      member.name = ReadMemberName(stream, previous);
      place.member = encoding_.Display(member.name);
      place.any = true;
      member.folder = IsFolderEntry(member.name);
      if (member.folder) {
        visitor.Folder(member);
        continue;
      }
      place.stage = Place::Stage::Header;
      member.header = ReadMemberHeader(stream);
      place.stage = Place::Stage::Data;
      MemberSink sink(visitor.BeginFile(member), member.ContentSize(), tick);
      expander.Expand(member.header.size, sink);
      if (sink.produced() != member.ContentSize())
        throw ToolError(path() + ": member " + place.member + " is damaged (it decodes to " +
                            std::to_string(sink.produced()) + " bytes, not " +
                            std::to_string(member.ContentSize()) + ")",
                        kExitArchiveFault);
      visitor.EndFile(member);
      ++state.files;
      state.plain_bytes += member.ContentSize();
      state.coded_bytes = static_cast<std::uint64_t>(stream.StreamPosition());
      tick();
    } while (!stream.EndOfArchive());
  } catch (const ArchiveFault& fault) {
    throw ToolError(path() + ": " + Describe(fault.report(), place, IsProtected()), kExitArchiveFault);
  }
  progress.Finish();
}

} // namespace vorrin
