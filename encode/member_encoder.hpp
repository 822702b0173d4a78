// Codes one member's tokens with the same two adaptive code trees the decoder uses: same
// counts, same builds at the same points, so the decoder reads back exactly these tokens.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "decode/code_tree.hpp"
#include "encode/bit_writer.hpp"
#include "encode/token.hpp"

namespace vorrin {

class MemberEncoder {
public:
  // Starts a member: trees reset and built for the first symbol.
  explicit MemberEncoder(BitWriter& out);

  void Literal(std::uint8_t byte);
  // length 2..4352, distance 1..8192 (std::out_of_range otherwise). Whether the distance
  // reaches before the member's start is the caller's business.
  void Match(int length, int distance);
  void Put(const Token& token) {
    if (token.IsLiteral()) Literal(token.literal);
    else Match(token.length, token.distance);
  }

  // Code lengths in bits that the next token will be coded with. They change only at the
  // rebuild points, which SymbolCount tells.
  int LiteralLengthCodeLength(int symbol) const { return ll_length_[static_cast<std::size_t>(symbol)]; }
  int DistanceCodeLength(int slot) const { return distance_length_[static_cast<std::size_t>(slot)]; }
  const std::array<std::uint8_t, kCodeSymbols>& LiteralLengthCodeLengths() const { return ll_length_; }
  const std::array<std::uint8_t, kCodeSymbols>& DistanceCodeLengths() const { return distance_length_; }
  // Bits the next token would take, code words and extra fields included.
  int LiteralCost(std::uint8_t byte) const { return ll_length_[byte]; }
  int MatchCost(int length, int distance) const;

  // LiteralLengthTree symbols coded so far in this member: the k of RebuildDue.
  std::int32_t SymbolCount() const { return symbol_count_; }

  static int LengthSymbol(int length) {
    return length <= 256 ? length + 254 : 511;
  }
  static int DistanceSlot(int distance) { return (distance - 1) >> 4; }

private:
  void EmitCode(const std::array<std::uint64_t, kCodeSymbols>& fields,
                const std::array<std::uint8_t, kCodeSymbols>& lengths, int symbol);
  void AfterLiteralLengthSymbol();
  void Rebuild();

  BitWriter& out_;
  CodeTree literal_length_tree_;
  CodeTree distance_tree_;
  std::int32_t symbol_count_ = 0;
  // Per symbol: the code word reversed (first bit lowest, as BitWriter takes fields) and
  // its length.
  std::array<std::uint64_t, kCodeSymbols> ll_field_{};
  std::array<std::uint8_t, kCodeSymbols> ll_length_{};
  std::array<std::uint64_t, kCodeSymbols> distance_field_{};
  std::array<std::uint8_t, kCodeSymbols> distance_length_{};
};

// A whole member from its tokens: whole bytes, the last one padded with zero bits.
std::vector<std::uint8_t> EncodeTokens(std::span<const Token> tokens);

} // namespace vorrin
