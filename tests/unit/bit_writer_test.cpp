#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "decode/bit_reader.hpp"
#include "encode/bit_writer.hpp"
#include "tests/support/memory_archive.hpp"

namespace vorrin {
namespace {

TEST(BitWriter, BitsFillEachByteFromTheBottom) {
  std::vector<std::uint8_t> out;
  BitWriter bits(out);
  for (std::uint32_t b : {0u, 0u, 1u, 0u, 1u, 1u, 0u, 1u}) bits.WriteBit(b);
  bits.WriteBits(0x135, 12);
  bits.WriteBits(0xA, 4);
  EXPECT_EQ(out, (std::vector<std::uint8_t>{0xB4, 0x35, 0xA1}));
}

TEST(BitWriter, CodesGoMostSignificantBitFirst) {
  std::vector<std::uint8_t> out;
  BitWriter bits(out);
  bits.WriteCode(0b110, 3);   // bits 1,1,0
  bits.WriteCode(0b00001, 5); // bits 0,0,0,0,1
  EXPECT_EQ(out, std::vector<std::uint8_t>{0b10000011});
}

TEST(BitWriter, FinishPadsWithZerosOnlyWhenNeeded) {
  std::vector<std::uint8_t> out;
  BitWriter bits(out);
  bits.Finish();
  EXPECT_TRUE(out.empty());
  bits.WriteBits(0x1FF, 9);
  bits.Finish();
  EXPECT_EQ(out, (std::vector<std::uint8_t>{0xFF, 0x01}));
  bits.Finish();
  EXPECT_EQ(out.size(), 2u);
}

TEST(BitWriter, LongCodesAndFieldsReadBackThroughTheBitReader) {
  std::mt19937_64 rng(3);
  struct Item {
    std::uint64_t value;
    int width;
    bool code;
  };
  std::vector<Item> items;
  std::vector<std::uint8_t> out;
  BitWriter bits(out);
  for (int i = 0; i < 2000; ++i) {
    const bool code = rng() % 2 == 0;
    const int width = code ? 1 + static_cast<int>(rng() % 64) : static_cast<int>(rng() % 13);
    const std::uint64_t value = width == 64 ? rng() : rng() & ((std::uint64_t{1} << width) - 1);
    items.push_back({value, width, code});
    if (code) bits.WriteCode(value, width);
    else bits.WriteBits(static_cast<std::uint32_t>(value), width);
  }
  bits.Finish();
  test::MemoryBlockStream source(out);
  BitReader reader(source.stream());
  for (const Item& item : items) {
    std::uint64_t got = 0;
    if (item.code) {
      for (int i = 0; i < item.width; ++i) got = (got << 1) | reader.ReadBit();
    } else {
      got = reader.ReadBits(item.width);
    }
    ASSERT_EQ(got, item.value);
  }
}

} // namespace
} // namespace vorrin
