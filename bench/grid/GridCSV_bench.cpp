// Delimited text of 10^4, 10^5 and 10^6 rows of 10 cells: the grid's export
// and import against a plain hand loop producing and parsing the same bytes,
// in turns (the order changing every round). The hand loop's export writes
// its bytes the way every file of the program is written (the safe writer:
// temporary file, flush to the disk, rename), so both pay the same for the
// disk. ratio = the median of the per-round ratios of the grid's time to
// the hand loop's; the goal is 1.5 at every size.
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
#include "bench/support/Rounds.h"
#include "framework/os/SafeWriter.h"
#include "grid/model/DivUzev.h"

namespace {
const int kHeadless = [] { return setenv("QT_QPA_PLATFORM", "offscreen", 0); }();

using Clock = std::chrono::steady_clock;
double Seconds(Clock::time_point Since) {
  return std::chrono::duration<double>(Clock::now() - Since).count();
}

constexpr int kCols = 10;

std::string TempName(const char* Name) {
  return (std::filesystem::temp_directory_path() / ("cf_gridcsv_" + std::to_string(::getpid()) + Name))
      .string();
}

std::unique_ptr<TDedAdararAdoz> BigGrid(int Rows) {
  auto g = std::make_unique<TDedAdararAdoz>(nullptr);
  g->SetFixedRows(0);
  g->SetFixedCols(0);
  g->SetColCount(kCols);
  g->SetRowCount(Rows);
  const auto& texts = benchtable::Texts();
  size_t k = 0;
  for (int r = 0; r < Rows; ++r)
    for (int c = 0; c < kCols; ++c) {
      g->SetCells(c, r, texts[k]);
      if (++k == texts.size()) k = 0;
    }
  return g;
}

// The hand loop's export: the same cells, comma-separated, CR LF, written.
void HandWrite(const std::string& Name, int Rows) {
  const auto& texts = benchtable::Texts();
  std::string out;
  size_t k = 0;
  for (int r = 0; r < Rows; ++r) {
    for (int c = 0; c < kCols; ++c) {
      if (c > 0) out += ',';
      out += texts[k];
      if (++k == texts.size()) k = 0;
    }
    out += "\r\n";
  }
  SafeWriteFile(Name, out);
}

// The hand loop's import: read, split into rows of fields.
size_t HandRead(const std::string& Name, int Rows) {
  std::ifstream in(Name, std::ios::binary | std::ios::ate);
  std::string data(static_cast<size_t>(in.tellg()), '\0');
  in.seekg(0);
  in.read(data.data(), static_cast<std::streamsize>(data.size()));
  std::vector<std::vector<std::string>> rows;
  rows.reserve(Rows);
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

void BM_CsvExport(benchmark::State& State) {
  const int rows = static_cast<int>(State.range(0));
  auto g = BigGrid(rows);
  const std::string name = TempName("grid.csv"), hand = TempName("hand.csv");
  benchrounds::TRounds rounds;
  for (auto _ : State) rounds.Round([&] { g->SaveToCSV(name); }, [&] { HandWrite(hand, rows); });
  rounds.Report(State, "grid", "hand");
  std::remove(name.c_str());
  std::remove(hand.c_str());
}

void BM_CsvImport(benchmark::State& State) {
  const int rows = static_cast<int>(State.range(0));
  const std::string name = TempName("load.csv");
  HandWrite(name, rows);
  std::unique_ptr<TDedAdararAdoz> g;
  benchrounds::TRounds rounds;
  for (auto _ : State) {
    rounds.Round([&] { g->LoadFromCSV(name); }, [&] { benchmark::DoNotOptimize(HandRead(name, rows)); },
                 [&] {
                   // A fresh grid for every load, made untimed.
                   g = std::make_unique<TDedAdararAdoz>(nullptr);
                   g->SetFixedRows(0);
                   g->SetFixedCols(0);
                   g->SetDelimiter(',');
                 });
    // The first line is taken for the header unless LoadFirstRow.
    if (g->RowCount() < rows - 1 || g->Cells(kCols - 1, g->RowCount() - 1).empty()) {
      State.SkipWithError(("the grid read other rows: " + std::to_string(g->RowCount()) + " [" +
                           g->Cells(kCols - 1, g->RowCount() - 1) + "]")
                              .c_str());
      break;
    }
  }
  rounds.Report(State, "grid", "hand");
  std::remove(name.c_str());
}

BENCHMARK(BM_CsvExport)->Unit(benchmark::kMillisecond)->Arg(10000)->Iterations(41);
BENCHMARK(BM_CsvExport)->Unit(benchmark::kMillisecond)->Arg(100000)->Iterations(15);
BENCHMARK(BM_CsvExport)->Unit(benchmark::kMillisecond)->Arg(1000000)->Iterations(5);
BENCHMARK(BM_CsvImport)->Unit(benchmark::kMillisecond)->Arg(10000)->Iterations(41);
BENCHMARK(BM_CsvImport)->Unit(benchmark::kMillisecond)->Arg(100000)->Iterations(15);
BENCHMARK(BM_CsvImport)->Unit(benchmark::kMillisecond)->Arg(1000000)->Iterations(5);

}  // namespace
