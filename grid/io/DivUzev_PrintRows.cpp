// The printed rows and cells: which rows and columns take part, how wide a
// printed column and how high a printed row is, and one row of cells drawn
// with its background, borders, texts and graphics.
#include <algorithm>
#include <cmath>

#include "framework/graphics/ImgList.h"
#include "grid/base/VevCtrls.h"
#include "grid/base/VevDraw.h"
#include "grid/base/VevObj.h"
#include "grid/base/VevUtil.h"
#include "grid/io/DivUzev_Print.h"
#include "grid/view/DivUzev_Paint.h"

namespace {
int Round(double V) { return static_cast<int>(std::lround(V)); }

bool IsCheckGraphic(TCellType T) {
  return T == ctCheckBox || T == ctDataCheckBox || T == ctVirtCheckBox || T == ctRowCheckBox ||
         T == ctTriStateCheckBox;
}

// The text's lines: split at line breaks with multi-line cells, else the
// text before the first break.
std::vector<std::string> TextLines(const std::string& Text, bool MultiLine) {
  std::vector<std::string> lines;
  std::string rest = Text;
  if (!MultiLine) {
    lines.push_back(CutFirstLine(rest, false));
    return lines;
  }
  do {
    lines.push_back(CutFirstLine(rest, true));
  } while (!rest.empty());
  return lines;
}

// Lines of Text broken at blanks to fit Width (a word wider than the width
// stands alone on its line).
std::vector<std::string> WrapLines(TCanvas* C, const std::string& Text, int Width) {
  std::vector<std::string> out;
  for (const std::string& para : TextLines(Text, true)) {
    std::string line;
    size_t i = 0;
    bool any = false;
    while (i <= para.size()) {
      size_t j = para.find(' ', i);
      if (j == std::string::npos) j = para.size();
      const std::string word = para.substr(i, j - i);
      const std::string tried = line.empty() ? word : line + " " + word;
      if (!line.empty() && C->TextWidth(tried) > Width) {
        out.push_back(line);
        line = word;
      } else {
        line = tried;
      }
      any = true;
      i = j + 1;
    }
    if (any) out.push_back(line);
  }
  if (out.empty()) out.emplace_back();
  return out;
}
}  // namespace

bool TDedAdararAdoz::TPrintRender::RowTakesPart(int ARow) {
  if (!S.SelectedOnly) return true;
  if (ARow < G.FixedRows()) return PS.FixedCellsAlways();
  if (G.MouseActions()->DisjunctRowSelect()) {
    const int r = G.MouseActions()->RowSelectPersistent() ? G.RealRowIndex(ARow) : ARow;
    return G.RowSelect(r);
  }
  const TGridRect sel = G.Selection();
  return ARow >= sel.Top && ARow <= sel.Bottom;
}

bool TDedAdararAdoz::TPrintRender::ColTakesPart(int ACol) {
  if (!S.SelectedOnly) return true;
  if (G.MouseActions()->DisjunctRowSelect()) return true;
  if (ACol < G.FixedCols()) return PS.FixedCellsAlways();
  if (G.MouseActions()->DisjunctColSelect()) return G.ColSelect(ACol);
  const TGridRect sel = G.Selection();
  return ACol >= sel.Left && ACol <= sel.Right;
}

