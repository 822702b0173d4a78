// Names and comments come from archives that may have been made to attack whoever looks
// inside. Before any of it reaches a terminal, control characters (which could move the
// cursor, re-colour or retitle the terminal, or hide what follows) and bytes that are not
// text in the terminal's character set become visible \xNN escapes.
#pragma once

#include <string>
#include <string_view>

namespace vorrin {

enum class LineEnds { Escape, Keep }; // Keep: line feeds and tabs stay, as in a comment

// `utf8`: the terminal takes UTF-8, so malformed sequences and the C1 controls U+0080 to
// U+009F are escaped too; otherwise it takes single bytes, and 0x80 to 0x9F are escaped.
std::string Printable(std::string_view text, LineEnds line_ends, bool utf8);
// The same for the character set names are in here (SystemCharset).
std::string Printable(std::string_view text, LineEnds line_ends = LineEnds::Escape);

} // namespace vorrin
