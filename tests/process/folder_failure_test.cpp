// A folder on a member's path that can be neither found nor made: the run ends at once
// with exit code 2, without waiting for Enter, and what came before stays.
#include <gtest/gtest.h>

#include "tests/process/extraction_case.hpp"

namespace vorrin::test {
namespace {

class BlockedFolder : public ExtractionTable {};

TEST_P(BlockedFolder, EndsTheRunAtOnce) { Expect(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Paths, BlockedFolder,
    ::testing::Values(
        ExtractionCase{
            .name = "FileInTheWayContinuesTheExpandingLine",
            .body = ArchiveBody().Member("ok.txt", kTimes, "ok").Member("a\\f.txt", kTimes, "f"),
            .out = ExpandingLine("ok.txt") + ExpandingStart("a\\f.txt") + CannotMakeFolder("a"),
            .exit_code = 2,
            .after = {{"a", Old("a file")}, {"ok.txt", Written("ok")}},
            .before = {{"a", Old("a file")}},
            .unread_input = "\r\n"},
        ExtractionCase{
            .name = "FileInTheWayOfAFolderEntryStandsOnItsOwnLine",
            .body = ArchiveBody().FolderEntry("a\\b\\."),
            .out = CannotMakeFolder("a"),
            .exit_code = 2,
            .after = {{"a", Old("a file")}},
            .before = {{"a", Old("a file")}},
            .unread_input = "\r\n"},
        ExtractionCase{
            .name = "TheFailingPrefixIsNamedNotTheWholePath",
            .body = ArchiveBody().Member("a\\b\\c\\f.txt", kTimes, "f"),
            .out = ExpandingStart("a\\b\\c\\f.txt") + CannotMakeFolder("a\\b"),
            .exit_code = 2,
            .after = {{"a", Folder()}, {"a/b", Old("a file")}},
            .before = {{"a/b", Old("a file")}},
            .unread_input = "\r\n"},
        ExtractionCase{
            .name = "FolderEntryOfABackslashAloneHasAnEmptyPrefix",
            .body = ArchiveBody().FolderEntry("\\."),
            .out = CannotMakeFolder(""),
            .exit_code = 2,
            .after = {},
            .unread_input = "\r\n"}),
    CaseName);

} // namespace
} // namespace vorrin::test
