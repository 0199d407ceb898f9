// The text step of the cell painter: the selection colours of the cell,
// its display text, the grid's background picture or gradient under it,
// the selection rectangle and the filter glyph, then the text by its kind:
// plain (alignment, word wrap, ellipsis, links, the sort glyph), markup
// through the markup engine, or rich text.
#include <algorithm>

#include "framework/graphics/Gdi.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/DudHTMLE.h"
#include "grid/base/VevDropDownUtil.h"
#include "grid/base/VevUtil.h"
#include "grid/view/DivUzev_Paint.h"

namespace {
void Line(TCanvas* C, int X1, int Y1, int X2, int Y2) {
  C->MoveTo(X1, Y1);
  C->LineTo(X2, Y2);
}

bool IsCheckKind(TCellType K) {
  return K == ctCheckBox || K == ctDataCheckBox || K == ctVirtCheckBox || K == ctRowCheckBox ||
         K == ctTriStateCheckBox;
}

// The glyph of the filter button (built in when none is set).
TBitmap* FilterGlyph() {
  static TBitmap* glyph = [] {
    auto* b = new TBitmap();
    try {
      b->LoadFromResourceName("GRDFILT");
    } catch (const Exception&) {
      // Without the resource the button shows nothing.
    }
    return b;
  }();
  return glyph;
}
}  // namespace

void TDedAdararAdoz::DrawRichCell(int RCol, int ARow, TRect ARect, TCanvas* ACanvas) {
  if (FDesigning) return;
  // No rich edit here: the cell's letters are drawn in the canvas font.
  std::string text = RichTextToPlain(GetCellEx(RCol, ARow));
  ARect.Left += FXYOffset.X;
  ARect.Top += FXYOffset.Y;
  ARect.Right -= FXYOffset.X;
  ARect.Bottom -= FXYOffset.Y;
  ACanvas->SetBkMode(TRANSPARENT);
  DrawText(ACanvas, text, ARect, DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX | DT_EDITCONTROL);
}

