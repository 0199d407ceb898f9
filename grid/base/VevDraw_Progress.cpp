// Progress bars, progress pies, the multi-level progress bar and range
// indicators.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "framework/rtl/Format.h"
#include "framework/rtl/Math.h"
#include "grid/base/VevDraw.h"

namespace {
// Rounded, with what a cell may hold that is no number read as 0.
std::int64_t RoundValue(double V) {
  if (!std::isfinite(V)) return 0;
  return Round(std::clamp(V, -1e15, 1e15));
}

void SolidIn(TCanvas* C, TColor Brush, TColor Pen) {
  C->Brush()->SetStyle(bsSolid);
  C->Brush()->SetColor(Brush);
  C->Pen()->SetStyle(psSolid);
  C->Pen()->SetWidth(1);
  C->Pen()->SetColor(Pen);
}

void ProgressText(double Value, double Min, double Max, const std::string& Fmt, std::string& Text,
                  int& Percent) {
  if (Fmt.empty()) {
    Text = std::to_string(RoundValue(Value)) + "%";
    Percent = static_cast<int>(std::clamp<std::int64_t>(RoundValue(Value), 0, 100));
    return;
  }
  const bool integral = Fmt.find_first_of("du") != std::string::npos;
  try {
    Text = integral ? Format(Fmt, {RoundValue(Value)}) : Format(Fmt, {std::isfinite(Value) ? Value : 0.0});
  } catch (const Exception&) {
    // A format that does not fit its value shows the plain number.
    Text = std::to_string(RoundValue(Value));
  }
  Percent = ProgressPercent(Value, Min, Max);
}

// A segment or block in the colour pair: mirrored at the bar's middle with
// the gradient, else solid.
void DrawSegment(TCanvas* C, const TRect& R, TColor Color, TColor ColorTo, const TProgressAppearanceRec& A) {
  if (IsRectEmpty(R)) return;
  if (!A.ShowGradient) {
    SolidIn(C, Color, Color);
    C->FillRect(R);
    return;
  }
  TRect first = R, second = R;
  if (A.Vertical) {
    first.Right = second.Left = R.Left + R.Width() / 2;
  } else {
    first.Bottom = second.Top = R.Top + R.Height() / 2;
  }
  // Across the bar: top to bottom for a horizontal one.
  FillGradientRect(C, ColorTo, Color, A.Vertical, first, A.Steps);
  FillGradientRect(C, Color, ColorTo, A.Vertical, second, A.Steps);
}

// The part of the inside from Offset, Length long along the bar (from the
// left, or from the bottom when vertical).
TRect Along(const TRect& Inner, bool Vertical, int Offset, int Length) {
  if (Vertical) return TRect(Inner.Left, Inner.Bottom - Offset - Length, Inner.Right, Inner.Bottom - Offset);
  return TRect(Inner.Left + Offset, Inner.Top, Inner.Left + Offset + Length, Inner.Bottom);
}
}  // namespace

int ProgressPercent(double Value, double Min, double Max) {
  if (!(Max > Min) || !std::isfinite(Value)) return 0;
  const double p = (Value - Min) * 100 / (Max - Min);
  return static_cast<int>(RoundValue(std::clamp(p, 0.0, 100.0)));
}

