// The grid's files on a 100,000 x 10 grid: saving to and loading from the
// binary cell stream file and the grid text file, in MB/s of file data,
// each against writing (std::ofstream) or reading (std::ifstream) the same
// bytes plainly in the same iteration. ratio = the plain stream's time /
// the grid's, so 1 means as fast as the plain stream (the saves also flush
// the file to disk through the safe writer, which the plain stream does
// not).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "bench/support/BenchTable.h"
#include "grid/model/DivUzev.h"

namespace {
const int kHeadless = [] { return setenv("QT_QPA_PLATFORM", "offscreen", 0); }();

using Clock = std::chrono::steady_clock;
double Seconds(Clock::time_point Since) {
  return std::chrono::duration<double>(Clock::now() - Since).count();
}

constexpr int kRows = 100000;
constexpr int kCols = 10;

std::unique_ptr<TDedAdararAdoz> BigGrid() {
  auto g = std::make_unique<TDedAdararAdoz>(nullptr);
  g->SetColCount(kCols);
  g->SetRowCount(kRows);
  const auto& texts = benchtable::Texts();
  size_t k = 0;
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kCols; ++c) {
      g->SetCellEx(c, r, texts[k]);
      if (++k == texts.size()) k = 0;
    }
  return g;
}

std::string TempName(const char* Name) {
  return (std::filesystem::temp_directory_path() / ("cf_gridfiles_" + std::to_string(::getpid()) + Name))
      .string();
}

// The plain read: the file's size, then its bytes in one read.
std::string ReadAll(const std::string& Name) {
  std::ifstream in(Name, std::ios::binary | std::ios::ate);
  std::string data(static_cast<size_t>(in.tellg()), '\0');
  in.seekg(0);
  in.read(data.data(), static_cast<std::streamsize>(data.size()));
  return data;
}

void Report(benchmark::State& State, double Grid, double Plain, size_t Bytes) {
  const double n = static_cast<double>(State.iterations());
  const double mb = static_cast<double>(Bytes) / 1e6;
  State.counters["file_MB"] = mb;
  State.counters["grid_MBps"] = mb * n / Grid;
  State.counters["plain_MBps"] = mb * n / Plain;
  State.counters["ratio"] = Plain / Grid;
  State.SetBytesProcessed(static_cast<int64_t>(Bytes) * State.iterations());
}

enum TFormat { fmBinary, fmText };

void Save(TDedAdararAdoz* G, TFormat F, const std::string& Name) {
  if (F == fmBinary)
    G->SaveToBinFile(Name);
  else
    G->SaveToFile(Name);
}

void Load(TDedAdararAdoz* G, TFormat F, const std::string& Name) {
  if (F == fmBinary)
    G->LoadFromBinFile(Name);
  else
    G->LoadFromFile(Name);
}

void BM_Save100kRows(benchmark::State& State, TFormat F) {
  auto g = BigGrid();
  const std::string name = TempName("save"), plain = TempName("plain");
  double grid = 0, ofs = 0;
  size_t bytes = 0;
  for (auto _ : State) {
    auto t0 = Clock::now();
    Save(g.get(), F, name);
    grid += Seconds(t0);
    State.PauseTiming();
    const std::string data = ReadAll(name);
    bytes = data.size();
    State.ResumeTiming();
    t0 = Clock::now();
    {
      std::ofstream out(plain, std::ios::binary | std::ios::trunc);
      out.write(data.data(), static_cast<std::streamsize>(data.size()));
    }
    ofs += Seconds(t0);
  }
  Report(State, grid, ofs, bytes);
  std::remove(name.c_str());
  std::remove(plain.c_str());
}

void BM_Load100kRows(benchmark::State& State, TFormat F) {
  const std::string name = TempName("load");
  {
    auto g = BigGrid();
    Save(g.get(), F, name);
  }
  double grid = 0, ifs = 0;
  size_t bytes = 0;
  for (auto _ : State) {
    State.PauseTiming();
    auto g = std::make_unique<TDedAdararAdoz>(nullptr);
    State.ResumeTiming();
    auto t0 = Clock::now();
    Load(g.get(), F, name);
    grid += Seconds(t0);
    benchmark::DoNotOptimize(g->GetCellEx(kCols - 1, kRows - 1));
    t0 = Clock::now();
    const std::string data = ReadAll(name);
    ifs += Seconds(t0);
    bytes = data.size();
    State.PauseTiming();
    g.reset();
    State.ResumeTiming();
  }
  Report(State, grid, ifs, bytes);
  std::remove(name.c_str());
}

BENCHMARK_CAPTURE(BM_Save100kRows, BinaryCellStream, fmBinary)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_Load100kRows, BinaryCellStream, fmBinary)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_Save100kRows, GridTextFile, fmText)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_Load100kRows, GridTextFile, fmText)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