void TDedAdararAdoz::TPrintRender::MeasureColumns() {
  const TGridRect& cells = S.Cells;
  const int count = std::max({G.ColCount(), cells.Right + 1, G.FixedCols()});
  S.Widths.assign(count, 0);
  S.Offsets.assign(count, 0);
  std::vector<int> cols;
  if (PS.RepeatFixedCols())
    for (int c = 0; c < G.FixedCols() && c < cells.Left; ++c) cols.push_back(c);
  for (int c = cells.Left; c <= cells.Right; ++c) cols.push_back(c);
  if (PS.NoAutoSize()) {
    for (int c : cols)
      if (ColTakesPart(c)) S.Widths[c] = Round(G.ColWidths(c) * Sc);
    return;
  }
  std::vector<int> rows;
  if (PS.RepeatFixedRows())
    for (int r = 0; r < G.FixedRows() && r < cells.Top; ++r) rows.push_back(r);
  for (int r = cells.Top; r <= cells.Bottom; ++r) rows.push_back(r);
  for (int r : rows)
    for (int c : cols) {
      if (!ColTakesPart(c)) continue;
      const int u = G.RealColIndex(c);
      if (G.IsXMergedCell(u, r)) continue;
      const int w = PS.UseFixedWidth() ? PS.FixedWidth() : MeasureCell(c, r).X;
      S.Widths[c] = std::max(S.Widths[c], w);
    }
}

TPoint TDedAdararAdoz::TPrintRender::MeasureCell(int ACol, int ARow) {
  const int u = G.RealColIndex(ACol);
  S.FontZoom = Fit;
  TCellGraphic* g = G.GetCellGraphic(u, ARow);
  // 1. The text.
  std::string text;
  if (!(g != nullptr && (g->CellType == ctDataCheckBox || g->CellType == ctDataImage ||
                         g->CellType == ctVirtCheckBox || g->CellType == ctRowCheckBox)))
    text = G.GetFormattedCell(u, ARow);
  int kind = ClassifyCellText(text, G.EnableHTML());
  if (kind == tkFormula) {
    text = G.GetCellText(u, ARow);
    kind = ClassifyCellText(text, G.EnableHTML());
  }
  // 2. The font.
  TFont font;
  font.Assign(PS.Font());
  TBrush brush;
  TGridDrawState state;
  TColor to = clNone, mirror = clNone, mirrorTo = clNone;
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  bool ww = false;
  TCellGradientDirection gd = GradientVertical;
  G.GetVisualProperties(ACol, ARow, state, true, false, true, &brush, to, mirror, mirrorTo, &font, ha, va, ww,
                        gd);
  SetFont(C->Font(), &font);
  ww = ww || G.WordWrap();
  G.GetCellWordWrap(u, ARow, ww);
  int angle = 0;
  const bool rotated = G.IsRotated(u, ARow, angle);
  if (rotated) C->Font()->SetOrientation(angle * 10);
  // 3. The graphic.
  int gw = 0, gh = 0;
  if (PS.PrintGraphics() && g != nullptr) {
    const TPoint gs = G.GetCellGraphicSize(u, ARow);
    gw = Round(gs.X * Sc);
    gh = Round(gs.Y * Sc);
  }
  TPoint size;
  if (kind == tkMarkup) {
    // Wrapped at the screen column width when the layout keeps it.
    const int right = PS.NoAutoSize() ? Round((G.ColWidths(ACol) + 12) * Sc) : 1000000;
    size = MarkupOnPage(text, 0, 0, right, 1000000, &font, true, PS.NoAutoSize());
    size.Y -= Round(Pad * Sc);
  } else {
    if (kind == tkRichText) text = RichTextToPlain(text);
    // 4.
    if (text.empty()) text = "gh";
    const int lh = C->TextHeight("gh");
    // 5.
    if (ww && PS.NoAutoSize() && !rotated) {
      const bool merged = G.IsXMergedCell(u, ARow);
      const int width = merged ? 1000000 : std::max(1, S.Widths[ACol] - 2 * Gap);
      size = TPoint(S.Widths[ACol], static_cast<int>(WrapLines(C, text, width).size()) * lh);
    } else {
      int widest = 0;
      const auto lines = TextLines(text, G.MultilineCells());
      for (std::string line : lines) {
        if (G.URLShow() && !G.URLShowInText()) StripURLProtocol(line);
        widest = std::max(widest, C->TextWidth(line));
      }
      size = TPoint(widest + gw, static_cast<int>(lines.size()) * lh);
    }
    // 6.
    if (rotated) {
      const double a = angle * M_PI / 180.0;
      const int w = size.X, h = size.Y;
      size = TPoint(Round(std::abs(w * std::cos(a))) + Round(std::abs(h * std::sin(a))),
                    Round(std::abs(w * std::sin(a))) + Round(std::abs(h * std::cos(a))));
      C->Font()->SetOrientation(0);
    }
  }
  // 7.
  size.X = std::max(size.X, gw);
  size.Y = std::max(size.Y, gh);
  if (G.OnCustomCellSize) G.OnCustomCellSize(&G, C, u, ARow, size, true);
  S.FontZoom = 1.0;
  return size;
}

