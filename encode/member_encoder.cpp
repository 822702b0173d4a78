#include "encode/member_encoder.hpp"

#include <algorithm>
#include <stdexcept>

#include "decode/member_decoder.hpp"
#include "decode/rebuild_schedule.hpp"

namespace vorrin {

MemberEncoder::MemberEncoder(BitWriter& out) : out_(out) {
  // RebuildDue(0): the first build comes before the first symbol.
  Rebuild();
}

void MemberEncoder::Rebuild() {
  literal_length_tree_.BuildFast();
  distance_tree_.BuildFast();
  literal_length_tree_.CodeFields(ll_field_, ll_length_);
  distance_tree_.CodeFields(distance_field_, distance_length_);
}

void MemberEncoder::EmitCode(const std::array<std::uint64_t, kCodeSymbols>& fields,
                             const std::array<std::uint8_t, kCodeSymbols>& lengths, int symbol) {
  const auto s = static_cast<std::size_t>(symbol);
  out_.WriteLongBits(fields[s], lengths[s]);
}

void MemberEncoder::AfterLiteralLengthSymbol() {
  ++symbol_count_;
  // Built as soon as due, so that the code lengths always describe the next token.
  if (RebuildDue(symbol_count_)) Rebuild();
}

void MemberEncoder::Literal(std::uint8_t byte) {
  EmitCode(ll_field_, ll_length_, byte);
  literal_length_tree_.Count(byte);
  AfterLiteralLengthSymbol();
}

void MemberEncoder::Match(int length, int distance) {
  if (length < kMinMatchLength || length > kMaxMatchLength)
    throw std::out_of_range("match length out of range");
  if (distance < 1 || distance > kMaxDistance) throw std::out_of_range("match distance out of range");
  const int symbol = LengthSymbol(length);
  EmitCode(ll_field_, ll_length_, symbol);
  literal_length_tree_.Count(symbol);
  if (symbol == kLongLengthSymbol)
    out_.WriteBits(static_cast<std::uint32_t>(length - kLongLengthBase), kLongLengthBits);
  const int slot = DistanceSlot(distance);
  EmitCode(distance_field_, distance_length_, slot);
  distance_tree_.Count(slot);
  out_.WriteBits(static_cast<std::uint32_t>(distance - 1) & 15u, kDistanceLowBits);
  AfterLiteralLengthSymbol();
}

int MemberEncoder::MatchCost(int length, int distance) const {
  const int symbol = LengthSymbol(length);
  return ll_length_[static_cast<std::size_t>(symbol)] + (symbol == kLongLengthSymbol ? kLongLengthBits : 0) +
         distance_length_[static_cast<std::size_t>(DistanceSlot(distance))] + kDistanceLowBits;
}

std::vector<std::uint8_t> EncodeTokens(std::span<const Token> tokens) {
  std::vector<std::uint8_t> out;
  BitWriter bits(out);
  MemberEncoder encoder(bits);
  for (const Token& t : tokens) encoder.Put(t);
  bits.Finish();
  return out;
}

} // namespace vorrin
