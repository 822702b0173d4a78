// The tool's small rules, checked directly.
#include <gtest/gtest.h>

#include "tool/command_line.hpp"
#include "tool/file_time_text.hpp"
#include "tool/input_tree.hpp"
#include "tool/length_record.hpp"

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
