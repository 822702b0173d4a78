// Member names are paths relative to the folder the user chose. A name that could lead
// outside it is refused before anything is looked up, asked or written for it.
#pragma once

#include <string_view>

namespace vorrin {

// False for a name that begins with '/', holds ':' anywhere, or has a component (split at
// '\' and '/') made only of dots and blanks with at least two dots ("..", "...", ".. ").
bool IsSafeMemberName(std::string_view name);

} // namespace vorrin
