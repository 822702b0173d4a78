// What each token would cost, in bits, with the code trees of the moment: the code word
// of its LiteralLengthTree symbol, and for a match the 12-bit long-length field, the
// distance slot's code word and the 4 low distance bits. Exact until the next rebuild.
#pragma once

#include <array>
#include <cstdint>

#include "decode/member_decoder.hpp"
#include "encode/member_encoder.hpp"

namespace vorrin {

class TokenPrices {
public:
  // Takes the code lengths the encoder will code its next token with.
  void Take(const MemberEncoder& encoder) {
    const auto& ll = encoder.LiteralLengthCodeLengths();
    const auto& slots = encoder.DistanceCodeLengths();
    for (std::size_t b = 0; b < literal_.size(); ++b) literal_[b] = ll[b];
    for (int length = kMinMatchLength; length < kLongLengthBase; ++length) {
      const auto symbol = static_cast<std::size_t>(MemberEncoder::LengthSymbol(length));
      short_length_[static_cast<std::size_t>(length)] = ll[symbol];
    }
    long_length_ = std::uint32_t{ll[kLongLengthSymbol]} + kLongLengthBits;
    for (std::size_t d = 0; d < slot_.size(); ++d) slot_[d] = std::uint32_t{slots[d]} + kDistanceLowBits;
  }

  std::uint32_t Literal(std::uint8_t byte) const { return literal_[byte]; }
  std::uint32_t Length(int length) const {
    return length < kLongLengthBase ? short_length_[static_cast<std::size_t>(length)] : long_length_;
  }
  std::uint32_t Distance(int distance) const {
    return slot_[static_cast<std::size_t>(MemberEncoder::DistanceSlot(distance))];
  }
  std::uint32_t Match(int length, int distance) const { return Length(length) + Distance(distance); }
  // Distance prices by slot, kCodeSymbols of them.
  const std::uint32_t* SlotPrices() const { return slot_.data(); }

private:
  std::array<std::uint32_t, 256> literal_{};
  std::array<std::uint32_t, kLongLengthBase> short_length_{}; // by length, 2 to 256
  std::uint32_t long_length_ = 0;                              // every length from 257 on
  std::array<std::uint32_t, kCodeSymbols> slot_{};             // by distance slot
};

} // namespace vorrin
