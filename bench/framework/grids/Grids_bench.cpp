// The string grid on a big table: filling a million rows, and painting one
// screen at the top and one at the bottom (the two should cost the same:
// painting walks the visible cells only), scrolling and key movement.
#include <benchmark/benchmark.h>

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

void BM_FillMillionRows(benchmark::State& state) {
  for (auto _ : state) {
    auto g = MakeFilledGrid();
    benchmark::DoNotOptimize(g->Cells(kCols - 1, kRows - 1));
    // Freeing the table is not part of the fill.
    state.PauseTiming();
    g.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * kRows * kCols);
}
BENCHMARK(BM_FillMillionRows)->Unit(benchmark::kMillisecond)->Iterations(3);

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
