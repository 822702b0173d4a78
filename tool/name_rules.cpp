#include "tool/name_rules.hpp"

#include "container/member_record.hpp"
#include "container/safe_name.hpp"

namespace vorrin {

std::string ComponentProblem(std::string_view component) {
  for (const char c : component) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\') return "holds '\\', which the expander takes for a folder separator";
    if (c == ':') return "holds ':', which the expander refuses in names";
    if (byte < 0x20) return "holds a control character, which Windows does not allow in names";
    for (const char bad : {'*', '?', '"', '<', '>', '|'})
      if (c == bad) return std::string("holds '") + bad + "', which Windows does not allow in names";
  }
  return {};
}

std::string StoredNameProblem(std::string_view name) {
  if (name.empty()) return "is empty";
  if (name.front() == '\\' || name.front() == '/') return "begins with a folder separator";
  if (!IsSafeMemberName(name)) return "could lead outside the target folder";
  if (static_cast<std::uint8_t>(name.front()) == kPrefixMarker)
    return "begins with '*', which Windows does not allow in names";
  return {};
}

} // namespace vorrin
