// Read-only aggregates over a column or row, numbering a column or row,
// and sizing columns and rows to their contents or to the control.
#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "framework/controls/WinApi.h"
#include "framework/graphics/Gdi.h"
#include "framework/rtl/Math.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/DudHTMLE.h"
#include "grid/base/VevUtil.h"
#include "grid/model/DivUzev.h"

namespace {

enum TAggregate { akSum, akAvg, akMin, akMax, akStdDev };

// The value of a cell text, as the typed float reader takes it; false for
// an empty cell and for a text that is not a number (both are skipped).
bool CellNumber(const std::string& Text, double& Value) {
  const std::string t = Trim(Text);
  if (t.empty() || t == "-") return false;
  return TryStrToFloat(ExtractNumberText(Text), Value, '.');
}

double Aggregate(const std::vector<double>& Values, int Kind) {
  if (Values.empty()) return 0;
  double sum = 0;
  for (double v : Values) sum += v;
  const double n = static_cast<double>(Values.size());
  switch (Kind) {
    case akSum:
      return sum;
    case akAvg:
      return sum / n;
    case akMin:
      return *std::min_element(Values.begin(), Values.end());
    case akMax:
      return *std::max_element(Values.begin(), Values.end());
    default: {
      const double mean = sum / n;
      double squares = 0;
      for (double v : Values) squares += (v - mean) * (v - mean);
      return std::sqrt(squares / n);
    }
  }
}

}  // namespace

// ---------------------------------------------------------------------------
// Column and row aggregates

struct TDedAdararAdoz::TColumnRange {
  std::vector<double> Values;  // the counted cells' numbers
};

TDedAdararAdoz::TColumnRange TDedAdararAdoz::ReadColumnRange(int ACol, int FromRow, int ToRow, int Real) {
  if (FromRow == -1 || ToRow == -1) {
    FromRow = FixedRows();
    ToRow = RowCount() - FFixedFooters - 1;
  }
  // Past the last shown row the range means real rows, hidden ones
  // included.
  const bool real = Real < 0 ? ToRow > RowCount() - 1 : Real > 0;
  const bool grouped = FGroupColumn != -1;
  TColumnRange range;
  ExportNotification(0, FromRow);
  for (int r = std::max(FromRow, 0); r <= ToRow; ++r) {
    const bool hidden = real && IsHiddenRow(r);
    const int d = real ? DisplRowIndex(r) : r;
    if (!hidden) {
      if (d >= RowCount()) break;
      if (grouped) {
        const TCellType kind = GetCellType(0, d);
        if (kind == ctNode || kind == ctSummary) continue;
      }
      if (IsMergedNonBaseCell(ACol, d)) continue;
    } else if (r >= TotalRowCount()) {
      break;
    }
    ExportNotification(5, r);
    double v = 0;
    const std::string text = real ? AllCells(ACol, r) : GetStrippedCell(ACol, d);
    if (CellNumber(real ? MarkupToPlainText(text) : text, v)) range.Values.push_back(v);
  }
  ExportNotification(2, -1);
  return range;
}

double TDedAdararAdoz::ColumnAggregate(int ACol, int FromRow, int ToRow, int Kind, int Real) {
  return Aggregate(ReadColumnRange(ACol, FromRow, ToRow, Real).Values, Kind);
}

double TDedAdararAdoz::ColumnSum(int ACol, int FromRow, int ToRow) {
  return ColumnAggregate(ACol, FromRow, ToRow, akSum, -1);
}
double TDedAdararAdoz::ColumnAvg(int ACol, int FromRow, int ToRow) {
  return ColumnAggregate(ACol, FromRow, ToRow, akAvg, -1);
}
double TDedAdararAdoz::ColumnMin(int ACol, int FromRow, int ToRow) {
  return ColumnAggregate(ACol, FromRow, ToRow, akMin, -1);
}
double TDedAdararAdoz::ColumnMax(int ACol, int FromRow, int ToRow) {
  return ColumnAggregate(ACol, FromRow, ToRow, akMax, -1);
}
double TDedAdararAdoz::ColumnStdDev(int ACol, int FromRow, int ToRow) {
  return ColumnAggregate(ACol, FromRow, ToRow, akStdDev, -1);
}