void DrawProgressBar(TCanvas* ACanvas, const TRect& R, TColor CompleteColor, TColor CompleteFontColor,
                     TColor UnCompleteColor, TColor UnCompleteFontColor, double Value, int MarginX,
                     int MarginY, double Min, double Max, const std::string& Fmt, TColor BorderColor,
                     bool Upward) {
  const TColor background = ACanvas->Brush()->Color();
  std::string text;
  int percent = 0;
  ProgressText(Value, Min, Max, Fmt, text, percent);

  TRect r = R;
  InflateRect(r, -MarginX, -MarginY);
  const int split = r.Left + static_cast<int>(Round(percent * r.Width() / 100.0));
  const TRect done(r.Left, r.Top, split, r.Bottom), rest(split, r.Top, r.Right, r.Bottom);
  const TSize extent = ACanvas->TextExtent(text);
  const int x = r.Left + (r.Width() - extent.cx) / 2;
  const int y = Upward ? r.Top + (r.Height() + extent.cy) / 2 : r.Top + (r.Height() - extent.cy) / 2;

  SolidIn(ACanvas, CompleteColor, CompleteColor);
  ACanvas->Font()->SetColor(CompleteFontColor);
  ACanvas->TextRect(done, x, y, text);
  const TColor uncomplete = UnCompleteColor == clNone ? background : UnCompleteColor;
  SolidIn(ACanvas, uncomplete, uncomplete);
  ACanvas->Font()->SetColor(UnCompleteFontColor);
  ACanvas->TextRect(rest, x, y, text);

  InflateRect(r, 1, 1);
  if (BorderColor != clNone) {
    ACanvas->Brush()->SetColor(BorderColor);
    ACanvas->FrameRect(r);
  }
  InflateRect(r, 1, 1);
  ACanvas->Brush()->SetColor(background);
  ACanvas->FrameRect(r);
}

void DrawProgressPie(TCanvas* ACanvas, const TRect& R, TColor FillColor, bool Upward, double Percent) {
  const double percent = std::isfinite(Percent) ? std::clamp(Percent, 0.0, 100.0) : 0.0;
  ACanvas->Pen()->SetStyle(psSolid);
  ACanvas->Pen()->SetColor(clGray);
  ACanvas->Pen()->SetWidth(1);
  ACanvas->Ellipse(R);
  const int cx = (R.Left + R.Right) / 2, cy = (R.Top + R.Bottom) / 2;
  const double rx = (R.Width() + 1) / 2, ry = (R.Height() + 1) / 2;
  const double a = percent / 100 * 2 * std::numbers::pi;
  ACanvas->MoveTo(cx, cy);
  ACanvas->LineTo(cx, R.Top);
  ACanvas->MoveTo(cx, cy);
  ACanvas->LineTo(cx + static_cast<int>(Round(std::sin(a) * rx)),
                  cy - static_cast<int>(Round(std::cos(a) * ry)));
  if (percent == 0) return;
  ACanvas->Brush()->SetStyle(bsSolid);
  ACanvas->Brush()->SetColor(FillColor);
  ACanvas->FloodFill(cx + 1, Upward ? R.Top - 2 : R.Top + 2, clGray, fsBorder);
}

