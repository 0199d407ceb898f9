// Sorting and sizing big grids: a million rows sorted on one text column
// against std::stable_sort of the same strings and against a
// QSortFilterProxyModel over the same texts, all in one run; and a column
// of 100,000 rows sized to its contents.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "framework/backend/qt/benchpeers/QtSortPeer.h"
#include "grid/model/DivUzev.h"

namespace {
const int kHeadless = [] { return setenv("QT_QPA_PLATFORM", "offscreen", 0); }();

using Clock = std::chrono::steady_clock;
double Seconds(Clock::time_point Since) {
  return std::chrono::duration<double>(Clock::now() - Since).count();
}

constexpr int kSortRows = 1000000;

// Names as a table holds them: a few letters and digits, in random order,
// some of them repeated.
const std::vector<std::string>& SortTexts() {
  static const std::vector<std::string> texts = [] {
    std::mt19937 rnd(22);
    const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";
    std::vector<std::string> t(kSortRows);
    for (std::string& s : t) {
      const int len = 6 + static_cast<int>(rnd() % 9);
      for (int i = 0; i < len; ++i) s += alphabet[rnd() % (sizeof(alphabet) - 1)];
    }
    return t;
  }();
  return texts;
}

// The three sorts in every iteration, so the ratios compare the same
// moment of the machine; the unsorted order is put back untimed.
void BM_Sort1MRowsOnATextColumn(benchmark::State& state) {
  const auto& texts = SortTexts();
  TDedAdararAdoz g(nullptr);
  g.SetColCount(1);
  g.SetFixedCols(0);
  g.SetRowCount(kSortRows + 1);
  for (int r = 0; r < kSortRows; ++r) g.SetCellEx(0, r + 1, texts[static_cast<size_t>(r)]);
  QtSortPeer qt;
  qt.Load(texts);

  double grid = 0, stl = 0, proxy = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    g.Sort(0, sdAscending);
    grid += Seconds(t0);
    benchmark::DoNotOptimize(g.GetCellEx(0, 1));

    state.PauseTiming();
    std::vector<std::string> copy = texts;
    state.ResumeTiming();
    t0 = Clock::now();
    std::stable_sort(copy.begin(), copy.end());
    stl += Seconds(t0);
    benchmark::DoNotOptimize(copy.front());

    t0 = Clock::now();
    qt.Sort();
    proxy += Seconds(t0);
    benchmark::DoNotOptimize(qt.Text(0));

    state.PauseTiming();
    if (g.GetCellEx(0, 1) != copy.front() || g.GetCellEx(0, kSortRows) != copy.back() ||
        qt.Text(0) != copy.front()) {
      state.SkipWithError(
          ("orders differ: " + g.GetCellEx(0, 1) + " " + qt.Text(0) + " " + copy.front()).c_str());
      break;
    }
    g.QUnSort();
    qt.Unsort();
    state.ResumeTiming();
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["grid_ms"] = grid * 1e3 / n;
  state.counters["stable_sort_ms"] = stl * 1e3 / n;
  state.counters["qt_proxy_ms"] = proxy * 1e3 / n;
  state.counters["vs_stable_sort"] = grid / stl;
  state.counters["vs_qt_proxy"] = grid / proxy;
}
BENCHMARK(BM_Sort1MRowsOnATextColumn)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_AutoSizeAColumnOf100kRows(benchmark::State& state) {
  const auto& texts = SortTexts();
  TDedAdararAdoz g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(100001);
  for (int r = 1; r <= 100000; ++r) g.SetCellEx(1, r, texts[static_cast<size_t>(r)]);
  double seconds = 0;
  for (auto _ : state) {
    g.SetColWidths(1, 10);
    auto t0 = Clock::now();
    g.AutoSizeCol(1);
    seconds += Seconds(t0);
    benchmark::DoNotOptimize(g.ColWidths(1));
  }
  state.counters["ms_auto_size"] = seconds * 1e3 / static_cast<double>(state.iterations());
}
BENCHMARK(BM_AutoSizeAColumnOf100kRows)->Unit(benchmark::kMillisecond);

}  // namespace
