// Where a member's decoded bytes go, in the window's chunks. The expander's sink writes to
// the output file and ends the run itself when a write fails.
#pragma once

#include "container/byte_sink.hpp"

namespace vorrin {

using ChunkSink = ByteSink;

} // namespace vorrin
