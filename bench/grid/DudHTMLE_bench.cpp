// Cell markup: laying out and drawing one screen of 500 markup cells into an
// offscreen bitmap (10 columns of 100 pixels, 50 rows of 22), measuring the
// same cells, and hit-testing a point in one cell, as the grid does on paint,
// on auto-size and on every mouse move.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "framework/backend/Painter.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/ImgList.h"
#include "grid/base/DudHTMLE.h"

namespace {

constexpr int kCols = 10;
constexpr int kRows = 50;
constexpr int kColWidth = 100;
constexpr int kRowHeight = 22;

// Texts of the length and kind markup cells of an access table hold.
const std::vector<std::string>& CellTexts() {
  static const std::vector<std::string> texts = [] {
    const char* forms[] = {
        "<B>DB%d</B>.DBW4",
        "<FONT COLOR=\"clred\">Alarm %d</FONT>",
        "<A HREF=\"row%d\">Details</A>",
        "<IMG SRC=\"IDX:0\"> Motor %d",
        "Speed <I>%d</I> rpm",
        "<FONT COLOR=\"#008000\"><B>OK</B></FONT> %d",
        "<U>Set</U> &amp; reset %d",
        "<CONTROL TYPE=\"CHECK\" ID=\"c%d\" VALUE=\"TRUE\"> on",
    };
    std::vector<std::string> t;
    for (int i = 0; i < kCols * kRows; ++i) {
      std::string s = forms[i % 8];
      const std::size_t p = s.find("%d");
      s.replace(p, 2, std::to_string(i));
      t.push_back(s);
    }
    return t;
  }();
  return texts;
}

struct TScreen {
  TBitmap bitmap{kCols * kColWidth, kRows* kRowHeight};
  TImageList list{nullptr, 16, 16};
  TMarkupParams params;
  TScreen() {
    TBitmap glyph(16, 16);
    list.Add(&glyph, nullptr);
    params.ImageList = &list;
    TCanvas* c = bitmap.Canvas();
    c->Font()->SetName("DejaVu Sans");
    c->Font()->SetSize(8);
    c->Brush()->SetColor(clWindow);
  }
};

void BM_MarkupScreenLayoutAndDraw(benchmark::State& state) {
  TScreen screen;
  TCanvas* c = screen.bitmap.Canvas();
  const auto& texts = CellTexts();
  TMarkupResult out;
  for (auto _ : state) {
    for (int r = 0; r < kRows; ++r) {
      for (int col = 0; col < kCols; ++col) {
        const TRect cell(col * kColWidth, r * kRowHeight, (col + 1) * kColWidth, (r + 1) * kRowHeight);
        DrawMarkup(c, texts[static_cast<std::size_t>(r * kCols + col)], cell, screen.params, out);
      }
    }
    benchmark::DoNotOptimize(out.XSize);
  }
  state.SetItemsProcessed(state.iterations() * kCols * kRows);
}
BENCHMARK(BM_MarkupScreenLayoutAndDraw)->Unit(benchmark::kMillisecond);

void BM_MarkupScreenMeasure(benchmark::State& state) {
  TScreen screen;
  screen.params.CheckHeight = true;
  TCanvas* c = screen.bitmap.Canvas();
  const auto& texts = CellTexts();
  TMarkupResult out;
  for (auto _ : state) {
    for (const std::string& t : texts)
      DrawMarkup(c, t, TRect(0, 0, kColWidth, kRowHeight), screen.params, out);
    benchmark::DoNotOptimize(out.YSize);
  }
  state.SetItemsProcessed(state.iterations() * kCols * kRows);
}
BENCHMARK(BM_MarkupScreenMeasure)->Unit(benchmark::kMillisecond);

void BM_MarkupHitTestPoint(benchmark::State& state) {
  TScreen screen;
  screen.params.CheckHotSpot = true;
  screen.params.XPos = 30;
  screen.params.YPos = 10;
  TCanvas* c = screen.bitmap.Canvas();
  const std::string text = "Open <A HREF=\"row7\" TITLE=\"Row 7\">details</A> of <B>DB7</B>";
  TMarkupResult out;
  for (auto _ : state) {
    const bool hit = DrawMarkup(c, text, TRect(0, 0, kColWidth, kRowHeight), screen.params, out);
    benchmark::DoNotOptimize(hit);
  }
}
BENCHMARK(BM_MarkupHitTestPoint)->Unit(benchmark::kMicrosecond);

}  // namespace
