// list, test and extract on archives built by hand with the format code: what they show,
// and how each fault is reported, with its exit code and nothing left behind.
#include <gtest/gtest.h>

#include <functional>

#include <nlohmann/json.hpp>

#include "tests/support/file_text.hpp"
#include "tests/support/temp_dir.hpp"
#include "tests/tool/archive_builder.hpp"
#include "tests/tool/tool_run.hpp"
#include "tests/support/file_tree.hpp"

namespace fs = std::filesystem;

namespace vorrin::test {
namespace {

std::string Incompressible(std::size_t size) {
  std::string text;
  std::uint32_t seed = 99;
  while (text.size() < size) {
    seed = seed * 1664525u + 1013904223u;
    text += static_cast<char>(seed >> 24);
  }
  return text;
}

// A folder, a member that spans three blocks, an empty file, the launch target, and a
// name with a letter of windows-1252 (e9 = e acute).
HandArchive Sample() {
  HandArchive a;
  a.comment = "Read me first";
  a.launch_name = "docs\\setup.exe";
  a.members = {
      {"docs\\.", "", {}},
      {"docs\\a.txt", Incompressible(10000), {130000000000000001, 130000000000000002, 130000000000000003}},
      {"docs\\b.txt", "", {131000000000000000, 131000000000000000, 131000000000000000}},
      {"docs\\setup.exe", "MZ", {132000000000000000, 132000000000000001, 132000000000000002}},
      {"caf\xE9.txt", "name from windows-1252", {133000000000000000, 133000000000000000, 133000000000000000}},
  };
  return a;
}

HandArchive Protected() {
  HandArchive a = Sample();
  a.password = "secret";
  return a;
}

class ReadingTest : public ::testing::Test {
protected:
  void Write(const HandArchive& plan) { WriteFileText(dir.path() / "in.exe", BuildArchive(plan)); }
  Outcome Tool(const std::string& arguments) { return RunTool(arguments, dir.path()); }

