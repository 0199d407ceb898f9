// The cell store on a big table: a million rows of ten columns written
// through SetCellEx and read back through GetCellEx, with the cost per cell
// and the resident size of the filled store; and the same reads on a table
// where a tenth of the cells carry properties.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "bench/support/BenchTable.h"
#include "bench/support/Rounds.h"
#include "grid/base/BaseGrid.h"
#include "grid/model/DivUzev.h"

namespace {
const int kHeadless = [] { return setenv("QT_QPA_PLATFORM", "offscreen", 0); }();

using benchtable::kCols;
using benchtable::kRows;
constexpr double kCells = double(kRows) * kCols;

// Resident size of the process in bytes.
double ResidentBytes() {
  long pages = 0, resident = 0;
  FILE* f = std::fopen("/proc/self/statm", "r");
  if (f == nullptr) return 0;
  if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
  std::fclose(f);
  return double(resident) * double(sysconf(_SC_PAGESIZE));
}

using Clock = std::chrono::steady_clock;
double Seconds(Clock::time_point Since) {
  return std::chrono::duration<double>(Clock::now() - Since).count();
}

// Cells handled per second, with the time per cell alongside.
void ReportPerCell(benchmark::State& state, double seconds) {
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kCells));
  state.counters["ns_per_cell"] = seconds * 1e9 / (double(state.iterations()) * kCells);
}

std::unique_ptr<TBaseGrid> MakeGrid() {
  auto g = std::make_unique<TBaseGrid>(nullptr);
  g->SetColCount(kCols);
  g->SetRowCount(kRows);
  return g;
}

void Fill(TBaseGrid* g) {
  benchtable::Fill([g](int c, int r, const std::string& s) { g->SetCellEx(c, r, s); });
}

TBaseGrid* FilledGrid() {
  static std::unique_ptr<TBaseGrid> grid = [] {
    auto g = MakeGrid();
    Fill(g.get());
    return g;
  }();
  return grid.get();
}

void BM_SetCellExMillionRows(benchmark::State& state) {
  double grown = 0, seconds = 0;
  bool props = false;
  for (auto _ : state) {
    state.PauseTiming();
    double before = ResidentBytes();
    auto g = MakeGrid();
    state.ResumeTiming();
    auto t0 = Clock::now();
    Fill(g.get());
    seconds += Seconds(t0);
    state.PauseTiming();
    grown = ResidentBytes() - before;
    props = g->HasCellProps();
    g.reset();
    state.ResumeTiming();
  }
  ReportPerCell(state, seconds);
  state.counters["store_MB"] = grown / (1024.0 * 1024.0);
  state.counters["cell_properties"] = props ? 1 : 0;
}
BENCHMARK(BM_SetCellExMillionRows)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_GetCellExMillionRows(benchmark::State& state) {
  TBaseGrid* g = FilledGrid();
  size_t total = 0;
  double seconds = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kCols; ++c) total += g->GetCellEx(c, r).size();
    seconds += Seconds(t0);
  }
  benchmark::DoNotOptimize(total);
  ReportPerCell(state, seconds);
  state.counters["resident_MB"] = ResidentBytes() / (1024.0 * 1024.0);
}
BENCHMARK(BM_GetCellExMillionRows)->Unit(benchmark::kMillisecond)->Iterations(3);

// Every tenth cell has properties (colours set by a form), one area in a
// thousand rows is merged: reads of such cells go through the slot.
void BM_GetCellExWithProperties(benchmark::State& state) {
  static std::unique_ptr<TBaseGrid> grid = [] {
    auto g = MakeGrid();
    Fill(g.get());
    for (int r = 0; r < kRows; ++r) g->GetCellProperties(r % kCols, r)->SetBrushColor(0x00C0FFC0);
    for (int r = 0; r + 1 < kRows; r += 1000) g->MergeCells(1, r, 2, 2);
    return g;
  }();
  size_t total = 0;
  double seconds = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kCols; ++c) total += grid->GetCellEx(c, r).size();
    seconds += Seconds(t0);
  }
  benchmark::DoNotOptimize(total);
  ReportPerCell(state, seconds);
}
BENCHMARK(BM_GetCellExWithProperties)->Unit(benchmark::kMillisecond)->Iterations(3);

// A read loop over every cell against the same loop over a vector of the
// same strings (the floor, read in place), in turns: through
// TBaseGrid::GetCellEx, through the full grid's Cells, and through the
// plain store's TStringGrid::Cells. Each ratio is the median of the
// per-round ratios. GetCellEx hands every caller its own copy of the text;
// copy_floor_ratio is the floor that copies each string as well, against
// the floor read in place: the least any read returning a string costs.
void BM_ReadLoopVsVectorOfStrings(benchmark::State& state) {
  static benchtable::TVectorTable floor = [] {
    benchtable::TVectorTable t;
    t.SetSize(kCols, kRows);
    benchtable::Fill([&t](int c, int r, const std::string& s) { t.SetCell(c, r, s); });
    return t;
  }();
  TBaseGrid* base = FilledGrid();
  static std::unique_ptr<TDedAdararAdoz> full = [] {
    auto g = std::make_unique<TDedAdararAdoz>(nullptr);
    g->SetColCount(kCols);
    g->SetRowCount(kRows);
    benchtable::Fill([&g](int c, int r, const std::string& s) { g->SetCellEx(c, r, s); });
    return g;
  }();
  size_t total = 0;
  auto floorLoop = [&] {
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kCols; ++c) total += floor.Cell(c, r).size();
  };
  benchrounds::TRounds getCellEx, cells, stringGrid, copies;
  for (auto _ : state) {
    copies.Round(
        [&] {
          for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c) {
              std::string copy = floor.Cell(c, r);
              benchmark::DoNotOptimize(copy.data());
              total += copy.size();
            }
        },
        floorLoop);
    getCellEx.Round(
        [&] {
          for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c) total += base->GetCellEx(c, r).size();
        },
        floorLoop);
    cells.Round(
        [&] {
          TDedAdararAdoz* g = full.get();
          for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c) total += g->Cells(c, r).size();
        },
        floorLoop);
    stringGrid.Round(
        [&] {
          for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c) total += base->TStringGrid::Cells(c, r).size();
        },
        floorLoop);
  }
  benchmark::DoNotOptimize(total);
  getCellEx.Report(state, "GetCellEx", "floor", "GetCellEx_ratio");
  cells.Report(state, "Cells", "floor2", "Cells_ratio");
  stringGrid.Report(state, "TStringGrid", "floor3", "TStringGrid_ratio");
  copies.Report(state, "copy_floor", "floor4", "copy_floor_ratio");
}
BENCHMARK(BM_ReadLoopVsVectorOfStrings)->Unit(benchmark::kMillisecond)->Iterations(7);

}  // namespace
