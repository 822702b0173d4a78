#pragma once

namespace vorrin {

// The whole run, from banner to exit code; never returns.
[[noreturn]] void RunExpander();

} // namespace vorrin