void TDedAdararAdoz::PaintCellText(TCellPaint& P, bool TextAllowed) {
  if (!TextAllowed) return;
  TCanvas* c = P.C;
  const bool fixed = P.FixedLook;
  // 1.
  P.LinkColor = FURLColor;

  // 2. The selection's colours.
  const bool rowSelected = Options().Contains(goRowSelect) && P.RCol >= FixedCols() &&
                           P.RCol < ColCount() - FFixedRightCols && P.SelRow < TotalRowCount() &&
                           RowSelect(P.SelRow);
  if ((P.State.Contains(gdSelected) || rowSelected) && !fixed && FShowSelection) {
    if (FSelectionColor != clNone) c->Brush()->SetColor(FSelectionColor);
    if (FSelectionTextColor != clNone && Enabled()) c->Font()->SetColor(FSelectionTextColor);
    P.LinkColor = FSelectionTextColor;
  }
  if ((!Focused() || (P.Graphic != nullptr && IsCheckKind(P.Graphic->CellType))) && !FShowSelection) {
    c->Brush()->SetColor(P.SavedBrush);
    c->Font()->SetColor(P.SavedFontColor);
    P.LinkColor = FURLColor;
  }

  // 3., 4., 5. The text.
  std::string text = GetFormattedCell(P.RCol, P.Row);
  int kind = ClassifyCellText(text, FEnableHTML);
  if (kind == tkFormula) {
    text = GetCellText(P.RCol, P.Row);
    kind = ClassifyCellText(text, FEnableHTML);
  }
  int errPos = 0, errLen = 0;
  if (P.Graphic != nullptr) {
    errPos = P.Graphic->CellErrFrom;
    errLen = P.Graphic->CellErrLen;
  }
  bool password = false;
  IsPasswordCell(P.RCol, P.Row, password);
  if (password) FillString(text, static_cast<unsigned char>(FPasswordChar));

  // 6. The text rectangle, clipped to the cell while it scrolls.
  TRect tr = P.R;
  if (fixed) {
    tr.Left += FGridLineWidth;
    tr.Top += FGridLineWidth;
  }
  bool clipped = false;
  if (P.ScrollPos > 0) {
    c->SaveDC();
    c->IntersectClipRect(P.R);
    clipped = true;
    tr.Top -= P.ScrollPos;
  }
  struct TClipScope {
    TCanvas* C;
    bool& On;
    ~TClipScope() {
      if (On) C->RestoreDC(-1);
    }
  } clipScope{c, clipped};

  // 7. The filter button.
  if (P.FilterGlyph) {
    const bool active = FFilterColumn == P.RCol;
    TBitmap* glyph = active && !FFilterDropDown->GlyphActive()->Empty() ? FFilterDropDown->GlyphActive()
                                                                        : FFilterDropDown->Glyph();
    const TRect at(P.R.Right - 16, P.R.Top, P.R.Right, P.R.Bottom);
    if (glyph->Empty()) {
      DrawTransparentBitmap(c, FilterGlyph(), FixedColor(), at);
    } else {
      glyph->SetTransparent(true);
      c->Draw(at.Left, at.Top, glyph);
    }
    c->Brush()->SetColor(P.SavedBrush);
  }

  // 8. A row or column left out of a disjunct selection shows plain.
  if (P.Col >= FixedCols() && P.Row >= FixedRows() && !FMouseButtonDown &&
      ((FMouseActions->DisjunctRowSelect() && !(P.SelRow < TotalRowCount() && RowSelect(P.SelRow))) ||
       (FMouseActions->DisjunctColSelect() && !ColSelect(P.Col)))) {
    P.LinkColor = FURLColor;
    c->Brush()->SetColor(Color());
    c->Font()->SetColor(Font()->Color());
    GetCellColor(P.RCol, P.Row, P.State, c->Brush(), c->Font());
    if (FZoomFactor != 0) c->Font()->SetSize(c->Font()->Size() + FZoomFactor);
  }

  // 9., 10. The grid's background under the cell.
  PaintTextBackground(P);

  // 11.
  if (FSelectionRectangle && !fixed) PaintSelectionRectangle(P);

  // 12. The text itself.
  if (P.DrawsText) {
    TRect r = tr;
    r.Left += FXYOffset.X;
    r.Top += FXYOffset.Y;
    if (!FXYOffsetTopLeftOnly) r.Right -= FXYOffset.X;
    const int lineHeight = c->TextHeight("hg");
    // Room for the graphic beside, above or under the text.
    if (P.Graphic != nullptr) {
      const TCellHAlign gh = P.Graphic->CellHAlign;
      if (P.HA == taLeftJustify && gh == haBeforeText) r.Left += P.GW;
      if ((P.HA == taLeftJustify || P.HA == taCenter || P.HA == taRightJustify) && gh == haAfterText)
        r.Right -= P.GW;
      if ((P.HA == taRightJustify || P.HA == taCenter) && gh == haBeforeText) r.Left += P.GW;
      if (P.Graphic->CellVAlign == vaAboveText) r.Top += P.GH;
      if (P.Graphic->CellVAlign == vaUnderText) r.Bottom -= P.GH;
    }
    if (P.RCol == 0 && HasNodes() && !IsNodeRow(P.Row)) r.Left += GetNodeIndent(P.Row);

    const bool sortCell = SortGlyphShown(P);
    if (kind == tkMarkup) {
      if (P.FilterGlyph) r.Right -= 18;
      if (sortCell && FixedRows() > 0 && (P.Col >= FixedCols() || FSortSettings->FixedCols())) r.Right -= 10;
      r.Left -= 1;
      DrawMarkupText(P, text, r);
      if (sortCell) PaintSortGlyph(P, r.Right + 2);
    } else if (kind == tkRichText) {
      c->Pen()->SetColor(c->Brush()->Color());
      if (!(P.State.Contains(gdSelected) && !P.State.Contains(gdFocused) && FSelectionColor == clNone))
        c->FillRect(r);
      c->Brush()->SetStyle(bsClear);
      DrawRichCell(P.RCol, P.Row, r, c);
      c->Brush()->SetStyle(bsSolid);
      c->Font()->SetColor(clBlack);
    } else {
      if (kind == tkWideText) text = DecodeWideCellText(text);
      DrawPlainText(P, std::move(text), r, lineHeight, errPos, errLen, sortCell);
    }
  }
}

