// One step of a member's content as the coder sees it: a literal byte, or a match that
// repeats `length` bytes from `distance` bytes back.
#pragma once

#include <cstdint>

namespace vorrin {

struct Token {
  std::uint16_t length = 0;   // 0 for a literal; a match: 2 to 4352
  std::uint16_t distance = 0; // a match: 1 to 8192
  std::uint8_t literal = 0;

  bool IsLiteral() const { return length == 0; }
};

constexpr Token LiteralToken(std::uint8_t byte) { return Token{0, 0, byte}; }
constexpr Token MatchToken(int length, int distance) {
  return Token{static_cast<std::uint16_t>(length), static_cast<std::uint16_t>(distance), 0};
}

} // namespace vorrin
