// Which file names can become member names: the expander on Windows must be able to make
// them, and must take them for what they are (no separator, drive or parent folder hidden
// inside one component).
#pragma once

#include <string>
#include <string_view>

namespace vorrin {

// Why one component of a path (system bytes) cannot be stored; empty when it can.
std::string ComponentProblem(std::string_view component);

// Why a whole member name as stored (code page bytes, '\' separators) would be refused by
// the expander; empty when it is accepted.
std::string StoredNameProblem(std::string_view name);

} // namespace vorrin
