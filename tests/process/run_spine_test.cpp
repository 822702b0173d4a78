// The run from the banner to the first member: the bare core program, the archive's total
// length, and the comment.
#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/archive_body.hpp"
#include "tests/support/expander_test.hpp"
#include "tests/support/expander_texts.hpp"

namespace vorrin::test {
namespace {

// A run that reaches the members makes folder d and writes nothing for it.
std::vector<std::uint8_t> OneFolder() { return ArchiveBody().FolderEntry("d\\.").bytes(); }

template <typename Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
  return info.param.name;
}

using RunSpine = ExpanderTest;

TEST_F(RunSpine, BareCoreProgramRefusesAtOnceWithoutReadingInput) {
  WriteSfx(Core());
  const RunResult run = Run("\r\n");
  ExpectRun(run, kBanner + kCoreProgram, 1);
  EXPECT_EQ(run.unread_input, "\r\n");
  EXPECT_TRUE(Leftovers().empty());
}

// One to three bytes after the core program cannot hold the archive's total length.
class CoreWithShortTail : public ExpanderTest, public ::testing::WithParamInterface<int> {};

TEST_P(CoreWithShortTail, IsAReadErrorThatWaitsForEnter) {
  std::vector<std::uint8_t> bytes = Core();
  bytes.insert(bytes.end(), static_cast<std::size_t>(GetParam()), 0x42);
  WriteSfx(bytes);
  const RunResult run = Run("\r\n");
  ExpectRun(run, kBanner + kFileReadError + kPressEnter, 2);
  EXPECT_EQ(run.unread_input, "") << "Enter was not awaited";
  EXPECT_TRUE(Leftovers().empty());
}

INSTANTIATE_TEST_SUITE_P(OneToThreeBytes, CoreWithShortTail, ::testing::Values(1, 2, 3),
                         [](const auto& test) { return "Bytes" + std::to_string(test.param); });

struct LengthCase {
  std::string name;
  SfxFaults faults;
  std::string message;
  StandardInput input;

  friend void PrintTo(const LengthCase& c, std::ostream* os) { *os << c.name; }
};

// A file whose length is not the stored total is refused before anything else is read:
// no comment, no members.
class LengthMismatch : public ExpanderTest, public ::testing::WithParamInterface<LengthCase> {};

TEST_P(LengthMismatch, ShowsItsMessageWaitsForEnterAndRefuses) {
  const LengthCase& c = GetParam();
  SfxPlan plan;
  plan.comment = "abc";
  plan.body = OneFolder();
  plan.faults = c.faults;
  WriteSfx(plan);
  const RunResult run = Run(c.input);
  ExpectRun(run, kBanner + c.message, 1);
  EXPECT_EQ(run.unread_input, "") << "Enter was not awaited";
  EXPECT_TRUE(Leftovers().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, LengthMismatch,
    ::testing::Values(
        LengthCase{"StoredOneMore", SfxFaults::StoredTotalDelta(1), kSmallerFile, "\r\n"},
        LengthCase{"StoredOneLess", SfxFaults::StoredTotalDelta(-1), kLargerFile, "\r\n"},
        LengthCase{"StoredOneMoreAtEndOfInput", SfxFaults::StoredTotalDelta(1), kSmallerFile, kEndOfInput},
        LengthCase{"StoredOneLessAtEndOfInput", SfxFaults::StoredTotalDelta(-1), kLargerFile, kEndOfInput},
        LengthCase{"LastByteCutOff", SfxFaults::Cut(1), kSmallerFile, "\r\n"},
        LengthCase{"ByteAppended", SfxFaults::Append("x"), kLargerFile, "\r\n"},
        LengthCase{"StoredTotalWithTopBitSet", SfxFaults::StoredTotal(INT_MIN), kLargerFile, "\r\n"}),
    CaseName<LengthCase>);

struct CommentCase {
  std::string name;
  std::string comment;
  std::string shown;

  friend void PrintTo(const CommentCase& c, std::ostream* os) { *os << c.name; }
};

class Comment : public ExpanderTest, public ::testing::WithParamInterface<CommentCase> {};

TEST_P(Comment, IsShownAndTheRunNeedsNoInput) {
  const CommentCase& c = GetParam();
  SfxPlan plan;
  plan.comment = c.comment;
  plan.body = OneFolder();
  WriteSfx(plan);
  const RunResult run = Run("\r\n");
  ExpectRun(run, kBanner + c.shown, 0);
  EXPECT_EQ(run.unread_input, "\r\n") << "an unprotected archive reads no input";
  EXPECT_EQ(Leftovers(), std::vector<std::string>{"d"});
  EXPECT_TRUE(std::filesystem::is_directory(Dir() / "d"));
}

const std::string kLongComment(300, 'c');

INSTANTIATE_TEST_SUITE_P(
    Comments, Comment,
    ::testing::Values(CommentCase{"Empty", "", ""},
                      CommentCase{"ThreeLetters", "abc", "abc\r\n"},
                      CommentCase{"EndingInItsOwnLineEnd", "Read me.\r\n", "Read me.\r\n\r\n"},
                      CommentCase{"LongerThanTheOutputBuffer", kLongComment, kLongComment + "\r\n"}),
    CaseName<CommentCase>);

} // namespace
} // namespace vorrin::test
