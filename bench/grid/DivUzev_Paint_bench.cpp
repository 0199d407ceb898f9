// The grid control's painter over one screen of 40 x 12 cells of mixed
// kinds (texts, numbers, data check boxes, progress bars, markup, a merged
// header, own colours, a selection): a 100-row and a 1,000,000-row grid
// (only the visible cells are painted, so both cost the same), and the
// same screen against a QTableView painting the same visible cells, with
// check boxes, in the same run.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>

#include "bench/support/BenchTable.h"
#include "bench/support/Rounds.h"
#include "framework/backend/qt/benchpeers/QtTablePeer.h"
#include "framework/graphics/Graphics.h"
#include "grid/model/DivUzev.h"

namespace {
const int kHeadless = [] { return setenv("QT_QPA_PLATFORM", "offscreen", 0); }();

constexpr int kCols = 40;
constexpr int kVisibleRows = 12;
constexpr int kColWidth = 32;
constexpr int kRowHeight = 24;
constexpr int kWidth = kCols * kColWidth;
constexpr int kHeight = kVisibleRows * kRowHeight;

using Clock = std::chrono::steady_clock;

// The visible screen holds every kind of cell a table of the configurator
// shows, and a few more.
std::unique_ptr<TDedAdararAdoz> MakeGrid(int Rows) {
  auto g = std::make_unique<TDedAdararAdoz>(nullptr);
  g->SetBorderStyle(bsNone);
  g->SetScrollBars(ssNone);
  g->SetDefaultColWidth(kColWidth);
  g->SetDefaultRowHeight(kRowHeight);
  g->SetBounds(0, 0, kWidth, kHeight);
  g->SetColCount(kCols);
  g->SetRowCount(Rows);
  g->SetOptions(g->Options() << goEditing << goRangeSelect);
  g->ControlLook()->SetControlStyle(csWinXP);
  const auto& texts = benchtable::Texts();
  size_t k = 0;
  for (int c = 1; c < kCols; ++c) g->SetCellEx(c, 0, "H" + std::to_string(c));
  for (int r = 1; r < kVisibleRows + 2 && r < Rows; ++r) {
    g->SetCellEx(0, r, std::to_string(r));
    for (int c = 1; c < kCols; ++c) {
      switch (c % 8) {
        case 2:
          g->AddCheckBox(c, r, r % 2 == 0, true);
          break;
        case 4:
          g->SetCellEx(c, r, std::to_string((r * 7 + c) % 100));
          g->AddProgress(c, r, clGreen, clWhite);
          break;
        case 6:
          g->SetCellEx(c, r, "<b>" + std::to_string(r) + "</b>");
          break;
        case 7:
          g->SetCellEx(c, r, std::to_string(r * 1.5));
          g->GetCellProperties(c, r)->SetBrushColor(0xE0FFE0);
          break;
        default:
          g->SetCellEx(c, r, texts[k]);
          if (++k == texts.size()) k = 0;
          break;
      }
    }
  }
  g->MergeCells(1, 0, 2, 1);
  g->SetSelection(TGridRect(3, 2, 9, 5));
  return g;
}

void BM_PaintScreen(benchmark::State& state) {
  auto g = MakeGrid(static_cast<int>(state.range(0)));
  TBitmap target(kWidth, kHeight);
  for (auto _ : state) g->PaintGrid(target.Canvas());
  state.SetItemsProcessed(state.iterations() * kCols * kVisibleRows);
}
BENCHMARK(BM_PaintScreen)->Arg(100)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The grid's screen and the table view's screen in every iteration, so the
// ratio compares the same moment of the machine.
void BM_PaintScreenVsQtTableView(benchmark::State& state) {
  auto g = MakeGrid(100);
  TBitmap target(kWidth, kHeight);
  QtTablePeer peer;
  peer.Load(100, kCols, benchtable::Texts());
  peer.SetCheckColumn(2);
  peer.SetupView(kWidth, kHeight, kColWidth, kRowHeight);
  double grid = 0, qt = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    g->PaintGrid(target.Canvas());
    grid += std::chrono::duration<double>(Clock::now() - t0).count();
    t0 = Clock::now();
    peer.Paint();
    qt += std::chrono::duration<double>(Clock::now() - t0).count();
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["grid_ms"] = grid / n * 1000;
  state.counters["qt_ms"] = qt / n * 1000;
  state.counters["ratio"] = qt > 0 ? grid / qt : 0;
}
BENCHMARK(BM_PaintScreenVsQtTableView)->Unit(benchmark::kMillisecond);

// The whole paint of the control (PaintTo: background, cells, outside
// background, as a window's paint runs it) of one screen at the top and at
// the last page of 10^7 rows, in turns. The texts come from OnGetDisplText,
// so both screens show the same cells without a store of 10^7 rows; the
// default background end colour keeps the outside-background step on.
// top_vs_bottom (the median of bottom / top) should stay within 1.05.
void BM_FullPaintTopVsBottomOf10MRows(benchmark::State& state) {
  constexpr int kRows = 10000000;
  auto g = std::make_unique<TDedAdararAdoz>(nullptr);
  g->SetBorderStyle(bsNone);
  g->SetScrollBars(ssNone);
  g->SetDefaultColWidth(kColWidth);
  g->SetDefaultRowHeight(kRowHeight);
  g->SetBounds(0, 0, kWidth, kHeight);
  g->SetColCount(kCols);
  g->SetRowCount(kRows);
  const auto& texts = benchtable::Texts();
  g->OnGetDisplText = [&texts](TObject*, int ACol, int ARow, std::string& Value) {
    Value = texts[(static_cast<size_t>(ARow % 1000) * kCols + static_cast<size_t>(ACol)) % texts.size()];
  };
  const int bottom = kRows - kVisibleRows + 1;
  benchrounds::TRounds rounds;
  for (auto _ : state) {
    rounds.Round(
        [&] {
          g->SetTopRow(bottom);
          benchmark::DoNotOptimize(g->GrabToBitmap());
        },
        [&] {
          g->SetTopRow(1);
          benchmark::DoNotOptimize(g->GrabToBitmap());
        });
  }
  rounds.Report(state, "bottom", "top", "top_vs_bottom");
}
BENCHMARK(BM_FullPaintTopVsBottomOf10MRows)->Unit(benchmark::kMillisecond)->Iterations(40);
}  // namespace
