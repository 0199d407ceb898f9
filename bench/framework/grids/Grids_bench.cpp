// The string grid on a big table: filling a million rows, and painting one
// screen at the top and one at the bottom (the two should cost the same:
// painting walks the visible cells only), scrolling and key movement.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "framework/grids/Grids.h"

namespace {
const int kHeadless = [] { return setenv("QT_QPA_PLATFORM", "offscreen", 0); }();

constexpr int kRows = 1000000;
constexpr int kCols = 10;

class TBenchGrid : public TStringGrid {
 public:
  using TCustomGrid::KeyDown;
  using TStringGrid::TStringGrid;
};

// Cell texts of a typical table, cycled so that every screen shows texts of
// the same lengths and the fill measures the grid, not text formatting.
const std::vector<std::string>& Texts() {
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> t;
    for (int i = 0; i < 997; ++i)
      t.push_back("DB" + std::to_string(100 + i % 900) + ".DBW" + std::to_string(i));
    return t;
  }();
  return texts;
}

std::unique_ptr<TBenchGrid> MakeFilledGrid() {
  const auto& texts = Texts();
  auto g = std::make_unique<TBenchGrid>(nullptr);
  g->SetBorderStyle(bsNone);
  g->SetScrollBars(ssNone);
  g->SetBounds(0, 0, 800, 600);
  g->SetColCount(kCols);
  g->SetRowCount(kRows);
  size_t k = 0;
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kCols; ++c) {
      g->SetCells(c, r, texts[k]);
      if (++k == texts.size()) k = 0;
    }
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
