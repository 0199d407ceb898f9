// The column grid's structure edits on long tables: one row inserted and
// removed in the middle of 100,000 rows with hidden rows, cell properties
// and modified marks (goal: under 5 ms each); 10,000 rows removed in one
// call against 10,000 single removals; and the memory of a 1,000,000-row
// column grid of plain cells, which must hold no cell properties however
// its cells are asked about.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "bench/support/BenchTable.h"
#include "framework/graphics/Graphics.h"
#include "grid/model/VevCGrid.h"

namespace {
const int kHeadless = [] { return setenv("QT_QPA_PLATFORM", "offscreen", 0); }();

using Clock = std::chrono::steady_clock;
double Seconds(Clock::time_point Since) {
  return std::chrono::duration<double>(Clock::now() - Since).count();
}

double ResidentBytes() {
  long pages = 0, resident = 0;
  FILE* f = std::fopen("/proc/self/statm", "r");
  if (f == nullptr) return 0;
  if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
  std::fclose(f);
  return double(resident) * double(sysconf(_SC_PAGESIZE));
}

constexpr int kCols = 7;

// A column grid of Rows data rows under a header row, every tenth row
// coloured, every hundredth marked modified, every thousandth hidden.
std::unique_ptr<TRavUvurerEduz> TableGrid(int Rows, bool Decorated) {
  auto g = std::make_unique<TRavUvurerEduz>(nullptr);
  g->SetColCount(kCols);
  g->SetRowCount(Rows + 1);
  const auto& texts = benchtable::Texts();
  size_t k = 0;
  for (int r = 1; r <= Rows; ++r)
    for (int c = 0; c < kCols; ++c) {
      g->SetCellEx(c, r, texts[k]);
      if (++k == texts.size()) k = 0;
    }
  if (!Decorated) return g;
  g->ShowModified()->SetEnabled(true);
  for (int r = 1; r <= Rows; ++r) {
    if (r % 10 == 0) g->SetColors(2, r, clYellow);
    if (r % 100 == 0) g->SetRowModified(r, true);
  }
  for (int r = Rows - 1000; r > 0; r -= 1000) g->HideRow(r);
  return g;
}

void BM_InsertAndRemoveOneRowIn100kRows(benchmark::State& state) {
  auto g = TableGrid(100000, true);
  const int middle = g->RowCount() / 2;
  double insert = 0, remove = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    g->InsertRows(middle, 1);
    insert += Seconds(t0);
    t0 = Clock::now();
    g->RemoveRows(middle, 1);
    remove += Seconds(t0);
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["insert_ms"] = insert * 1e3 / n;
  state.counters["remove_ms"] = remove * 1e3 / n;
  state.counters["hidden_rows"] = g->NumHiddenRows();
}
BENCHMARK(BM_InsertAndRemoveOneRowIn100kRows)->Unit(benchmark::kMillisecond)->Iterations(50);

// Both ways on the same table in every iteration.
void BM_RemoveRows10kInOneCallVs10kCalls(benchmark::State& state) {
  double bulk = 0, single = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto a = TableGrid(100000, true);
    auto b = TableGrid(100000, true);
    state.ResumeTiming();
    auto t0 = Clock::now();
    a->RemoveRows(20000, 10000);
    bulk += Seconds(t0);
    t0 = Clock::now();
    for (int i = 0; i < 10000; ++i) b->RemoveRows(20000, 1);
    single += Seconds(t0);
    benchmark::DoNotOptimize(a->GetCellEx(1, 20000));
    benchmark::DoNotOptimize(b->GetCellEx(1, 20000));
    state.PauseTiming();
    a.reset();
    b.reset();
    state.ResumeTiming();
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["one_call_ms"] = bulk * 1e3 / n;
  state.counters["10k_calls_ms"] = single * 1e3 / n;
  state.counters["ratio"] = single / bulk;
}
BENCHMARK(BM_RemoveRows10kInOneCallVs10kCalls)->Unit(benchmark::kMillisecond)->Iterations(2);

// A million rows of ten plain cells, then every question painting asks of
// a screen of them: no cell gets properties.
void BM_MillionRowColumnGridOfPlainCells(benchmark::State& state) {
  double grown = 0, seconds = 0;
  bool props = false;
  for (auto _ : state) {
    state.PauseTiming();
    const double before = ResidentBytes();
    state.ResumeTiming();
    auto t0 = Clock::now();
    auto g = std::make_unique<TRavUvurerEduz>(nullptr);
    g->SetColCount(benchtable::kCols);
    g->SetRowCount(benchtable::kRows);
    g->Columns()->GetItem(3)->SetEditor(edDataCheckBox);
    benchtable::Fill([&](int c, int r, const std::string& s) { g->SetCellEx(c, r, s); });
    seconds += Seconds(t0);
    state.PauseTiming();
    grown = ResidentBytes() - before;
    TBrush brush;
    TFont font;
    for (int r = 500000; r < 500040; ++r)
      for (int c = 0; c < benchtable::kCols; ++c) {
        g->GetCellColor(c, r, {}, &brush, &font);
        TAlignment h = taLeftJustify;
        TVAlignment v = vtaTop;
        g->GetCellAlignment(c, r, h, v);
        benchmark::DoNotOptimize(g->GetCellType(c, r));
        benchmark::DoNotOptimize(g->Colors(c, r));
        benchmark::DoNotOptimize(g->GetFormattedCell(c, r));
      }
    props = g->HasCellProps();
    g.reset();
    state.ResumeTiming();
  }
  state.counters["fill_s"] = seconds / static_cast<double>(state.iterations());
  state.counters["grid_MB"] = grown / (1024.0 * 1024.0);
  state.counters["bytes_per_cell"] = grown / (double(benchtable::kRows) * benchtable::kCols);
  state.counters["cell_properties"] = props ? 1 : 0;
}
BENCHMARK(BM_MillionRowColumnGridOfPlainCells)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
