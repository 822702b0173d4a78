// Member records from end to end: folder entries, names coded with a shared prefix, sizes
// of 0 and below, and real compressed members, several in a row.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "tests/process/extraction_case.hpp"
#include "tests/support/sample_data.hpp"

namespace vorrin::test {
namespace {

std::string Sample(DataKind kind, std::size_t size, unsigned seed) {
  const std::vector<std::uint8_t> bytes = SampleData(kind, size, seed);
  return std::string(bytes.begin(), bytes.end());
}

class Records : public ExtractionTable {};

TEST_P(Records, AreExpandedIntoTheirFoldersAndFiles) { Expect(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Names, Records,
    ::testing::Values(
        ExtractionCase{
            .name = "FolderEntryMakesEachFolderOfItsPath",
            .body = ArchiveBody().FolderEntry("x\\y\\."),
            .out = "",
            .after = {{"x", Folder()}, {"x/y", Folder()}}},
        ExtractionCase{
            .name = "FileMakesTheFoldersOfItsPath",
            .body = ArchiveBody().Member("a\\b\\f.txt", kTimes, "abc"),
            .out = ExpandingLine("a\\b\\f.txt"),
            .after = {{"a", Folder()}, {"a/b", Folder()}, {"a/b/f.txt", Written("abc")}}},
        ExtractionCase{
            .name = "FoldersThatExistAreTakenAsTheyAre",
            .body = ArchiveBody().FolderEntry("a\\.").Member("a\\b\\f.txt", kTimes, "new").FolderEntry("a\\b\\."),
            .out = ExpandingLine("a\\b\\f.txt"),
            .after = {{"a", Folder()}, {"a/b", Folder()}, {"a/b/f.txt", Written("new")}, {"a/old.txt", Old("old")}},
            .before = {{"a", Folder()}, {"a/old.txt", Old("old")}}},
        ExtractionCase{
            .name = "PrefixTakenFromAFolderEntryAndThenFromAFile",
            .body = ArchiveBody()
                        .CodedName("docs\\.", "docs\\.")
                        .CodedName("*\x03" "a.txt", "docs\\a.txt")
                        .Contents(kTimes, "first")
                        .CodedName("*\x03" "b.txt", "docs\\b.txt")
                        .Contents(kTimes, "second"),
            .out = ExpandingLine("docs\\a.txt") + ExpandingLine("docs\\b.txt"),
            .after = {{"docs", Folder()}, {"docs/a.txt", Written("first")}, {"docs/b.txt", Written("second")}}},
        ExtractionCase{
            .name = "CountLargerThanThePreviousNameTakesItWhole",
            .body = ArchiveBody().FolderEntry("d\\.").CodedName("*\xFF" "x.txt", "d\\.x.txt").Contents(kTimes, "x"),
            .out = ExpandingLine("d\\.x.txt"),
            .after = {{"d", Folder()}, {"d/.x.txt", Written("x")}}},
        ExtractionCase{
            .name = "PrefixTakesTheFullStopOfAFolderEntry",
            .body = ArchiveBody().FolderEntry("x\\.").CodedName("*\x01" "txt", "x\\.txt").Contents(kTimes, "t"),
            .out = ExpandingLine("x\\.txt"),
            .after = {{"x", Folder()}, {"x/.txt", Written("t")}}},
        ExtractionCase{
            .name = "MarkerCountAndEndAreThePrefixAlone",
            .body = ArchiveBody()
                        .Member("abc.txt", kTimes, "long")
                        .CodedName(std::string("*\x01", 2), "abc")
                        .Contents(kTimes, "short"),
            .out = ExpandingLine("abc.txt") + ExpandingLine("abc"),
            .after = {{"abc.txt", Written("long")}, {"abc", Written("short")}}},
        ExtractionCase{
            .name = "CountOfZeroIsACountNotTheEnd",
            .body = ArchiveBody()
                        .FolderEntry("d\\.")
                        .CodedName(std::string("*\0g.txt", 7), "d\\g.txt")
                        .Contents(kTimes, "g"),
            .out = ExpandingLine("d\\g.txt"),
            .after = {{"d", Folder()}, {"d/g.txt", Written("g")}}},
        ExtractionCase{
            .name = "PrefixInTheFirstRecordIsEmpty",
            .body = ArchiveBody().CodedName("*\x03" "first.txt", "first.txt").Contents(kTimes, "1"),
            .out = ExpandingLine("first.txt"),
            .after = {{"first.txt", Written("1")}}},
        ExtractionCase{
            .name = "TemporaryNamesInUseAreLeftAlone",
            .body = ArchiveBody().Member("f.txt", kTimes, "f").Member("d\\g.txt", kTimes, "g"),
            .out = ExpandingLine("f.txt") + ExpandingLine("d\\g.txt"),
            .after = {{"~vx0000.tmp", Old("mine")},
                      {"f.txt", Written("f")},
                      {"d", Folder()},
                      {"d/~vx0000.tmp", Old("mine too")},
                      {"d/g.txt", Written("g")}},
            .before = {{"~vx0000.tmp", Old("mine")}, {"d/~vx0000.tmp", Old("mine too")}}},
        ExtractionCase{
            .name = "OneByteNameIsAFile",
            .body = ArchiveBody().Member("z", kTimes, "z").Member("y", kTimes, "y"),
            .out = ExpandingLine("z") + ExpandingLine("y"),
            .after = {{"z", Written("z")}, {"y", Written("y")}}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Sizes, Records,
    ::testing::Values(
        ExtractionCase{
            .name = "SizeZeroIsAnEmptyFileAndNoData",
            .body = ArchiveBody().FileRecord("empty.txt", kTimes, 0).Member("next.txt", kTimes, "after"),
            .out = ExpandingLine("empty.txt") + ExpandingLine("next.txt"),
            .after = {{"empty.txt", Written("")}, {"next.txt", Written("after")}}},
        ExtractionCase{
            .name = "NegativeSizeIsAnEmptyFileAndNoData",
            .body = ArchiveBody().FileRecord("minus.txt", kTimes, -5).Member("next.txt", kTimes, "after"),
            .out = ExpandingLine("minus.txt") + ExpandingLine("next.txt"),
            .after = {{"minus.txt", Written("")}, {"next.txt", Written("after")}}},
        ExtractionCase{
            .name = "SizeWithOnlyTheTopBitIsAnEmptyFile",
            .body = ArchiveBody().FileRecord("min.txt", kTimes, INT_MIN).FileRecord("last.txt", kTimes, 0),
            .out = ExpandingLine("min.txt") + ExpandingLine("last.txt"),
            .after = {{"min.txt", Written("")}, {"last.txt", Written("")}}}),
    CaseName);

// Each member starts its decoder afresh and on a byte of its own; sizes on both sides of
// the window's 32768-byte writes and its 40960 bytes.
ExtractionCase SeveralCompressedMembers() {
  struct Piece {
    const char* name;
    DataKind kind;
    std::size_t size;
  };
  const Piece pieces[] = {{"one.txt", DataKind::Text, 1},         {"text.txt", DataKind::Text, 5000},
                          {"chunk.bin", DataKind::Binary, 32768}, {"window.bin", DataKind::Binary, 40960},
                          {"noise.bin", DataKind::Random, 40961}, {"d\\runs.bin", DataKind::Runs, 100000},
                          {"d\\big.txt", DataKind::Text, 150001}};
  ExtractionCase c{.name = "SeveralInARow", .out = "", .after = {{"d", Folder()}}};
  unsigned seed = 1;
  for (const Piece& piece : pieces) {
    const std::string contents = Sample(piece.kind, piece.size, seed++);
    c.body.Member(piece.name, kTimes, contents);
    c.out += ExpandingLine(piece.name);
    std::string path = piece.name;
    if (path.starts_with("d\\")) path[1] = '/';
    c.after[path] = Written(contents);
  }
  return c;
}

INSTANTIATE_TEST_SUITE_P(Compressed, Records, ::testing::Values(SeveralCompressedMembers()), CaseName);

} // namespace
} // namespace vorrin::test
