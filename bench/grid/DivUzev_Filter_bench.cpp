// Filtering a 1,000,000-row grid on one column condition and removing the
// filter, each against a plain loop that tests the same condition on the
// same strings in the same run; contracting and expanding a node of 10,000
// children.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

#include "grid/base/VevUtil.h"
#include "grid/model/DivUzev.h"

namespace {

using Clock = std::chrono::steady_clock;
double Seconds(Clock::time_point Since) {
  return std::chrono::duration<double>(Clock::now() - Since).count();
}

constexpr int kRows = 1000000;
const char* const kCondition = "*7*";

std::string Value(int r) { return "item " + std::to_string((static_cast<long long>(r) * 7919) % 100000); }

void BM_Filter1MRowsVsPlainLoop(benchmark::State& state) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(kRows + 1);
  std::vector<std::string> texts;
  texts.reserve(kRows);
  for (int r = 1; r <= kRows; ++r) {
    texts.push_back(Value(r));
    g.SetCellEx(1, r, texts.back());
    g.SetCellEx(2, r, std::to_string(r));
  }
  TFilterData* f = g.Filter()->Add();
  f->SetColumn(1);
  f->SetCondition(kCondition);
  double filter = 0, remove = 0, loop = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    int kept = 0;
    for (const std::string& s : texts) kept += MatchFilterCondition(kCondition, s, true) ? 1 : 0;
    loop += Seconds(t0);
    benchmark::DoNotOptimize(kept);

    t0 = Clock::now();
    g.ApplyFilter();
    filter += Seconds(t0);
    if (g.RowCount() != kept + 1) state.SkipWithError("the filter kept other rows than the loop");

    t0 = Clock::now();
    g.RemoveLastFilter();
    remove += Seconds(t0);
    if (g.RowCount() != kRows + 1) state.SkipWithError("rows were lost");
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["loop_ms"] = loop * 1e3 / n;
  state.counters["filter_ms"] = filter * 1e3 / n;
  state.counters["unfilter_ms"] = remove * 1e3 / n;
  state.counters["filter_ratio"] = filter / loop;
  state.counters["unfilter_ratio"] = remove / loop;
}
BENCHMARK(BM_Filter1MRowsVsPlainLoop)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ContractAndExpandANodeOf10kChildren(benchmark::State& state) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(4);
  g.SetRowCount(20002);
  for (int r = 1; r < g.RowCount(); ++r)
    for (int c = 0; c < 4; ++c) g.SetCellEx(c, r, std::to_string(r * 4 + c));
  g.AddNode(1, 10001);
  double contract = 0, expand = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    g.ContractNode(1);
    contract += Seconds(t0);
    t0 = Clock::now();
    g.ExpandNode(1);
    expand += Seconds(t0);
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["contract_ms"] = contract * 1e3 / n;
  state.counters["expand_ms"] = expand * 1e3 / n;
}
BENCHMARK(BM_ContractAndExpandANodeOf10kChildren)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
