// The value graphics of cells: progress bars and pies, the multi-level
// progress bar, range indicators and cell shapes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "DrawSupport.h"
#include "framework/graphics/RecordingCanvas.h"
#include "grid/base/VevDraw.h"

namespace {
constexpr TColor kPaper = 0x123456;

struct TPaper : TRecordingCanvas {
  TPaper(int W, int H) : TRecordingCanvas(W, H) {
    Brush()->SetColor(kPaper);
    FillRect(Rect(0, 0, W, H));
    Recorder().Clear();
  }
};
}  // namespace

TEST(VevDrawProgress, BarTextAndFillNeverDivideByAnEmptyRange) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    double value, min, max;
    const char* format;
    std::string text;
    int filled;  // pixels of the 100-pixel bar
  } cases[] = {
      {150, 0, 100, "", "150%", 100},
      {-5, 0, 100, "", "-5%", 0},
      {42.5, 0, 100, "", "42%", 42},
      {50, 0, 200, "%d", "50", 25},
      {50, 0, 200, "%.1f kg", "50.0 kg", 25},
      {300, 0, 200, "%d", "300", 100},
      {7, 5, 5, "%d", "7", 0},    // equal bounds
      {7, 9, 5, "%d", "7", 0},    // reversed bounds
      {3, 0, 10, "%s", "3", 30},  // a format that does not fit the value
      {nan, 0, 10, "%d", "0", 0},
  };
  for (const Case& c : cases) {
    TRecordingCanvas canvas(110, 24);
    canvas.Brush()->SetColor(clWhite);
    ASSERT_NO_THROW(DrawProgressBar(&canvas, Rect(0, 0, 104, 20), clNavy, clWhite, clSilver, clBlack, c.value,
                                    2, 2, c.min, c.max, c.format, clGray, false))
        << c.value << " " << c.format;
    auto parts = canvas.Recorder().Calls("TextRect");
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(parts[0].Text, c.text) << c.format;
    EXPECT_EQ(parts[1].Text, c.text);
    EXPECT_EQ(parts[0].Rect, Rect(2, 2, 2 + c.filled, 18)) << c.value << " " << c.format;
    EXPECT_EQ(parts[1].Rect, Rect(2 + c.filled, 2, 102, 18));
    EXPECT_EQ(parts[0].BrushColor, clNavy);
    EXPECT_EQ(parts[0].FontColor, clWhite);
    EXPECT_EQ(parts[1].BrushColor, clSilver);
    EXPECT_EQ(parts[1].FontColor, clBlack);
    // The same text at the same place in both parts, so each shows its piece.
    EXPECT_EQ(parts[0].Points, parts[1].Points);
    auto frames = canvas.Recorder().Calls("FrameRect");
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].BrushColor, clGray);
    EXPECT_EQ(frames[0].Rect, Rect(1, 1, 103, 19));
    EXPECT_EQ(frames[1].BrushColor, clWhite);  // the colour the canvas had
  }
}

TEST(VevDrawProgress, BarWithoutBorderOrUncompleteColourUsesTheBackground) {
  TRecordingCanvas canvas(110, 24);
  canvas.Brush()->SetColor(clCream);
  DrawProgressBar(&canvas, Rect(0, 0, 104, 20), clNavy, clWhite, clNone, clBlack, 30, 2, 2, 0, 100, "",
                  clNone, false);
  auto parts = canvas.Recorder().Calls("TextRect");
  ASSERT_EQ(parts.size(), 2u);
  EXPECT_EQ(parts[1].BrushColor, clCream);
  EXPECT_EQ(canvas.Recorder().Count("FrameRect"), 1);
}

TEST(VevDrawProgress, PieFillsClockwiseFromTwelveOClock) {
  TPaper half(41, 41);
  DrawProgressPie(&half, Rect(0, 0, 41, 41), clRed, false, 50);
  EXPECT_EQ(half.Pixels(30, 20), clRed);
  EXPECT_EQ(half.Pixels(10, 20), kPaper);
  EXPECT_EQ(half.Pixels(20, 0), clGray);  // the outline
  TPaper quarter(41, 41);
  DrawProgressPie(&quarter, Rect(0, 0, 41, 41), clRed, false, 25);
  EXPECT_EQ(quarter.Pixels(28, 12), clRed);
  EXPECT_EQ(quarter.Pixels(28, 28), kPaper);
  TPaper none(41, 41);
  DrawProgressPie(&none, Rect(0, 0, 41, 41), clRed, false, 0);
  EXPECT_EQ(none.Recorder().Count("FloodFill"), 0);
  SaveArtefact(half.TargetBitmap(), "progress_pie_half");
}

