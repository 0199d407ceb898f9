// Printing a grid of 10,000 rows of five short texts into a PDF file (the
// counting pass, every page laid out and drawn, the file written through
// the safe writer), and the same cells printed the Qt way, as an HTML table
// in a QTextDocument, in the same run.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "bench/support/BenchTable.h"
#include "framework/backend/qt/benchpeers/QtPrintPeer.h"
#include "framework/graphics/Printers.h"
#include "grid/model/DivUzev.h"

namespace {
const int kHeadless = [] { return setenv("QT_QPA_PLATFORM", "offscreen", 0); }();

constexpr int kRows = 10000;
constexpr int kCols = 5;

using Clock = std::chrono::steady_clock;

std::unique_ptr<TDedAdararAdoz> MakeGrid() {
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
  g->PrintSettings()->SetPageNr(ppBottomCenter);
  return g;
}

std::string PdfPath(const char* Name) {
  return (std::filesystem::temp_directory_path() / (std::string(Name) + std::to_string(::getpid()) + ".pdf"))
      .string();
}

void BM_PrintToPdf(benchmark::State& state) {
  auto g = MakeGrid();
  const std::string file = PdfPath("cf_bench_print_");
  Printer()->SetFileName(file);
  for (auto _ : state) g->Print();
  state.counters["pages"] = g->PrintNrOfPages();
  state.SetItemsProcessed(state.iterations() * kRows);
  Printer()->SetFileName("");
  std::remove(file.c_str());
}
BENCHMARK(BM_PrintToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

// Both in every iteration, so the ratio compares the same moment of the
// machine.
void BM_PrintToPdfVsQtTextDocument(benchmark::State& state) {
  auto g = MakeGrid();
  const std::string file = PdfPath("cf_bench_print_"), peerFile = PdfPath("cf_bench_qtprint_");
  Printer()->SetFileName(file);
  QtPrintPeer peer;
  peer.Load(kRows, kCols, benchtable::Texts());
  double grid = 0, qt = 0;
  int qtPages = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    g->Print();
    grid += std::chrono::duration<double>(Clock::now() - t0).count();
    t0 = Clock::now();
    qtPages = peer.PrintToPdf(peerFile);
    qt += std::chrono::duration<double>(Clock::now() - t0).count();
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["grid_ms"] = grid / n * 1000;
  state.counters["qt_ms"] = qt / n * 1000;
  state.counters["ratio"] = qt > 0 ? grid / qt : 0;
  state.counters["grid_pages"] = g->PrintNrOfPages();
  state.counters["qt_pages"] = qtPages;
  Printer()->SetFileName("");
  std::remove(file.c_str());
  std::remove(peerFile.c_str());
}
BENCHMARK(BM_PrintToPdfVsQtTextDocument)->Unit(benchmark::kMillisecond)->Iterations(2);
}  // namespace
