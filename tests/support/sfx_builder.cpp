#include "tests/support/sfx_builder.hpp"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "container/block_writer.hpp"
#include "container/preamble.hpp"

namespace vorrin::test {

namespace {

Preamble MakePreamble(const SfxPlan& plan) {
  Preamble preamble;
  preamble.comment = plan.comment;
  preamble.launch_name = plan.launch_name;
  if (plan.password) {
    preamble.password = MakePasswordRecord(*plan.password, plan.password_flag);
    if (plan.check_word) preamble.password.check_word = *plan.check_word;
  }
  return preamble;
}

constexpr auto kDataPerBlock = static_cast<std::size_t>(kBlockDataSize);

std::vector<BlockPlace> PlaceBlocks(std::size_t offset, std::size_t body_size) {
  std::vector<BlockPlace> blocks;
  for (std::size_t done = 0; done < body_size; done += kDataPerBlock) {
    const std::size_t data = std::min(kDataPerBlock, body_size - done);
    blocks.push_back({offset, data});
    offset += data + 2;
  }
  return blocks;
}

} // namespace

SfxFaults SfxFaults::StoredTotal(std::int32_t value) {
  SfxFaults faults;
  faults.stored_total_size = value;
  return faults;
}

SfxFaults SfxFaults::StoredTotalDelta(std::int32_t delta) {
  SfxFaults faults;
  faults.stored_total_size_delta = delta;
  return faults;
}

SfxFaults SfxFaults::Flip(BitFlip flip) {
  SfxFaults faults;
  faults.flips.push_back(flip);
  return faults;
}

SfxFaults SfxFaults::CheckLowByteFirst(std::size_t block) {
  SfxFaults faults;
  faults.checks_low_byte_first.push_back(block);
  return faults;
}

SfxFaults SfxFaults::Cut(std::size_t count) {
  SfxFaults faults;
  faults.cut = count;
  return faults;
}

SfxFaults SfxFaults::Append(std::string bytes) {
  SfxFaults faults;
  faults.appended = std::move(bytes);
  return faults;
}

SfxFile BuildSfx(std::span<const std::uint8_t> stub, const SfxPlan& plan) {
  if (plan.password && plan.password_flag == 0)
    throw std::invalid_argument("a protected archive needs a non-zero password flag");
  Preamble preamble = MakePreamble(plan);
  // The total is stored before it is known; the preamble's length does not depend on it.
  const std::size_t preamble_size = EncodePreamble(preamble).size();

  MemorySink blocks;
  const std::string key = plan.password.value_or("");
  BlockWriter writer(blocks, std::span(reinterpret_cast<const std::uint8_t*>(key.data()), key.size()));
  writer.Put(plan.body);
  writer.Finish();

  SfxFile file;
  file.archive_offset = stub.size();
  file.blocks_offset = stub.size() + preamble_size;
  file.blocks = PlaceBlocks(file.blocks_offset, plan.body.size());
  const auto length = static_cast<std::int64_t>(file.blocks_offset + blocks.bytes.size());
  file.stored_total_size = plan.faults.stored_total_size.value_or(
      static_cast<std::int32_t>(length + plan.faults.stored_total_size_delta));
  preamble.stored_total_size = file.stored_total_size;

  file.bytes.assign(stub.begin(), stub.end());
  const std::vector<std::uint8_t> preamble_bytes = EncodePreamble(preamble);
  file.bytes.insert(file.bytes.end(), preamble_bytes.begin(), preamble_bytes.end());
  file.bytes.insert(file.bytes.end(), blocks.bytes.begin(), blocks.bytes.end());

  const SfxFaults& faults = plan.faults;
  for (std::size_t k : faults.checks_low_byte_first) {
    const BlockPlace& block = file.blocks.at(k);
    const std::size_t check = block.offset + block.data_size;
    std::swap(file.bytes[check], file.bytes[check + 1]);
  }
  for (const BitFlip& flip : faults.flips) {
    const BlockPlace& block = file.blocks.at(flip.block);
    if (flip.offset >= block.data_size + 2 || flip.bit < 0 || flip.bit > 7)
      throw std::out_of_range("bit flip outside its block");
    file.bytes[block.offset + flip.offset] ^= static_cast<std::uint8_t>(1u << flip.bit);
  }
  if (faults.cut > file.bytes.size()) throw std::out_of_range("cut longer than the file");
  file.bytes.resize(file.bytes.size() - faults.cut);
  file.bytes.insert(file.bytes.end(), faults.appended.begin(), faults.appended.end());
  return file;
}

} // namespace vorrin::test
