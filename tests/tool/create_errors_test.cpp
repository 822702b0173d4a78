// Every way create can refuse: the message, the exit code, and nothing left behind (no
// output file, no temporary beside it).
#include <gtest/gtest.h>

#include <functional>

#include "tests/support/file_text.hpp"
#include "tests/support/temp_dir.hpp"
#include "tests/tool/tool_run.hpp"
#include "tests/support/file_tree.hpp"

namespace fs = std::filesystem;

namespace vorrin::test {
namespace {

struct CreateFault {
  const char* label;
  const char* file;      // one file to make inside "tree" (besides a.txt), or nullptr
  const char* arguments; // after "create out.exe"
  const char* message;   // how the error line begins, after "vorrin: "
};
void PrintTo(const CreateFault& c, std::ostream* out) { *out << c.label; }


class CreateFaultTest : public ::testing::TestWithParam<CreateFault> {};

TEST_P(CreateFaultTest, RefusesBeforeWritingAnything) {
  const CreateFault& c = GetParam();
  TempDir work;
  fs::create_directory(work.path() / "tree");
  WriteFileText(work.path() / "tree" / "a.txt", "a");
  if (c.file) WriteFileText(work.path() / "tree" / c.file, "x");
  WriteFileText(work.path() / "empty-password", "\n");
  const auto before = FilesUnder(work.path());
  const Outcome outcome = RunTool(std::string("create out.exe ") + c.arguments, work.path());
  EXPECT_EQ(outcome.code, 2);
  EXPECT_EQ(outcome.err.rfind(std::string("vorrin: ") + c.message, 0), 0u) << outcome.err;
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(FilesUnder(work.path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CreateFaultTest,
    ::testing::Values(
        CreateFault{"MissingInput", nullptr, "tree nothere --stub native", "nothere: no such file or folder"},
        CreateFault{"StubNotAnExpander", nullptr, "tree --stub tree/a.txt",
                    "tree/a.txt: not an expander program (no length record that matches its size)"},
        CreateFault{"LaunchNotAMember", nullptr, "tree --stub native --launch tree/b.txt",
                    "--launch tree/b.txt: names no file in the archive"},
        CreateFault{"LaunchNamesAFolder", nullptr, "tree --stub native --launch tree",
                    "--launch tree: names no file in the archive"},
        CreateFault{"Unrepresentable", "\xE6\x97\xA5\xE6\x9C\xAC.txt", "tree --stub native",
                    "tree/\xE6\x97\xA5\xE6\x9C\xAC.txt: the name cannot be written in windows-1252"},
        CreateFault{"Colon", "a:b.txt", "tree --stub native", "tree/a:b.txt: the name holds ':'"},
        CreateFault{"Backslash", "a\\b.txt", "tree --stub native", "tree/a\\b.txt: the name holds '\\'"},
        CreateFault{"WindowsWildcard", "what?.txt", "tree --stub native", "tree/what?.txt: the name holds '?'"},
        CreateFault{"DotsComponent", "...", "tree --stub native",
                    "tree/...: the name could lead outside the target folder"},
        CreateFault{"EmptyPassword", nullptr, "tree --stub native --password-file empty-password",
                    "empty-password: the password is empty"},
        CreateFault{"PasswordWithoutTerminal", nullptr, "tree --stub native --password",
                    "--password asks on a terminal"},
        CreateFault{"UnknownEncoding", nullptr, "tree --stub native --name-encoding no-such-page",
                    "unknown name encoding 'no-such-page'"}),
    [](const auto& param_info) { return std::string(param_info.param.label); });

// What create packs anyway but tells about: the archive is made, the warning is on
// standard error, and -q keeps it away.
struct CreateWarning {
  const char* label;
  std::function<void(const fs::path& tree)> prepare;
  const char* arguments; // after "create out.exe tree --stub native"
  const char* warning;   // after "vorrin: warning: "
};
void PrintTo(const CreateWarning& c, std::ostream* out) { *out << c.label; }

class CreateWarningTest : public ::testing::TestWithParam<CreateWarning> {};

TEST_P(CreateWarningTest, PacksTheRestAndSaysWhy) {
  const CreateWarning& c = GetParam();
  TempDir work;
  fs::create_directory(work.path() / "tree");
  WriteFileText(work.path() / "tree" / "a.txt", "a");
  WriteFileText(work.path() / "pw", "s\xc3\xa9same\n");
  c.prepare(work.path() / "tree");
  const std::string command = std::string("create out.exe tree --stub native ") + c.arguments;
  const Outcome told = RunTool(command, work.path());
  EXPECT_EQ(told.code, 0) << told.err;
  EXPECT_NE(told.err.find(std::string("vorrin: warning: ") + c.warning), std::string::npos) << told.err;
  const Outcome listed = RunTool("list out.exe --password-file pw", work.path());
  EXPECT_EQ(listed.code, 0) << listed.err;
  EXPECT_NE(listed.out.find("tree\\a.txt"), std::string::npos) << listed.out;

  fs::remove(work.path() / "out.exe");
  const Outcome quiet = RunTool(command + " -q", work.path());
  EXPECT_EQ(quiet.code, 0) << quiet.err;
  EXPECT_EQ(quiet.out + quiet.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CreateWarningTest,
    ::testing::Values(
        CreateWarning{"LinkToFolder", [](const fs::path& tree) { fs::create_directory_symlink(".", tree / "loop"); },
                      "", "tree/loop: left out: a link to a folder"},
        CreateWarning{"DanglingLink", [](const fs::path& tree) { fs::create_symlink("nowhere", tree / "gone"); },
                      "", "tree/gone: left out: a link to nothing"},
        CreateWarning{"PasswordBeyondAscii", [](const fs::path&) {}, "--password-file pw",
                      "the password holds characters beyond ASCII"}),
    [](const auto& param_info) { return std::string(param_info.param.label); });

// A stub that is not built names the command that builds it.
TEST(CreateStub, MissingProgramSaysHowToBuildIt) {
  TempDir work;
  fs::copy_file(ToolPath(), work.path() / "vorrin");
  WriteFileText(work.path() / "a.txt", "a");
  for (const char* stub : {"native", "win32", "win64"}) {
    const Outcome outcome = RunShell("./vorrin create out.exe a.txt --stub " + std::string(stub), work.path());
    EXPECT_EQ(outcome.code, 2);
    EXPECT_NE(outcome.err.find(std::string("expander is not built")), std::string::npos) << outcome.err;
    EXPECT_NE(outcome.err.find(std::string("cmake --preset ") + stub + " && cmake --build --preset " + stub),
              std::string::npos)
        << outcome.err;
    EXPECT_FALSE(fs::exists(work.path() / "out.exe"));
  }
}

TEST(CreateStub, ProgramIsFoundInTheInstallTree) {
  TempDir prefix;
  fs::create_directories(prefix.path() / "bin");
  fs::create_directories(prefix.path() / "share" / "vorrin");
  fs::copy_file(ToolPath(), prefix.path() / "bin" / "vorrin");
  fs::copy_file(ExpanderPath(), prefix.path() / "share" / "vorrin" / "expander");
  WriteFileText(prefix.path() / "a.txt", "a");
  const Outcome outcome = RunShell("bin/vorrin create out.exe a.txt --stub native -q", prefix.path());
  EXPECT_EQ(outcome.code, 0) << outcome.err;
  const Outcome listed = RunShell("bin/vorrin list out.exe", prefix.path());
  EXPECT_NE(listed.out.find("(at byte " + std::to_string(fs::file_size(ExpanderPath())) + " of"), std::string::npos)
      << listed.out;
}

} // namespace
} // namespace vorrin::test
