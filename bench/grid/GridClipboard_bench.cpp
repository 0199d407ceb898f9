// Copying a selection of 10,000 x 10 cells to the clipboard (the text
// form, and with the grid's own cells format too), against joining the
// same texts with TABs and line ends by a plain hand loop in the same
// iteration. copy_ms should stay under 200; ratio = the grid / the loop.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>

#include "bench/support/BenchTable.h"
#include "framework/controls/Clipbrd.h"
#include "grid/model/DivUzev.h"

namespace {
const int kHeadless = [] { return setenv("QT_QPA_PLATFORM", "offscreen", 0); }();

using Clock = std::chrono::steady_clock;
double Seconds(Clock::time_point Since) {
  return std::chrono::duration<double>(Clock::now() - Since).count();
}

constexpr int kRows = 10000;
constexpr int kCols = 10;

std::unique_ptr<TDedAdararAdoz> Grid() {
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
  g->SetSelection(TGridRect(0, 0, kCols - 1, kRows - 1));
  return g;
}

std::string HandText() {
  const auto& texts = benchtable::Texts();
  std::string out;
  size_t k = 0;
  for (int r = 0; r < kRows; ++r) {
    for (int c = 0; c < kCols; ++c) {
      if (c > 0) out += '\t';
      out += texts[k];
      if (++k == texts.size()) k = 0;
    }
    out += "\r\n";
  }
  return out;
}

void BM_CopySelection10k(benchmark::State& State) {
  auto g = Grid();
  g->Navigation()->SetAllowFmtClipboard(State.range(0) != 0);
  double grid = 0, loop = 0;
  for (auto _ : State) {
    auto t0 = Clock::now();
    g->CopySelectionToClipboard();
    grid += Seconds(t0);
    t0 = Clock::now();
    Clipboard()->SetAsText(HandText());
    loop += Seconds(t0);
  }
  const double n = static_cast<double>(State.iterations());
  State.counters["copy_ms"] = 1000 * grid / n;
  State.counters["hand_ms"] = 1000 * loop / n;
  State.counters["ratio"] = grid / loop;
}

BENCHMARK(BM_CopySelection10k)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("cells")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace
