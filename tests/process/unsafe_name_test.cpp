// Names that could reach outside the folder the archive is expanded into are refused as
// soon as they are read: one line, exit code 2 at once, and nothing outside the folder
// created or changed. The run starts in x/y of the test's folder, so the folders around
// it, with a sentinel file in each, show anything that got out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/process/extraction_case.hpp"

namespace vorrin::test {
namespace {

const FileTree kSentinels = {{"sentinel.txt", Old("outside")}, {"x", Folder()},
                             {"x/keep.txt", Old("outside too")}, {"x/y", Folder()}};

// ok.txt is written first; after.txt follows the refused record and is never reached.
ExtractionCase Refused(const std::string& case_name, const std::string& name, ArchiveBody body,
                       FileTree made = {}) {
  body.Member("after.txt", kTimes, "never");
  FileTree after = kSentinels;
  after["x/y/ok.txt"] = Written("ok");
  after.merge(made);
  return ExtractionCase{.name = case_name,
                        .body = std::move(body),
                        .out = ExpandingLine("ok.txt") + UnsafeName(name),
                        .exit_code = 2,
                        .after = std::move(after),
                        .before = kSentinels,
                        .working_dir = "x/y",
                        .unread_input = "\r\n"};
}

ExtractionCase RefusedFile(const std::string& case_name, const std::string& name) {
  return Refused(case_name, name, ArchiveBody().Member("ok.txt", kTimes, "ok").Member(name, kTimes, "escaped"));
}

std::vector<ExtractionCase> RefusedCases() {
  return {
      RefusedFile("ParentFolder", "..\\esc.txt"),
      RefusedFile("ParentsBehindAFolder", "a\\..\\..\\..\\esc.txt"),
      RefusedFile("ForwardSlashes", "a/../../esc.txt"),
      RefusedFile("ThreeDots", "...\\esc.txt"),
      RefusedFile("DotsAndABlank", ".. \\esc.txt"),
      RefusedFile("DotsAsTheLastPart", "a\\.."),
      RefusedFile("DriveLetter", "c:esc.txt"),
      RefusedFile("ColonAfterAName", "esc.txt:stream"),
      Refused("FolderEntryOfTheParent", "..\\.", ArchiveBody().Member("ok.txt", kTimes, "ok").FolderEntry("..\\.")),
      // The check is on the decoded name: a safe folder entry and a prefix make "a\..\..".
      Refused("MadeByASharedPrefix", "a\\..\\..\\esc.txt",
              ArchiveBody()
                  .Member("ok.txt", kTimes, "ok")
                  .FolderEntry("a\\.")
                  .CodedName("*\x01" ".\\..\\esc.txt", "a\\..\\..\\esc.txt")
                  .Contents(kTimes, "escaped"),
              {{"x/y/a", Folder()}}),
  };
}

class RefusedName : public ExtractionTable {};

TEST_P(RefusedName, IsRefusedBeforeAnythingIsDoneForIt) { Expect(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Forms, RefusedName, ::testing::ValuesIn(RefusedCases()), CaseName);

// Dots inside a name, or a single dot, are no way out.
INSTANTIATE_TEST_SUITE_P(
    NearMisses, RefusedName,
    ::testing::Values(ExtractionCase{
        .name = "DotsWithinNames",
        .body = ArchiveBody()
                    .Member("..a.txt", kTimes, "1")
                    .Member("x..y\\c.txt", kTimes, "2")
                    .Member(".\\d.txt", kTimes, "3"),
        .out = ExpandingLine("..a.txt") + ExpandingLine("x..y\\c.txt") + ExpandingLine(".\\d.txt"),
        .after = {{"x", Folder()},
                  {"x/keep.txt", Old("outside too")},
                  {"sentinel.txt", Old("outside")},
                  {"x/y", Folder()},
                  {"x/y/..a.txt", Written("1")},
                  {"x/y/x..y", Folder()},
                  {"x/y/x..y/c.txt", Written("2")},
                  {"x/y/d.txt", Written("3")}},
        .before = kSentinels,
        .working_dir = "x/y"}),
    CaseName);

// A name that starts with a backslash is not refused as unsafe; its empty first folder
// cannot be made.
INSTANTIATE_TEST_SUITE_P(
    LeadingBackslash, RefusedName,
    ::testing::Values(ExtractionCase{
        .name = "FailsAtItsEmptyFirstFolder",
        .body = ArchiveBody().Member("\\esc.txt", kTimes, "escaped"),
        .out = ExpandingStart("\\esc.txt") + CannotMakeFolder(""),
        .exit_code = 2,
        .after = kSentinels,
        .before = kSentinels,
        .working_dir = "x/y",
        .unread_input = "\r\n"}),
    CaseName);

// Absolute names that point into the test's own folder, so that a name let through would
// show there: a POSIX path (also a path from the current drive's root under Windows), a
// drive path as wine sees the same folder, and the Windows rooted form.
using AbsoluteName = ExtractionTest;

TEST_F(AbsoluteName, ReachesNothing) {
  const std::string posix = (Dir() / "esc.txt").generic_string();
  std::string rooted = posix;
  for (char& c : rooted)
    if (c == '/') c = '\\';
  struct Form {
    std::string name;
    std::string out;
  };
  const Form forms[] = {{posix, UnsafeName(posix)},
                        {"Z:" + rooted, UnsafeName("Z:" + rooted)},
                        {rooted, ExpandingStart(rooted) + CannotMakeFolder("")}};
  for (const Form& form : forms) {
    SCOPED_TRACE(form.name);
    Expect(ExtractionCase{.name = form.name,
                          .body = ArchiveBody().Member(form.name, kTimes, "escaped"),
                          .out = form.out,
                          .exit_code = 2,
                          .after = kSentinels,
                          .before = kSentinels,
                          .working_dir = "x/y",
                          .unread_input = "\r\n"});
  }
}

} // namespace
} // namespace vorrin::test
