// Member names, the comment and the launch name are bytes in a Windows code page; the file
// system here names files in the locale's character set. This converts between the two,
// exactly or not at all.
#pragma once

#include <string>
#include <string_view>

namespace vorrin {

inline constexpr const char* kDefaultNameEncoding = "windows-1252";

// The character set names are in here: the locale's, or UTF-8 when the locale claims
// plain ASCII, since names on such systems are UTF-8 in practice.
const std::string& SystemCharset();

class NameEncoding {
public:
  // Raises a ToolError when the C library knows no such code page.
  explicit NameEncoding(std::string code_page);

  const std::string& code_page() const { return code_page_; }
  const std::string& system_charset() const { return system_; }

  // False when the text has no exact form on the other side.
  bool ToArchive(std::string_view system_text, std::string& out) const;
  bool ToSystem(std::string_view archive_text, std::string& out) const;
  bool ToUtf8(std::string_view archive_text, std::string& out) const;

  // For messages: the system form when there is one, else the bytes as they are.
  std::string Display(std::string_view archive_text) const;

private:
  std::string code_page_;
  std::string system_;
};

} // namespace vorrin