double TDedAdararAdoz::ColumnDistinct(int ACol, int FromRow, int ToRow) {
  return DistinctCount(ACol, FromRow, ToRow, -1);
}

double TDedAdararAdoz::DistinctCount(int ACol, int FromRow, int ToRow, int Real) {
  if (FromRow == -1 || ToRow == -1) {
    FromRow = FixedRows();
    ToRow = RowCount() - FFixedFooters - 1;
  }
  const bool real = Real < 0 ? ToRow > RowCount() - 1 : Real > 0;
  std::unordered_set<std::string> seen;
  const int end = std::min(ToRow, (real ? TotalRowCount() : RowCount()) - 1);
  for (int r = std::max(FromRow, 0); r <= end; ++r)
    seen.insert(AnsiUpperCase(real ? AllCells(ACol, r) : GetCellEx(ACol, r)));
  return static_cast<double>(seen.size());
}

double TDedAdararAdoz::ColumnCustomCalc(int ACol, int FromRow, int ToRow) {
  double res = 0;
  if (OnColumnCalc) OnColumnCalc(this, ACol, FromRow, ToRow, res);
  return res;
}

double TDedAdararAdoz::GroupCustomCalc(int ACol, int FromRow, int ToRow) {
  double res = 0;
  if (OnGroupCalc) OnGroupCalc(this, ACol, FromRow, ToRow, res);
  return res;
}

namespace {

std::vector<double> RowValues(TDedAdararAdoz& G, int ARow, int FromCol, int ToCol) {
  std::vector<double> values;
  for (int c = std::max(FromCol, 0); c <= ToCol; ++c) {
    if (G.IsMergedNonBaseCell(c, ARow)) continue;
    double v = 0;
    if (CellNumber(G.GetStrippedCell(c, ARow), v)) values.push_back(v);
  }
  return values;
}

}  // namespace

double TDedAdararAdoz::RowSum(int ARow, int FromCol, int ToCol) {
  return Aggregate(RowValues(*this, ARow, FromCol, ToCol), akSum);
}
double TDedAdararAdoz::RowAvg(int ARow, int FromCol, int ToCol) {
  return Aggregate(RowValues(*this, ARow, FromCol, ToCol), akAvg);
}
double TDedAdararAdoz::RowMin(int ARow, int FromCol, int ToCol) {
  return Aggregate(RowValues(*this, ARow, FromCol, ToCol), akMin);
}
double TDedAdararAdoz::RowMax(int ARow, int FromCol, int ToCol) {
  return Aggregate(RowValues(*this, ARow, FromCol, ToCol), akMax);
}

// ---------------------------------------------------------------------------
// Numbering

void TDedAdararAdoz::AutoNumberCol(int ACol) {
  if (RowCount() <= 0) return;
  const int last = RowCount() - FFixedFooters - 1;
  for (int k = FixedRows() + FAutoNumberStart; k <= last; ++k) {
    const int number = k - FixedRows() + 1 + FAutoNumberOffset;
    SetInts(ACol, FAutoNumberDirection ? FixedRows() + last - k : k, number);
  }
}

void TDedAdararAdoz::AutoNumberRow(int ARow) {
  if (ColCount() <= 0) return;
  const int last = ColCount() - FFixedRightCols - 1;
  for (int k = FixedCols() + FAutoNumberStart; k <= last; ++k) {
    const int number = k - FixedCols() + 1 + FAutoNumberOffset;
    SetInts(RealColIndex(FAutoNumberDirection ? FixedCols() + last - k : k), ARow, number);
  }
}

// ---------------------------------------------------------------------------
// Sizing to the contents