void DrawXPProgress(TCanvas* ACanvas, const TRect& R, int Percent, const TProgressAppearanceRec& A) {
  const int percent = std::clamp(Percent, 0, 100);
  const bool filled = A.UnCompleteColor != clNone;
  const TColor outline = A.ShowBorder ? A.BorderColor : A.UnCompleteColor;
  auto outlineStyle = [&] {
    ACanvas->Pen()->SetStyle(outline == clNone ? psClear : psSolid);
    ACanvas->Pen()->SetWidth(1);
    ACanvas->Pen()->SetColor(outline);
  };
  // The colour first: giving a clear brush a colour makes it solid.
  ACanvas->Brush()->SetColor(A.UnCompleteColor);
  ACanvas->Brush()->SetStyle(filled ? bsSolid : bsClear);
  outlineStyle();
  ACanvas->Rectangle(R);
  if (percent <= 0) return;

  const TRect inner(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1);
  const int length = (A.Vertical ? R.Height() : R.Width()) - 2;
  auto lengthOf = [&](double Part) { return static_cast<int>(Round(Part / 100 * length)); };

  if (A.Stacked) {
    const int l0 = lengthOf(std::min(percent, A.Level1Perc));
    DrawSegment(ACanvas, Along(inner, A.Vertical, 0, l0), A.Level0Color, A.Level0ColorTo, A);
    if (percent >= A.Level1Perc) {
      const int l1 = lengthOf(std::min(percent, A.Level2Perc) - A.Level1Perc);
      DrawSegment(ACanvas, Along(inner, A.Vertical, l0, l1), A.Level1Color, A.Level1ColorTo, A);
      if (percent >= A.Level2Perc) {
        const int l2 = percent == 100 ? length - l0 - l1 : lengthOf(percent - A.Level2Perc);
        DrawSegment(ACanvas, Along(inner, A.Vertical, l0 + l1, l2), A.Level3Color, A.Level3ColorTo, A);
      }
    }
  } else {
    TColor c = A.Level2Color, cTo = A.Level2ColorTo;
    if (percent < A.Level1Perc) {
      c = A.Level0Color, cTo = A.Level0ColorTo;
    } else if (percent < A.Level2Perc) {
      c = A.Level1Color, cTo = A.Level1ColorTo;
    } else if (percent >= 100) {
      c = A.Level3Color, cTo = A.Level3ColorTo;
    }
    if (A.CompletionSmooth) {
      DrawSegment(ACanvas, Along(inner, A.Vertical, 0, lengthOf(percent)), c, cTo, A);
    } else {
      // Blocks 7 pixels long, 9 apart, from 2 pixels inside the bar.
      const int n = static_cast<int>(Round(percent * length / 100.0));
      if (n > 9) {
        int at = 0;
        for (; at + 9 <= n; at += 9) DrawSegment(ACanvas, Along(inner, A.Vertical, at + 1, 7), c, cTo, A);
        if (n - at > 2) DrawSegment(ACanvas, Along(inner, A.Vertical, at + 1, n - at - 2), c, cTo, A);
      } else if (n >= 2) {
        DrawSegment(ACanvas, Along(inner, A.Vertical, 1, n - 1), c, cTo, A);
      }
      ACanvas->Brush()->SetStyle(bsClear);
    }
  }

  if (A.ShowPercentage) {
    const std::string text = std::to_string(percent) + "%";
    if (A.Font != nullptr) ACanvas->Font()->Assign(A.Font);
    ACanvas->Font()->SetColor(A.CompleteFontColor);
    ACanvas->Font()->SetOrientation(A.Vertical ? 900 : 0);
    ACanvas->Brush()->SetStyle(bsClear);
    const TSize extent = ACanvas->TextExtent(text);
    if (A.Vertical) {
      // Turned a quarter to the left: the text runs upwards from its start.
      ACanvas->TextOut(R.Left + (R.Width() - extent.cy) / 2, R.Top + (R.Height() + extent.cx) / 2, text);
      ACanvas->Font()->SetOrientation(0);
    } else {
      ACanvas->TextOut(R.Left + (R.Width() - extent.cx) / 2, R.Top + (R.Height() - extent.cy) / 2, text);
    }
  }
  ACanvas->Brush()->SetStyle(bsClear);
  outlineStyle();
  ACanvas->Rectangle(R);
}

void DrawRangeIndicator(TCanvas* ACanvas, const TRect& R, int Value, TColor PositiveColor,
                        TColor NegativeColor, bool ShowValue, int Range) {
  TRect r = R;
  InflateRect(r, -2, -2);
  const int m = r.Left + r.Width() / 2;
  if (Range > 0 && Value != 0) {
    const int v = std::clamp(Value, -Range, Range);
    const int d = static_cast<int>(Round(r.Width() / 2 * static_cast<double>(v) / Range));
    const TColor color = v > 0 ? PositiveColor : NegativeColor;
    SolidIn(ACanvas, color, color);
    ACanvas->Rectangle(v > 0 ? TRect(m, r.Top, m + d, r.Bottom) : TRect(m + d, r.Top, m, r.Bottom));
  }
  if (ShowValue) {
    const std::string text = std::to_string(Value);
    const TSize extent = ACanvas->TextExtent(text);
    ACanvas->Brush()->SetStyle(bsClear);
    ACanvas->TextOut(m - extent.cx / 2, r.Top + (r.Height() - extent.cy) / 2, text);
  }
}
