// A protected archive: the password prompt, its three tries, and the key that deciphers
// the blocks. Every archive here spans three blocks and ends with an empty file, so a run
// that shows the file's line has deciphered every block with the key running on across
// them.
#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "container/crc16.hpp"
#include "tests/support/archive_body.hpp"
#include "tests/support/expander_test.hpp"
#include "tests/support/expander_texts.hpp"

namespace vorrin::test {
namespace {

std::uint16_t CrcOf(const std::string& line) {
  return Crc16Umts(reinterpret_cast<const std::uint8_t*>(line.data()), line.size());
}

// The first short line of letters and digits, other than `avoid`, whose CRC-16/UMTS is `crc`.
std::string FindLineWithCrc(std::uint16_t crc, const std::string& avoid) {
  static const std::string kAlphabet = "abcdefghijklmnopqrstuvwxyz0123456789";
  for (std::size_t length = 1; length <= 4; ++length) {
    std::vector<std::size_t> digit(length, 0);
    for (;;) {
      std::string line;
      for (std::size_t d : digit) line += kAlphabet[d];
      if (line != avoid && CrcOf(line) == crc) return line;
      std::size_t i = 0;
      while (i < length && ++digit[i] == kAlphabet.size()) digit[i++] = 0;
      if (i == length) break;
    }
  }
  throw std::runtime_error("no short line has that CRC");
}

const std::string kSecret = "secret";
const std::string kLastFile = "d\\last.txt";

struct PasswordCase {
  std::string name;
  std::string password; // the archive's
  std::uint8_t flag;
  StandardInput input;
  int prompts;
  std::string after_prompts;
  int exit_code;

  friend void PrintTo(const PasswordCase& c, std::ostream* os) { *os << c.name; }
};

std::vector<PasswordCase> PasswordCases() {
  const std::string twin = FindLineWithCrc(CrcOf(kSecret), kSecret);
  const std::string zero = FindLineWithCrc(0, "");
  const std::string five = "abcde";
  std::string long_line; // varied, so that a misplaced key byte shows
  for (int i = 0; i < 300; ++i) long_line += static_cast<char>('a' + i % 26);
  const std::string extracted = ExpandingLine(kLastFile);
  const std::string broken = kBrokenFile + kPressEnter;
  return {
      {"RightAtTheFirstTry", kSecret, 0xA5, kSecret + "\r\n", 1, extracted, 0},
      {"RightAtTheThirdTry", kSecret, 0x01, "Secret\r\nsecret \r\nsecret\r\n", 3, extracted, 0},
      {"ThreeWrongLines", kSecret, 0xFF, "Secret\r\nsecret \r\nterces\r\n", 3, "", 1},
      {"EndOfInput", kSecret, 0xA5, kEndOfInput, 3, "", 1},
      {"BareLfDoesNotEndTheLine", kSecret, 0xA5, kSecret + "\n" + kSecret, 3, "", 1},
      {"WrongLineWithTheSameCrc", kSecret, 0x80, twin + "\r\n\r\n", 1, broken, 2},
      {"EmptyLineRefusedThoughCheckWordIsZero", zero, 0xA5, "\r\n" + zero + "\r\n", 2, extracted, 0},
      {"OnlyEmptyLinesThoughCheckWordIsZero", zero, 0xA5, "\r\n\r\n\r\n", 3, "", 1},
      {"FiveBytesRunOnAcrossBlocks", five, 0x5A, five + "\r\n", 1, extracted, 0},
      {"LongerThan255Bytes", long_line, 0xA5, long_line + "\r\n", 1, extracted, 0},
  };
}

class Password : public ExpanderTest, public ::testing::WithParamInterface<PasswordCase> {};

TEST_P(Password, IsAskedCheckedAndUsedAsTheKey) {
  const PasswordCase& c = GetParam();
  ArchiveBody body = FolderEntriesOfSize(10000);
  body.FileRecord(kLastFile, {132223104000000000, 132223104000000000, 132223104000000000}, 0);
  SfxPlan plan;
  plan.password = c.password;
  plan.password_flag = c.flag;
  plan.body = body.bytes();
  const SfxFile file = WriteSfx(plan);
  ASSERT_EQ(file.blocks.size(), 3u);

  std::string prompts;
  for (int i = 0; i < c.prompts; ++i) prompts += kPasswordPrompt;
  const RunResult run = Run(c.input);
  ExpectRun(run, kBanner + prompts + c.after_prompts, c.exit_code);
  if (c.exit_code == 0) {
    EXPECT_TRUE(std::filesystem::is_regular_file(Dir() / "d" / "last.txt"));
  } else {
    EXPECT_TRUE(Leftovers().empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Tries, Password, ::testing::ValuesIn(PasswordCases()),
                         [](const auto& test) { return test.param.name; });

} // namespace
} // namespace vorrin::test
