#include "tool/printable.hpp"

#include "tool/name_encoding.hpp"

namespace vorrin {
namespace {

void AppendEscaped(std::string& out, unsigned char byte) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  out += "\\x";
  out += kHex[byte >> 4];
  out += kHex[byte & 0xF];
}

// Length of the well-formed UTF-8 sequence at the start of `text` (shortest form, no
// surrogates, at most U+10FFFF), or 0.
std::size_t SequenceLength(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF; // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) length = 2;
  else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i)
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  return length;
}

} // namespace

std::string Printable(std::string_view text, LineEnds line_ends, bool utf8) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      const bool kept = (c >= 0x20 && c != 0x7F) || (line_ends == LineEnds::Keep && (c == '\n' || c == '\t'));
      if (kept) out += static_cast<char>(c);
      else AppendEscaped(out, c);
      ++i;
      continue;
    }
    if (!utf8) { // a single-byte character set: 0x80 to 0x9F are its C1 controls
      if (c < 0xA0) AppendEscaped(out, c);
      else out += static_cast<char>(c);
      ++i;
      continue;
    }
    const std::size_t length = SequenceLength(text.substr(i));
    const bool c1_control = length == 2 && c == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0;
    if (length == 0 || c1_control) {
      const std::size_t count = length == 0 ? 1 : length;
      for (std::size_t k = 0; k < count; ++k) AppendEscaped(out, static_cast<unsigned char>(text[i + k]));
      i += count;
      continue;
    }
    out.append(text.substr(i, length));
    i += length;
  }
  return out;
}

std::string Printable(std::string_view text, LineEnds line_ends) {
  static const bool utf8 = SystemCharset() == "UTF-8";
  return Printable(text, line_ends, utf8);
}

} // namespace vorrin
