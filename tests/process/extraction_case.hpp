// One run of an archive's members as a row of a table: the folder's contents before, the
// archive, the typed input; then the console bytes, the exit code and every file and
// folder left in the test's folder, with each file's bytes and last-write time.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "tests/support/archive_body.hpp"
#include "tests/support/expander_test.hpp"
#include "tests/support/expander_texts.hpp"
#include "tests/support/file_tree.hpp"

namespace vorrin::test {

// Every member's times: 2020-01-01 00:00:01.1111111, :02.2222222 and :03.3333333 UTC.
inline constexpr FileTimes kTimes{132223104011111111, 132223104022222222, 132223104033333333};
// The last-write time of the files a test puts in place: 2010-01-01 UTC.
inline constexpr WindowsTime kOld = 129067776000000000;

// A file as a member with kTimes leaves it, and one that a test put in place.
inline TreeEntry Written(std::string contents) { return File(std::move(contents), kTimes.last_write); }
inline TreeEntry Old(std::string contents) { return File(std::move(contents), kOld); }

struct ExtractionCase {
  std::string name = {};
  ArchiveBody body = {};
  StandardInput input = "\r\n";
  std::string out = {}; // after the banner
  int exit_code = 0;
  FileTree after = {};  // the whole test folder afterwards, sfx.exe left out
  FileTree before = {}; // put in place before the run
  SfxFaults faults = {};
  std::string launch_name = {};
  // Where the run starts, relative to the test folder; the folder around it is a sentinel.
  std::string working_dir = {};
  // Checked when set: what the run left of its input (a wait for Enter would take it).
  std::optional<std::string> unread_input = std::nullopt;

  friend void PrintTo(const ExtractionCase& c, std::ostream* os) { *os << c.name; }
};

class ExtractionTest : public ExpanderTest {
protected:
  void Expect(const ExtractionCase& c) {
    WriteTree(Dir(), c.before);
    SfxPlan plan;
    plan.body = c.body.bytes();
    plan.faults = c.faults;
    plan.launch_name = c.launch_name;
    WriteSfx(plan);
    const RunResult run = RunIn(Dir() / c.working_dir, c.input);
    ExpectRun(run, kBanner + c.out, c.exit_code);
    EXPECT_EQ(ReadTree(Dir()), c.after);
    if (c.unread_input) {
      EXPECT_EQ(run.unread_input, *c.unread_input);
    }
  }
};

// A table of cases for one behaviour: class Suite : public ExtractionTable {};
class ExtractionTable : public ExtractionTest, public ::testing::WithParamInterface<ExtractionCase> {};

inline std::string CaseName(const ::testing::TestParamInfo<ExtractionCase>& info) { return info.param.name; }

} // namespace vorrin::test
