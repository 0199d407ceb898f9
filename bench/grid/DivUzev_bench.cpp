// The grid control on big tables: loading 200,000 rows of seven short texts
// against a QStandardItemModel behind a QTableView in the same run, hiding
// and showing a column of a 100,000-row grid, and moving the current cell,
// scrolling a cell into view and the per-cell queries, each measured on a
// 10-row and a 1,000,000-row grid side by side.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "bench/support/BenchTable.h"
#include "framework/backend/qt/benchpeers/QtTablePeer.h"
#include "framework/controls/Forms.h"
#include "grid/model/DivUzev.h"

namespace {
const int kHeadless = [] { return setenv("QT_QPA_PLATFORM", "offscreen", 0); }();

using Clock = std::chrono::steady_clock;
double Seconds(Clock::time_point Since) {
  return std::chrono::duration<double>(Clock::now() - Since).count();
}

constexpr int kLoadRows = 200000;
constexpr int kLoadCols = 7;

void LoadGrid(TDedAdararAdoz* g) {
  const auto& texts = benchtable::Texts();
  g->SetColCount(kLoadCols);
  g->SetRowCount(kLoadRows + 1);
  size_t k = 0;
  for (int r = 1; r <= kLoadRows; ++r)
    for (int c = 0; c < kLoadCols; ++c) {
      g->SetCellEx(c, r, texts[k]);
      if (++k == texts.size()) k = 0;
    }
}

// Both loads in every iteration, so the ratio compares the same moment of
// the machine.
void BM_Load200kRowsVsQtStandardItemModel(benchmark::State& state) {
  double grid = 0, qt = 0;
  for (auto _ : state) {
    auto g = std::make_unique<TDedAdararAdoz>(nullptr);
    auto t0 = Clock::now();
    LoadGrid(g.get());
    grid += Seconds(t0);
    benchmark::DoNotOptimize(g->GetCellEx(3, kLoadRows));

    QtTablePeer peer;
    t0 = Clock::now();
    peer.Load(kLoadRows + 1, kLoadCols, benchtable::Texts());
    qt += Seconds(t0);
    benchmark::DoNotOptimize(peer.Text(kLoadRows, 3));
    state.PauseTiming();
    g.reset();
    peer.Clear();
    state.ResumeTiming();
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["grid_ms"] = grid * 1e3 / n;
  state.counters["qt_ms"] = qt * 1e3 / n;
  state.counters["ratio"] = grid / qt;
}
BENCHMARK(BM_Load200kRowsVsQtStandardItemModel)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_HideAndShowAColumnOf100kRows(benchmark::State& state) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(kLoadCols);
  g.SetRowCount(100001);
  benchtable::Fill([&](int c, int r, const std::string& s) {
    if (c < kLoadCols && r <= 100000) g.SetCellEx(c, r, s);
  });
  double seconds = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    g.HideColumn(3);
    g.UnHideColumn(3);
    seconds += Seconds(t0);
  }
  state.counters["ms_hide_and_show"] = seconds * 1e3 / static_cast<double>(state.iterations());
}
BENCHMARK(BM_HideAndShowAColumnOf100kRows);

// A shown 10-row grid and a shown 1,000,000-row grid of 8 columns, some
// cells with properties, for the operations that must not depend on size.
// Both show four rows and four columns, so both scroll the same way, and
// both have rows hidden.
struct TSizedGrids {
  TForm* form;
  TDedAdararAdoz* small;
  TDedAdararAdoz* big;
  TSizedGrids() {
    form = new TForm(nullptr);
    form->SetBounds(0, 0, 900, 400);
    small = Make(10, 0);
    big = Make(1000000, 450);
    form->Show();
    Application->ProcessMessages();
  }
  ~TSizedGrids() { delete form; }
  TDedAdararAdoz* Make(int Rows, int Left) {
    auto* g = new TDedAdararAdoz(form);
    g->SetParent(form);
    g->SetBounds(Left, 0, 300, 110);
    g->SetColCount(8);
    g->SetRowCount(Rows);
    for (int r = 0; r < Rows && r < 2000; r += 3) g->GetCellProperties(2, r)->SetFontColor(clRed);
    g->SetCellEx(2, Rows - 1, "last");
    // Hidden rows put the row maps to work.
    g->HideRows(2, 3);
    g->HideRow(7);
    g->GetCellProperties(2, Rows - 1)->SetReadOnly(true);
    return g;
  }
};

TSizedGrids& Grids() {
  static TSizedGrids grids;
  return grids;
}

// Runs Op on both grids (n times each per iteration) and reports the time
// per operation of each and their ratio.
void CompareSizes(benchmark::State& state, const std::function<void(TDedAdararAdoz*, int)>& Op) {
  TSizedGrids& g = Grids();
  constexpr int kOps = 200;
  double small = 0, big = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    for (int i = 0; i < kOps; ++i) Op(g.small, i);
    small += Seconds(t0);
    t0 = Clock::now();
    for (int i = 0; i < kOps; ++i) Op(g.big, i);
    big += Seconds(t0);
  }
  const double n = static_cast<double>(state.iterations()) * kOps;
  state.counters["ns_10_rows"] = small * 1e9 / n;
  state.counters["ns_1M_rows"] = big * 1e9 / n;
  state.counters["ratio"] = big / small;
}

void BM_CurrentCellMoves(benchmark::State& state) {
  CompareSizes(state, [](TDedAdararAdoz* g, int i) {
    // Between the top and the bottom rows, across the columns.
    g->SetRow(i % 2 == 0 ? g->RowCount() - 1 - i % 3 : 1 + i % 3);
    g->SetCol(1 + i % 7);
  });
}
BENCHMARK(BM_CurrentCellMoves);

void BM_ScrollInView(benchmark::State& state) {
  CompareSizes(state, [](TDedAdararAdoz* g, int i) {
    // Far apart on the big grid: the top and the bottom, left and right.
    const int row = i % 2 == 0 ? g->RowCount() - 1 : 1;
    g->ScrollInView(i % 2 == 0 ? 7 : 1, row);
  });
}
BENCHMARK(BM_ScrollInView);

void BM_PerCellQueries(benchmark::State& state) {
  TBrush brush;
  TFont font;
  TPen pen;
  CompareSizes(state, [&](TDedAdararAdoz* g, int i) {
    const int row = i % 2 == 0 ? g->RowCount() - 1 : 3;
    const int col = 2;
    bool b = true;
    g->CanEditCell(col, row, b);
    b = false;
    g->IsFixedCell(col, row, b);
    std::string s;
    g->GetCheckTrue(col, row, s);
    g->GetCellColor(col, row, TGridDrawState{}, &brush, &font);
    TCellBorders borders;
    g->GetCellBorder(col, row, &pen, borders);
    TEditorType editor = edNormal;
    g->GetCellEditor(col, row, editor);
    benchmark::DoNotOptimize(g->HasComboBox(col, row));
    benchmark::DoNotOptimize(g->GetCellType(col, row));
    benchmark::DoNotOptimize(g->RealColIndex(col) + g->RealRowIndex(row) + g->DisplRowIndex(row));
  });
}
BENCHMARK(BM_PerCellQueries);

}  // namespace
