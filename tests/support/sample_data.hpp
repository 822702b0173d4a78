// Deterministic test data of several kinds, made here so no test depends on files.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace vorrin::test {

enum class DataKind { Text, Binary, Random, Runs };

inline const char* DataKindName(DataKind kind) {
  switch (kind) {
    case DataKind::Text: return "Text";
    case DataKind::Binary: return "Binary";
    case DataKind::Random: return "Random";
    case DataKind::Runs: return "Runs";
  }
  return "?";
}

// Words from a skewed vocabulary, with punctuation and line breaks: compresses like prose.
inline std::vector<std::uint8_t> SampleText(std::size_t size, unsigned seed) {
  std::mt19937 rng(seed);
  static const char* const kSyllables[] = {"an", "ber", "co", "da", "el", "fi", "gu", "ho", "in", "ja",
                                           "ke", "lo", "mu", "ne", "or", "pa", "qui", "re", "st", "th"};
  std::vector<std::string> words;
  for (int i = 0; i < 1500; ++i) {
    std::string w;
    const int parts = 1 + static_cast<int>(rng() % 4);
    for (int p = 0; p < parts; ++p) w += kSyllables[rng() % 20];
    words.push_back(w);
  }
  std::vector<std::uint8_t> out;
  int column = 0;
  while (out.size() < size) {
    // Squaring the roll favours the first words, as real text does.
    const double u = static_cast<double>(rng()) / 4294967296.0;
    const std::string& w = words[static_cast<std::size_t>(u * u * u * static_cast<double>(words.size()))];
    out.insert(out.end(), w.begin(), w.end());
    column += static_cast<int>(w.size()) + 1;
    const auto roll = rng() % 20;
    if (roll == 0) out.push_back(',');
    if (roll == 1) out.push_back('.');
    if (column > 70) {
      out.push_back('\r');
      out.push_back('\n');
      column = 0;
    } else {
      out.push_back(' ');
    }
  }
  out.resize(size);
  return out;
}

// Records of small integers, counters, tables and zero padding: compresses like a program.
inline std::vector<std::uint8_t> SampleBinary(std::size_t size, unsigned seed) {
  std::mt19937 rng(seed);
  std::vector<std::uint8_t> out;
  std::uint32_t counter = static_cast<std::uint32_t>(rng());
  while (out.size() < size) {
    switch (rng() % 5) {
      case 0: // a run of 32-bit values with small steps
        for (int i = 0, n = 8 + static_cast<int>(rng() % 64); i < n; ++i) {
          counter += static_cast<std::uint32_t>(rng() % 16);
          for (int b = 0; b < 4; ++b) out.push_back(static_cast<std::uint8_t>(counter >> (8 * b)));
        }
        break;
      case 1: // zero padding
        out.insert(out.end(), rng() % 200, 0);
        break;
      case 2: // noise
        for (int i = 0, n = static_cast<int>(rng() % 100); i < n; ++i) out.push_back(static_cast<std::uint8_t>(rng()));
        break;
      default: { // an instruction-like pattern with a varying operand
        const std::uint8_t op = static_cast<std::uint8_t>(0x80 + rng() % 16);
        for (int i = 0, n = 4 + static_cast<int>(rng() % 30); i < n; ++i) {
          out.push_back(op);
          out.push_back(static_cast<std::uint8_t>(0x45));
          out.push_back(static_cast<std::uint8_t>(rng() % 8 * 4));
        }
      }
    }
  }
  out.resize(size);
  return out;
}

inline std::vector<std::uint8_t> SampleData(DataKind kind, std::size_t size, unsigned seed) {
  switch (kind) {
    case DataKind::Text: return SampleText(size, seed);
    case DataKind::Binary: return SampleBinary(size, seed);
    case DataKind::Random: {
      std::mt19937 rng(seed);
      std::vector<std::uint8_t> out(size);
      for (auto& b : out) b = static_cast<std::uint8_t>(rng());
      return out;
    }
    case DataKind::Runs: {
      std::mt19937 rng(seed);
      std::vector<std::uint8_t> out;
      while (out.size() < size) out.insert(out.end(), 1 + rng() % 9000, static_cast<std::uint8_t>(rng() % 3));
      out.resize(size);
      return out;
    }
  }
  return {};
}

} // namespace vorrin::test
