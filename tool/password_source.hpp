// Where a password comes from: the first line of a file, or the terminal without echo.
// A password is never empty (an empty key deciphers nothing) and holds no CR (the
// expander's line ends at CR).
#pragma once

#include <optional>
#include <string>

namespace vorrin {

// The first line of the file, without its line end (LF or CR LF).
std::string PasswordFromFile(const std::string& path);
// Asked twice on the terminal; the two must agree. A ToolError without a terminal.
std::string AskNewPassword();
// Asked once on the terminal; nothing when standard input is not a terminal.
std::optional<std::string> AskPassword(const std::string& archive);

} // namespace vorrin