bool TDedAdararAdoz::SortGlyphShown(TCellPaint& P) {
  if (!FSortSettings->Show()) return false;
  int row = P.Row;
  if (IsMergedCell(P.RCol, P.Row)) row = FullCell(P.RCol, P.Row).Bottom;
  if (row != FSortSettings->Row() || RowCount() <= FixedRows() + 1) return false;
  const int pos = FSortIndexes->IndexOf(P.RCol);
  if (P.RCol != FSortSettings->Column() && pos < 0) return false;
  // Later sort columns show their glyph only with the numbering on.
  if (pos >= 1 && !FSortSettings->IndexShow()) return false;
  return true;
}

void TDedAdararAdoz::PaintSortGlyph(TCellPaint& P, int X) {
  int y = P.R.Top + 8;
  if (P.VA == vtaCenter) y = (P.R.Top + P.R.Bottom) / 2;
  if (P.VA == vtaBottom) y = P.R.Bottom - 8;
  DrawSortIndicator(P.C, P.RCol, y, X);
}

void TDedAdararAdoz::DrawMarkupText(TCellPaint& P, const std::string& Text, const TRect& R) {
  TMarkupParams mp;
  mp.ImageList = GetGraphicImages();
  mp.XPos = R.Left;
  mp.YPos = R.Top;
  mp.FocusLink = -1;
  mp.HoverLink = FMouseCell.X == P.Col && FMouseCell.Y == P.Row ? FHoveredLink : -1;
  mp.ShadowOffset = 1;
  mp.BlinkVisible = FBlinkVisible;
  mp.HoverStyle = FURLUnderlineOnHover;
  mp.WordWrap = !FEnhTextSize;
  mp.MouseDown = GetKeyState(VK_CONTROL) < 0;
  mp.ResFactor = 0;
  mp.LinkColor = P.LinkColor;
  mp.ShadowColor = clGray;
  mp.PictureCache = ImageCache();
  mp.PictureContainer = FPictureContainer;
  mp.WindowHandle = HandleAllocated() ? reinterpret_cast<uintptr_t>(Handle()) : 0;
  TMarkupResult res;
  DrawMarkup(P.C, Text, R, mp, res);
  P.TextWidth = res.XSize + 2;
}

