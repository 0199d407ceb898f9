// The string grid on a big table: filling a million rows and reading every
// cell, each beside the smallest vector-of-strings table model; painting one
// screen at the top and one at the bottom (the two should cost the same:
// painting walks the visible cells only), scrolling and key movement.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "bench/support/BenchTable.h"
#include "framework/grids/Grids.h"

namespace {
const int kHeadless = [] { return setenv("QT_QPA_PLATFORM", "offscreen", 0); }();

using benchtable::kCols;
using benchtable::kRows;

class TBenchGrid : public TStringGrid {
 public:
  using TCustomGrid::KeyDown;
  using TStringGrid::TStringGrid;
};

std::unique_ptr<TBenchGrid> MakeFilledGrid() {
  auto g = std::make_unique<TBenchGrid>(nullptr);
  g->SetBorderStyle(bsNone);
  g->SetScrollBars(ssNone);
  g->SetBounds(0, 0, 800, 600);
  g->SetColCount(kCols);
  g->SetRowCount(kRows);
  benchtable::Fill([&](int c, int r, const std::string& s) { g->SetCells(c, r, s); });
  return g;
}

TBenchGrid* SharedGrid() {
  static std::unique_ptr<TBenchGrid> grid = MakeFilledGrid();
  return grid.get();
}

using Clock = std::chrono::steady_clock;
double Milliseconds(Clock::time_point Since) {
  return std::chrono::duration<double, std::milli>(Clock::now() - Since).count();
}

// Filling the grid against filling the vector-of-strings model, in turns,
// with the heap each one holds once filled. Goals: ratio 1.1 or less, and
// no more memory than the model (memory_ratio 1; the few KB of extra_KB are
// the control itself, whatever the size of the table).
void BM_FillMillionRows(benchmark::State& state) {
  double gridMs = 0, peerMs = 0, gridBytes = 0, peerBytes = 0;
  for (auto _ : state) {
    double before = benchtable::HeapBytesInUse();
    auto t0 = Clock::now();
    auto g = MakeFilledGrid();
    gridMs += Milliseconds(t0);
    benchmark::DoNotOptimize(g->Cells(kCols - 1, kRows - 1));
    gridBytes = benchtable::HeapBytesInUse() - before;
    // Freeing the table is not part of the fill.
    g.reset();

    before = benchtable::HeapBytesInUse();
    t0 = Clock::now();
    auto peer = std::make_unique<benchtable::TVectorTable>();
    peer->SetSize(kCols, kRows);
    benchtable::Fill([&](int c, int r, const std::string& s) { peer->SetCell(c, r, s); });
    peerMs += Milliseconds(t0);
    benchmark::DoNotOptimize(peer->Cell(kCols - 1, kRows - 1));
    peerBytes = benchtable::HeapBytesInUse() - before;
    peer.reset();
  }
  const double n = double(state.iterations());
  state.SetItemsProcessed(state.iterations() * kRows * kCols);
  state.counters["grid_ms"] = gridMs / n;
  state.counters["vector_ms"] = peerMs / n;
  state.counters["ratio"] = gridMs / peerMs;
  state.counters["grid_MB"] = gridBytes / (1024.0 * 1024.0);
  state.counters["vector_MB"] = peerBytes / (1024.0 * 1024.0);
  state.counters["memory_ratio"] = gridBytes / peerBytes;
  // What the grid holds beyond the model's bytes: the control itself.
  state.counters["extra_KB"] = (gridBytes - peerBytes) / 1024.0;
}
BENCHMARK(BM_FillMillionRows)->Unit(benchmark::kMillisecond)->Iterations(3);

// Reading every cell through Cells against reading the model's strings
// directly, in turns. Goal: ratio 2 or less.
void BM_ReadEveryCell(benchmark::State& state) {
  TBenchGrid* g = SharedGrid();
  static const std::unique_ptr<benchtable::TVectorTable> peer = [] {
    auto t = std::make_unique<benchtable::TVectorTable>();
    t->SetSize(kCols, kRows);
    benchtable::Fill([&](int c, int r, const std::string& s) { t->SetCell(c, r, s); });
    return t;
  }();
  double gridMs = 0, peerMs = 0;
  size_t total = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kCols; ++c) total += g->Cells(c, r).size();
    gridMs += Milliseconds(t0);
    t0 = Clock::now();
    for (const std::string& s : peer->Strings()) total += s.size();
    peerMs += Milliseconds(t0);
  }
  benchmark::DoNotOptimize(total);
  state.counters["grid_ms"] = gridMs / double(state.iterations());
  state.counters["vector_ms"] = peerMs / double(state.iterations());
  state.counters["ratio"] = gridMs / peerMs;
}
BENCHMARK(BM_ReadEveryCell)->Unit(benchmark::kMillisecond)->Iterations(5);

void PaintAt(benchmark::State& state, bool bottom) {
  TBenchGrid* g = SharedGrid();
  g->SetTopRow(bottom ? kRows : 1);
  TBitmap target(800, 600);
  for (auto _ : state) g->PaintGrid(target.Canvas());
}

void BM_PaintTopScreen(benchmark::State& state) { PaintAt(state, false); }
BENCHMARK(BM_PaintTopScreen)->Unit(benchmark::kMicrosecond);

void BM_PaintBottomScreen(benchmark::State& state) { PaintAt(state, true); }
BENCHMARK(BM_PaintBottomScreen)->Unit(benchmark::kMicrosecond);

// Page Down through the table and back: each step scrolls one page.
void BM_PageDownThroughTable(benchmark::State& state) {
  TBenchGrid* g = SharedGrid();
  g->SetTopRow(1);
  g->SetRow(1);
  for (auto _ : state) {
    WORD key = g->Row() >= kRows - 1 ? VK_HOME : VK_NEXT;
    g->KeyDown(key, key == VK_HOME ? TShiftState{ssCtrl} : TShiftState{});
  }
}
BENCHMARK(BM_PageDownThroughTable)->Unit(benchmark::kMicrosecond);

void BM_JumpToLastRow(benchmark::State& state) {
  TBenchGrid* g = SharedGrid();
  for (auto _ : state) {
    g->SetRow(kRows - 1);
    g->SetRow(1);
  }
}
BENCHMARK(BM_JumpToLastRow)->Unit(benchmark::kMicrosecond);

}  // namespace
