// What the user asked for, one struct per command, filled in from the command line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tool/member_codec.hpp"
#include "tool/name_encoding.hpp"

namespace vorrin {

struct CommonOptions {
  bool quiet = false;   // nothing but errors
  bool verbose = false; // one line per member
  std::string name_encoding = kDefaultNameEncoding;
};

struct CreateOptions : CommonOptions {
  std::string output;
  std::vector<std::string> inputs;
  std::string stub = "win32";
  std::optional<std::string> comment;
  std::optional<std::string> comment_file;
  std::optional<std::string> launch;
  bool ask_password = false;
  std::optional<std::string> password_file;
  int level = DefaultCompressionLevel();
};

struct ReadOptions : CommonOptions {
  std::string archive;
  std::optional<std::int64_t> offset;
  std::optional<std::string> password_file;
};

struct ListOptions : ReadOptions {
  bool json = false;
};

struct ExtractOptions : ReadOptions {
  std::string folder = ".";
  bool overwrite = false;
  bool skip_existing = false;
};

int RunCreate(const CreateOptions& options);
int RunList(const ListOptions& options);
int RunTest(const ReadOptions& options);
int RunExtract(const ExtractOptions& options);

} // namespace vorrin