int TDedAdararAdoz::TPrintRender::RowHeight(int ARow) {
  if (ARow == S.CacheRow) return S.CacheHeight;
  if (PS.NoAutoSizeRow()) return Round(G.RowHeights(ARow) * Sc) - 4;
  int h = 0;
  if (PS.UseFixedHeight()) {
    h = PS.FixedHeight();
  } else {
    int lastMeasured = 0;
    bool any = false;
    for (int c = S.Cells.Left; c <= S.Cells.Right; ++c) {
      if (!ColTakesPart(c)) continue;
      const int ch = MeasureCell(c, ARow).Y;
      lastMeasured = ch;
      if (G.IsYMergedCell(G.RealColIndex(c), ARow)) continue;
      h = any ? std::max(h, ch) : ch;
      any = true;
    }
    if (!any) h = lastMeasured;
    h += h / 8;
    if (G.OnPrintSetRowHeight) G.OnPrintSetRowHeight(&G, ARow, h);
  }
  S.CacheRow = ARow;
  S.CacheHeight = h;
  return h;
}

int TDedAdararAdoz::TPrintRender::PrintRow(int D, int A, int Bc, int ARow) {
  const int pitch = RowPitch(ARow);
  if (DrawsPage()) {
    S.FontZoom = Fit;
    for (int c = A; c <= Bc; ++c)
      if (ColTakesPart(c)) PrintCell(D, c, ARow, pitch, Bc);
    S.FontZoom = 1.0;
  }
  return pitch;
}

TRect TDedAdararAdoz::TPrintRender::CellBox(int D, int ACol, int ARow, int Pitch) {
  const int u = G.RealColIndex(ACol);
  const TGridCoord ext = G.CellExt(u, ARow);
  int width = 0;
  for (int c = ACol; c <= ACol + std::max(0, ext.X) && c < static_cast<int>(S.Widths.size()); ++c)
    width += S.Widths[c] + M;
  int height = Pitch;
  if (ext.Y > 0) {
    auto rowPart = [&](int r) {
      const int h = static_cast<int>((G.RowHeights(r) - 4) * Sc);
      return h + h / 8 + 2 * Pad + PS.RowSpacing();
    };
    if (PS.NoAutoSizeRow()) height = rowPart(ARow);
    for (int r = ARow + 1; r <= ARow + ext.Y && r < G.RowCount(); ++r) height += rowPart(r);
  }
  return TRect(S.Offsets[ACol], D, S.Offsets[ACol] + width, D + height);
}

