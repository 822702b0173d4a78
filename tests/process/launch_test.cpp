// The launch after the last member: a file the shell cannot start is reported in one line
// and the run still ends with exit code 0; a script is started and not waited for.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "tests/process/extraction_case.hpp"
#include "tests/support/files.hpp"

namespace vorrin::test {
namespace {

namespace fs = std::filesystem;

class LaunchName : public ExtractionTable {};

TEST_P(LaunchName, IsHandedToTheShellAfterTheLastMember) { Expect(GetParam()); }

ExtractionCase Launching(const char* case_name, const std::string& launch_name, const std::string& after_members) {
  return ExtractionCase{.name = case_name,
                        .body = ArchiveBody().Member("d\\a.txt", kTimes, "a"),
                        .out = ExpandingLine("d\\a.txt") + after_members,
                        .after = {{"d", Folder()}, {"d/a.txt", Written("a")}},
                        .launch_name = launch_name,
                        .unread_input = "\r\n"};
}

INSTANTIATE_TEST_SUITE_P(
    NothingToStart, LaunchName,
    ::testing::Values(Launching("EmptyNameLaunchesNothing", "", ""),
                      Launching("MissingFile", "missing.exe", CouldNotRun("missing.exe")),
                      Launching("MissingFileInAFolder", "d\\missing.exe", CouldNotRun("d\\missing.exe")),
                      Launching("MissingFileWithBlanksInItsName", "no such file.exe",
                                CouldNotRun("no such file.exe"))),
    CaseName);

// Waits a bounded while (wine's command interpreter can be slow to start) for a file that
// another process writes; "" when none came.
std::string AwaitMarker(const fs::path& path) {
  for (int tries = 0; tries < 600; ++tries) {
    if (fs::exists(path)) {
      const std::string text = ReadFileBytes(path);
      if (text.find('\n') != std::string::npos) return text;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return "";
}

// A script that leaves marker.txt holding `word`: a shell script natively, a batch file
// under wine, whose shell starts it with its command interpreter.
struct Script {
  std::string name;
  std::string contents;
};

Script MarkerScript(RunnerKind runner, const std::string& word) {
  if (runner == RunnerKind::Native) return {"run.sh", "#!/bin/sh\necho " + word + " > marker.txt\n"};
  return {"run.bat", "@echo off\r\necho " + word + "> marker.txt\r\n"};
}

std::string MarkerLine(RunnerKind runner, const std::string& word) {
  return word + (runner == RunnerKind::Native ? "\n" : "\r\n");
}

class Launch : public ExpanderTest {
protected:
  // A script put in place before the run: executable, as a program must be under POSIX.
  void PutScript(const Script& script) {
    WriteFileBytes(Dir() / script.name, script.contents);
    fs::permissions(Dir() / script.name, fs::perms::owner_all, fs::perm_options::add);
  }

  RunResult RunLaunching(const std::string& launch_name, const ArchiveBody& body, const StandardInput& input) {
    SfxPlan plan;
    plan.body = body.bytes();
    plan.launch_name = launch_name;
    WriteSfx(plan);
    return Run(input);
  }
};

// Natively the script stands ready in the folder, since a file the expander writes is no
// program; under wine it comes out of the archive.
TEST_F(Launch, StartsAScriptAndDoesNotWaitForIt) {
  const Script script = MarkerScript(Runner(), "started");
  ArchiveBody body;
  std::string out;
  if (Runner() == RunnerKind::Native) {
    PutScript(script);
    body.Member("a.txt", kTimes, "a");
    out = ExpandingLine("a.txt");
  } else {
    body.Member(script.name, kTimes, script.contents);
    out = ExpandingLine(script.name);
  }
  ExpectRun(RunLaunching(script.name, body, "\r\n"), kBanner + out, 0);
  EXPECT_EQ(AwaitMarker(Dir() / "marker.txt"), MarkerLine(Runner(), "started"));
}

// A script the archive replaces is started in its new form, still able to run; one the
// user chose to keep is started as it was.
TEST_F(Launch, StartsTheScriptOnDiskAfterTheAnswer) {
  for (const bool replace : {true, false}) {
    SCOPED_TRACE(replace ? "replaced" : "kept");
    const Script old_script = MarkerScript(Runner(), "old");
    const Script new_script = MarkerScript(Runner(), "new");
    PutScript(old_script);
    std::filesystem::remove(Dir() / "marker.txt");
    const ArchiveBody body = ArchiveBody().Member(new_script.name, kTimes, new_script.contents);
    const RunResult run = RunLaunching(new_script.name, body, replace ? "y\r\n" : "n\r\n");
    const std::string line = replace ? ExpandingLine(new_script.name) : SkippingLine(new_script.name);
    ExpectRun(run, kBanner + OverwritePrompt(new_script.name) + line, 0);
    EXPECT_EQ(AwaitMarker(Dir() / "marker.txt"), MarkerLine(Runner(), replace ? "new" : "old"));
  }
}

} // namespace
} // namespace vorrin::test
