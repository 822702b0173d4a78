#include "tool/command_line.hpp"

#include <filesystem>
#include <iostream>
#include <new>

#include <CLI/CLI.hpp>

#include "tool/command_options.hpp"
#include "tool/messages.hpp"
#include "tool/tool_error.hpp"

namespace vorrin {

std::vector<std::string> RewriteLevelFlags(std::vector<std::string> args) {
  for (std::size_t i = 1; i < args.size(); ++i) {
    std::string& arg = args[i];
    if (arg == "--") break;
    if (arg.size() == 2 && arg[0] == '-' && arg[1] >= '0' && arg[1] <= '9') arg = "--level=" + arg.substr(1);
  }
  return args;
}

namespace {

constexpr const char* kExitCodes =
    "Exit codes: 0 success; 1 the archive is damaged, cut short, not found, or the password is\n"
    "wrong; 2 any other error (arguments, inputs, names, files).";

constexpr const char* kSynopsis =
    "Commands:\n"
    "  vorrin create OUTPUT INPUT... [--stub win32|win64|native|PATH]\n"
    "         [--comment TEXT | --comment-file F] [--launch NAME]\n"
    "         [--password | --password-file F] [-0 .. -9] [--name-encoding CP] [-q] [-v]\n"
    "  vorrin list FILE [--json] [--offset N] [--password-file F] [--name-encoding CP]\n"
    "  vorrin test FILE [--offset N] [--password-file F] [--name-encoding CP] [-q] [-v]\n"
    "  vorrin extract FILE [-C DIR] [--overwrite | --skip-existing] [--offset N]\n"
    "         [--password-file F] [--name-encoding CP] [-q] [-v]\n"
    "'vorrin COMMAND --help' describes each option.\n\n";

void AddCommon(CLI::App& command, CommonOptions& options, bool with_quiet) {
  command.footer(kExitCodes);
  if (with_quiet) {
    command.add_flag("-q,--quiet", options.quiet, "Print nothing but errors");
    command.add_flag("-v,--verbose", options.verbose, "One line per member");
  }
  command.add_option("--name-encoding", options.name_encoding,
                     "Windows code page of names and comment in the archive")
      ->default_str(kDefaultNameEncoding);
}

void AddReading(CLI::App& command, ReadOptions& options, std::string& password_file, bool with_quiet) {
  command.add_option("FILE", options.archive, "The self-extracting file")->required();
  command.add_option("--offset", options.offset, "Where the archive starts in FILE (found by itself otherwise)");
  command.add_option("--password-file", password_file, "Take the password from the first line of this file");
  AddCommon(command, options, with_quiet);
}

} // namespace

int RunCommandLine(std::vector<std::string> args) {
  args = RewriteLevelFlags(std::move(args));
  CLI::App app{"vorrin makes self-extracting archives, and lists, tests and extracts them on any "
               "system without running them.",
               "vorrin"};
  app.footer(std::string(kSynopsis) + kExitCodes);
  app.require_subcommand(1);
  app.set_version_flag("--version", std::string("vorrin ") + VORRIN_VERSION);

  CreateOptions create;
  std::string comment, comment_file, launch, create_password_file;
  CLI::App* create_cmd = app.add_subcommand("create", "Pack files and folders into a new self-extracting file");
  create_cmd->add_option("OUTPUT", create.output, "The file to make")->required();
  create_cmd->add_option("INPUT", create.inputs, "Files and folders to pack (folders with all they hold)")->required();
  create_cmd->add_option("--stub", create.stub,
                         "The expander in front: win32 (shipped), win64, native, or a program's path")
      ->default_str("win32");
  CLI::Option* comment_opt = create_cmd->add_option("--comment", comment, "Comment shown before expanding");
  CLI::Option* comment_file_opt =
      create_cmd->add_option("--comment-file", comment_file, "Take the comment from this file");
  comment_opt->excludes(comment_file_opt);
  CLI::Option* launch_opt =
      create_cmd->add_option("--launch", launch, "Member to open once everything is expanded");
  CLI::Option* ask_opt = create_cmd->add_flag("--password", create.ask_password,
                                              "Protect with a password, asked twice without echo");
  CLI::Option* create_pw_opt = create_cmd->add_option("--password-file", create_password_file,
                                                     "Protect with the first line of this file");
  ask_opt->excludes(create_pw_opt);
  create_cmd->add_option("--level", create.level, "Compression level 0 (fastest) to 9 (smallest); also -0 .. -9")
      ->check(CLI::Range(kFastestLevel, kBestLevel))
      ->default_str(std::to_string(DefaultCompressionLevel()));
  AddCommon(*create_cmd, create, true);

  ListOptions list;
  std::string list_password_file;
  CLI::App* list_cmd = app.add_subcommand("list", "Show the comment, launch name, protection and members");
  AddReading(*list_cmd, list, list_password_file, false);
  list_cmd->add_flag("--json", list.json, "Print JSON for scripts");

  ReadOptions test;
  std::string test_password_file;
  CLI::App* test_cmd = app.add_subcommand("test", "Read every block and decode every member, writing nothing");
  AddReading(*test_cmd, test, test_password_file, true);

  ExtractOptions extract;
  std::string extract_password_file;
  CLI::App* extract_cmd = app.add_subcommand("extract", "Unpack every member; never launches anything");
  AddReading(*extract_cmd, extract, extract_password_file, true);
  extract_cmd->add_option("-C,--folder", extract.folder, "Unpack into this folder")->default_str(".");
  CLI::Option* overwrite_opt = extract_cmd->add_flag("--overwrite", extract.overwrite, "Replace existing files");
  CLI::Option* skip_opt =
      extract_cmd->add_flag("--skip-existing", extract.skip_existing, "Keep existing files as they are");
  overwrite_opt->excludes(skip_opt);

  std::vector<const char*> argv;
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  try {
    app.parse(static_cast<int>(argv.size()), argv.data());
  } catch (const CLI::ParseError& e) {
    const int code = app.exit(e);
    return code == 0 ? kExitOk : kExitFailure;
  }

  const auto optional_of = [](const CLI::App* command, const char* name, const std::string& value) {
    return command->count(name) > 0 ? std::optional<std::string>(value) : std::nullopt;
  };
  try {
    if (create_cmd->parsed()) {
      if (comment_opt->count() > 0) create.comment = comment;
      if (comment_file_opt->count() > 0) create.comment_file = comment_file;
      if (launch_opt->count() > 0) create.launch = launch;
      if (create_pw_opt->count() > 0) create.password_file = create_password_file;
      return RunCreate(create);
    }
    if (list_cmd->parsed()) {
      list.password_file = optional_of(list_cmd, "--password-file", list_password_file);
      return RunList(list);
    }
    if (test_cmd->parsed()) {
      test.password_file = optional_of(test_cmd, "--password-file", test_password_file);
      return RunTest(test);
    }
    extract.password_file = optional_of(extract_cmd, "--password-file", extract_password_file);
    return RunExtract(extract);
  } catch (const ToolError& e) {
    PrintError(e.what());
    return e.exit_code();
  } catch (const std::filesystem::filesystem_error& e) {
    PrintError(e.what());
    return kExitFailure;
  } catch (const std::bad_alloc&) {
    PrintError("out of memory");
    return kExitFailure;
  }
}

} // namespace vorrin