void TDedAdararAdoz::TPrintRender::PrintCell(int D, int ACol, int ARow, int Pitch, int LastCol) {
  const int u = G.RealColIndex(ACol);
  // Boxes are kept in depths (Top above Bottom) and turned into canvas
  // coordinates where they are drawn.
  TRect box = CellBox(D, ACol, ARow, Pitch);
  const int bandRight = S.Offsets[LastCol] + S.Widths[LastCol] + M;
  auto onPage = [&](const TRect& R) { return TRect(R.Left, DepthY(R.Top), R.Right, DepthY(R.Bottom)); };

  // 2. The border sides and pen.
  TCellBorders sides;
  switch (PS.Borders()) {
    case pbSingle:
    case pbDouble:
      sides = TCellBorders{cbTop, cbLeft, cbRight, cbBottom};
      break;
    case pbHorizontal:
    case pbAroundHorizontal:
      sides = TCellBorders{cbTop, cbBottom};
      break;
    case pbVertical:
    case pbAroundVertical:
      sides = TCellBorders{cbLeft, cbRight};
      break;
    default:
      break;
  }
  TPen pen;
  pen.SetWidth(1);
  pen.SetColor(PS.BorderColor());
  G.GetCellPrintBorder(u, ARow, &pen, sides);
  const int penWidth = Mode == prmDraw ? std::max(1, Round(pen.Width() * Sc)) : pen.Width();

  // 3. The content of a base cell.
  if (G.IsBaseCell(u, ARow)) {
    TFont keepFont;
    keepFont.Assign(C->Font());
    TBrush keepBrush;
    keepBrush.Assign(C->Brush());
    TFont font;
    font.Assign(PS.Font());
    TBrush brush;
    TGridDrawState state;
    TColor to = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = false;
    TCellGradientDirection gd = GradientVertical;
    G.GetVisualProperties(ACol, ARow, state, true, false, true, &brush, to, mirror, mirrorTo, &font, ha, va,
                          ww, gd);
    SetFont(C->Font(), &font);
    C->Brush()->Assign(&brush);
    ww = ww || G.WordWrap();
    G.GetCellWordWrap(u, ARow, ww);
    TCellGraphic* g = G.GetCellGraphic(u, ARow);
    const TCellType gt = g != nullptr ? g->CellType : ctNone;
    std::string text;
    if (!(gt == ctDataCheckBox || gt == ctDataImage || gt == ctVirtCheckBox || gt == ctRowCheckBox ||
          gt == ctRadio))
      text = G.GetFormattedCell(u, ARow);
    int kind = ClassifyCellText(text, G.EnableHTML());
    if (kind == tkFormula) {
      text = G.GetCellText(u, ARow);
      kind = ClassifyCellText(text, G.EnableHTML());
    }
    if (kind == tkRichText) text = RichTextToPlain(text);

    // Background: inside the borders that are drawn.
    TRect fill = box;
    if (!sides.Contains(cbLeft)) fill.Left += 2 * penWidth;
    if (!sides.Contains(cbTop)) fill.Top += 2 * penWidth;
    if (fill.Right > W) fill.Right = std::max(fill.Left, bandRight);
    const TColor from = brush.Color();
    if (to == clNone || to == from) {
      C->Brush()->SetStyle(bsSolid);
      C->FillRect(onPage(fill));
    } else {
      const int h = fill.Bottom - fill.Top;
      const int steps = std::max(1, std::min(64, h));
      const TColor a = ColorToRGB(from), b = ColorToRGB(to);
      for (int i = 0; i < steps; ++i) {
        auto mix = [&](int ca, int cb) { return ca + (cb - ca) * i / std::max(1, steps - 1); };
        C->Brush()->SetColor(RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
                                 mix(GetBValue(a), GetBValue(b))));
        C->FillRect(
            onPage(TRect(fill.Left, fill.Top + h * i / steps, fill.Right, fill.Top + h * (i + 1) / steps)));
      }
    }

    // The text area and the graphic's box.
    TRect area = box;
    if (area.Right > W) area.Right = std::max(area.Left, bandRight);
    TRect gbox;
    if (PS.PrintGraphics() && g != nullptr) {
      TPoint gs = G.GetCellGraphicSize(u, ARow);
      // A data image's cell text is its index and is not printed, so the
      // image keeps its whole size beside it.
      // A bar has no size of its own beside text; it takes its extent.
      if (gt == ctDataImage || gt == ctProgress) G.GetGraphicExtent(u, ARow, gs, 1.0, 0, 0);
      const int gw = Round(gs.X * Sc), gh = Round(gs.Y * Sc);
      TCellHAlign hal = g->CellHAlign;
      TCellVAlign val = g->CellVAlign;
      if ((IsCheckGraphic(gt) || gt == ctRadioButton) && text.empty()) {
        if (ha == taRightJustify) hal = haRight;
        if (ha == taCenter) hal = haCenter;
      }
      int gx = area.Left + Round(Sc), gy = area.Top + Pad;
      switch (hal) {
        case haLeft:
        case haBeforeText:
          area.Left = gx + gw;
          break;
        case haRight:
        case haAfterText:
          gx = area.Right - gw - Round(Sc);
          area.Right = gx;
          break;
        case haCenter:
          gx = (area.Left + area.Right - gw) / 2;
          break;
        case haFull:
          gx = area.Left;
          break;
      }
      switch (val) {
        case vaTop:
          break;
        case vaBottom:
          gy = area.Bottom - gh - Pad;
          break;
        case vaCenter:
          gy = (area.Top + area.Bottom - gh) / 2;
          break;
        case vaUnderText:
          gy = area.Bottom - gh - Pad;
          area.Bottom = gy;
          break;
        case vaAboveText:
          area.Top = gy + gh;
          break;
        case vaFull:
          gy = area.Top;
          break;
      }
      gbox = TRect(gx, gy, gx + (hal == haFull ? box.Width() : gw), gy + (val == vaFull ? box.Height() : gh));
      // A bar never reaches past its cell.
      if (gt == ctProgress) {
        gbox.Right = std::min(gbox.Right, area.Right);
        gbox.Bottom = std::min(gbox.Bottom, area.Bottom);
      }
    }

    // The text, over a clear brush.
    C->Brush()->SetStyle(bsClear);
    const TRect clip = onPage(area);
    int angle = 0;
    if (!text.empty() && kind == tkMarkup) {
      MarkupOnPage(text, area.Left, area.Top, area.Right - Gap - Round(2 * Sc), area.Bottom, &font, false,
                   ww);
    } else if (!text.empty() && G.IsRotated(u, ARow, angle)) {
      // The font turns counter-clockwise on a page whose y grows upward;
      // printers here report no turned landscape, so no driver fix applies.
      C->Font()->SetOrientation(angle * 10);
      const int w = C->TextWidth(text), h = C->TextHeight(text);
      const double a = angle * M_PI / 180.0;
      const int A = std::abs(static_cast<int>(h * std::cos(a))),
                Bv = std::abs(static_cast<int>(w * std::sin(a)));
      const int Cv = std::abs(static_cast<int>(h * std::sin(a))),
                Dv = std::abs(static_cast<int>(w * std::cos(a)));
      TRect r = clip;
      TDedAdararAdoz::AlignRotatedText(r, ha, va, -A, -Bv, Cv, Dv, angle);
      C->TextRect(clip, r.Left, r.Top, text);
      C->Font()->SetOrientation(0);
    } else if (!text.empty()) {
      const int lineH = C->TextHeight("gh");
      const int lh = lineH + PS.RowSpacing() + (lineH + PS.RowSpacing()) / 8;
      auto xFor = [&](const std::string& line) {
        const int tw = C->TextWidth(line);
        if (ha == taRightJustify) return area.Right - Gap - tw;
        if (ha == taCenter) return (area.Left + area.Right - tw) / 2;
        return area.Left + Gap;
      };
      std::vector<std::string> lines;
      if (ww && PS.NoAutoSize())
        lines = WrapLines(C, text, std::max(1, area.Width() - 2 * Gap - Round(2 * Sc)));
      else
        lines = TextLines(text, G.MultilineCells());
      if (G.URLShow() && !G.URLShowInText())
        for (std::string& l : lines) StripURLProtocol(l);
      const int step = lh - PS.RowSpacing();
      const int n = static_cast<int>(lines.size());
      int y = area.Top + Pad;
      if (n == 1) {
        if (va == vtaCenter) y = (area.Top + area.Bottom - lineH) / 2;
        if (va == vtaBottom) y = area.Bottom - lineH - Pad;
      } else if (!G.IsMergedCell(u, ARow)) {
        if (va == vtaCenter) y = area.Top + (Pitch - step * n) / 2;
        if (va == vtaBottom) y = area.Top + Pitch - step * n;
      }
      for (const std::string& line : lines) {
        C->TextRect(clip, xFor(line), DepthY(y), line);
        y += step;
      }
    }

    // The graphic, over the cell's own colour.
    if (PS.PrintGraphics() && g != nullptr && gbox.Right > gbox.Left && gbox.Bottom > gbox.Top) {
      C->Brush()->SetColor(brush.Color());
      PrintGraphic(u, ARow, g, gbox, ha);
    }

    C->Font()->Assign(&keepFont);
    C->Brush()->Assign(&keepBrush);

    // 10. The application's own drawing, in device units.
    if (G.OnCustomCellDraw) {
      const TRect dev = C->LogicalToDevice(onPage(box));
      const int saved = C->SaveDC();
      C->SetMapMode(MM_TEXT);
      C->SetWindowOrg(TPoint());
      C->SetViewportOrg(TPoint());
      G.OnCustomCellDraw(&G, C, u, ARow, TGridDrawState{}, dev, true);
      C->RestoreDC(saved);
    }
  }

  // 4. Borders: a merged block shows only its outline.
  const TGridCoord ext = G.CellExt(u, ARow);
  if (ext.X > 0) sides >> cbRight;
  if (ext.Y > 0) sides >> cbBottom;
  if (G.IsYMergedCell(u, ARow) && !G.IsBaseCell(u, ARow) && ext.Y <= 0) sides >> cbTop;
  if (G.IsXMergedCell(u, ARow) && !G.IsBaseCell(u, ARow) && ext.X <= 0) sides >> cbLeft;
  if (G.IsMergedCell(u, ARow) && !G.IsBaseCell(u, ARow)) {
    const TGridCoord base = G.BaseCell(u, ARow);
    if (base.Y < ARow) sides >> cbTop;
    if (base.X < u) sides >> cbLeft;
  }
  if (sides.Empty()) return;
  TRect r = TRect(box.Left, D, box.Right, D + (ext.Y > 0 ? box.Height() : Pitch));
  if (r.Bottom > PageH - PS.FooterSize()) {
    r.Bottom = D + Pitch;
    sides >> cbBottom;
  }
  if (r.Right > W) r.Right = std::max(r.Left, bandRight);
  C->Pen()->SetColor(pen.Color());
  C->Pen()->SetStyle(pen.Style());
  C->Pen()->SetWidth(penWidth);
  const int left = ACol > S.Cells.Left ? r.Left - penWidth : r.Left;
  auto line = [&](int x0, int d0, int x1, int d1) {
    C->MoveTo(x0, DepthY(d0));
    C->LineTo(x1, DepthY(d1));
  };
  if (sides.Contains(cbLeft)) line(left, r.Top, left, r.Bottom);
  if (sides.Contains(cbRight)) line(r.Right, r.Top, r.Right, r.Bottom);
  if (sides.Contains(cbTop)) line(r.Left, r.Top, r.Right, r.Top);
  if (sides.Contains(cbBottom)) line(r.Left, r.Bottom, r.Right, r.Bottom);
}

