// Compress and decode throughput on real files when a bench corpus is at hand
// (VORRIN_BENCH_CORPUS, or /work/shared/bench-corpus), else on generated data.
// Bytes per second count the member's plain bytes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "decode/member_decoder.hpp"
#include "decode/rebuild_schedule.hpp"
#include "decode/symbol_lookup.hpp"
#include "encode/lz77_parser.hpp"
#include "tests/support/memory_archive.hpp"
#include "tests/support/sample_data.hpp"

namespace vorrin {
namespace {

constexpr std::size_t kSampleSize = 4u << 20;

std::vector<std::uint8_t> ReadPrefix(const std::filesystem::path& path, std::size_t size) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::uint8_t> bytes(size);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

// "text" and "binary": a corpus file's first 4 MiB, or generated data of that size.
const std::vector<std::uint8_t>& Sample(const std::string& kind) {
  static std::map<std::string, std::vector<std::uint8_t>> samples;
  auto& bytes = samples[kind];
  if (!bytes.empty()) return bytes;
  const char* env = std::getenv("VORRIN_BENCH_CORPUS");
  const std::filesystem::path corpus = env ? env : "/work/shared/bench-corpus";
  const auto file = corpus / (kind == "text" ? "changelogs.txt" : "cmake.elf");
  if (std::filesystem::exists(file)) bytes = ReadPrefix(file, kSampleSize);
  if (bytes.empty())
    bytes = test::SampleData(kind == "text" ? test::DataKind::Text : test::DataKind::Binary, kSampleSize, 1);
  return bytes;
}

void Compress(benchmark::State& state, const std::string& kind) {
  const auto& data = Sample(kind);
  const int level = static_cast<int>(state.range(0));
  std::size_t coded = 0;
  for (auto _ : state) {
    auto out = CompressMember(data, level);
    coded = out.size();
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(data.size()));
  state.counters["ratio"] = static_cast<double>(coded) / static_cast<double>(data.size());
}

class NullSink final : public ChunkSink {
public:
  void Write(const std::uint8_t* data, std::size_t count) override {
    benchmark::DoNotOptimize(data);
    benchmark::DoNotOptimize(count);
  }
};

// The expander's path: blocks checked, bits read, symbols decoded, chunks written.
void Decode(benchmark::State& state, const std::string& kind) {
  const auto& data = Sample(kind);
  const auto coded = CompressMember(data, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    test::MemoryBlockStream source(coded);
    MemberDecoder decoder(source.stream(), source.faults());
    NullSink sink;
    decoder.DecodeMember(static_cast<std::int32_t>(data.size()), &sink);
    decoder.FinalFlush();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(data.size()));
}

// One tree's builds along the first 64 KiB of a sample, each byte counted as a literal,
// at the decoder's rebuild points. Items are builds.
enum class TreeBuild { Reference, Fast, FastWithLookup };

void TreeBuilds(benchmark::State& state, const std::string& kind, TreeBuild how) {
  const auto& data = Sample(kind);
  const std::size_t symbols = std::min<std::size_t>(data.size(), 64u << 10);
  // The counts at each rebuild point, so that only the builds are timed.
  std::vector<std::array<std::int32_t, kCodeSymbols>> counts_at_builds;
  CodeTree counter;
  for (std::size_t k = 0; k < symbols; ++k) {
    if (RebuildDue(static_cast<std::int32_t>(k))) counts_at_builds.push_back(counter.Counts());
    counter.Count(data[k]);
  }
  SymbolLookup lookup;
  for (auto _ : state) {
    CodeTree tree;
    for (const auto& counts : counts_at_builds) {
      for (int s = 0; s < kCodeSymbols; ++s) tree.SetCount(s, counts[static_cast<std::size_t>(s)]);
      if (how == TreeBuild::Reference) {
        tree.Build();
      } else {
        tree.BuildFast();
        if (how == TreeBuild::FastWithLookup) lookup.Take(tree);
      }
    }
    benchmark::DoNotOptimize(tree.Nodes().data());
    benchmark::DoNotOptimize(&lookup);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(counts_at_builds.size()));
}

BENCHMARK_CAPTURE(TreeBuilds, reference_text, std::string("text"), TreeBuild::Reference)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TreeBuilds, fast_text, std::string("text"), TreeBuild::Fast)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TreeBuilds, fast_lookup_text, std::string("text"), TreeBuild::FastWithLookup)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TreeBuilds, reference_binary, std::string("binary"), TreeBuild::Reference)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TreeBuilds, fast_binary, std::string("binary"), TreeBuild::Fast)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TreeBuilds, fast_lookup_binary, std::string("binary"), TreeBuild::FastWithLookup)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_CAPTURE(Compress, text, std::string("text"))->Arg(1)->Arg(6)->Arg(9)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Compress, binary, std::string("binary"))->Arg(1)->Arg(6)->Arg(9)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Decode, text, std::string("text"))->Arg(1)->Arg(6)->Arg(9)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Decode, binary, std::string("binary"))->Arg(1)->Arg(6)->Arg(9)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vorrin

BENCHMARK_MAIN();
