// ShellOpen on POSIX: a program is started and not waited for, a document goes to the
// opener found on PATH, and every start that cannot happen answers 32 or less.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/platform.hpp"
#include "tests/support/file_text.hpp"
#include "tests/support/working_dir.hpp"

namespace vorrin {
namespace {

namespace fs = std::filesystem;

void MakeExecutable(const fs::path& path, const std::string& text) {
  test::WriteFileText(path, text);
  fs::permissions(path, fs::perms::owner_all, fs::perm_options::add);
}

// PATH holds only a folder of our own for the life of the object.
class OwnSearchPath {
public:
  explicit OwnSearchPath(const fs::path& folder) {
    const char* previous = std::getenv("PATH");
    had_previous_ = previous != nullptr;
    if (had_previous_) previous_ = previous;
    fs::create_directories(folder);
    setenv("PATH", folder.c_str(), 1);
  }
  ~OwnSearchPath() {
    if (had_previous_) setenv("PATH", previous_.c_str(), 1);
    else unsetenv("PATH");
  }

private:
  bool had_previous_ = false;
  std::string previous_;
};

class PosixLaunch : public ::testing::Test {
protected:
  test::WorkingDir dir_{"vorrin-launch"};
};

TEST_F(PosixLaunch, MissingFilesAreNotFound) {
  fs::create_directory("sub");
  for (const char* name : {"missing.sh", "sub\\missing.sh", "nowhere\\x.sh", ""})
    EXPECT_EQ(platform::ShellOpen(name), 2) << '"' << name << '"';
}

// The program waits for a go-ahead that comes only after ShellOpen has returned: a launch
// that waited for it would find the marker saying so.
TEST_F(PosixLaunch, ProgramIsStartedFromTheCurrentFolderAndNotWaitedFor) {
  MakeExecutable("probe.sh", "#!/bin/sh\n"
                             "i=0\n"
                             "while [ ! -e go ] && [ $i -lt 250 ]; do sleep 0.02; i=$((i+1)); done\n"
                             "if [ -e go ]; then echo started > marker; else echo waited-for > marker; fi\n");
  ASSERT_GT(platform::ShellOpen("probe.sh"), 32);
  test::WriteFileText("go", "");
  EXPECT_EQ(test::AwaitFileLine("marker"), "started\n");
}

TEST_F(PosixLaunch, ProgramInAFolderIsNamedWithBackslashes) {
  fs::create_directory("sub");
  MakeExecutable("sub/probe.sh", "#!/bin/sh\necho \"$0\" > marker\n");
  ASSERT_EQ(platform::ShellOpen("sub\\probe.sh"), 33);
  EXPECT_EQ(test::AwaitFileLine("marker"), "sub/probe.sh\n");
}

TEST_F(PosixLaunch, ProgramThatCannotBeExecutedIsAFailure) {
  MakeExecutable("garbage", std::string("\x7F" "ELF not really", 15));
  MakeExecutable("no_interpreter.sh", "#!/nonexistent/shell\n");
  for (const char* name : {"garbage", "no_interpreter.sh"})
    EXPECT_LE(platform::ShellOpen(name), 32) << name;
}

TEST_F(PosixLaunch, DocumentGoesToTheOpener) {
  const OwnSearchPath search_path(dir_.path() / "bin");
  MakeExecutable("bin/xdg-open", "#!/bin/sh\necho \"$1\" > marker\n");
  test::WriteFileText("read me.txt", "a document");
  ASSERT_EQ(platform::ShellOpen("read me.txt"), 33);
  EXPECT_EQ(test::AwaitFileLine("marker"), "./read me.txt\n");
}

TEST_F(PosixLaunch, DocumentWithoutAnOpenerHasNoAssociation) {
  const OwnSearchPath search_path(dir_.path() / "empty");
  test::WriteFileText("doc.txt", "a document");
  fs::create_directory("folder");
  EXPECT_EQ(platform::ShellOpen("doc.txt"), 31);
  EXPECT_EQ(platform::ShellOpen("folder"), 31);
}

} // namespace
} // namespace vorrin
