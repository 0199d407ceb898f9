// The cell store's painter over one screen of cells with gradient
// backgrounds and a styled selection: a 100-row and a 1,000,000-row grid
// (the two should cost the same, as only the visible cells are painted),
// and the gradient fill alone.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "framework/graphics/Graphics.h"
#include "grid/base/BaseGrid.h"
#include "grid/base/VevDraw.h"

namespace {
const int kHeadless = [] { return setenv("QT_QPA_PLATFORM", "offscreen", 0); }();

// Every other row a gradient, as the full grid's looks would report it.
class TGradientGrid : public TBaseGrid {
 public:
  using TBaseGrid::TBaseGrid;
  void GetVisualProperties(int, int ARow, TGridDrawState&, bool, bool, bool, TBrush*, TColor& AColorTo,
                           TColor&, TColor&, TFont*, TAlignment&, TVAlignment&, bool&,
                           TCellGradientDirection&) override {
    AColorTo = ARow % 2 ? 0xF0E0D0 : clNone;
  }
};

// 40 x 12 visible cells.
std::unique_ptr<TGradientGrid> MakeGrid(int Rows) {
  auto g = std::make_unique<TGradientGrid>(nullptr);
  g->SetBorderStyle(bsNone);
  g->SetScrollBars(ssNone);
  g->SetDefaultColWidth(32);
  g->SetDefaultRowHeight(24);
  g->SetBounds(0, 0, 40 * 32, 12 * 24);
  g->SetColCount(40);
  g->SetRowCount(Rows);
  g->SetSelectionStyle(ssOffice2007);
  g->SetOptions(g->Options() << goRangeSelect << goDrawFocusSelected);
  for (int r = 0; r < 12; ++r)
    for (int c = 0; c < 40; ++c) g->SetCellEx(c, r, std::to_string(r * 40 + c));
  g->SetSelection(TGridRect(2, 2, 8, 5));
  return g;
}

void PaintScreen(benchmark::State& state) {
  auto g = MakeGrid(static_cast<int>(state.range(0)));
  TBitmap target(40 * 32, 12 * 24);
  for (auto _ : state) g->PaintGrid(target.Canvas());
  state.SetItemsProcessed(state.iterations() * 40 * 12);
}
BENCHMARK(PaintScreen)->Arg(100)->Arg(1000000)->Unit(benchmark::kMillisecond);

void FillGradient(benchmark::State& state) {
  TBitmap target(200, 24);
  for (auto _ : state) FillGradientRect(target.Canvas(), clWhite, 0xF0E0D0, false, Rect(0, 0, 200, 24), 64);
}
BENCHMARK(FillGradient)->Unit(benchmark::kMicrosecond);
}  // namespace
