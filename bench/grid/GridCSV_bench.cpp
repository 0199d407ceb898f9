// Delimited text of 1,000,000 x 10 cells: the grid's export and import
// against writing and parsing the same text with a plain hand loop in the
// same iteration. ratio = the grid's time / the hand loop's, so it should
// stay within 3.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "bench/support/BenchTable.h"
#include "grid/model/DivUzev.h"

namespace {
const int kHeadless = [] { return setenv("QT_QPA_PLATFORM", "offscreen", 0); }();

using Clock = std::chrono::steady_clock;
double Seconds(Clock::time_point Since) {
  return std::chrono::duration<double>(Clock::now() - Since).count();
}

constexpr int kRows = 1000000;
constexpr int kCols = 10;

std::string TempName(const char* Name) {
  return (std::filesystem::temp_directory_path() / ("cf_gridcsv_" + std::to_string(::getpid()) + Name))
      .string();
}

std::unique_ptr<TDedAdararAdoz> BigGrid() {
  auto g = std::make_unique<TDedAdararAdoz>(nullptr);
  g->SetFixedRows(0);
  g->SetFixedCols(0);
  g->SetColCount(kCols);
  g->SetRowCount(kRows);
  const auto& texts = benchtable::Texts();
  size_t k = 0;
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kCols; ++c) {
      g->SetCells(c, r, texts[k]);
      if (++k == texts.size()) k = 0;
    }
  return g;
}

// The hand loop's export: the same cells, comma-separated, CR LF, written.
void HandWrite(const std::string& Name) {
  const auto& texts = benchtable::Texts();
  std::string out;
  size_t k = 0;
  for (int r = 0; r < kRows; ++r) {
    for (int c = 0; c < kCols; ++c) {
      if (c > 0) out += ',';
      out += texts[k];
      if (++k == texts.size()) k = 0;
    }
    out += "\r\n";
  }
  std::ofstream(Name, std::ios::binary).write(out.data(), static_cast<std::streamsize>(out.size()));
}

// The hand loop's import: read, split into rows of fields.
size_t HandRead(const std::string& Name) {
  std::ifstream in(Name, std::ios::binary | std::ios::ate);
  std::string data(static_cast<size_t>(in.tellg()), '\0');
  in.seekg(0);
  in.read(data.data(), static_cast<std::streamsize>(data.size()));
  std::vector<std::vector<std::string>> rows;
  rows.reserve(kRows);
  size_t p = 0;
  while (p < data.size()) {
    auto& row = rows.emplace_back();
    row.reserve(kCols);
    size_t f = p;
    for (;; ++p) {
      if (p == data.size() || data[p] == ',' || data[p] == '\r') {
        row.emplace_back(data, f, p - f);
        if (p == data.size() || data[p] == '\r') break;
        f = p + 1;
      }
    }
    p += 2;
  }
  return rows.size();
}

void BM_CsvExport1M(benchmark::State& State) {
  auto g = BigGrid();
  const std::string name = TempName("grid.csv"), hand = TempName("hand.csv");
  double grid = 0, loop = 0;
  for (auto _ : State) {
    auto t0 = Clock::now();
    g->SaveToCSV(name);
    grid += Seconds(t0);
    t0 = Clock::now();
    HandWrite(hand);
    loop += Seconds(t0);
  }
  State.counters["grid_s"] = grid / static_cast<double>(State.iterations());
  State.counters["hand_s"] = loop / static_cast<double>(State.iterations());
  State.counters["ratio"] = grid / loop;
  std::remove(name.c_str());
  std::remove(hand.c_str());
}

void BM_CsvImport1M(benchmark::State& State) {
  const std::string name = TempName("load.csv");
  HandWrite(name);
  double grid = 0, loop = 0;
  for (auto _ : State) {
    State.PauseTiming();
    auto g = std::make_unique<TDedAdararAdoz>(nullptr);
    g->SetFixedRows(0);
    g->SetFixedCols(0);
    g->SetDelimiter(',');
    State.ResumeTiming();
    auto t0 = Clock::now();
    g->LoadFromCSV(name);
    grid += Seconds(t0);
    benchmark::DoNotOptimize(g->Cells(kCols - 1, kRows - 1));
    t0 = Clock::now();
    benchmark::DoNotOptimize(HandRead(name));
    loop += Seconds(t0);
    State.PauseTiming();
    g.reset();
    State.ResumeTiming();
  }
  State.counters["grid_s"] = grid / static_cast<double>(State.iterations());
  State.counters["hand_s"] = loop / static_cast<double>(State.iterations());
  State.counters["ratio"] = grid / loop;
  std::remove(name.c_str());
}

BENCHMARK(BM_CsvExport1M)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_CsvImport1M)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
