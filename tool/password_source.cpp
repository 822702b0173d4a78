#include "tool/password_source.hpp"

#include <fstream>

#include "platform/tool_support.hpp"
#include "tool/tool_error.hpp"

namespace vorrin {
namespace {

std::string Checked(std::string password, const std::string& origin) {
  if (password.empty()) throw ToolError(origin + ": the password is empty");
  if (password.find('\r') != std::string::npos)
    throw ToolError(origin + ": the password holds a carriage return");
  return password;
}

} // namespace

std::string PasswordFromFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ToolError(path + ": cannot open the password file");
  std::string line;
  std::getline(in, line);
  if (in.bad()) throw ToolError(path + ": cannot read the password file");
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return Checked(std::move(line), path);
}

std::string AskNewPassword() {
  if (!platform::IsTerminal(platform::ToolStream::Input))
    throw ToolError("--password asks on a terminal; use --password-file without one");
  const auto first = platform::ReadSecretLine("Password: ");
  const auto second = platform::ReadSecretLine("Password again: ");
  if (!first || !second) throw ToolError("no password was read");
  if (*first != *second) throw ToolError("the two passwords differ");
  return Checked(*first, "--password");
}

std::optional<std::string> AskPassword(const std::string& archive) {
  if (!platform::IsTerminal(platform::ToolStream::Input)) return std::nullopt;
  auto line = platform::ReadSecretLine("Password for " + archive + ": ");
  if (!line) return std::nullopt;
  return Checked(std::move(*line), "the password");
}

} // namespace vorrin
