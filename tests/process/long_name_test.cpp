// Names at and past the longest path the system opens whole: 259 bytes on Windows, 4095
// under POSIX. A name that fits is written under exactly that name, also when the folder
// part leaves little room; a longer one is never cut to another name: it fails with a
// write error and nothing at all is made for it.
//
// The tree is listed and read from inside the test folder with relative paths, since a
// name of 4095 bytes under that folder's absolute path is beyond what the system takes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/process/extraction_case.hpp"
#include "tests/support/files.hpp"
#include "tests/support/temp_dir.hpp"

namespace vorrin::test {
namespace {

std::size_t LongestName(RunnerKind runner) { return runner == RunnerKind::Native ? 4095 : 259; }

// A name of `length` bytes ending in `last_part` bytes of 'f', in folders of at most 200
// bytes each: e.g. ddd\ddd\fff.
std::string NameOfLength(std::size_t length, std::size_t last_part) {
  std::string name;
  std::size_t folder_bytes = length - last_part; // separators included
  while (folder_bytes > 0) {
    std::size_t part = std::min<std::size_t>(201, folder_bytes);
    if (folder_bytes - part == 1) --part; // never leave a folder of no bytes at all
    name += std::string(part - 1, 'd') + "\\";
    folder_bytes -= part;
  }
  return name + std::string(last_part, 'f');
}

// Runs of one byte shortened to "<d x200>", so that a mismatch can be read.
std::string Shortened(const std::string& text) {
  std::string out;
  for (std::size_t at = 0; at < text.size();) {
    std::size_t end = at;
    while (end < text.size() && text[end] == text[at]) ++end;
    if (end - at >= 8) {
      out += '<';
      out += text[at];
      out += " x" + std::to_string(end - at) + '>';
    } else {
      out.append(text, at, end - at);
    }
    at = end;
  }
  return out;
}

std::string Slashed(std::string name) {
  for (char& c : name)
    if (c == '\\') c = '/';
  return name;
}

class LongName : public ExpanderTest {
protected:
  // Runs a shell command in the test folder; returns its standard output.
  std::string ShellInDir(const std::string& command) {
    const TempDir io("vorrin-shell");
    const auto out = io.path() / "out";
    const std::string line = "cd " + ShellQuote(Dir()) + " && ( " + command + " ) >" + ShellQuote(out) + " 2>&1";
    std::system(line.c_str());
    return ReadFileBytes(out);
  }

  // Every entry under the test folder but sfx.exe, one "type path" line each, sorted.
  std::string Listing() {
    return ShellInDir("find . -mindepth 1 ! -name sfx.exe -printf '%y %P\\n' | LC_ALL=C sort");
  }

  // Deep folders are removed relatively, before the test folder goes.
  void RemoveFolders() { ShellInDir("rm -rf d*"); }
  void TearDown() override { RemoveFolders(); }

  RunResult ExpandOne(const std::string& name) {
    SfxPlan plan;
    plan.body = ArchiveBody().Member(name, kTimes, "contents").bytes();
    WriteSfx(plan);
    return Run("\r\n");
  }

  void ExpectWritten(const std::string& name) {
    const RunResult run = ExpandOne(name);
    EXPECT_EQ(Shortened(run.out), Shortened(kBanner + ExpandingLine(name))) << run.err;
    EXPECT_EQ(run.exit_code, 0);
    std::string expected;
    const std::string path = Slashed(name);
    for (std::size_t at = path.find('/'); at != std::string::npos; at = path.find('/', at + 1))
      expected += "d " + path.substr(0, at) + "\n";
    expected += "f " + path + "\n";
    EXPECT_EQ(Shortened(Listing()), Shortened(expected));
    EXPECT_EQ(ShellInDir("cat " + ShellQuote(path)), "contents");
  }

  void ExpectRefused(const std::string& name) {
    const RunResult run = ExpandOne(name);
    const std::string out = kBanner + ExpandingStart(name) + kFileWriteError + kPressEnter;
    EXPECT_EQ(Shortened(run.out), Shortened(out)) << run.err;
    EXPECT_EQ(run.exit_code, 2);
    EXPECT_EQ(Shortened(Listing()), "");
  }
};

TEST_F(LongName, OfTheLongestLengthIsWrittenWhole) {
  for (const std::size_t last_part : {std::size_t{1}, std::size_t{11}, std::size_t{40}}) {
    SCOPED_TRACE(last_part);
    ExpectWritten(NameOfLength(LongestName(Runner()), last_part));
    RemoveFolders();
  }
}

TEST_F(LongName, OneByteLongerIsAWriteErrorAndMakesNothing) {
  for (const std::size_t last_part : {std::size_t{1}, std::size_t{40}}) {
    SCOPED_TRACE(last_part);
    ExpectRefused(NameOfLength(LongestName(Runner()) + 1, last_part));
  }
}

// A record whose name decodes to nothing has no file to go to.
TEST_F(LongName, EmptyIsAWriteErrorToo) {
  SfxPlan plan;
  plan.body = ArchiveBody().FolderEntry("d\\.").CodedName("", "").Contents(kTimes, "x").bytes();
  WriteSfx(plan);
  const RunResult run = Run("\r\n");
  ExpectRun(run, kBanner + ExpandingStart("") + kFileWriteError + kPressEnter, 2);
  EXPECT_EQ(Listing(), "d d\n");
}

// 300 bytes in a folder of 200: too long for Windows, fine for POSIX.
TEST_F(LongName, Of300Bytes) {
  const std::string name = NameOfLength(300, 99);
  if (Runner() == RunnerKind::Native) ExpectWritten(name);
  else ExpectRefused(name);
}

} // namespace
} // namespace vorrin::test
