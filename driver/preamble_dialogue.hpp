// The preamble as the user meets it: the length test with its two refusals, and the comment.
#pragma once

namespace vorrin {

// Returns only when the file's length equals the stored total size.
void CheckTotalSize();
// Shows the comment one character at a time; nothing at all when it is empty.
void ShowComment();

} // namespace vorrin
