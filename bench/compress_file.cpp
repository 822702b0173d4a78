// Packs one file as one member, the way the archive tool does, for the size and speed
// comparisons of run_bench.py:
//   compress_file -LEVEL INPUT [OUTPUT]         the coded member to OUTPUT, or to stdout
//   compress_file -LEVEL --verify INPUT [OUTPUT] the same, then decodes it back through
//                                                blocks and the member decoder and compares
// Exit code 0 on success, 1 on a failed round trip, 2 on bad usage or a file error.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "decode/member_decoder.hpp"
#include "encode/lz77_parser.hpp"
#include "tests/support/chunk_recorder.hpp"
#include "tests/support/memory_archive.hpp"

namespace {

// The whole file, in a buffer not cleared first: the timing compares whole processes.
struct FileBytes {
  std::unique_ptr<std::uint8_t[]> buffer;
  std::size_t size = 0;
  std::span<const std::uint8_t> Span() const { return {buffer.get(), size}; }
};

bool ReadFile(const std::string& path, FileBytes& bytes) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return false;
  const std::streamoff size = in.tellg();
  if (size < 0) return false;
  bytes.size = static_cast<std::size_t>(size);
  bytes.buffer = std::make_unique_for_overwrite<std::uint8_t[]>(bytes.size);
  in.seekg(0);
  in.read(reinterpret_cast<char*>(bytes.buffer.get()), static_cast<std::streamsize>(size));
  return static_cast<std::streamoff>(in.gcount()) == size;
}

bool WriteAll(std::FILE* out, const std::vector<std::uint8_t>& bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size() && std::fflush(out) == 0;
}

bool DecodesBack(const std::vector<std::uint8_t>& coded, std::span<const std::uint8_t> data) {
  vorrin::test::MemoryBlockStream source(coded);
  vorrin::MemberDecoder decoder(source.stream(), source.faults());
  vorrin::test::ChunkRecorder recorder;
  try {
    decoder.DecodeMember(static_cast<std::int32_t>(data.size()), &recorder);
    decoder.FinalFlush();
  } catch (const vorrin::test::FaultError&) {
    return false;
  }
  // The coded bytes must be taken exactly: none left over, none missing.
  return std::ranges::equal(recorder.bytes, data) &&
         source.stream().StreamPosition() == static_cast<std::int64_t>(coded.size());
}

int Usage() {
  std::cerr << "usage: compress_file -LEVEL [--verify] INPUT [OUTPUT]   (LEVEL 0 to 9)\n";
  return 2;
}

} // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0].size() != 2 || args[0][0] != '-' || args[0][1] < '0' || args[0][1] > '9')
    return Usage();
  const int level = args[0][1] - '0';
  std::size_t next = 1;
  const bool verify = next < args.size() && args[next] == "--verify";
  if (verify) ++next;
  if (next >= args.size() || args.size() - next > 2) return Usage();
  const std::string input = args[next];
  const std::string output = next + 1 < args.size() ? args[next + 1] : "";

  FileBytes data;
  if (!ReadFile(input, data)) {
    std::cerr << "compress_file: cannot read " << input << "\n";
    return 2;
  }
  const auto coded = vorrin::CompressMember(data.Span(), level);

  std::FILE* out = output.empty() ? stdout : std::fopen(output.c_str(), "wb");
  const bool written = out != nullptr && WriteAll(out, coded);
  if (out != nullptr && out != stdout) std::fclose(out);
  if (!written) {
    std::cerr << "compress_file: cannot write " << (output.empty() ? "stdout" : output) << "\n";
    return 2;
  }
  if (verify && !DecodesBack(coded, data.Span())) {
    std::cerr << "compress_file: " << input << " at level " << level << " does not decode back\n";
    return 1;
  }
  return 0;
}
