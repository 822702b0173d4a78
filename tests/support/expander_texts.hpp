// What the expander writes to its console, byte for byte.
#pragma once

#include <string>

namespace vorrin::test {

inline const std::string kBanner =
    "*** Vorrin Expander 32 Ver. 1.50 ***  (C) The Vorrin developers\r\n";
inline const std::string kCoreProgram = "This is core program.\a\r\n";
inline const std::string kSmallerFile =
    "This file is smaller than original file.  Cannot expand.  Press ENTER key.\a\r\n";
inline const std::string kLargerFile =
    "This file is larger than original file.  This file might be infected with virus.  "
    "Cannot expand.  Press ENTER key.\a\r\n";
inline const std::string kPasswordPrompt = "Password : ";
inline const std::string kFileReadError = "File read error.\r\n";
inline const std::string kBrokenFile = "This file is broken.\r\n";
inline const std::string kPressEnter = "Press Enter key.\a\r\n";

// The line of a file member that is written.
inline std::string ExpandingLine(const std::string& name) {
  return "expanding : " + name + " ... end.\r\n";
}

} // namespace vorrin::test