  TempDir dir;
};

TEST_F(ReadingTest, ListJsonGivesEverythingBack) {
  Write(Protected());
  WriteFileText(dir.path() / "pw", "secret\r\n");
  const Outcome listed = Tool("list in.exe --json --password-file pw");
  ASSERT_EQ(listed.code, 0) << listed.err;
  const nlohmann::json j = nlohmann::json::parse(listed.out);
  EXPECT_EQ(j["comment"], "Read me first");
  EXPECT_EQ(j["launch"], "docs\\setup.exe");
  EXPECT_EQ(j["password"], true);
  EXPECT_EQ(j["offset"], kHandProgramSize);
  const HandArchive plan = Sample();
  ASSERT_EQ(j["members"].size(), plan.members.size());
  EXPECT_EQ(j["members"][0]["name"], "docs\\");
  EXPECT_EQ(j["members"][0]["folder"], true);
  EXPECT_EQ(j["members"][4]["name"], "caf\xC3\xA9.txt");
  for (std::size_t i = 1; i < plan.members.size(); ++i) {
    const nlohmann::json& m = j["members"][i];
    const FileTimes& t = plan.members[i].times;
    EXPECT_EQ(m["folder"], false);
    EXPECT_EQ(m["size"], plan.members[i].contents.size());
    EXPECT_EQ(m["file_times"], nlohmann::json::array({t.creation, t.last_access, t.last_write}));
  }
  EXPECT_EQ(j["members"][1]["last_write"], "2012-12-14T23:06:40.0000003Z");
}

TEST_F(ReadingTest, ListTextShowsPreambleAndRows) {
  Write(Sample());
  const Outcome listed = Tool("list in.exe");
  ASSERT_EQ(listed.code, 0) << listed.err;
  for (const char* expected : {"Comment:  Read me first\n", "Launch:   docs\\setup.exe\n", "Password: no\n",
                               "  docs\\\n", "  10000  2012-12-14 23:06:40  ", "  docs\\a.txt\n",
                               "  caf\xC3\xA9.txt\n"})
    EXPECT_NE(listed.out.find(expected), std::string::npos) << expected << " in\n" << listed.out;
}

// Text from an archive cannot steer the terminal it is listed on: control characters come
// out as visible escapes, while a comment keeps its lines.
TEST_F(ReadingTest, HostileTextIsShownHarmlessly) {
  HandArchive a;
  a.comment = "line one\r\nline two\x1b[2J";
  a.members = {{"a\x1b]0;owned\x07.txt", "x", {}}};
  Write(a);
  const Outcome listed = Tool("list in.exe");
  const Outcome tested = Tool("test in.exe -v");
  ASSERT_EQ(listed.code, 0) << listed.err;
  ASSERT_EQ(tested.code, 0) << tested.err;
  EXPECT_NE(listed.out.find("Comment:  line one\nline two\\x1B[2J\n"), std::string::npos) << listed.out;
  EXPECT_NE(listed.out.find("  a\\x1B]0;owned\\x07.txt\n"), std::string::npos) << listed.out;
  EXPECT_NE(tested.out.find("a\\x1B]0;owned\\x07.txt"), std::string::npos) << tested.out;
  for (const std::string& text : {listed.out, listed.err, tested.out, tested.err})
    EXPECT_EQ(text.find_first_of("\x1b\x07\r"), std::string::npos) << text;
}

TEST_F(ReadingTest, ListWithoutPasswordShowsOnlyThePreamble) {
  Write(Protected());
  const Outcome listed = Tool("list in.exe --json");
  EXPECT_EQ(listed.code, 2);
  EXPECT_NE(listed.err.find("listed only with its password"), std::string::npos) << listed.err;
  const nlohmann::json j = nlohmann::json::parse(listed.out);
  EXPECT_EQ(j["password"], true);
  EXPECT_TRUE(j["members"].is_null());
}

// The archive is found whether or not the program in front names its own length (the
// tool then scans for it).
class FindingTest : public ReadingTest, public ::testing::WithParamInterface<bool> {};

TEST_P(FindingTest, TestPassesAndExtractGivesTheMembers) {
  HandArchive plan = Sample();
  plan.length_record = GetParam();
  Write(plan);
  const Outcome tested = Tool("test in.exe");
  EXPECT_EQ(tested.code, 0) << tested.err;
  EXPECT_EQ(tested.out, "in.exe: OK (4 files, 1 folders, 10024 bytes)\n");
  const Outcome extracted = Tool("extract in.exe -C out -q");
  ASSERT_EQ(extracted.code, 0) << extracted.err;
  EXPECT_EQ(ReadFileText(dir.path() / "out" / "docs" / "a.txt"), plan.members[1].contents);
  EXPECT_EQ(ReadFileText(dir.path() / "out" / "caf\xC3\xA9.txt"), plan.members[4].contents);
  EXPECT_EQ(fs::file_size(dir.path() / "out" / "docs" / "b.txt"), 0u);
}

INSTANTIATE_TEST_SUITE_P(LengthRecord, FindingTest, ::testing::Bool());

// Where block `index` of the sample's blocks begins in the file.
std::size_t BlockOffset(const HandArchive& plan, std::size_t index) {
  const std::size_t preamble = 4 + plan.comment.size() + 1 + plan.launch_name.size() + 1 + 1;
  return kHandProgramSize + preamble + index * 4098;
}

struct ReadFault {
  const char* label;
  std::function<void(HandArchive&)> build;
  std::function<void(std::string&)> damage;
  const char* options;
  int code;
  const char* message; // how the error line begins, after the file's name
};
void PrintTo(const ReadFault& c, std::ostream* out) { *out << c.label; }


class ReadFaultTest : public ReadingTest, public ::testing::WithParamInterface<ReadFault> {};

TEST_P(ReadFaultTest, TestAndExtractReportItAndLeaveNoFile) {
  const ReadFault& c = GetParam();
  HandArchive plan = Sample();
  c.build(plan);
  std::string file = BuildArchive(plan);
  c.damage(file);
  WriteFileText(dir.path() / "in.exe", file);
  WriteFileText(dir.path() / "wrong", "Secret\n");
  for (const std::string command : {"test in.exe ", "extract in.exe -C out "}) {
    const Outcome outcome = Tool(command + c.options);
    EXPECT_EQ(outcome.code, c.code) << command << outcome.err;
    EXPECT_EQ(outcome.err.rfind("vorrin: in.exe: " + std::string(c.message), 0), 0u) << command << outcome.err;
  }
  EXPECT_TRUE(FilesUnder(dir.path() / "out").empty());
}

const auto kAsBuilt = [](HandArchive&) {};
const auto kUndamaged = [](std::string&) {};

INSTANTIATE_TEST_SUITE_P(
    Faults, ReadFaultTest,
    ::testing::Values(
        ReadFault{"WrongPassword", [](HandArchive& a) { a.password = "secret"; }, kUndamaged,
                  "--password-file wrong", 1, "wrong password"},
        ReadFault{"DamagedBlock", kAsBuilt,
                  [](std::string& f) { f[BlockOffset(Sample(), 1) + 100] ^= 0x10; }, "", 1,
                  "block 1 is damaged (member docs\\a.txt)"},
        ReadFault{"DamagedCheck", kAsBuilt,
                  [](std::string& f) { f[BlockOffset(Sample(), 2) - 1] ^= 0x01; }, "", 1,
                  "block 1 is damaged (member docs\\a.txt)"},
        ReadFault{"Truncated", kAsBuilt, [](std::string& f) { f.resize(f.size() - 100); }, "", 1,
                  "the file is cut short (the archive records "},
        ReadFault{"EndsInsideMember", [](HandArchive& a) { a.cut_plain_at = 200; }, kUndamaged, "", 1,
                  "archive ends inside member docs\\a.txt"},
        ReadFault{"OffsetWrong", kAsBuilt, kUndamaged, "--offset 5", 1, "no archive at offset 5"},
        ReadFault{"NotAnArchive", kAsBuilt, [](std::string& f) { f.assign(5000, 'x'); }, "", 1,
                  "no archive found (not a self-extracting file of this format, or cut short or extended)"},
        ReadFault{"NoPasswordWithoutTerminal", [](HandArchive& a) { a.password = "secret"; }, kUndamaged, "",
                  2, "the archive is protected: give --password-file"}),
    [](const auto& param_info) { return std::string(param_info.param.label); });

// Names the expander would refuse are refused by extract too, before anything is written.
class UnsafeNameTest : public ReadingTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(UnsafeNameTest, ExtractRefusesIt) {
  HandArchive plan;
  plan.members = {{GetParam(), "escape", {}}};
  Write(plan);
  const Outcome outcome = Tool("extract in.exe -C out/inner");
  EXPECT_EQ(outcome.code, 2);
  EXPECT_NE(outcome.err.find("refused: the name "), std::string::npos) << outcome.err;
  EXPECT_TRUE(FilesUnder(dir.path()).size() == 1) << "only in.exe may be there";
}

INSTANTIATE_TEST_SUITE_P(Names, UnsafeNameTest,
                         ::testing::Values("..\\evil.txt", "a\\..\\..\\evil.txt", "c:evil.txt", "\\evil.txt",
                                           "/evil.txt", "a\\... \\evil.txt"),
                         [](const auto& param_info) { return "Name" + std::to_string(param_info.index); });

struct ExistingCase {
  const char* label;
  const char* options;
  int code;
  const char* kept; // docs/b.txt afterwards
};
void PrintTo(const ExistingCase& c, std::ostream* out) { *out << c.label; }


class ExistingFileTest : public ReadingTest, public ::testing::WithParamInterface<ExistingCase> {};

TEST_P(ExistingFileTest, FollowsTheChoice) {
  Write(Sample());
  ASSERT_EQ(Tool("extract in.exe -C out").code, 0);
  WriteFileText(dir.path() / "out" / "docs" / "b.txt", "changed");
  const Outcome again = Tool(std::string("extract in.exe -C out ") + GetParam().options);
  EXPECT_EQ(again.code, GetParam().code) << again.err;
  EXPECT_EQ(ReadFileText(dir.path() / "out" / "docs" / "b.txt"), GetParam().kept);
  if (GetParam().code != 0) {
    EXPECT_EQ(again.err, "vorrin: in.exe: member docs\\a.txt: out/docs/a.txt exists "
                         "(use --overwrite or --skip-existing)\n");
  }
  for (const auto& [name, contents] : FilesUnder(dir.path() / "out"))
    EXPECT_EQ(name.find(".~vorrin"), std::string::npos) << name;
}

INSTANTIATE_TEST_SUITE_P(Choices, ExistingFileTest,
                         ::testing::Values(ExistingCase{"NoChoiceNoTerminal", "", 2, "changed"},
                                           ExistingCase{"Overwrite", "--overwrite", 0, ""},
                                           ExistingCase{"SkipExisting", "--skip-existing", 0, "changed"}),
                         [](const auto& param_info) { return std::string(param_info.param.label); });

} // namespace
} // namespace vorrin::test
