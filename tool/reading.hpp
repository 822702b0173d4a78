// What list, test and extract share: the password of a protected archive.
#pragma once

#include "tool/archive_reader.hpp"
#include "tool/command_options.hpp"

namespace vorrin {

// From --password-file, else asked on a terminal; a ToolError when neither can be had.
// Nothing is asked for an archive without a password.
void SettlePassword(ArchiveReader& reader, const ReadOptions& options);

} // namespace vorrin
