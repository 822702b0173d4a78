// The POSIX backend, tested through platform.hpp only. Every test runs inside a fresh
// folder that is also the current directory, so relative names are exercised too.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/platform.hpp"
#include "tests/support/file_text.hpp"
#include "tests/support/working_dir.hpp"

namespace vorrin {
namespace {

namespace fs = std::filesystem;
using platform::EntryKind;
using platform::Handle;
using platform::kNoHandle;

class PosixPlatform : public ::testing::Test {
protected:
  // Creates `path` holding `text` through the platform and closes it.
  void CreateHolding(const char* path, const std::string& text) {
    Handle file = kNoHandle;
    ASSERT_EQ(platform::CreateForWriting(path, file), 0) << path;
    std::uint32_t done = 0;
    ASSERT_EQ(platform::Write(file, text.data(), static_cast<std::uint32_t>(text.size()), done), 0);
    ASSERT_EQ(done, text.size());
    ASSERT_EQ(platform::Close(file), 0);
  }

  test::WorkingDir dir_{"vorrin-platform"};
};

TEST_F(PosixPlatform, BackslashesSeparateFolders) {
  ASSERT_EQ(platform::MakeFolder("a"), 0);
  ASSERT_EQ(platform::MakeFolder("a\\c"), 0);
  CreateHolding("a\\b.txt", "xyz");
  EXPECT_EQ(test::ReadFileText("a/b.txt"), "xyz");
  EXPECT_TRUE(fs::is_directory("a/c"));
  EXPECT_EQ(platform::LookUp("a\\b.txt"), EntryKind::File);
  EXPECT_EQ(platform::LookUp("a\\c"), EntryKind::Folder);

  Handle file = kNoHandle;
  ASSERT_EQ(platform::OpenForReading("a\\b.txt", file), 0);
  char buffer[8] = {};
  std::uint32_t done = 0;
  EXPECT_EQ(platform::Read(file, buffer, sizeof buffer, done), 0);
  EXPECT_EQ(std::string(buffer, done), "xyz");
  EXPECT_EQ(platform::Close(file), 0);

  EXPECT_EQ(platform::Delete("a\\b.txt"), 0);
  EXPECT_FALSE(fs::exists("a/b.txt"));
}

TEST_F(PosixPlatform, LookUpTellsWhatStandsThere) {
  test::WriteFileText("file", "x");
  fs::create_directory("folder");
  fs::create_symlink("nowhere", "dangling");
  fs::create_directory_symlink("folder", "folder_link");
  const struct {
    const char* path;
    EntryKind kind;
  } cases[] = {
      {"missing", EntryKind::Missing},     {"folder\\missing", EntryKind::Missing},
      {"file\\below", EntryKind::Missing}, {"", EntryKind::Missing},
      {"file", EntryKind::File},           {"dangling", EntryKind::File},
      {"folder", EntryKind::Folder},       {"folder_link", EntryKind::Folder},
  };
  for (const auto& c : cases) EXPECT_EQ(platform::LookUp(c.path), c.kind) << '"' << c.path << '"';
}

TEST_F(PosixPlatform, MakeFolderRefusesWhatCannotBeMade) {
  test::WriteFileText("file", "x");
  ASSERT_EQ(platform::MakeFolder("folder"), 0);
  for (const char* path : {"folder", "file", "file\\below", "missing\\below", ""})
    EXPECT_NE(platform::MakeFolder(path), 0) << '"' << path << '"';
}

TEST_F(PosixPlatform, CreateForWritingEmptiesAnExistingFile) {
  test::WriteFileText("old.txt", "a longer text than what follows");
  CreateHolding("old.txt", "new");
  EXPECT_EQ(test::ReadFileText("old.txt"), "new");
}

TEST_F(PosixPlatform, OpeningFailsWithoutAHandle) {
  fs::create_directory("folder");
  for (const char* path : {"missing", "folder", "missing\\file"}) {
    Handle file = 1234;
    EXPECT_NE(platform::OpenForReading(path, file), 0) << path;
    EXPECT_EQ(file, kNoHandle) << path;
  }
  Handle file = 1234;
  EXPECT_NE(platform::CreateForWriting("folder", file), 0);
  EXPECT_EQ(file, kNoHandle);
  EXPECT_NE(platform::CreateForWriting("missing\\file", file), 0);
  EXPECT_EQ(file, kNoHandle);
}

TEST_F(PosixPlatform, ReadCountsUpToTheEndThenZero) {
  const std::string text(10000, 'q');
  CreateHolding("data", text);
  Handle file = kNoHandle;
  ASSERT_EQ(platform::OpenForReading("data", file), 0);
  std::vector<char> buffer(4096);
  std::vector<std::uint32_t> counts;
  for (int round = 0; round < 4; ++round) {
    std::uint32_t done = 99;
    ASSERT_EQ(platform::Read(file, buffer.data(), 4096, done), 0);
    counts.push_back(done);
  }
  EXPECT_EQ(counts, (std::vector<std::uint32_t>{4096, 4096, 1808, 0}));
  EXPECT_EQ(platform::Close(file), 0);
}

TEST_F(PosixPlatform, PositionsAndLengthIncludingPastTheEnd) {
  Handle file = kNoHandle;
  ASSERT_EQ(platform::CreateForWriting("data", file), 0);
  const std::string text = "0123456789";
  std::uint32_t done = 0;
  ASSERT_EQ(platform::Write(file, text.data(), 10, done), 0);
  std::int64_t position = -1, length = -1;
  EXPECT_EQ(platform::CurrentPosition(file, position), 0);
  EXPECT_EQ(position, 10);

  ASSERT_EQ(platform::SeekTo(file, 4), 0);
  char two[2] = {};
  ASSERT_EQ(platform::Read(file, two, 2, done), 0);
  EXPECT_EQ(std::string(two, 2), "45");

  ASSERT_EQ(platform::SeekTo(file, 100), 0);
  EXPECT_EQ(platform::CurrentPosition(file, position), 0);
  EXPECT_EQ(position, 100);
  EXPECT_EQ(platform::FileLength(file, length), 0);
  EXPECT_EQ(length, 10) << "a seek alone does not grow the file";
  ASSERT_EQ(platform::Read(file, two, 2, done), 0);
  EXPECT_EQ(done, 0u);
  ASSERT_EQ(platform::Write(file, "!", 1, done), 0);
  EXPECT_EQ(platform::FileLength(file, length), 0);
  EXPECT_EQ(length, 101);

  EXPECT_NE(platform::SeekTo(file, -1), 0);
  EXPECT_EQ(platform::Close(file), 0);
}

TEST_F(PosixPlatform, ClosedAndMissingHandlesFail) {
  Handle file = kNoHandle;
  ASSERT_EQ(platform::CreateForWriting("data", file), 0);
  EXPECT_EQ(platform::KindOf(file), platform::HandleKind::Other);
  ASSERT_EQ(platform::Close(file), 0);
  for (const Handle gone : {file, kNoHandle}) {
    std::uint32_t done = 0;
    std::int64_t number = 0;
    char byte = 0;
    EXPECT_NE(platform::Close(gone), 0);
    EXPECT_NE(platform::Read(gone, &byte, 1, done), 0);
    EXPECT_NE(platform::Write(gone, &byte, 1, done), 0);
    EXPECT_NE(platform::FileLength(gone, number), 0);
    EXPECT_NE(platform::SeekTo(gone, 0), 0);
    EXPECT_NE(platform::SetFileTimes(gone, 0, 1, 1), 0);
    EXPECT_EQ(platform::KindOf(gone), platform::HandleKind::Unknown);
  }
}

TEST_F(PosixPlatform, ReplaceFileMovesOverAnExistingFile) {
  fs::create_directory("sub");
  test::WriteFileText("sub/new", "new");
  test::WriteFileText("old", "old contents");
  ASSERT_EQ(platform::ReplaceFile("sub\\new", "old"), 0);
  EXPECT_EQ(test::ReadFileText("old"), "new");
  EXPECT_FALSE(fs::exists("sub/new"));
  EXPECT_NE(platform::ReplaceFile("sub\\new", "old"), 0);
}

TEST_F(PosixPlatform, ReplaceFileHandsOnThePermissionsOfTheFileReplaced) {
  test::WriteFileText("new", "new");
  test::WriteFileText("program", "old program");
  const auto program = fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec;
  fs::permissions("program", program);
  ASSERT_EQ(platform::ReplaceFile("new", "program"), 0);
  EXPECT_EQ(test::ReadFileText("program"), "new");
  EXPECT_EQ(fs::status("program").permissions(), program);
}

// Replacing is refused exactly where opening the file for writing would be (a privileged
// user may write a read-only file, and replace it too).
TEST_F(PosixPlatform, ReplaceFileLeavesAFileThatMayNotBeWritten) {
  test::WriteFileText("new", "new");
  test::WriteFileText("read_only", "old");
  fs::permissions("read_only", fs::perms::owner_read);
  const bool writable = static_cast<bool>(std::ofstream("read_only", std::ios::app));
  EXPECT_EQ(platform::ReplaceFile("new", "read_only") == 0, writable);
  EXPECT_EQ(test::ReadFileText("read_only"), writable ? "new" : "old");
  EXPECT_EQ(fs::exists("new"), !writable);
}

TEST_F(PosixPlatform, PathsLongerThanTheLimitFailWhole) {
  ASSERT_EQ(platform::LongestPath(), 4095u);
  const std::string too_long(platform::LongestPath() + 1, 'n');
  Handle file = kNoHandle;
  EXPECT_NE(platform::CreateForWriting(too_long.c_str(), file), 0);
  EXPECT_EQ(file, kNoHandle);
  EXPECT_EQ(platform::LookUp(too_long.c_str()), EntryKind::Missing);
  EXPECT_NE(platform::MakeFolder(too_long.c_str()), 0);
  EXPECT_TRUE(fs::is_empty("."));
}

TEST(PosixNames, OwnExecutablePathIsWholeOrCut) {
  char whole[4096];
  const std::uint32_t length = platform::OwnExecutablePath(whole, sizeof whole);
  ASSERT_GT(length, 0u);
  EXPECT_EQ(std::string(whole), fs::read_symlink("/proc/self/exe").string());
  EXPECT_EQ(std::string(whole).size(), length);

  char cut[5];
  EXPECT_EQ(platform::OwnExecutablePath(cut, sizeof cut), 4u);
  EXPECT_EQ(std::string(cut), std::string(whole, 4));
}

TEST(PosixNames, NextCharStepsOneByteAndStopsAtTheEnd) {
  const char text[] = "a\\\xC3\xA9";
  const char* at = text;
  for (int step = 1; step <= 4; ++step) EXPECT_EQ(at = platform::NextChar(at), text + step);
  EXPECT_EQ(platform::NextChar(at), at);
}

} // namespace
} // namespace vorrin