void TDedAdararAdoz::SetCanvasCellFont(int ACol, int ARow, bool Zoomed) {
  if (!FMeasureFont) {
    FMeasureFont = std::make_unique<TFont>();
    FMeasureBrush = std::make_unique<TBrush>();
  }
  const bool fixed = ARow < FixedRows() || DisplColIndexOf(ACol) < FixedCols();
  FMeasureFont->Assign(fixed ? FFixedFont.get() : Font());
  GetCellColor(ACol, ARow, TGridDrawState(), FMeasureBrush.get(), FMeasureFont.get());
  if (Zoomed && FZoomFactor != 0) FMeasureFont->SetSize(FMeasureFont->Size() + FZoomFactor);
  // A font set anew makes the painter build its font again: keep it when
  // the cells share one.
  TCanvas* canvas = Canvas();
  if (!canvas->Font()->IsEqual(*FMeasureFont)) {
    canvas->Font()->Assign(FMeasureFont.get());
    FMeasureLineHeight = -1;
  }
  canvas->Brush()->Assign(FMeasureBrush.get());
}

int TDedAdararAdoz::CanvasLineHeight() {
  if (FMeasureLineHeight < 0) FMeasureLineHeight = Canvas()->TextHeight("gh");
  return FMeasureLineHeight;
}

TSize TDedAdararAdoz::MeasureCellText(int ACol, int DisplCol, int ARow) {
  (void)DisplCol;
  std::string text = GetFormattedCell(ACol, ARow);
  if (ClassifyCellText(text, FEnableHTML) == tkMarkup) text = MarkupToPlainText(text);
  SetCanvasCellFont(ACol, ARow, true);
  TCanvas* canvas = Canvas();
  const int lineHeight = CanvasLineHeight();
  int width = 0;
  int lines = 0;
  do {
    width = std::max(width, canvas->TextWidth(CutFirstLine(text, true)));
    ++lines;
  } while (FMultilineCells && !text.empty());
  return TSize(width, lines * lineHeight);
}

namespace {

// Widths of plain ASCII texts estimated from the widths of their
// characters in one font (the painter turns kerning off, so a text is its
// characters side by side up to a ligature's pixel or two).
class TWidthEstimate {
 public:
  explicit TWidthEstimate(TCanvas* Canvas) : canvas_(Canvas) { advance_.fill(-1); }
  // False for a text this cannot estimate (not ASCII).
  bool Estimate(const std::string& Text, bool MultiLine, int& Width) {
    int widest = 0;
    int line = 0;  // in 1/16 pixels
    for (size_t i = 0; i < Text.size(); ++i) {
      const unsigned char ch = static_cast<unsigned char>(Text[i]);
      if (ch >= 0x80) return false;
      if (ch == '\r' || ch == '\n') {
        widest = std::max(widest, line);
        line = 0;
        if (!MultiLine) break;
        continue;
      }
      int& a = advance_[ch];
      // The advance to a sixteenth of a pixel, so long texts add up.
      if (a < 0) a = canvas_->TextWidth(std::string(16, static_cast<char>(ch)));
      line += a;
    }
    Width = (std::max(widest, line) + 8) / 16;
    return true;
  }

 private:
  TCanvas* canvas_;
  std::array<int, 128> advance_;
};

}  // namespace

