#pragma once

namespace vorrin {

// Hands the archive's launch name to the system shell; a failure is one console line.
void LaunchAfterExtraction();

} // namespace vorrin
