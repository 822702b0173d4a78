#include <gtest/gtest.h>

#include <vector>

#include "decode/bit_reader.hpp"
#include "tests/support/memory_archive.hpp"

namespace vorrin {
namespace {

using test::FaultError;
using test::MemoryBlockStream;

TEST(BitReader, BitsComeLeastSignificantFirst) {
  const std::vector<std::uint8_t> plain = {0xB4};
  MemoryBlockStream source(plain);
  BitReader bits(source.stream());
  std::vector<std::uint32_t> got;
  for (int i = 0; i < 8; ++i) got.push_back(bits.ReadBit());
  EXPECT_EQ(got, (std::vector<std::uint32_t>{0, 0, 1, 0, 1, 1, 0, 1}));
  EXPECT_EQ(bits.BitsTaken(), 0);
}

TEST(BitReader, FieldsAreLittleEndianAndRunOnIntoTheNextByte) {
  struct Case {
    std::uint8_t second;
    std::uint32_t next_field;
  };
  // 0x35 0x01 gives 0x135; the next field starts with the upper four bits of the second byte.
  for (const Case c : {Case{0x01, 0x0}, Case{0xA1, 0xA}, Case{0x51, 0x5}}) {
    const std::vector<std::uint8_t> plain = {0x35, c.second};
    MemoryBlockStream source(plain);
    BitReader bits(source.stream());
    EXPECT_EQ(bits.ReadBits(12), 0x135u);
    EXPECT_EQ(bits.ReadBits(4), c.next_field);
  }
}

TEST(BitReader, TakesAByteOnlyWhenItsFirstBitIsNeeded) {
  const std::vector<std::uint8_t> plain = {0xFF, 0x00};
  MemoryBlockStream source(plain);
  BitReader bits(source.stream());
  EXPECT_EQ(source.stream().StreamPosition(), 0);
  bits.ReadBit();
  EXPECT_EQ(source.stream().StreamPosition(), 1);
  EXPECT_EQ(bits.BitsTaken(), 1);
  bits.ReadBits(7);
  EXPECT_EQ(source.stream().StreamPosition(), 1);
  EXPECT_EQ(bits.BitsTaken(), 0);
  EXPECT_EQ(bits.ReadBit(), 0u);
  EXPECT_EQ(source.stream().StreamPosition(), 2);
}

TEST(BitReader, ReadingTheLastByteOfTheArchiveLooksNoFurther) {
  const std::vector<std::uint8_t> plain = {0x80};
  MemoryBlockStream source(plain);
  BitReader bits(source.stream());
  EXPECT_EQ(bits.ReadBits(8), 0x80u);
  EXPECT_TRUE(source.stream().EndOfArchive());
  EXPECT_THROW(bits.ReadBit(), FaultError); // only now is a byte past the end asked for
}

TEST(BitReader, ResetDropsTheRestOfTheByte) {
  const std::vector<std::uint8_t> plain = {0x01, 0x02};
  MemoryBlockStream source(plain);
  BitReader bits(source.stream());
  EXPECT_EQ(bits.ReadBit(), 1u);
  bits.Reset();
  EXPECT_EQ(bits.BitsTaken(), 0);
  EXPECT_EQ(bits.ReadBits(8), 0x02u);
}

} // namespace
} // namespace vorrin