void TDedAdararAdoz::DoAutoSizeCol(int ACol, bool GrowOnly) {
  if (ACol < 0 || ACol >= ColCount()) return;
  const int rc = RealColIndex(ACol);
  int from = 0, to = RowCount() - 1;
  switch (FColumnSize->Rows()) {
    case arNormal:
      from = FixedRows();
      to = RowCount() - FFixedFooters - 1;
      break;
    case arFixed:
      to = FixedRows() - 1;
      break;
    default:
      break;
  }
  const bool sortIndicator =
      FSortSettings->Show() && FSortSettings->Column() == rc && RowCount() > FixedRows() + 1;
  // Measuring every text costs the painter's text layout each time: plain
  // texts are estimated first, and only those that may be the widest are
  // measured.
  struct TCandidate {
    int Row;
    int Base;
    int Estimate;
  };
  std::vector<TCandidate> candidates;
  // One estimate per font the column's cells use (a few at most).
  struct TFontEstimate {
    std::unique_ptr<TFont> Font;
    std::unique_ptr<TWidthEstimate> Widths;
  };
  std::vector<TFontEstimate> estimates;
  int need = 0;
  for (int r = from; r <= to; ++r) {
    if (IsXMergedCell(rc, r)) continue;
    const TPoint graphic = GetCellGraphicSize(rc, r);
    const TCellGraphic* g = GetCellGraphic(rc, r);
    if (g != nullptr && g->CellHAlign == haFull) {
      need = std::max(need, graphic.X - 2 * GridLineWidth() - FXYOffset.X - 2);
      continue;
    }
    int base = graphic.X;
    if (FControlLook->DropDownAlwaysVisible() && HasComboBox(rc, r)) base += 16;
    if (sortIndicator && r == FSortSettings->Row()) base += 10;
    const std::string text = GetFormattedCell(rc, r);
    SetCanvasCellFont(rc, r, true);
    int width = 0;
    bool estimated = false;
    if (ClassifyCellText(text, FEnableHTML) == tkPlain) {
      TFont* font = Canvas()->Font();
      auto it = std::find_if(estimates.begin(), estimates.end(),
                             [font](const TFontEstimate& e) { return e.Font->IsEqual(*font); });
      if (it == estimates.end() && estimates.size() < 4) {
        estimates.push_back(
            TFontEstimate{std::make_unique<TFont>(), std::make_unique<TWidthEstimate>(Canvas())});
        estimates.back().Font->Assign(font);
        it = estimates.end() - 1;
      }
      if (it != estimates.end()) estimated = it->Widths->Estimate(text, FMultilineCells, width);
    }
    if (estimated)
      candidates.push_back(TCandidate{r, base, base + width});
    else
      need = std::max(need, base + MeasureCellText(rc, ACol, r).cx);
  }
  std::sort(candidates.begin(), candidates.end(),
            [](const TCandidate& a, const TCandidate& b) { return a.Estimate > b.Estimate; });
  // A ligature moves a text's width by a pixel or two from its estimate.
  constexpr int kSlack = 3;
  for (const TCandidate& c : candidates) {
    if (c.Estimate + kSlack < need) break;
    need = std::max(need, c.Base + MeasureCellText(rc, ACol, c.Row).cx);
  }
  int width = need + GetXYOffsetWidth() + 2 * GridLineWidth() + 2;
  if (GrowOnly && ColWidths(ACol) >= width) return;
  UpdateAutoColSize(ACol, width);
  SetColWidths(ACol, LimitSize(width, FMinColWidth, FMaxColWidth));
}

void TDedAdararAdoz::AutoSizeCol(int ACol, int Padding) {
  if (ACol < 0 || ACol >= ColCount()) return;
  DoAutoSizeCol(ACol, FSizeGrowOnly);
  if (Padding != 0) SetColWidths(ACol, LimitSize(ColWidths(ACol) + Padding, FMinColWidth, FMaxColWidth));
}

void TDedAdararAdoz::AutoSizeColumns(bool DoFixedCols, int Padding) {
  const int from = DoFixedCols ? 0 : FixedCols();
  const int to = DoFixedCols ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
  for (int c = from; c <= to; ++c) {
    AutoSizeCol(c, 0);
    if (Padding != 0) SetColWidths(c, LimitSize(ColWidths(c) + Padding, FMinColWidth, FMaxColWidth));
  }
}

