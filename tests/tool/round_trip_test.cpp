// Real folder trees packed with the tool and unpacked both by the native expander (the
// created file run as a program) and by the tool's extract: the same files, contents and
// last-write times must come back.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "tests/support/file_text.hpp"
#include "tests/support/temp_dir.hpp"
#include "tests/support/wine_prefix.hpp"
#include "tests/tool/tool_run.hpp"
#include "tests/support/file_tree.hpp"

namespace fs = std::filesystem;

namespace vorrin::test {
namespace {

// A tree with nested and empty folders, an empty file, blanks and non-ASCII letters in
// names, and a file over 100 KB that spans many blocks and several output flushes.
void MakeTree(const fs::path& root) {
  fs::create_directories(root / "sub" / "deeper");
  fs::create_directories(root / "empty folder");
  fs::create_directories(root / "\xC3\x84rger");
  WriteFileText(root / "a.txt", "hello\n");
  WriteFileText(root / "empty.txt", "");
  WriteFileText(root / "sub" / "deeper" / "c.txt", "three levels down");
  WriteFileText(root / "na\xC3\xAFve caf\xC3\xA9.txt", "accents");
  WriteFileText(root / "\xC3\x84rger" / "\xC3\xBC.txt", "umlaut");
  std::string big;
  std::uint32_t seed = 12345;
  while (big.size() < 300000) {
    seed = seed * 1103515245u + 12345u;
    if (seed % 3 == 0) big += "a line that repeats now and then, ";
    else big += static_cast<char>(seed >> 24);
  }
  WriteFileText(root / "sub" / "big file.bin", big);
  // Distinct last-write times in the past, exact to the 100 ns that the format keeps.
  const auto base = std::chrono::floor<std::chrono::seconds>(fs::file_time_type::clock::now()) -
                    std::chrono::hours(5000);
  int step = 1;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root))
    if (entry.is_regular_file())
      fs::last_write_time(entry.path(), base + std::chrono::nanoseconds(123456700LL * step++));
}

enum class Unpacker { Expander, Tool };

struct RoundTrip {
  const char* label;
  const char* create_options;
  Unpacker unpacker;
  bool password;
};
void PrintTo(const RoundTrip& c, std::ostream* out) { *out << c.label; }


class RoundTripTest : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(RoundTripTest, GivesBackTheSameTree) {
  const RoundTrip& c = GetParam();
  TempDir work;
  MakeTree(work.path() / "tree");
  WriteFileText(work.path() / "pw", "secret\n");
  const Outcome made = RunTool("create out.exe tree --stub native -q " + std::string(c.create_options), work.path());
  ASSERT_EQ(made.code, 0) << made.err;
  EXPECT_EQ(made.out + made.err, ""); // -q: nothing but errors

  fs::create_directory(work.path() / "unpacked");
  Outcome unpacked;
  if (c.unpacker == Unpacker::Expander) {
    // The expander reads its password up to a carriage return.
    WriteFileText(work.path() / "answer", "secret\r\n");
    unpacked = RunShell(Quoted((work.path() / "out.exe").string()), work.path() / "unpacked",
                        Quoted((work.path() / "answer").string()));
  } else {
    unpacked = RunTool("extract out.exe -C unpacked -q" + std::string(c.password ? " --password-file pw" : ""),
                       work.path());
  }
  ASSERT_EQ(unpacked.code, 0) << unpacked.out << unpacked.err;
  EXPECT_EQ(ReadTree(work.path() / "unpacked" / "tree", {}), ReadTree(work.path() / "tree", {}));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, RoundTripTest,
    ::testing::Values(
        // The native expander writes names as stored, so those archives store UTF-8.
        RoundTrip{"Expander", "--name-encoding UTF-8", Unpacker::Expander, false},
        RoundTrip{"ExpanderWithPassword", "--name-encoding UTF-8 --password-file pw", Unpacker::Expander, true},
        RoundTrip{"ToolFromWindows1252", "", Unpacker::Tool, false},
        RoundTrip{"ToolWithPasswordSmallest", "--password-file pw -9", Unpacker::Tool, true},
        RoundTrip{"ToolFastest", "-1", Unpacker::Tool, false}),
    [](const auto& param_info) { return std::string(param_info.param.label); });

// The shipped kind of program: a Windows expander (x86_64, under wine64) unpacks what the
// tool packed with the default code page, and the names come back in the system's own.
TEST(WindowsRoundTrip, Win64ExpanderGivesBackTheSameTree) {
  const fs::path stub = fs::path(ToolPath()).parent_path() / ".." / "win64" / "expander.exe";
  if (!fs::exists(kWineLoader) || !fs::exists(stub)) GTEST_SKIP() << "needs wine64 and the win64 preset's build";
  static auto* const environment = ::testing::AddGlobalTestEnvironment(new WinePrefixEnvironment);
  (void)environment;
  TempDir work;
  MakeTree(work.path() / "tree");
  const Outcome made = RunTool("create out.exe tree --stub win64 -q", work.path());
  ASSERT_EQ(made.code, 0) << made.err;
  fs::create_directory(work.path() / "unpacked");
  const Outcome unpacked = RunShell(WinePrefix::Shared().Environment() + kWineLoader + " ../out.exe",
                                    work.path() / "unpacked");
  ASSERT_EQ(unpacked.code, 0) << unpacked.out << unpacked.err;
  EXPECT_EQ(ReadTree(work.path() / "unpacked" / "tree", {}), ReadTree(work.path() / "tree", {}));
}

TEST(Create, SameInputsGiveTheSameBytes) {
  TempDir work;
  MakeTree(work.path() / "tree");
  for (const char* output : {"one.exe", "two.exe"})
    ASSERT_EQ(RunTool("create " + std::string(output) + " tree --stub native --comment hi", work.path()).code, 0);
  EXPECT_EQ(ReadFileText(work.path() / "one.exe"), ReadFileText(work.path() / "two.exe"));
}

TEST(Create, StoresPathsMadeRelativeWithBackslashes) {
  TempDir work;
  MakeTree(work.path() / "tree");
  const fs::path absolute = work.path() / "tree" / "a.txt";
  const Outcome made =
      RunTool("create out.exe ./tree/../tree/sub/deeper " + Quoted(absolute.string()) + " --stub native", work.path());
  ASSERT_EQ(made.code, 0) << made.err;
  std::string without_root = absolute.relative_path().string();
  std::replace(without_root.begin(), without_root.end(), '/', '\\');
  const Outcome listed = RunTool("list out.exe", work.path());
  EXPECT_NE(listed.out.find("  tree\\sub\\deeper\\\n"), std::string::npos) << listed.out;
  EXPECT_NE(listed.out.find("  tree\\sub\\deeper\\c.txt\n"), std::string::npos) << listed.out;
  EXPECT_NE(listed.out.find("  " + without_root + "\n"), std::string::npos) << listed.out;
}

} // namespace
} // namespace vorrin::test
