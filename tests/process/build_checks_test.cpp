// Checks of the built expanders themselves, made once per build: each carries its own
// length, and a Windows expander is for its machine and needs nothing but system DLLs,
// so that it runs on a clean Windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "tests/process/build_check_list.hpp"
#include "tests/support/files.hpp"
#include "tests/support/temp_dir.hpp"

namespace vorrin::test {

BuildCheckList& SharedBuildCheckList() {
  static BuildCheckList list;
  return list;
}

namespace {

std::uint32_t LittleEndianAt(const std::string& bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i)
    value = (value << 8) | static_cast<unsigned char>(bytes.at(at + static_cast<std::size_t>(i)));
  return value;
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

bool IsSystemDll(const std::string& name) {
  static const std::array<std::string, 5> kAllowed = {"kernel32.dll", "shell32.dll", "user32.dll",
                                                      "advapi32.dll", "msvcrt.dll"};
  const std::string lower = Lower(name);
  return lower.starts_with("api-ms-win-") ||
         std::find(kAllowed.begin(), kAllowed.end(), lower) != kAllowed.end();
}

// The DLLs of the import table, as objdump lists them.
std::vector<std::string> ImportedDlls(const std::filesystem::path& exe, WindowsMachine machine) {
  const char* objdump = machine == WindowsMachine::I386 ? "i686-w64-mingw32-objdump"
                                                        : "x86_64-w64-mingw32-objdump";
  TempDir dir("vorrin-objdump");
  const auto listing = dir.path() / "listing";
  const std::string command =
      std::string(objdump) + " -p " + ShellQuote(exe) + " >" + ShellQuote(listing) + " 2>&1";
  if (std::system(command.c_str()) != 0) {
    ADD_FAILURE() << command << " failed:\n" << ReadFileBytes(listing);
    return {};
  }
  std::vector<std::string> dlls;
  std::istringstream lines(ReadFileBytes(listing));
  const std::string marker = "DLL Name: ";
  for (std::string line; std::getline(lines, line);) {
    const auto at = line.find(marker);
    if (at != std::string::npos) dlls.push_back(line.substr(at + marker.size()));
  }
  return dlls;
}

TEST(BuildChecks, StampedLengthIsTheFileLength) {
  const BuildCheckList& list = SharedBuildCheckList();
  std::vector<std::filesystem::path> paths = list.stamped;
  for (const auto& exe : list.windows) paths.push_back(exe.path);
  ASSERT_FALSE(paths.empty()) << "name the expanders to check on the command line";

  const std::string tag = "<VorrinCore>";
  for (const auto& path : paths) {
    SCOPED_TRACE(path.string());
    const std::string bytes = ReadFileBytes(path);
    const auto at = bytes.find(tag);
    ASSERT_NE(at, std::string::npos) << "no length record";
    ASSERT_EQ(bytes.find(tag, at + 1), std::string::npos) << "more than one length record";
    EXPECT_EQ(LittleEndianAt(bytes, at + tag.size(), 4), bytes.size());
  }
}

TEST(BuildChecks, WindowsExpandersAreBuiltForTheirMachine) {
  const BuildCheckList& list = SharedBuildCheckList();
  if (list.windows.empty()) GTEST_SKIP() << "no Windows expanders named";
  for (const auto& exe : list.windows) {
    SCOPED_TRACE(exe.path.string());
    const std::string bytes = ReadFileBytes(exe.path);
    ASSERT_GT(bytes.size(), 0x40u);
    ASSERT_EQ(bytes.substr(0, 2), "MZ");
    const std::size_t pe = LittleEndianAt(bytes, 0x3C, 4);
    ASSERT_EQ(bytes.substr(pe, 4), std::string("PE\0\0", 4));
    EXPECT_EQ(LittleEndianAt(bytes, pe + 4, 2), static_cast<std::uint32_t>(exe.machine));
  }
}

TEST(BuildChecks, WindowsExpandersImportOnlySystemDlls) {
  const BuildCheckList& list = SharedBuildCheckList();
  if (list.windows.empty()) GTEST_SKIP() << "no Windows expanders named";
  for (const auto& exe : list.windows) {
    SCOPED_TRACE(exe.path.string());
    const std::vector<std::string> dlls = ImportedDlls(exe.path, exe.machine);
    EXPECT_TRUE(std::any_of(dlls.begin(), dlls.end(),
                            [](const std::string& dll) { return Lower(dll) == "kernel32.dll"; }))
        << "no import table found";
    for (const auto& dll : dlls) EXPECT_TRUE(IsSystemDll(dll)) << "imports " << dll;
  }
}

} // namespace
} // namespace vorrin::test