void TDedAdararAdoz::DoAutoSizeRow(int ARow, bool GrowOnly, int Padding) {
  if (ARow < 0 || ARow >= RowCount()) return;
  const bool allShownBefore = VisibleRowCount() + FixedRows() >= RowCount();
  int need = 0;
  for (int c = 0; c < ColCount(); ++c) {
    const int rc = RealColIndex(c);
    if (IsYMergedCell(rc, ARow) || IsIgnoredColumn(rc)) continue;
    int t = 0;
    if (FWordWrapEx) {
      // Wrapped to the cell's width.
      std::string text = GetFormattedCell(rc, ARow);
      if (ClassifyCellText(text, FEnableHTML) == tkMarkup) text = MarkupToPlainText(text);
      SetCanvasCellFont(rc, ARow, true);
      TRect r(0, 0, std::max(ColWidths(c) - GetXYOffsetWidth() - 4, 1), 0);
      t = text.empty()
              ? CanvasLineHeight()
              : DrawText(Canvas(), text, r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    } else {
      t = MeasureCellText(rc, c, ARow).cy;
    }
    TPoint size(0, 0);
    CalcGraphicSize(rc, ARow, size, Padding);
    int g = size.Y;
    const TCellGraphic* graphic = GetCellGraphic(rc, ARow);
    const TCellType kind = graphic != nullptr ? graphic->CellType : ctEmpty;
    if (graphic != nullptr && graphic->CellVAlign == vaFull) g = t > 0 ? 0 : DefaultRowHeight();
    if ((kind == ctDataCheckBox || kind == ctVirtCheckBox) && g > 0) t = 0;
    int h = t + g;
    if (IsMergedNonBaseCell(rc, ARow)) h = 0;
    if (kind == ctCheckBox || kind == ctDataCheckBox || kind == ctVirtCheckBox || kind == ctRadioButton)
      h = DefaultRowHeight();
    need = std::max(need, h);
  }
  int height = need + GetXYOffsetHeight() + 2 * GridLineWidth() + (FXYOffsetTopLeftOnly ? 2 : 0);
  if (!GrowOnly || height > RowHeights(ARow))
    SetRowHeights(ARow, LimitSize(height, FMinRowHeight, FMaxRowHeight));
  const bool allShownNow = VisibleRowCount() + FixedRows() >= RowCount();
  if (allShownBefore && !allShownNow && EditorMode() && FSizeWhileTyping->Height()) {
    ShowInplaceEdit();
    if (TInplaceEdit* editor = InplaceEditor()) editor->SetSelStart(static_cast<int>(editor->Text().size()));
  }
}

void TDedAdararAdoz::AutoSizeRow(int ARow, int Padding) {
  if (ARow < 0 || ARow >= RowCount()) return;
  DoAutoSizeRow(ARow, FSizeGrowOnly, Padding);
  if (Padding != 0) SetRowHeights(ARow, LimitSize(RowHeights(ARow) + Padding, FMinRowHeight, FMaxRowHeight));
}

void TDedAdararAdoz::AutoSizeRows(bool DoFixedRows, int Padding) {
  if (RowCount() <= 0) return;
  const int from = DoFixedRows ? 0 : FixedRows();
  ExportNotification(0, from);
  for (int r = from; r < RowCount(); ++r) {
    ExportNotification(5, r);
    if (FWordWrapEx) {
      AutoSizeRow(r, 0);
      if (Padding != 0) SetRowHeights(r, LimitSize(RowHeights(r) + Padding, FMinRowHeight, FMaxRowHeight));
    } else {
      SizeRowToLines(r, MaxLinesInRow(r), Padding);
    }
  }
  ExportNotification(2, -1);
  UpdateScrollBarAlways(false);
}

void TDedAdararAdoz::SizeRowToLines(int ARow, int Lines, int Extra) {
  if (ARow < 0 || ARow >= RowCount()) return;
  SetCanvasCellFont(RealColIndex(FixedCols()), ARow, false);
  const int h = CanvasLineHeight();
  SetRowHeights(ARow, LimitSize(Extra + Lines * (h + h / 8), FMinRowHeight, FMaxRowHeight));
}

void TDedAdararAdoz::AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY) {
  const int firstCol = DoFixedCells ? 0 : FixedCols();
  const int firstRow = DoFixedCells ? 0 : FixedRows();
  for (int c = firstCol; c < ColCount(); ++c) {
    const int rc = RealColIndex(c);
    int w = FSizeGrowOnly ? ColWidths(c) : 0;
    for (int r = firstRow; r < RowCount(); ++r) {
      const TSize text = MeasureCellText(rc, c, r);
      const TPoint graphic = GetCellGraphicSize(rc, r);
      int sx = text.cx + graphic.X + PaddingX + FXYOffset.X;
      int sy = text.cy + graphic.Y + PaddingY + FXYOffset.Y;
      if (!IsXMergedCell(rc, r) && sx > w) {
        sx = LimitSize(sx, FMinColWidth, FMaxColWidth);
        if (sx > w) {
          SetColWidths(c, sx);
          w = sx;
        }
      }
      if (!IsYMergedCell(rc, r) && sy > RowHeights(r)) {
        sy = LimitSize(sy, FMinRowHeight, FMaxRowHeight);
        if (sy > RowHeights(r)) SetRowHeights(r, sy);
      }
    }
  }
}