void TDedAdararAdoz::TPrintRender::PrintGraphic(int ACol, int ARow, TCellGraphic* G0, const TRect& Box,
                                                TAlignment HA) {
  (void)HA;
  const TRect r(Box.Left, DepthY(Box.Top), Box.Right, DepthY(Box.Bottom));
  C->Pen()->SetColor(clBlack);
  C->Pen()->SetStyle(psSolid);
  C->Pen()->SetWidth(std::max(1, Round(Sc)));
  switch (G0->CellType) {
    case ctBitmap:
    case ctIcon:
      if (auto* gr = dynamic_cast<TGraphic*>(G0->CellBitmap != nullptr ? G0->CellBitmap : G0->CellIcon))
        C->StretchDraw(r, gr);
      break;
    case ctPicture:
      if (auto* pic = dynamic_cast<TPicture*>(G0->CellBitmap); pic != nullptr && pic->Graphic() != nullptr)
        C->StretchDraw(r, pic->Graphic());
      break;
    case ctFilePicture:
      if (auto* file = dynamic_cast<TFilePicture*>(G0->CellBitmap)) {
        // A file gone or spoilt since it was named prints nothing.
        try {
          file->DrawPicture(C, r);
        } catch (const std::exception&) {
        }
      }
      break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox: {
      bool checked = false;
      G.GetCheckBoxState(ACol, ARow, checked);
      C->Brush()->SetStyle(bsClear);
      const TPoint frame[5] = {
          {r.Left, r.Top}, {r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left, r.Bottom}, {r.Left, r.Top}};
      C->Polyline(frame, 5);
      if (checked) {
        const int w = r.Right - r.Left, h = r.Bottom - r.Top;
        const TPoint tick[3] = {{r.Left + w / 5, r.Top + h / 2},
                                {r.Left + w * 2 / 5, r.Top + h * 4 / 5},
                                {r.Left + w * 4 / 5, r.Top + h / 5}};
        C->Polyline(tick, 3);
      }
      break;
    }
    case ctNode: {
      // A 20 by 20 box with a minus, and the plus's stroke when collapsed.
      const int x = r.Left, y = r.Top;
      const TPoint frame[5] = {{x, y}, {x + 20, y}, {x + 20, y - 20}, {x, y - 20}, {x, y}};
      C->Polyline(frame, 5);
      C->MoveTo(x + 4, y - 10);
      C->LineTo(x + 16, y - 10);
      if (G0->CellBoolean) {
        C->MoveTo(x + 10, y - 4);
        C->LineTo(x + 10, y - 16);
      }
      break;
    }
    case ctProgress: {
      // The bar over the cell's value in percent, lowered and raised as the
      // screen bar is.
      const TRect bar(r.Left, r.Top - Round(2 * Sc), r.Right, r.Bottom + Round(4 * Sc));
      const int v = std::clamp(G.PaintInt(ACol, ARow), 0, 100);
      C->Brush()->SetStyle(bsSolid);
      C->Brush()->SetColor(clWhite);
      C->FillRect(bar);
      C->Brush()->SetColor(ColorToRGB(clHighlight));
      C->FillRect(TRect(bar.Left, bar.Top, bar.Left + (bar.Right - bar.Left) * v / 100, bar.Bottom));
      C->Brush()->SetStyle(bsClear);
      const TPoint frame[5] = {{bar.Left, bar.Top},
                               {bar.Right, bar.Top},
                               {bar.Right, bar.Bottom},
                               {bar.Left, bar.Bottom},
                               {bar.Left, bar.Top}};
      C->Polyline(frame, 5);
      break;
    }
    case ctImageList:
      PrintImage(G0->CellIndex, r);
      break;
    case ctDataImage:
      PrintImage(G.PaintInt(ACol, ARow), r);
      break;
    case ctImages: {
      TImageList* images = G.GetGraphicImages();
      auto* list = dynamic_cast<TIntList*>(G0->CellBitmap);
      if (images == nullptr || list == nullptr) break;
      // Each image at its own size, side by side or stacked downward.
      const int iw = Round(images->Width() * Sc), ih = Round(images->Height() * Sc);
      for (int i = 0; i < list->Count(); ++i) {
        const int x = G0->CellBoolean ? r.Left + i * iw : r.Left;
        const int y = G0->CellBoolean ? r.Top : r.Top - i * ih;
        PrintImage(list->Items(i), TRect(x, y, x + iw, y - ih));
      }
      break;
    }
    case ctRadio:
      PrintRadio(ACol, ARow, G0, r);
      break;
    case ctProgressPie:
      DrawProgressPie(C, r, static_cast<TColor>(reinterpret_cast<intptr_t>(G0->CellBitmap)), true,
                      G0->CellAngle);
      break;
    case ctInterface:
      if (auto* obj = dynamic_cast<TInterfacedPersistent*>(G0->CellBitmap)) {
        // Drawn at screen size on a bitmap that is stretched to the box.
        TPoint size = obj->GetSize(ACol, ARow);
        if (size.X <= 0) size.X = std::max(1, Round((r.Right - r.Left) / Sc));
        if (size.Y <= 0) size.Y = std::max(1, Round((r.Top - r.Bottom) / Sc));
        TBitmap b(size.X, size.Y);
        b.Canvas()->Brush()->SetStyle(bsSolid);
        b.Canvas()->Brush()->SetColor(C->Brush()->Color());
        b.Canvas()->FillRect(TRect(0, 0, size.X, size.Y));
        obj->Draw(b.Canvas(), TRect(0, 0, size.X, size.Y), ACol, ARow, false, &G);
        C->StretchDraw(r, &b);
      }
      break;
    default:
      break;
  }
}

