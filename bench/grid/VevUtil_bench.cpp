// Cell-text classification, number detection and filter matching over a
// column of 1,000,000 cell texts, as sorting and filtering run them.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "grid/base/VevUtil.h"

namespace {

constexpr int kCells = 1000000;

const std::vector<std::string>& Cells() {
  static const std::vector<std::string> cells = [] {
    const char* words[] = {"alpha", "Bravo", "charlie", "DB10.DBW4", "Enable", "N", "Y", "Motor speed"};
    std::vector<std::string> v;
    v.reserve(kCells);
    unsigned seed = 12345;
    for (int i = 0; i < kCells; ++i) {
      seed = seed * 1103515245u + 12345u;
      switch (seed >> 28) {
        case 0:
        case 1:
        case 2:
          v.push_back(std::to_string(seed % 100000));
          break;
        case 3:
          v.push_back(std::to_string(seed % 1000) + "." + std::to_string(seed % 97));
          break;
        case 4:
          v.push_back("-" + std::to_string(seed % 5000) + ",000.25");
          break;
        case 5:
          v.push_back(std::to_string(1 + seed % 12) + "/" + std::to_string(1 + seed % 28) + "/2024");
          break;
        case 6:
          v.push_back("<b>" + std::string(words[seed % 8]) + "</b>");
          break;
        case 7:
          v.push_back("");
          break;
        default:
          v.push_back(std::string(words[seed % 8]) + " " + std::to_string(seed % 100));
          break;
      }
    }
    return v;
  }();
  return cells;
}

void BM_ClassifyCellText(benchmark::State& state) {
  const auto& cells = Cells();
  for (auto _ : state) {
    int markup = 0;
    for (const std::string& c : cells) markup += ClassifyCellText(c, true) == tkMarkup;
    benchmark::DoNotOptimize(markup);
  }
  state.SetItemsProcessed(state.iterations() * kCells);
}
BENCHMARK(BM_ClassifyCellText)->Unit(benchmark::kMillisecond);

void BM_NumberTextKind(benchmark::State& state) {
  const auto& cells = Cells();
  for (auto _ : state) {
    int numbers = 0;
    for (const std::string& c : cells) numbers += NumberTextKind(c) != ntNotANumber;
    benchmark::DoNotOptimize(numbers);
  }
  state.SetItemsProcessed(state.iterations() * kCells);
}
BENCHMARK(BM_NumberTextKind)->Unit(benchmark::kMillisecond);

void BM_MatchFilterCondition(benchmark::State& state, const char* condition, bool caseSensitive) {
  const auto& cells = Cells();
  for (auto _ : state) {
    int hits = 0;
    for (const std::string& c : cells) hits += MatchFilterCondition(condition, c, caseSensitive);
    benchmark::DoNotOptimize(hits);
  }
  state.SetItemsProcessed(state.iterations() * kCells);
}
BENCHMARK_CAPTURE(BM_MatchFilterCondition, wildcard, "a*|*o 1?", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MatchFilterCondition, wildcard_nocase, "A*|*O 1?", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MatchFilterCondition, numeric_range, ">500&<=20000", true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MatchFilterCondition, grouped, "(b*|c*)&!*5", false)->Unit(benchmark::kMillisecond);

}  // namespace