void TDedAdararAdoz::DrawPlainText(TCellPaint& P, std::string Text, TRect R, int LineHeight, int ErrPos,
                                   int ErrLen, bool SortCell) {
  TCanvas* c = P.C;
  // The centred header of the sorted column leaves room for its glyph.
  if (P.HA == taCenter && FSortSettings->Show() && P.Row == FSortSettings->Row() &&
      P.RCol == FSortSettings->Column())
    R.Left += 10;
  const bool link = FURLShow && IsURL(Text);
  if (link) {
    if (!FURLFull) StripURLProtocol(Text);
    c->Font()->SetStyle(c->Font()->Style() << fsUnderline);
    c->Font()->SetColor(P.LinkColor);
  }
  unsigned flags = DT_EDITCONTROL;
  if (LineCount(Text, FMultilineCells) == 1 && !P.WW) {
    std::string rest = Text;
    Text = CutFirstLine(rest, false);
    flags = DT_SINGLELINE;
    if (FEnhTextSize) flags |= DT_END_ELLIPSIS;
  } else if (P.WW && !FMultilineCells && FEnhTextSize) {
    flags |= DT_END_ELLIPSIS;
  }
  flags |= DT_EXPANDTABS | DT_NOPREFIX;
  flags |= P.HA == taRightJustify ? DT_RIGHT : P.HA == taCenter ? DT_CENTER : DT_LEFT;
  flags |= P.VA == vtaBottom ? DT_BOTTOM : P.VA == vtaCenter ? DT_VCENTER : DT_TOP;
  if (P.WW || FMultilineCells)
    flags |= DT_WORDBREAK | DT_EDITCONTROL;
  else
    flags |= DT_SINGLELINE;
  if (UseRightToLeftAlignment()) flags |= DT_RTLREADING;
  c->SetBkMode(TRANSPARENT);
  if (P.FilterGlyph) R.Right -= 16;
  int w = 0;
  if (P.Graphic != nullptr || SortCell) {
    TRect m = R;
    DrawText(c, Text, m, flags | DT_CALCRECT);
    w = m.Width();
    P.TextWidth = w + 2;
  }
  TRect draw = R;
  DrawText(c, Text, draw, flags);
  if (ErrLen != 0 && P.Graphic != nullptr &&
      (P.Graphic->CellType == ctEmpty || P.Graphic->CellType == ctValue))
    DrawErrorMarker(this, c, Text, ErrLen, ErrPos, LineHeight, R);
  if (SortCell && FixedRows() > 0 && (P.Col >= FixedCols() || FSortSettings->FixedCols())) {
    // The glyph is placed in the cell's rectangle, not the text's.
    TRect cell = P.R;
    if (P.FilterGlyph) cell.Right -= 16;
    w = std::clamp(w, 0, std::max(0, cell.Width() - 16));
    int gw = 0;
    if (P.Graphic != nullptr &&
        (P.Graphic->CellHAlign == haLeft || (P.Graphic->CellHAlign == haBeforeText && P.HA == taLeftJustify)))
      gw = P.GW;
    int x;
    switch (P.HA) {
      case taRightJustify:
        x = cell.Right - w - 10;
        break;
      case taCenter:
        x = cell.Left + 8;
        break;
      default:
        x = cell.Left + w + gw + 10;
        break;
    }
    PaintSortGlyph(P, x);
  }
  if (link) c->Font()->SetStyle(c->Font()->Style() >> fsUnderline);
}

