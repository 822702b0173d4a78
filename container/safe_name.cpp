#include "container/safe_name.hpp"

namespace vorrin {
namespace {

bool IsDotsComponent(std::string_view component) {
  int dots = 0;
  for (char c : component) {
    if (c == '.') ++dots;
    else if (c != ' ') return false;
  }
  return dots >= 2;
}

} // namespace

bool IsSafeMemberName(std::string_view name) {
  if (!name.empty() && name.front() == '/') return false;
  if (name.find(':') != std::string_view::npos) return false;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = name.find_first_of("\\/", start);
    if (IsDotsComponent(name.substr(start, end - start))) return false;
    if (end == std::string_view::npos) return true;
    start = end + 1;
  }
}

} // namespace vorrin
