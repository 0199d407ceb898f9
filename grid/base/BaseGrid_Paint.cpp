// The store's cell painter: hidden footer row, merged areas painted once per
// pass, background from the look the grid reports (with the hover and
// active rows), the store's own grid lines, then the cell content.
#include <algorithm>
#include <memory>

#include "framework/graphics/Region.h"
#include "grid/base/BaseGrid.h"
#include "grid/base/VevDraw.h"

namespace {
// The colours of a styled selection: fill start and end, lower half start
// and end, border, inner upper and lower lines, corner pixels.
struct TSelectionColors {
  TColor FillFrom, FillTo, LowerFrom, LowerTo, Border, InnerUpper, InnerLower, Corner;
};

constexpr TSelectionColors kVista{0xFDF8F1, 0xFCEFD5, clNone, clNone, 0xFDDE99, 0xFDFBF6, 0xFDF5E7, 0xFCEDCB};
constexpr TSelectionColors kWin7{0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xCEA27D, 0xFDF4EB, 0xFDEADB, 0xE0C5AE};
constexpr TSelectionColors kOffice2007{0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC,
                                       0x8DD7D3, 0xF4FEFF, 0xCAF8FF, 0xC3D9DF};
constexpr TSelectionColors kUnfocused{0xF8F8F8, 0xE5E5E5, clNone,   clNone,
                                      0xD9D9D9, 0xFBFAFA, 0xF0F0F0, 0xEFEFEF};
}  // namespace

// One paint pass: its cells stamp merged areas with the pass's number,
// which moves on when the pass ends, also when a cell raised, so the next
// pass paints every area again.
struct TBaseGrid::TPaintPass {
  TBaseGrid* Grid;
  explicit TPaintPass(TBaseGrid* G) : Grid(G) { ++Grid->FPaintPassDepth; }
  ~TPaintPass() {
    --Grid->FPaintPassDepth;
    ++Grid->FPaintID;
  }
};

void TBaseGrid::Paint() {
  TPaintPass pass(this);
  TObjStringGrid::Paint();
}

void TBaseGrid::PaintGrid(TCanvas* ACanvas) {
  TPaintPass pass(this);
  TObjStringGrid::PaintGrid(ACanvas);
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
      // Outside a pass (printing, a drag image) the area is simply painted:
      // stamping it would hide it from the next window paint.
      if (FPaintPassDepth == 0) {
        DoPaintCell(ACanvas, bc, br, ARect, AState, DrawContent);
      } else if (base != nullptr && base->PaintID() != FPaintID) {
        base->SetPaintID(FPaintID);
        PaintCell(ACanvas, bc, br, ARect, AState);
      }
      return;
    }
    // Painted from its base cell: the area's other cells skip this pass.
    if (DrawContent && base != nullptr && FPaintPassDepth > 0) base->SetPaintID(FPaintID);
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
  // Put back on every way out, an exception from the content included, so
  // the next cells are not clipped to this one's area.
  struct TCellScope {
    TCanvas* Canvas;
    std::unique_ptr<TRegion> OldClip;
    bool Clipped = false;
    ~TCellScope() {
      if (Clipped) Canvas->SelectClipRegion(OldClip.get());
      Canvas->Brush()->SetStyle(bsSolid);
      Canvas->Pen()->SetStyle(psSolid);
    }
  } scope{ACanvas, nullptr};
  if ((ACol >= FixedCols() && FixedCols() > 0 && R.Left < x0) ||
      (ARow >= FixedRows() && FixedRows() > 0 && R.Top < y0)) {
    if (ACanvas->ClipRegion() != nullptr) scope.OldClip = std::make_unique<TRegion>(*ACanvas->ClipRegion());
    ACanvas->IntersectClipRect(TRect(x0, y0, Width(), Height()));
    scope.Clipped = true;
  }

  ACanvas->Pen()->SetWidth(1);
  // An unchanged font is not handed to the canvas again: that would make
  // the backend build it anew for every cell.
  if (!ACanvas->Font()->IsEqual(*Font())) ACanvas->Font()->Assign(Font());
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

  if (selected && FSelectionStyle != ssDefault && FShowSel) {
    DrawSelectionFace(ACanvas, ACol, R);
  } else if (!GetUseVCLStyles() || (!fixed && !selected)) {
    const TColor color = ACanvas->Brush()->Color();
    if (mirrorColorTo == clNone) {
      FillGradientRect(ACanvas, color, colorTo, gd == GradientHorizontal, R, 64);
    } else {
      DrawCellBackground(ACanvas, R, color, true, false, clNone, true, mirrorColorTo, mirrorColor, colorTo);
    }
  }

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
}

void TBaseGrid::DrawSelectionFace(TCanvas* ACanvas, int ACol, const TRect& R) {
  const TGridRect sel = Selection();
  const int left = std::min(sel.Left, sel.Right), right = std::max(sel.Left, sel.Right);
  int ends = seBoth;
  if (ACol == left && ACol < right) {
    ends = seLeftEnd;
  } else if (ACol == right && ACol > left) {
    ends = seRightEnd;
  } else if (ACol > left && ACol < right) {
    ends = seMiddle;
  }
  TRect face = R;
  const TGridOptions opts = Options();
  if (!opts.Contains(goHorzLine)) face.Bottom += 1;
  if (!opts.Contains(goVertLine)) face.Right += 1;
  if (UseRightToLeftAlignment()) {
    face.Right += 1;
    face.Bottom += 1;
  }
  const bool focused = Focused() || opts.Contains(goDrawFocusSelected);
  const TSelectionColors* c = &kUnfocused;
  if (focused) {
    switch (FSelectionStyle) {
      case ssVista:
        c = &kVista;
        break;
      case ssWin7:
        c = &kWin7;
        break;
      case ssOffice2007:
        c = &kOffice2007;
        break;
      default:
        break;
    }
  }
  DrawStyledSelection(ACanvas, c->FillFrom, c->FillTo, ends, face, Color(), c->Corner, c->Border,
                      c->InnerLower, c->InnerUpper, c->LowerTo, c->LowerFrom);
}

void TBaseGrid::DrawGridCell(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState) {
  std::string text = GetCellEx(ACol, ARow);
  if (text.empty()) return;
  ACanvas->Brush()->SetStyle(bsClear);
  ACanvas->TextRect(ARect, text, TTextFormat{tfSingleLine, tfCenter, tfVerticalCenter});
}
