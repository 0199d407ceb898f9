// Cost of the push buttons the dialogs create at start-up: 124 buttons on
// their forms, made and freed, each with its suspended fade thread (which
// must not start an operating-system thread), and one button's paint.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "controls/button/LbButton.h"
#include "framework/backend/Painter.h"
#include "framework/controls/Forms.h"

namespace {
const int kHeadless = [] { return setenv("QT_QPA_PLATFORM", "offscreen", 0); }();

constexpr int kButtons = 124;

int ThreadCount() {
  int n = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator("/proc/self/task")) ++n;
  return n;
}

void BM_CreateAndFree124Buttons(benchmark::State& state) {
  Application->Initialize();
  const int before = ThreadCount();
  int grown = 0;
  for (auto _ : state) {
    TForm form(nullptr);
    for (int i = 0; i < kButtons; ++i) {
      auto* b = new TLbButton(&form);
      b->SetParent(&form);
      b->SetBounds(8 + (i % 8) * 104, 8 + (i / 8) * 27, 100, 23);
      b->SetKind(i % 2 == 0 ? bkOK : bkCancel);
    }
    grown = std::max(grown, ThreadCount() - before);
  }
  state.counters["os_threads_started"] = grown;
  if (grown > 0) state.SkipWithError("creating buttons started operating-system threads");
  state.SetItemsProcessed(state.iterations() * kButtons);
}
BENCHMARK(BM_CreateAndFree124Buttons)->Unit(benchmark::kMillisecond);

void BM_PaintOneButton(benchmark::State& state) {
  Application->Initialize();
  TForm form(nullptr);
  auto* b = new TLbButton(&form);
  b->SetParent(&form);
  b->SetKind(bkOK);
  b->SetStyle(static_cast<TLbButtonStyle>(state.range(0)));
  TBitmap target(100, 23);
  for (auto _ : state) b->PaintTo(target.Canvas(), 0, 0);
}
BENCHMARK(BM_PaintOneButton)->DenseRange(bsNormal, bsQuicken)->Unit(benchmark::kMicrosecond);

}  // namespace
