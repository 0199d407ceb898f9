// Drawing costs that painting code pays per cell: band fills, text layout,
// clip regions and bitmap coding.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "framework/graphics/Gdi.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/Region.h"

namespace {
const int kHeadless = [] { return setenv("QT_QPA_PLATFORM", "offscreen", 0); }();

// A 128-band gradient as the cell backgrounds draw it.
void BM_GradientBands(benchmark::State& state) {
  TBitmap b(200, 24);
  TCanvas* c = b.Canvas();
  for (auto _ : state) {
    for (int k = 0; k <= 128; ++k) {
      c->Brush()->SetColor(RGB(k * 2, 255 - k, 128));
      c->Pen()->SetColor(c->Brush()->Color());
      c->Rectangle(Rect(k * 200 / 128, 0, k * 200 / 128 + 3, 24));
    }
  }
  state.SetItemsProcessed(state.iterations() * 129);
}
BENCHMARK(BM_GradientBands);

void BM_DrawTextWordBreak(benchmark::State& state) {
  TBitmap b(160, 200);
  TCanvas* c = b.Canvas();
  c->Brush()->SetStyle(bsClear);
  const std::string text = "The converter reads the PLC data blocks and sends them as CAN frames every cycle";
  for (auto _ : state) {
    TRect r(0, 0, 160, 200);
    benchmark::DoNotOptimize(DrawText(c->Handle(), text, r, DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX));
  }
}
BENCHMARK(BM_DrawTextWordBreak);

void BM_DrawTextEllipsis(benchmark::State& state) {
  TBitmap b(80, 20);
  TCanvas* c = b.Canvas();
  const std::string text = "A cell text far too long for its narrow column";
  for (auto _ : state) {
    TRect r(0, 0, 80, 20);
    benchmark::DoNotOptimize(DrawText(c->Handle(), text, r, DT_SINGLELINE | DT_END_ELLIPSIS | DT_VCENTER));
  }
}
BENCHMARK(BM_DrawTextEllipsis);

void BM_RegionClipUnderFixedArea(benchmark::State& state) {
  TRegion grid(Rect(0, 0, 800, 600));
  TRegion round = TRegion::FromRoundRect(Rect(40, 40, 400, 300), 12, 12);
  for (auto _ : state) {
    TRegion r = TRegion::Combine(grid, round, RGN_DIFF);
    benchmark::DoNotOptimize(r.Contains(100, 100));
  }
}
BENCHMARK(BM_RegionClipUnderFixedArea);

void BM_BmpRoundTrip(benchmark::State& state) {
  TBitmap b(256, 256);
  b.SetPixelFormat(pf24bit);
  for (auto _ : state) {
    std::vector<uint8_t> bytes = b.SaveToBytes();
    TBitmap c;
    c.LoadFromBytes(bytes.data(), bytes.size());
    benchmark::DoNotOptimize(c.Width());
  }
}
BENCHMARK(BM_BmpRoundTrip);
}  // namespace
