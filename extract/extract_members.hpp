#pragma once

namespace vorrin {

// Expands every member record up to the archive's last byte, then closes the archive.
void ExtractMembers();

} // namespace vorrin
