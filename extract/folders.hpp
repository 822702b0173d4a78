// Folders along a member's path, found or made from the shallowest down. Names are stepped
// one character at a time, so a double-byte character's second byte is never a separator.
#pragma once

#include <string>

namespace vorrin {

// The name up to and including its last separating backslash; empty when it has none.
std::string FolderPart(const std::string& name);

// Makes every prefix of `folder_path` (empty, or ending with a backslash) exist as a folder.
// A prefix that can be neither found as a folder nor made ends the run with exit code 2.
void MakeFolders(const std::string& folder_path);

} // namespace vorrin
