// Opening and closing an in-place editor on a cell: the text editor and the
// combo editor, each measured on a shown 10-row and a shown 1,000,000-row
// grid side by side. Neither may cost more on the big grid.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>

#include "framework/controls/Forms.h"
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzevEditors.h"

namespace {
const int kHeadless = [] { return setenv("QT_QPA_PLATFORM", "offscreen", 0); }();

using Clock = std::chrono::steady_clock;
double Seconds(Clock::time_point Since) {
  return std::chrono::duration<double>(Clock::now() - Since).count();
}

// Column 3 holds drop-down lists, the others text; some cells have
// properties and rows are hidden, as in a table that was worked on.
struct TEditGrids {
  TForm* form;
  TDedAdararAdoz* small;
  TDedAdararAdoz* big;
  int doneSmall = 0;
  int doneBig = 0;
  TEditGrids() {
    form = new TForm(nullptr);
    form->SetBounds(0, 0, 900, 400);
    small = Make(10, 0);
    big = Make(1000000, 450);
    small->OnEditingDone = [this](TObject*) { ++doneSmall; };
    big->OnEditingDone = [this](TObject*) { ++doneBig; };
    form->Show();
    Application->ProcessMessages();
  }
  ~TEditGrids() { delete form; }
  TDedAdararAdoz* Make(int Rows, int Left) {
    auto* g = new TDedAdararAdoz(form);
    g->SetParent(form);
    g->SetBounds(Left, 0, 400, 200);
    g->SetColCount(6);
    g->SetRowCount(Rows);
    g->SetOptions(g->Options() << goEditing);
    for (int r = 0; r < Rows && r < 2000; r += 3) g->GetCellProperties(2, r)->SetFontColor(clRed);
    g->HideRows(2, 3);
    g->OnGetEditorType = [](TObject*, int c, int, TEditorType& e) {
      if (c == 3) e = edComboList;
    };
    g->OnGetEditorProp = [g](TObject*, int c, int, TEditLink*) {
      if (c != 3 || g->Combobox()->Items()->Count() > 0) return;
      for (const char* s : {"Read", "Write", "Both"}) g->Combobox()->Items()->Add(s);
    };
    const int last = g->RowCount() - 1;
    g->SetCellEx(2, last, "text of the last row");
    g->SetCellEx(3, last, "Write");
    return g;
  }
};

TEditGrids& Grids() {
  static TEditGrids grids;
  return grids;
}

// Opens and closes the editor of a cell of the last row (the far end of
// the big grid) on both grids and reports the time per open-and-close.
void CompareOpenClose(benchmark::State& state, int Col) {
  TEditGrids& g = Grids();
  for (TDedAdararAdoz* grid : {g.small, g.big}) {
    grid->SetFocus();
    grid->SetCol(Col);
    grid->SetRow(grid->RowCount() - 1);
  }
  Application->ProcessMessages();
  g.doneSmall = g.doneBig = 0;
  constexpr int kOps = 100;
  double small = 0, big = 0;
  auto run = [](TDedAdararAdoz* grid) {
    grid->SetFocus();
    for (int i = 0; i < kOps; ++i) {
      grid->ShowInplaceEdit();
      grid->HideInplaceEdit();
    }
  };
  for (auto _ : state) {
    auto t0 = Clock::now();
    run(g.small);
    small += Seconds(t0);
    t0 = Clock::now();
    run(g.big);
    big += Seconds(t0);
    state.PauseTiming();
    Application->ProcessMessages();
    state.ResumeTiming();
  }
  const double n = static_cast<double>(state.iterations()) * kOps;
  // Every open showed its editor: each close reported an edit done.
  state.counters["edits_per_op"] = static_cast<double>(g.doneSmall + g.doneBig) / (2 * n);
  g.doneSmall = g.doneBig = 0;
  state.counters["us_10_rows"] = small * 1e6 / n;
  state.counters["us_1M_rows"] = big * 1e6 / n;
  state.counters["ratio"] = big / small;
}

void BM_TextEditorOpenClose(benchmark::State& state) { CompareOpenClose(state, 2); }
BENCHMARK(BM_TextEditorOpenClose);

void BM_ComboEditorOpenClose(benchmark::State& state) { CompareOpenClose(state, 3); }
BENCHMARK(BM_ComboEditorOpenClose);

}  // namespace
