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
inline const std::string kFileWriteError = "File write error.\r\n";

// The line of a file member that is written.
inline std::string ExpandingLine(const std::string& name) {
  return "expanding : " + name + " ... end.\r\n";
}

// The start of that line, which a failure continues.
inline std::string ExpandingStart(const std::string& name) { return "expanding : " + name + " ... "; }

inline std::string SkippingLine(const std::string& name) { return "skipping : " + name + "\r\n"; }

// Left open for the typed answer.
inline std::string OverwritePrompt(const std::string& name) {
  return name + " already exists. Overwrite? (Y/N) : \a";
}

inline std::string CannotMakeFolder(const std::string& prefix) {
  return "Cannot make folder : " + prefix + "\a\r\n";
}

inline std::string UnsafeName(const std::string& name) { return "Unsafe name : " + name + "\a\r\n"; }

inline std::string CouldNotRun(const std::string& name) { return "Couldn't run " + name + "\a\r\n"; }

} // namespace vorrin::test
