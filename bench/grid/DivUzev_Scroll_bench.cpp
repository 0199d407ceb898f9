// Scrolling by thumb drag on a grid of 100 rows and of 1,000,000 rows: a
// step of the drag must cost the same on both.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "framework/controls/Forms.h"
#include "grid/model/DivUzev.h"

namespace {
const int kHeadless = [] { return setenv("QT_QPA_PLATFORM", "offscreen", 0); }();

void BM_ThumbTrack(benchmark::State& State) {
  (void)kHeadless;
  auto form = std::make_unique<TForm>(nullptr);
  form->SetBounds(0, 0, 500, 400);
  auto* g = new TDedAdararAdoz(form.get());
  g->SetParent(form.get());
  g->SetBounds(0, 0, 480, 380);
  g->SetRowCount(static_cast<int>(State.range(0)));
  g->SetScrollHints(shVertical);
  g->SetScrollSynch(true);
  form->Show();
  int pos = 0;
  for (auto _ : State) {
    pos = (pos + 7) % 128;
    g->Perform(WM_VSCROLL, MakeWParam(SB_THUMBTRACK, pos), 0);
    benchmark::DoNotOptimize(g->TopRow());
  }
  g->Perform(WM_VSCROLL, MakeWParam(SB_ENDSCROLL, 0), 0);
}
BENCHMARK(BM_ThumbTrack)->Arg(100)->Arg(1000000);

}  // namespace