// ---------------------------------------------------------------------------
// Sizing to the control

void TDedAdararAdoz::AutoFitColumns(bool DoFixedCells) {
  if (ColCount() <= 0) return;
  const bool rowsHidden = VisibleRowCount() + FixedRows() < RowCount();
  const int s = FScrollBarAlways == saVert || (FScrollBars != ssNone && rowsHidden)
                    ? GetSystemMetrics(SM_CXVSCROLL)
                    : 0;
  const int b = BorderStyle() == bsSingle ? (Ctl3D() ? 4 : 2) : 0;
  int first = 0, last = ColCount() - 1;
  int space = Width();
  if (!DoFixedCells) {
    first = FixedCols();
    last = ColCount() - FFixedRightCols - 1;
    for (int c = 0; c < first; ++c) space -= ColWidths(c);
    for (int c = last + 1; c < ColCount(); ++c) space -= ColWidths(c);
  }
  const int count = last - first + 1;
  if (count < 1) return;
  const TGridOptions opts = Options();
  int lines = opts.Contains(goVertLine) ? GridLineWidth() * (ColCount() - FixedCols() - FFixedRightCols) : 0;
  if (opts.Contains(goFixedVertLine) && DoFixedCells) lines += FixedCols() + FFixedRightCols;

  if (ColCount() < 2) {
    SetColWidths(0, Width() - s - 5);
    return;
  }
  auto sumWidths = [&] {
    int sum = 0;
    for (int c = first; c <= last; ++c) sum += ColWidths(c);
    return sum;
  };
  const int total = sumWidths();
  if (total <= 0 || total == space - s - b) return;
  const double f = static_cast<double>(space - s - b - lines) / total;
  long long target = 0;
  for (int c = first; c <= last; ++c) target += Round(f * ColWidths(c));
  for (int c = first; c <= last; ++c)
    SetColWidths(c, static_cast<int>(std::max<long long>(
                        0, Round(static_cast<double>(ColWidths(c)) * static_cast<double>(target) / total))));
  int rest = space - s - b - sumWidths();
  if (rest > count && count >= 2) {
    const int each = rest / count;
    for (int c = first; c <= last; ++c) SetColWidths(c, ColWidths(c) + each);
    rest -= each * count;
  }
  int widest = first;
  for (int c = first; c <= last; ++c)
    if (ColWidths(c) > ColWidths(widest)) widest = c;
  SetColWidths(widest, std::max(0, ColWidths(widest) + rest));
}

void TDedAdararAdoz::SizeToCols() {
  int sum = 0;
  for (int c = 0; c < ColCount(); ++c) sum += ColWidths(c);
  SetClientWidth(sum);
}

void TDedAdararAdoz::SizeToRows() {
  int sum = 0;
  for (int r = 0; r < RowCount(); ++r) sum += RowHeights(r);
  SetClientHeight(sum);
}

void TDedAdararAdoz::SizeToCells() {
  const TScrollStyle bars = ScrollBars();
  SetScrollBars(ssNone);
  SizeToCols();
  SizeToRows();
  SetScrollBars(bars);
}

void TDedAdararAdoz::Zoom(int x) {
  const int a = FZoomFactor + x;
  if (a > 10 || a < -10) return;
  FZoomFactor = a;
  for (int c = 0; c < ColCount(); ++c) {
    const int w = ColWidths(c);
    if (w > 0 && w + x > 0) SetColWidths(c, w + x);
  }
  for (int r = 0; r < RowCount(); ++r) {
    const int h = RowHeights(r);
    if (h > 0 && h + x > 0) SetRowHeights(r, h + x);
  }
  if (FScrollProportional) {
    UpdateVScrollProportional();
    UpdateHScrollProportional();
  }
}

void TDedAdararAdoz::SetZoomFactor(int Value) { FZoomFactor = std::clamp(Value, -10, 10); }