namespace {
// A bar 102 pixels wide: 100 pixels inside its outline.
TProgressAppearanceRec Plain() {
  TProgressAppearanceRec a;
  a.ShowGradient = false;
  a.ShowPercentage = false;
  return a;
}
}  // namespace

TEST(VevDrawProgress, MultiLevelBarColoursByLevel) {
  const TProgressAppearanceRec defaults;
  struct Case {
    const char* what;
    bool stacked;
    int percent;
    std::vector<std::pair<int, TColor>> pixels;  // x on the middle row
  } cases[] = {
      {"stacked 95",
       true,
       95,
       {{50, defaults.Level0Color}, {80, defaults.Level1Color}, {93, defaults.Level3Color}, {98, kPaper}}},
      {"stacked 100 ends at the far edge", true, 100, {{100, defaults.Level3Color}}},
      {"one level at 95", false, 95, {{10, defaults.Level2Color}, {95, defaults.Level2Color}, {97, kPaper}}},
      {"one level at 100", false, 100, {{10, defaults.Level3Color}, {100, defaults.Level3Color}}},
      {"beyond 100 is 100", false, 250, {{100, defaults.Level3Color}, {101, kPaper}}},
      {"low", false, 30, {{10, defaults.Level0Color}, {31, kPaper}}},
      {"nothing", false, -20, {{1, kPaper}}},
  };
  for (const Case& c : cases) {
    TPaper canvas(110, 12);
    TProgressAppearanceRec a = Plain();
    a.Stacked = c.stacked;
    DrawXPProgress(&canvas, Rect(0, 0, 102, 12), c.percent, a);
    for (const auto& [x, color] : c.pixels) EXPECT_EQ(canvas.Pixels(x, 6), color) << c.what << " at " << x;
  }
}

TEST(VevDrawProgress, MultiLevelBarInBlocks) {
  struct Case {
    int percent;
    std::vector<int> blockWidths;
  } cases[] = {{5, {4}}, {20, {7, 7}}, {24, {7, 7, 4}}, {1, {}}, {9, {8}}};
  for (const Case& c : cases) {
    TRecordingCanvas canvas(110, 12);
    TProgressAppearanceRec a = Plain();
    a.CompletionSmooth = false;
    DrawXPProgress(&canvas, Rect(0, 0, 102, 12), c.percent, a);
    auto blocks = canvas.Recorder().Calls("FillRect");
    ASSERT_EQ(blocks.size(), c.blockWidths.size()) << c.percent;
    for (size_t i = 0; i < blocks.size(); ++i) {
      EXPECT_EQ(blocks[i].Rect.Width(), c.blockWidths[i]) << c.percent;
      EXPECT_EQ(blocks[i].Rect.Left, 2 + 9 * static_cast<int>(i)) << c.percent;
    }
  }
}

TEST(VevDrawProgress, MultiLevelBarWithGradientAndPercentage) {
  TPaper canvas(110, 20);
  TProgressAppearanceRec a;  // gradient, percentage, border off
  a.UnCompleteColor = clWhite;
  a.ShowBorder = true;
  DrawXPProgress(&canvas, Rect(0, 0, 102, 20), 60, a);
  SaveArtefact(canvas.TargetBitmap(), "xp_progress");
  // Mirrored at the middle: the end colour at the edges, the colour inside.
  EXPECT_EQ(canvas.Pixels(30, 1), a.Level0ColorTo);
  EXPECT_EQ(canvas.Pixels(30, 9), a.Level0Color);
  EXPECT_EQ(canvas.Pixels(30, 18), a.Level0ColorTo);
  EXPECT_EQ(canvas.Pixels(80, 9), clWhite);
  EXPECT_EQ(canvas.Pixels(0, 9), a.BorderColor);
  auto text = canvas.Recorder().Calls("TextOut");
  ASSERT_EQ(text.size(), 1u);
  EXPECT_EQ(text[0].Text, "60%");
  EXPECT_EQ(text[0].FontColor, a.CompleteFontColor);
  // The outline is drawn again over the bar.
  EXPECT_EQ(canvas.Recorder().Ops().substr(canvas.Recorder().Ops().rfind(' ') + 1), "Rectangle");
}

