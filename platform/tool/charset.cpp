#include "platform/tool_support.hpp"

#include <cerrno>
#include <clocale>
#include <vector>

#include <iconv.h>
#include <langinfo.h>

namespace platform {

std::string LocaleCodeset() {
  static const std::string codeset = [] {
    std::setlocale(LC_CTYPE, "");
    const char* name = nl_langinfo(CODESET);
    return std::string(name != nullptr ? name : "");
  }();
  return codeset;
}

ConvertResult ConvertCharset(std::string_view text, const std::string& from, const std::string& to,
                             std::string& out) {
  const iconv_t cd = iconv_open(to.c_str(), from.c_str());
  if (cd == reinterpret_cast<iconv_t>(-1)) return ConvertResult::UnknownCharset;
  std::string result;
  std::vector<char> input(text.begin(), text.end());
  char* in = input.data();
  std::size_t in_left = input.size();
  std::vector<char> buffer(4 * text.size() + 16);
  ConvertResult status = ConvertResult::Done;
  for (;;) {
    char* put = buffer.data();
    std::size_t room = buffer.size();
    // The final call (no input) writes whatever shift sequence ends the text.
    const std::size_t n = in_left > 0 ? iconv(cd, &in, &in_left, &put, &room)
                                      : iconv(cd, nullptr, nullptr, &put, &room);
    result.append(buffer.data(), static_cast<std::size_t>(put - buffer.data()));
    if (n == static_cast<std::size_t>(-1)) {
      if (errno == E2BIG) continue;
      status = ConvertResult::Unrepresentable; // EILSEQ or EINVAL: no exact form
      break;
    }
    // glibc counts characters it replaced in a non-reversible way; those are refused too.
    if (n > 0) {
      status = ConvertResult::Unrepresentable;
      break;
    }
    if (in == nullptr || in_left == 0) {
      if (in == nullptr) break;
      in = nullptr; // one more round to finish the shift state
    }
  }
  iconv_close(cd);
  if (status == ConvertResult::Done) out = std::move(result);
  return status;
}

} // namespace platform
