// Keys, clicks and the wheel on a shown 10-row and a shown 1,000,000-row
// grid side by side (neither may cost more on the big grid), and the Down
// key held through 100,000 rows of a column grid against the same walk in
// a QTableView over a QStandardItemModel, in the same run.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "framework/backend/qt/benchpeers/QtTablePeer.h"
#include "framework/controls/Forms.h"
#include "grid/model/DivUzev.h"
#include "grid/model/VevCGrid.h"

namespace {
const int kHeadless = [] { return setenv("QT_QPA_PLATFORM", "offscreen", 0); }();

using Clock = std::chrono::steady_clock;
double Seconds(Clock::time_point Since) {
  return std::chrono::duration<double>(Clock::now() - Since).count();
}

struct TInputGrids {
  TForm* form;
  TDedAdararAdoz* small;
  TDedAdararAdoz* big;
  TInputGrids() {
    form = new TForm(nullptr);
    form->SetBounds(0, 0, 900, 400);
    small = Make(10, 0);
    big = Make(1000000, 450);
    form->Show();
    Application->ProcessMessages();
  }
  ~TInputGrids() { delete form; }
  TDedAdararAdoz* Make(int Rows, int Left) {
    auto* g = new TDedAdararAdoz(form);
    g->SetParent(form);
    g->SetBounds(Left, 0, 400, 200);
    g->SetColCount(6);
    g->SetRowCount(Rows);
    for (int r = 0; r < Rows && r < 2000; r += 3) g->GetCellProperties(2, r)->SetFontColor(clRed);
    g->HideRows(2, 3);
    for (int c = 1; c < 6; ++c) g->SetCellEx(c, g->RowCount() - 2, "near the end");
    return g;
  }
};

TInputGrids& Grids() {
  static TInputGrids grids;
  return grids;
}

// Runs Op on both grids, the current cell near the far end of the big one,
// and reports the time per operation for each and their ratio.
void Compare(benchmark::State& state, const std::function<void(TDedAdararAdoz*, int)>& Op) {
  TInputGrids& g = Grids();
  for (TDedAdararAdoz* grid : {g.small, g.big}) {
    grid->SetCol(2);
    grid->SetRow(grid->RowCount() - 3);
  }
  Application->ProcessMessages();
  constexpr int kOps = 200;
  double small = 0, big = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    for (int i = 0; i < kOps; ++i) Op(g.small, i);
    small += Seconds(t0);
    t0 = Clock::now();
    for (int i = 0; i < kOps; ++i) Op(g.big, i);
    big += Seconds(t0);
    state.PauseTiming();
    Application->ProcessMessages();
    state.ResumeTiming();
  }
  const double n = static_cast<double>(state.iterations()) * kOps;
  state.counters["us_10_rows"] = small * 1e6 / n;
  state.counters["us_1M_rows"] = big * 1e6 / n;
  state.counters["ratio"] = big / small;
}

void BM_KeyMove(benchmark::State& state) {
  Compare(state, [](TDedAdararAdoz* g, int i) {
    const WPARAM key = i % 2 == 0 ? VK_UP : VK_DOWN;
    g->Perform(WM_KEYDOWN, key, 0);
    g->Perform(WM_KEYUP, key, 0);
  });
}
BENCHMARK(BM_KeyMove);

void BM_Click(benchmark::State& state) {
  Compare(state, [](TDedAdararAdoz* g, int i) {
    const TRect r = g->CellRect(1 + i % 4, g->TopRow() + 1);
    const LPARAM at = MakeLParam((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    g->Perform(WM_LBUTTONDOWN, MK_LBUTTON, at);
    g->Perform(WM_LBUTTONUP, 0, at);
  });
}
BENCHMARK(BM_Click);

void BM_WheelStep(benchmark::State& state) {
  Compare(state, [](TDedAdararAdoz* g, int i) {
    const int delta = i % 2 == 0 ? 120 : -120;
    g->Perform(WM_MOUSEWHEEL, MakeWParam(0, delta), MakeLParam(10, 10));
  });
}
BENCHMARK(BM_WheelStep);

// The Down key held from the first to the last of 100,000 rows.
void BM_DownThrough100kRows(benchmark::State& state) {
  constexpr int kRows = 100000, kCols = 5;
  static TForm* form = nullptr;
  static TRavUvurerEduz* grid = nullptr;
  static QtTablePeer* qt = nullptr;
  if (grid == nullptr) {
    form = new TForm(nullptr);
    form->SetBounds(0, 0, 500, 400);
    grid = new TRavUvurerEduz(form);
    grid->SetParent(form);
    grid->SetBounds(0, 0, 480, 380);
    grid->SetColCount(kCols);
    grid->SetRowCount(kRows + 1);
    const std::vector<std::string> texts = {"DB1.DBW0", "Pump", "1200", "CAN 0x181", "on"};
    for (int r = 1; r <= kRows; ++r)
      for (int c = 0; c < kCols; ++c) grid->SetCells(c, r, texts[static_cast<size_t>((r + c) % 5)]);
    form->Show();
    Application->ProcessMessages();
    qt = new QtTablePeer();
    qt->Load(kRows, kCols, texts);
    qt->SetupView(480, 380, 64, 24);
  }
  double ours = 0, theirs = 0;
  constexpr int kPumpEvery = 50;  // a held key repaints now and then
  for (auto _ : state) {
    grid->SetRow(1);
    Application->ProcessMessages();
    auto t0 = Clock::now();
    for (int i = 1; i < kRows; ++i) {
      grid->Perform(WM_KEYDOWN, VK_DOWN, 0);
      grid->Perform(WM_KEYUP, VK_DOWN, 0);
      if (i % kPumpEvery == 0) Application->ProcessMessages();
    }
    Application->ProcessMessages();
    ours += Seconds(t0);
    qt->SetCurrent(0, 1);
    qt->Pump();
    t0 = Clock::now();
    for (int i = 1; i < kRows; ++i) {
      qt->PressDown();
      if (i % kPumpEvery == 0) qt->Pump();
    }
    qt->Pump();
    theirs += Seconds(t0);
    if (grid->Row() != kRows || qt->CurrentRow() != kRows - 1)
      state.SkipWithError("the walk did not reach the end");
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["ms_grid"] = ours * 1e3 / n;
  state.counters["ms_qtableview"] = theirs * 1e3 / n;
  state.counters["ratio_grid_to_qt"] = ours / theirs;
}
BENCHMARK(BM_DownThrough100kRows)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
