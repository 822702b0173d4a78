#include "driver/driver_file.hpp"

#include "driver/pending_io_error.hpp"

namespace vorrin {

bool DriverFile::TakePath(const std::string& path) {
  // A path the system cannot take whole is refused, never cut short to another name.
  if (path.size() > platform::LongestPath()) {
    SetPendingIoError(kPathTooLong);
    return false;
  }
  path_ = path;
  return true;
}

void DriverFile::OpenForReading(const std::string& path) {
  if (!TakePath(path)) return;
  SetPendingIoError(platform::OpenForReading(path_.c_str(), handle_));
}

void DriverFile::Create(const std::string& path) {
  if (!TakePath(path)) return;
  SetPendingIoError(platform::CreateForWriting(path_.c_str(), handle_));
}

bool DriverFile::CheckOpen() {
  if (IsOpen()) return true;
  SetPendingIoError(kFileNotOpen);
  return false;
}

void DriverFile::SeekTo(std::int32_t position) {
  if (CheckOpen()) SetPendingIoError(platform::SeekTo(handle_, position));
}

bool DriverFile::ReadUpTo(std::uint8_t* buffer, std::uint32_t count, std::uint32_t& got) {
  if (!CheckOpen()) return false;
  std::uint32_t done = 0;
  const auto error = platform::Read(handle_, buffer, count, done);
  if (error != 0) {
    SetPendingIoError(error);
    return false;
  }
  got = done;
  return true;
}

void DriverFile::WriteExact(const std::uint8_t* buffer, std::uint32_t count) {
  if (!CheckOpen()) return;
  std::uint32_t done = 0;
  const auto error = platform::Write(handle_, buffer, count, done);
  SetPendingIoError(error != 0 ? error : (done != count ? kWriteShort : 0));
}

std::int32_t DriverFile::Length() {
  if (!CheckOpen()) return -1;
  std::int64_t length = 0;
  const auto error = platform::FileLength(handle_, length);
  if (error != 0) {
    SetPendingIoError(error);
    return -1;
  }
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(length));
}

bool DriverFile::AtEnd() {
  if (!CheckOpen()) return true;
  std::int64_t position = 0, length = 0;
  auto error = platform::CurrentPosition(handle_, position);
  if (error == 0) error = platform::FileLength(handle_, length);
  if (error != 0) {
    SetPendingIoError(error);
    return true;
  }
  return position >= length;
}

void DriverFile::Close() {
  if (!CheckOpen()) return;
  const auto error = platform::Close(handle_);
  handle_ = platform::kNoHandle;
  SetPendingIoError(error);
}

void DriverFile::Delete() { SetPendingIoError(platform::Delete(path_.c_str())); }

} // namespace vorrin