void TDedAdararAdoz::TPrintRender::PrintImage(int Index, const TRect& R) {
  TImageList* images = G.GetGraphicImages();
  if (images == nullptr || Index < 0 || Index >= images->Count()) return;
  TBitmap b(images->Width(), images->Height());
  b.Canvas()->Brush()->SetStyle(bsSolid);
  b.Canvas()->Brush()->SetColor(C->Brush()->Color());
  b.Canvas()->FillRect(TRect(0, 0, images->Width(), images->Height()));
  images->Draw(b.Canvas(), 0, 0, Index);
  C->StretchDraw(R, &b);
}

void TDedAdararAdoz::TPrintRender::PrintRadio(int ACol, int ARow, TCellGraphic* G0, const TRect& R) {
  // The buttons at the check size scaled to the page, one a text line
  // downward or side by side, each followed by its text.
  auto* items = dynamic_cast<TStrings*>(G0->CellBitmap);
  const int count = items != nullptr ? items->Count() : std::max(0, G0->CellAngle);
  const std::string cellText = items != nullptr ? G.GetCellEx(ACol, ARow) : std::string();
  const int glyph = std::max(1, Round(G.ControlLook()->RadioSize() * Sc));
  const int lineH = std::max(C->TextHeight("gh"), glyph);
  const int spacing = Round(2 * Sc);
  int x = R.Left, y = R.Top;
  for (int i = 0; i < count; ++i) {
    const std::string text = items != nullptr && i < items->Count() ? items->Strings(i) : std::string();
    const bool checked = i == G0->CellIndex || (G0->CellIndex == -1 && items != nullptr && text == cellText);
    const int gy = y - (lineH - glyph) / 2;
    const TRect button(x, gy, x + glyph, gy - glyph);
    C->Brush()->SetStyle(bsClear);
    C->Ellipse(button);
    if (checked) {
      const int inset = glyph / 4;
      C->Brush()->SetStyle(bsSolid);
      C->Brush()->SetColor(C->Pen()->Color());
      C->Ellipse(TRect(button.Left + inset, button.Top - inset, button.Right - inset, button.Bottom + inset));
    }
    int next = x + glyph + spacing;
    if (!text.empty()) {
      C->Brush()->SetStyle(bsClear);
      C->TextOut(next, y, text);
      next += C->TextWidth(text) + 2 * spacing;
    }
    if (G0->CellBoolean)
      x = next;
    else
      y -= lineH;
  }
}
