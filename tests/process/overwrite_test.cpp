// The question before a file that exists is overwritten: its answers, lines that are no
// answer, the end of input, and a member whose name is a folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/process/extraction_case.hpp"
#include "tests/support/sample_data.hpp"

namespace vorrin::test {
namespace {

// Compressed data long enough that a skipped member which is not read through to its end
// spoils the record after it.
std::string NewContents() {
  const std::vector<std::uint8_t> text = SampleText(20000, 7);
  return std::string(text.begin(), text.end());
}

struct Answer {
  const char* name;
  StandardInput input;
  bool overwrite;
};

// f.txt exists; g.txt comes after it, so every case also shows the run going on.
ExtractionCase AnswerCase(const Answer& answer) {
  const std::string contents = NewContents();
  const std::string prompt = OverwritePrompt("f.txt");
  return ExtractionCase{
      .name = answer.name,
      .body = ArchiveBody().Member("f.txt", kTimes, contents).Member("g.txt", kTimes, "g"),
      .input = answer.input,
      .out = prompt + (answer.overwrite ? ExpandingLine("f.txt") : SkippingLine("f.txt")) + ExpandingLine("g.txt"),
      .after = {{"f.txt", answer.overwrite ? Written(contents) : Old("old")}, {"g.txt", Written("g")}},
      .before = {{"f.txt", Old("old")}}};
}

std::vector<ExtractionCase> AnswerCases() {
  const Answer answers[] = {
      {"UpperY", "Y\r\n", true},
      {"LowerY", "y\r\n", true},
      {"UpperN", "N\r\n", false},
      {"LowerN", "n\r\n", false},
      {"YesTakenByItsFirstLetter", "yes\r\n", true},
      {"NoTakenByItsFirstLetter", "no\r\n", false},
      {"LineStartingWithABlankIsIgnored", " y\r\nn\r\n", false},
      {"OtherLettersAreIgnored", "x\r\nOK\r\nY\r\n", true},
      {"EmptyLineTakesTheNextLineWithIt", "\r\nY\r\nn\r\n", false},
      {"EmptyLineTakesTheNextLineWithItToo", "\r\nN\r\ny\r\n", true},
      {"EndOfInputKeepsTheFile", kEndOfInput, false},
      {"EndOfInputAfterLinesThatAreNoAnswer", "x\r\n\r\n", false},
      {"LfOnlyLineEndsAtTheEndOfInput", "y\nn\n", true},
  };
  std::vector<ExtractionCase> cases;
  for (const Answer& answer : answers) cases.push_back(AnswerCase(answer));
  return cases;
}

class Overwrite : public ExtractionTable {};

TEST_P(Overwrite, FollowsTheAnswer) { Expect(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Answers, Overwrite, ::testing::ValuesIn(AnswerCases()), CaseName);

// A folder of the member's name counts as existing. It cannot be replaced by a file: Y
// ends the run with a write error and leaves the folder and what it holds as they were.
const FileTree kFolderInTheWay = {{"d", Folder()}, {"d/keep.txt", Old("keep")}};

INSTANTIATE_TEST_SUITE_P(
    NameOfAFolder, Overwrite,
    ::testing::Values(
        ExtractionCase{
            .name = "AnsweredYIsAWriteError",
            .body = ArchiveBody().Member("d", kTimes, NewContents()).Member("g.txt", kTimes, "g"),
            .input = "y\r\n\r\n",
            .out = OverwritePrompt("d") + ExpandingStart("d") + kFileWriteError + kPressEnter,
            .exit_code = 2,
            .after = kFolderInTheWay,
            .before = kFolderInTheWay,
            .unread_input = ""},
        ExtractionCase{
            .name = "AnsweredNIsSkipped",
            .body = ArchiveBody().Member("d", kTimes, NewContents()).Member("g.txt", kTimes, "g"),
            .input = "n\r\n",
            .out = OverwritePrompt("d") + SkippingLine("d") + ExpandingLine("g.txt"),
            .after = {{"d", Folder()}, {"d/keep.txt", Old("keep")}, {"g.txt", Written("g")}},
            .before = kFolderInTheWay}),
    CaseName);

// A skipped member's folders are made all the same; a file in a folder is asked about
// by its whole name.
INSTANTIATE_TEST_SUITE_P(
    InAFolder, Overwrite,
    ::testing::Values(ExtractionCase{
        .name = "SkippedThenWrittenInTheSameFolder",
        .body = ArchiveBody().Member("a\\b\\f.txt", kTimes, NewContents()).Member("a\\b\\g.txt", kTimes, "g"),
        .input = "n\r\n",
        .out = OverwritePrompt("a\\b\\f.txt") + SkippingLine("a\\b\\f.txt") + ExpandingLine("a\\b\\g.txt"),
        .after = {{"a", Folder()}, {"a/b", Folder()}, {"a/b/f.txt", Old("old")}, {"a/b/g.txt", Written("g")}},
        .before = {{"a/b/f.txt", Old("old")}}}),
    CaseName);

// A read-only file that is to be replaced stays as it is, with a write error, wherever the
// user may not write it: always under Windows; under POSIX unless the user is privileged.
using ReadOnlyFile = ExtractionTest;

TEST_F(ReadOnlyFile, IsKeptWhereItMayNotBeWritten) {
  const FileTree before = {{"f.txt", Old("old")}};
  WriteTree(Dir(), before);
  std::filesystem::permissions(Dir() / "f.txt", std::filesystem::perms::owner_read);
  const bool writable = static_cast<bool>(std::ofstream(Dir() / "f.txt", std::ios::app));
  if (Runner() == RunnerKind::Native && writable) {
    Expect(ExtractionCase{.name = "Replaced",
                          .body = ArchiveBody().Member("f.txt", kTimes, "new"),
                          .input = "y\r\n",
                          .out = OverwritePrompt("f.txt") + ExpandingLine("f.txt"),
                          .after = {{"f.txt", Written("new")}}});
  } else {
    Expect(ExtractionCase{.name = "Kept",
                          .body = ArchiveBody().Member("f.txt", kTimes, "new"),
                          .input = "y\r\n\r\n",
                          .out = OverwritePrompt("f.txt") + ExpandingStart("f.txt") + kFileWriteError + kPressEnter,
                          .exit_code = 2,
                          .after = before});
  }
}

// A file that is a symbolic link to a file outside the folder: replacing it puts the new
// file where the link was, and what the link pointed to stays as it was.
using LinkedFile = ExtractionTest;

TEST_F(LinkedFile, IsReplacedWithoutWritingThroughTheLink) {
  const FileTree outside = {{"outside.txt", Old("outside")}, {"x", Folder()}};
  WriteTree(Dir(), outside);
  std::filesystem::create_symlink("../outside.txt", Dir() / "x" / "f.txt");
  Expect(ExtractionCase{.name = "ThroughALink",
                        .body = ArchiveBody().Member("f.txt", kTimes, "new"),
                        .input = "y\r\n",
                        .out = OverwritePrompt("f.txt") + ExpandingLine("f.txt"),
                        .after = {{"outside.txt", Old("outside")}, {"x", Folder()}, {"x/f.txt", Written("new")}},
                        .working_dir = "x"});
  EXPECT_FALSE(std::filesystem::is_symlink(Dir() / "x" / "f.txt"));
}

} // namespace
} // namespace vorrin::test
