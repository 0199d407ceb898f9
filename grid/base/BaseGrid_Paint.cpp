// The store's cell painter: hidden footer row, merged areas painted once per
// pass, background from the look the grid reports (with the hover and
// active rows), the store's own grid lines, then the cell content.
#include <memory>

#include "framework/graphics/Region.h"
#include "grid/base/BaseGrid.h"

void TBaseGrid::Paint() {
  TObjStringGrid::Paint();
  ++FPaintID;
}

void TBaseGrid::PaintGrid(TCanvas* ACanvas) {
  TObjStringGrid::PaintGrid(ACanvas);
  ++FPaintID;
}

void TBaseGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  DoPaintCell(Canvas(), ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCell(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  DoPaintCell(ACanvas, ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCellExt(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect,
                             TGridDrawState AState) {
  DoPaintCell(ACanvas, ACol, ARow, ARect, AState, false);
}

void TBaseGrid::DoPaintCell(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState,
                            bool DrawContent) {
  if (ARow == RowCount() - 1 && FHideLastRow) {
    ACanvas->Brush()->SetStyle(bsSolid);
    ACanvas->Brush()->SetColor(Color());
    ACanvas->Pen()->SetColor(Color());
    ACanvas->FillRect(ARect);
    return;
  }

  // A merged area is painted whole, once per pass, by the first of its
  // cells the pass reaches; its other cells paint nothing of their own.
  int bc = ACol, br = ARow;
  bool isBase = FindBaseCell(ACol, ARow, bc, br);
  if (IsMergedCell(ACol, ARow)) {
    TCellProperties* base = GetGridObject(bc, br);
    if (!isBase) {
      if (base != nullptr && base->PaintID() != FPaintID) {
        base->SetPaintID(FPaintID);
        PaintCell(ACanvas, bc, br, ARect, AState);
      }
      return;
    }
    // Painted from its base cell: the area's other cells skip this pass.
    if (DrawContent && base != nullptr) base->SetPaintID(FPaintID);
  }

  if (DrawContent && IsFixed(ACol, ARow)) {
    AState << gdFixed;
    AState >> gdSelected;
  }
  const bool fixed = AState.Contains(gdFixed);
  const bool selected = AState.Contains(gdSelected);
  TRect R = DrawContent ? CellRect(ACol, ARow) : ARect;

  // An area reaching under the fixed cells must not paint over them.
  int x0 = ACol >= FixedCols() ? FixedColsWidth() : 0;
  int y0 = ARow >= FixedRows() ? FixedRowsHeight() : 0;
  std::unique_ptr<TRegion> oldClip;
  bool clipped = false;
  if ((ACol >= FixedCols() && FixedCols() > 0 && R.Left < x0) ||
      (ARow >= FixedRows() && FixedRows() > 0 && R.Top < y0)) {
    if (ACanvas->ClipRegion() != nullptr) oldClip = std::make_unique<TRegion>(*ACanvas->ClipRegion());
    ACanvas->IntersectClipRect(TRect(x0, y0, Width(), Height()));
    clipped = true;
  }

  ACanvas->Pen()->SetWidth(1);
  ACanvas->Font()->Assign(Font());
  ACanvas->Brush()->SetStyle(bsSolid);
  // The store's own look; the full grid's GetVisualProperties replaces it.
  ACanvas->Brush()->SetColor(fixed ? FixedColor() : Color());
  TColor colorTo = clNone, mirrorColor = clNone, mirrorColorTo = clNone;
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  bool ww = FWordWrap;
  TCellGradientDirection gd = GradientVertical;
  GetVisualProperties(ACol, ARow, AState, false, true, true, ACanvas->Brush(), colorTo, mirrorColor,
                      mirrorColorTo, ACanvas->Font(), ha, va, ww, gd);
  ACanvas->Pen()->SetColor(ACanvas->Brush()->Color());

  bool hoverExcluded =
      (selected && !FHoverRowCells.Contains(hcSelected)) || (fixed && !FHoverRowCells.Contains(hcFixed));
  if (ARow == FHoverRowIdx && FHoverRow && !hoverExcluded) {
    ACanvas->Brush()->SetColor(FHoverRowColor);
    colorTo = FHoverRowColorTo;
    mirrorColor = clNone;
    mirrorColorTo = clNone;
    gd = GradientVertical;
  }
  if ((FActiveRowShow && ARow == Row() && ACol >= FixedCols() && (ACol != Col() || !FShowSel)) ||
      (!DrawContent && selected)) {
    ACanvas->Brush()->SetColor(FActiveRowColor);
    colorTo = FActiveRowColorTo;
    mirrorColor = FActiveRowMirrorColor;
    mirrorColorTo = FActiveRowMirrorColorTo;
  }
  ACanvas->Pen()->SetColor(ACanvas->Brush()->Color());

  if (!GetUseVCLStyles() || (!fixed && !selected)) ACanvas->FillRect(R);

  const TGridOptions opts = Options();
  int o;
  if (fixed) {
    ACanvas->Pen()->SetColor(FGridFixedLineColor);
    ACanvas->Pen()->SetWidth(1);
    o = 1;
  } else {
    if (FGridLineWidth > 0) ACanvas->Pen()->SetColor(FGridLineColor);
    ACanvas->Pen()->SetWidth(FGridLineWidth);
    o = (FGridLineWidth + 1) / 2;
  }
  const bool horz = fixed ? opts.Contains(goFixedHorzLine) : opts.Contains(goHorzLine);
  const bool vert = fixed ? opts.Contains(goFixedVertLine) : opts.Contains(goVertLine);
  // A grid with tree nodes draws no horizontal line in its first column.
  if ((bc != 0 || !HasNodes()) && horz) {
    ACanvas->MoveTo(R.Left - o + 1, R.Bottom - o);
    ACanvas->LineTo(R.Right - o + 1, R.Bottom - o);
  }
  if (vert) {
    int x = UseRightToLeftAlignment() ? R.Right - o + 1 : R.Right - o;
    ACanvas->MoveTo(x, R.Bottom - o);
    ACanvas->LineTo(x, R.Top - o);
  }

  TRect content = R;
  if (fixed) {
    content.Right -= 1;
    content.Bottom -= 2;
  } else {
    content.Left += FGridLineWidth;
    content.Top += FGridLineWidth;
    content.Right -= FGridLineWidth;
    content.Bottom -= FGridLineWidth;
  }
  if (DrawContent) DrawGridCell(ACanvas, ACol, ARow, content, AState);

  if (clipped) ACanvas->SelectClipRegion(oldClip.get());
  ACanvas->Brush()->SetStyle(bsSolid);
  ACanvas->Pen()->SetStyle(psSolid);
}

void TBaseGrid::DrawGridCell(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState) {
  std::string text = GetCellEx(ACol, ARow);
  if (text.empty()) return;
  ACanvas->Brush()->SetStyle(bsClear);
  ACanvas->TextRect(ARect, text, TTextFormat{tfSingleLine, tfCenter, tfVerticalCenter});
}
