// The tool's small rules, checked directly.
#include <gtest/gtest.h>

#include "tool/command_line.hpp"
#include "tool/file_time_text.hpp"
#include "tool/input_tree.hpp"
#include "tool/length_record.hpp"
#include "tool/printable.hpp"

namespace vorrin {
namespace {

TEST(RelativeComponents, DropRootAndLeadingDotsAsArchiversDo) {
  using V = std::vector<std::string>;
  const std::pair<const char*, V> cases[] = {
      {"tree", {"tree"}},           {"tree/", {"tree"}},           {"./tree/a.txt", {"tree", "a.txt"}},
      {"/abs/tree", {"abs", "tree"}}, {"../../x/y", {"x", "y"}},      {"a/../b", {"b"}},
      {".", {}},                    {"a//b/./c", {"a", "b", "c"}},
  };
  for (const auto& [given, expected] : cases) EXPECT_EQ(RelativeComponents(given), expected) << given;
}

TEST(RewriteLevelFlags, DigitsBecomeLevelsBeforeTheSeparatorOnly) {
  const std::vector<std::string> in = {"vorrin", "create", "-9", "out", "-0", "--", "-5"};
  const std::vector<std::string> out = {"vorrin", "create", "--level=9", "out", "--level=0", "--", "-5"};
  EXPECT_EQ(RewriteLevelFlags(in), out);
}

TEST(FileTimeText, ExactToTheTickInUtc) {
  EXPECT_EQ(FileTimeIso(116444736000000000ull), "1970-01-01T00:00:00.0000000Z");
  EXPECT_EQ(FileTimeIso(116444736000000000ull + 864000000000ull * 366 + 1), "1971-01-02T00:00:00.0000001Z");
  EXPECT_EQ(FileTimeText(0), "1601-01-01 00:00:00");
}

TEST(LengthRecord, FoundAfterItsTagLittleEndian) {
  std::string bytes = "xx<VorrinCore>";
  bytes += std::string("\x10\x27\x00\x00", 4);
  const std::span<const std::uint8_t> span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  const auto record = FindLengthRecord(span);
  ASSERT_TRUE(record.has_value());
  EXPECT_EQ(record->position, 2u);
  EXPECT_EQ(record->length, 10000u);
  EXPECT_FALSE(FindLengthRecord(span.first(span.size() - 1)).has_value()); // cut inside the value
}

} // namespace
} // namespace vorrin

namespace vorrin::test {
namespace {

struct PrintableCase {
  const char* label;
  std::string text;
  LineEnds line_ends;
  bool utf8;
  std::string shown;
};
void PrintTo(const PrintableCase& c, std::ostream* out) { *out << c.label; }

class PrintableTest : public ::testing::TestWithParam<PrintableCase> {};

TEST_P(PrintableTest, NothingReachesTheTerminalThatCouldSteerIt) {
  const PrintableCase& c = GetParam();
  EXPECT_EQ(Printable(c.text, c.line_ends, c.utf8), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PrintableTest,
    ::testing::Values(
        PrintableCase{"PlainAndPunctuation", "tree\\a b~.txt", LineEnds::Escape, true, "tree\\a b~.txt"},
        PrintableCase{"EscapeSequence", "a\x1b]0;owned\x07z", LineEnds::Escape, true, "a\\x1B]0;owned\\x07z"},
        PrintableCase{"LineEndsInAName", "a\nb\tc\rd", LineEnds::Escape, true, "a\\x0Ab\\x09c\\x0Dd"},
        PrintableCase{"LineEndsInAComment", "a\nb\tc\rd\x7f", LineEnds::Keep, true, "a\nb\tc\\x0Dd\\x7F"},
        PrintableCase{"Utf8Kept", "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80", LineEnds::Escape, true,
                      "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80"},
        PrintableCase{"C1Control", "a\xc2\x9b" "31mb\xc2\xa0", LineEnds::Escape, true, "a\\xC2\\x9B31mb\xc2\xa0"},
        PrintableCase{"MalformedUtf8", "\xff\xe9t\xc3\xe2\x82\xed\xa0\x80\xc0\xaf", LineEnds::Escape, true,
                      "\\xFF\\xE9t\\xC3\\xE2\\x82\\xED\\xA0\\x80\\xC0\\xAF"},
        PrintableCase{"SingleByteCharset", "caf\xe9\x9b\x1b", LineEnds::Escape, false, "caf\xe9\\x9B\\x1B"}),
    [](const auto& param_info) { return std::string(param_info.param.label); });

} // namespace
} // namespace vorrin::test
