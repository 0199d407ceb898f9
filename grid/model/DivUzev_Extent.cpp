// Measuring helpers that painting, sizing, printing and the fixed-width
// exports share: the room the text offset takes, the longest text line of a
// column, the most lines in a row, and where a turned text starts.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "framework/rtl/StrUtils.h"
#include "grid/base/VevUtil.h"
#include "grid/model/DivUzev.h"

int TDedAdararAdoz::GetXYOffsetWidth() const { return FXYOffsetTopLeftOnly ? FXYOffset.X : 2 * FXYOffset.X; }

int TDedAdararAdoz::GetXYOffsetHeight() const { return FXYOffsetTopLeftOnly ? FXYOffset.Y : 2 * FXYOffset.Y; }

int TDedAdararAdoz::MaxColumnTextLength(int ACol) {
  int longest = 0;
  for (int r = 0; r < RowCount(); ++r) {
    std::string text = GetCellEx(ACol, r);
    SaveCell(ACol, r, text);
    do {
      longest = std::max(longest, Utf8Length(CutFirstLine(text, true)));
    } while (FMultilineCells && !text.empty());
  }
  return longest;
}

int TDedAdararAdoz::MaxLinesInRow(int ARow) {
  if (ColCount() <= 0 || !FMultilineCells) return 1;
  int most = 1;
  for (int c = 0; c < ColCount(); ++c)
    most = std::max(most, LineCount(GetCellEx(RealColIndex(c), ARow), true));
  return most;
}

void TDedAdararAdoz::RotatedTextRect(TRect& ARect, int Angle, TVAlignment VAlign, TAlignment HAlign,
                                     const std::string& Text) {
  const TSize size = Canvas()->TextExtent(Text);
  const double a = Angle * std::numbers::pi / 180.0;
  const int A = std::abs(static_cast<int>(std::trunc(size.cy * std::cos(a))));
  const int B = std::abs(static_cast<int>(std::trunc(size.cx * std::sin(a))));
  const int C = std::abs(static_cast<int>(std::trunc(size.cy * std::sin(a))));
  const int D = std::abs(static_cast<int>(std::trunc(size.cx * std::cos(a))));
  ARect = TRect(ARect.Left + 2, ARect.Top + 2, ARect.Right - 2, ARect.Bottom - 2);
  AlignRotatedText(ARect, HAlign, VAlign, A, B, C, D, Angle);
}

void TDedAdararAdoz::AlignRotatedText(TRect& R, TAlignment HAlign, TVAlignment VAlign, int A, int B, int C,
                                      int D, int Angle) {
  const int quadrant = Angle <= 90 ? 1 : (Angle <= 180 ? 2 : (Angle > 270 ? 4 : 3));
  const int top = R.Top;
  // Halving truncates toward zero, as integer division does.
  const int half = (B + top + A - R.Bottom) / 2;
  switch (quadrant) {
    case 1:
      if (HAlign == taRightJustify) R.Left = R.Right - D - C;
      if (HAlign == taCenter) R.Left += (R.Right - R.Left - C - D) / 2;
      if (VAlign == vtaTop) R.Top += B;
      if (VAlign == vtaCenter) R.Top += B - half;
      if (VAlign == vtaBottom) R.Top = R.Bottom - A;
      break;
    case 2:
      if (HAlign == taLeftJustify) R.Left += D;
      if (HAlign == taRightJustify) R.Left = R.Right - C;
      if (HAlign == taCenter) R.Left = R.Right - (C + R.Right - R.Left - D) / 2;
      if (VAlign == vtaTop) R.Top += A + B;
      if (VAlign == vtaCenter) R.Top += A + B - half;
      if (VAlign == vtaBottom) R.Top = R.Bottom;
      break;
    case 3:
      if (HAlign == taLeftJustify) R.Left += C + D;
      if (HAlign == taRightJustify) R.Left = R.Right;
      if (HAlign == taCenter) R.Left = R.Right - (R.Right - R.Left - C - D) / 2;
      if (VAlign == vtaTop) R.Top += A;
      if (VAlign == vtaCenter) R.Top += A - half;
      if (VAlign == vtaBottom) R.Top = R.Bottom - B;
      break;
    default:
      if (HAlign == taLeftJustify) R.Left += C;
      if (HAlign == taRightJustify) R.Left = R.Right - D;
      if (HAlign == taCenter) R.Left += (C + R.Right - R.Left - D) / 2;
      if (VAlign == vtaCenter) R.Top -= half;
      if (VAlign == vtaBottom) R.Top = R.Bottom - A - B;
      break;
  }
}