void TDedAdararAdoz::PaintTextBackground(TCellPaint& P) {
  TCanvas* c = P.C;
  const TBackGroundCells cells = FBackGround->Cells();
  const bool covered = cells == bcAll || (cells == bcFixed) == P.FixedLook;
  if (!covered) return;
  const TCellType kind = P.Graphic != nullptr ? P.Graphic->CellType : ctEmpty;
  bool ownColor = false;
  if (HasCellProperties(P.RCol, P.Row) && (kind == ctEmpty || kind == ctNone || kind == ctRotated))
    ownColor = GetGridObject(P.RCol, P.Row)->BrushColor() != clNone;
  const bool selected = P.State.Contains(gdSelected);
  TBitmap* bmp = FBackGround->Bitmap();
  const TBackGroundDisplay display = FBackGround->Display();

  if (!bmp->Empty() && !ownColor && !(selected && FShowSelection) &&
      (display == bdTile || display == bdFixed)) {
    const int g = FGridLineWidth - 1;
    const TRect area(P.R.Left - g, P.R.Top - g, P.R.Right, P.R.Bottom);
    c->SaveDC();
    c->IntersectClipRect(area);
    if (display == bdFixed) {
      c->Draw(FBackGround->Left(), FBackGround->Top(), bmp);
    } else {
      // Tiles line up across cells, as one picture under them all.
      const int c0 = cells == bcAll ? 0 : FixedCols(), r0 = cells == bcAll ? 0 : FixedRows();
      long long ox = 0, oy = 0;
      for (int col = c0; col < P.Col; ++col) ox += ColWidths(col);
      for (int row = r0; row < P.Row; ++row) oy += RowHeights(row);
      const int bw = bmp->Width(), bh = bmp->Height();
      const int sx = area.Left - static_cast<int>(ox % bw), sy = area.Top - static_cast<int>(oy % bh);
      for (int y = sy; y < area.Bottom; y += bh)
        for (int x = sx; x < area.Right; x += bw) c->Draw(x, y, bmp);
    }
    c->RestoreDC(-1);
  }

  if ((display == bdGradientHorz || display == bdGradientVert) &&
      (!ownColor || kind == ctCheckBox || kind == ctDataCheckBox || kind == ctRadio || kind == ctButton ||
       kind == ctRadioButton) &&
      (!FShowSelection || !((selected && !P.State.Contains(gdFocused)) ||
                            (P.State.Contains(gdFocused) && Options().Contains(goDrawFocusSelected))))) {
    const bool horz = display == bdGradientHorz;
    const TRect area(P.R.Left - 1, P.R.Top - FGridLineWidth, P.R.Right, P.R.Bottom + FGridLineWidth);
    const int span = horz ? ClientWidth() : ClientHeight();
    const TColor from =
        BlendColor(FBackGround->Color(), FBackGround->ColorTo(), 0, horz ? P.R.Left : P.R.Top, span);
    const TColor to =
        BlendColor(FBackGround->Color(), FBackGround->ColorTo(), 0, horz ? P.R.Right : P.R.Bottom, span);
    const TColor brush = c->Brush()->Color();
    DrawGradient(c, from, to, 128, area, horz);
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(brush);
  }
}

void TDedAdararAdoz::PaintSelectionRectangle(TCellPaint& P) {
  TGridRect s = Selection();
  s = TGridRect(std::min(s.Left, s.Right), std::min(s.Top, s.Bottom), std::max(s.Left, s.Right),
                std::max(s.Top, s.Bottom));
  if (!CellInGridRect(s, P.Col, P.Row)) return;
  TCanvas* c = P.C;
  // A merged cell counts by its base cell's place.
  const TGridCoord base = BaseCell(P.RCol, P.Row);
  const int col = DisplColIndexOf(base.X), row = base.Y;
  const TRect& r = P.R;
  c->Pen()->SetColor(FSelectionRectangleColor);
  c->Pen()->SetWidth(2);
  const TGridRect area = FullCell(base.X, base.Y);
  const int lastCol = col + (area.Right - area.Left), lastRow = row + (area.Bottom - area.Top);
  // Right to left the columns run the other way: the selection starts at
  // a cell's right side and ends at its left one.
  const bool rtl = UseRightToLeftAlignment();
  const int startX = rtl ? r.Right - 1 : r.Left, endX = rtl ? r.Left : r.Right - 1;
  const int stop = lastCol >= s.Right ? 1 : 0;
  const int left = rtl ? r.Left + stop : r.Left, right = rtl ? r.Right : r.Right - stop;
  if (col <= s.Left) Line(c, startX, r.Top, startX, r.Bottom);
  if (lastCol >= s.Right) Line(c, endX, r.Top, endX, r.Bottom);
  if (row <= s.Top) Line(c, left, r.Top, right, r.Top);
  if (lastRow >= s.Bottom) Line(c, left, r.Bottom - 1, right, r.Bottom - 1);
  if (FSelectionResizer && lastCol >= s.Right && lastRow >= s.Bottom) {
    c->Brush()->SetStyle(bsSolid);
    const TColor b = c->Brush()->Color();
    c->Brush()->SetColor(FSelectionRectangleColor);
    // The corner where the selection ends: bottom left right to left (the
    // mouse finds it there too).
    const int x = rtl ? r.Left : r.Right - 4;
    c->FillRect(TRect(x, r.Bottom - 4, x + 4, r.Bottom));
    c->Brush()->SetColor(b);
  }
  c->Pen()->SetWidth(1);
}
