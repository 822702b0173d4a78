#include "tool/name_encoding.hpp"

#include "platform/tool_support.hpp"
#include "tool/tool_error.hpp"

namespace vorrin {
namespace {

bool IsPlainAscii(const std::string& charset) {
  return charset.empty() || charset == "ANSI_X3.4-1968" || charset == "ASCII" ||
         charset == "US-ASCII" || charset == "646";
}

bool Convert(std::string_view text, const std::string& from, const std::string& to,
             std::string& out) {
  return platform::ConvertCharset(text, from, to, out) == platform::ConvertResult::Done;
}

} // namespace

const std::string& SystemCharset() {
  static const std::string charset = [] {
    const std::string locale = platform::LocaleCodeset();
    return IsPlainAscii(locale) ? std::string("UTF-8") : locale;
  }();
  return charset;
}

NameEncoding::NameEncoding(std::string code_page) : code_page_(std::move(code_page)), system_(SystemCharset()) {
  std::string ignored;
  if (platform::ConvertCharset("", system_, code_page_, ignored) ==
      platform::ConvertResult::UnknownCharset)
    throw ToolError("unknown name encoding '" + code_page_ + "'");
}

bool NameEncoding::ToArchive(std::string_view system_text, std::string& out) const {
  return Convert(system_text, system_, code_page_, out);
}

bool NameEncoding::ToSystem(std::string_view archive_text, std::string& out) const {
  return Convert(archive_text, code_page_, system_, out);
}

bool NameEncoding::ToUtf8(std::string_view archive_text, std::string& out) const {
  return Convert(archive_text, code_page_, "UTF-8", out);
}

std::string NameEncoding::Display(std::string_view archive_text) const {
  std::string shown;
  if (ToSystem(archive_text, shown)) return shown;
  return std::string(archive_text);
}

} // namespace vorrin