TEST(VevDrawProgress, RangeIndicatorGrowsFromTheMiddle) {
  struct Case {
    int value, range;
    int rectangles;
    TRect bar;
    TColor color;
  } cases[] = {
      {50, 100, 1, Rect(52, 2, 77, 12), clGreen},
      {150, 100, 1, Rect(52, 2, 102, 12), clGreen},  // limited to the range
      {-50, 100, 1, Rect(27, 2, 52, 12), clRed},
      {-500, 100, 1, Rect(2, 2, 52, 12), clRed},
      {0, 100, 0, TRect(), clNone},
      {30, 0, 0, TRect(), clNone},  // no range: nothing grows
      {30, -5, 0, TRect(), clNone},
  };
  for (const Case& c : cases) {
    TRecordingCanvas canvas(110, 14);
    ASSERT_NO_THROW(
        DrawRangeIndicator(&canvas, Rect(0, 0, 104, 14), c.value, clGreen, clRed, false, c.range));
    auto bars = canvas.Recorder().Calls("Rectangle");
    ASSERT_EQ(static_cast<int>(bars.size()), c.rectangles) << c.value << "/" << c.range;
    if (c.rectangles) {
      EXPECT_EQ(bars[0].Rect, c.bar) << c.value;
      EXPECT_EQ(bars[0].BrushColor, c.color);
    }
  }
  TRecordingCanvas shown(110, 14);
  DrawRangeIndicator(&shown, Rect(0, 0, 104, 14), -40, clGreen, clRed, true, 100);
  auto text = shown.Recorder().Calls("TextOut");
  ASSERT_EQ(text.size(), 1u);
  EXPECT_EQ(text[0].Text, "-40");
}

TEST(VevDrawProgress, CellShapes) {
  struct Case {
    int shape;
    const char* op;
    int points;
    TRect rect;  // for the rectangle-like ones
  } cases[] = {
      {csRectangle, "Rectangle", 0, Rect(11, 21, 29, 29)},
      {csSquare, "Rectangle", 0, Rect(11, 21, 19, 29)},
      {csCircle, "Ellipse", 0, Rect(10, 20, 20, 30)},
      {csEllips, "Ellipse", 0, Rect(10, 20, 30, 30)},
      {csRoundRect, "RoundRect", 0, Rect(10, 20, 30, 30)},
      {csRoundSquare, "RoundRect", 0, Rect(10, 20, 20, 30)},
      {csLineVert, "FillRect", 0, Rect(20, 20, 21, 30)},
      {csLineHorz, "FillRect", 0, Rect(10, 25, 30, 26)},
      {csTriangleLeft, "Polygon", 3, TRect()},
      {csTriangleDown, "Polygon", 3, TRect()},
      {csDiamond, "Polygon", 4, TRect()},
      {csStar, "Polygon", 10, TRect()},
      {csHalfStar, "Polygon", 6, TRect()},
      {csArrowUp, "Polygon", 7, TRect()},
      {csArrowRight, "Polygon", 7, TRect()},
      {19, "", 0, TRect()},
      {-1, "", 0, TRect()},
  };
  for (const Case& c : cases) {
    TRecordingCanvas canvas(40, 40);
    DrawCellShape(&canvas, 10, 20, clBlack, clYellow, c.shape, 10, 20);
    EXPECT_EQ(canvas.Recorder().Ops(), c.op) << c.shape;
    if (std::string(c.op).empty()) continue;
    const TCanvasCall call = canvas.Recorder().AllCalls().front();
    EXPECT_EQ(call.BrushColor, clYellow) << c.shape;
    EXPECT_EQ(call.PenColor, clBlack) << c.shape;
    if (c.points) {
      EXPECT_EQ(static_cast<int>(call.Points.size()), c.points) << c.shape;
    } else {
      EXPECT_EQ(call.Rect, c.rect) << c.shape;
    }
    if (c.shape == csHalfStar) {
      for (const TPoint& p : call.Points) EXPECT_LE(p.X, 20);
    }
  }
}

TEST(VevDrawProgress, RatingStarsInAPicture) {
  TPaper canvas(64, 20);
  DrawCellShape(&canvas, 2, 2, clOlive, clYellow, csStar, 16, 16);
  DrawCellShape(&canvas, 22, 2, clOlive, clYellow, csHalfStar, 16, 16);
  DrawCellShape(&canvas, 42, 2, clOlive, clYellow, csCircle, 16, 20);
  SaveArtefact(canvas.TargetBitmap(), "cell_shapes");
  EXPECT_EQ(canvas.Pixels(10, 10), clYellow);  // the star's middle
  EXPECT_EQ(canvas.Pixels(3, 3), kPaper);      // between its points
  EXPECT_EQ(canvas.Pixels(27, 10), clYellow);  // the half star's left
  EXPECT_EQ(canvas.Pixels(34, 10), kPaper);    // and no right half
  EXPECT_EQ(canvas.Pixels(50, 10), clYellow);  // a circle of the smaller side
  EXPECT_EQ(canvas.Pixels(60, 10), kPaper);
}
