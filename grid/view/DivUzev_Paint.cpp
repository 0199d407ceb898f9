// The grid's painting pipeline: the whole-control paint, and the cell
// painter that lays a cell's layers one over the other (fixed-cell looks,
// the row indicator, the modified-row bar, always-visible buttons, the
// text, borders, 3-D fixed edges, tree lines, the graphic, the focus
// rectangle) with its drawing events in between; the sizing lines.
//
// An exception from a drawing event does not end the paint pass: the rest
// of the cells are painted, and the first such exception is raised again
// once the pass is over, so it is reported while the grid stays paintable.
#include <algorithm>
#include <cmath>
#include <exception>

#include "framework/graphics/Gdi.h"
#include "framework/graphics/ImgList.h"
#include "framework/graphics/Region.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/PictureContainer.h"
#include "grid/base/VevDropDownUtil.h"
#include "grid/base/VevUtil.h"
#include "grid/base/VevXPVS.h"
#include "grid/view/DivUzev_Paint.h"

// ---------------------------------------------------------------------------
// Settings of the painter

void TDedAdararAdoz::SetFlat(bool Value) {
  if (FFlat == Value) return;
  FFlat = Value;
  // Fixed cells draw 3-D edges only without the flat look.
  SetCtl3D(!Value);
  InvalidateGrid();
}

void TDedAdararAdoz::SetPictureContainer(TPictureContainer* Value) {
  if (FPictureContainer == Value) return;
  FPictureContainer = Value;
  if (Value != nullptr) FreeNotification(Value);
  InvalidateGrid();
}

void TDedAdararAdoz::SetGridImages(TImageList* Value) {
  if (FGridImages == Value) return;
  FGridImages = Value;
  if (Value != nullptr) FreeNotification(Value);
}

// ---------------------------------------------------------------------------
// Passes

namespace {
// Counts the passes under way; the outermost one raises the error kept.
struct TPassScope {
  int& Depth;
  explicit TPassScope(int& D) : Depth(D) { ++Depth; }
  ~TPassScope() { --Depth; }
};
}  // namespace

void TDedAdararAdoz::KeepPaintError() {
  if (!FPaintError) FPaintError = std::current_exception();
}

void TDedAdararAdoz::RaisePaintError() {
  if (FPaintPasses > 0 || !FPaintError) return;
  std::exception_ptr e = FPaintError;
  FPaintError = nullptr;
  std::rethrow_exception(e);
}

void TDedAdararAdoz::Paint() {
  {
    TPassScope pass(FPaintPasses);
    TCanvas* c = Canvas();
    c->Pen()->SetStyle(psSolid);
    c->Brush()->SetStyle(bsSolid);
    try {
      TBaseGrid::Paint();
    } catch (...) {
      KeepPaintError();
    }
    // The outline around the edited cell.
    if (EditorMode()) {
      const TGridOptions o = Options();
      TColor pen = FGridLineWidth >= 1 ? FGridLineColor : Color();
      if (!o.Contains(goVertLine) && !o.Contains(goHorzLine)) pen = Color();
      c->Pen()->SetColor(pen);
      c->Brush()->SetStyle(bsClear);
      c->Rectangle(CellRect(Col(), Row()));
      c->Brush()->SetStyle(bsSolid);
    }
    c->Pen()->SetColor(clBlack);
    if (!FBackGround->Bitmap()->Empty() || FBackGround->ColorTo() != clNone) PaintOutsideBackground(c);
    PaintPanMark(c);
    PaintDesignHelper();
    if (OnPainted) {
      try {
        OnPainted(this);
      } catch (...) {
        KeepPaintError();
      }
    }
  }
  RaisePaintError();
}

void TDedAdararAdoz::PaintGrid(TCanvas* ACanvas) {
  {
    TPassScope pass(FPaintPasses);
    try {
      TBaseGrid::PaintGrid(ACanvas);
    } catch (...) {
      KeepPaintError();
    }
  }
  RaisePaintError();
}

void TDedAdararAdoz::DoPaintCell(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect,
                                 TGridDrawState AState, bool DrawContent) {
  // Outside a pass (one cell printed or dragged) the caller sees errors.
  if (FPaintPasses == 0) {
    TBaseGrid::DoPaintCell(ACanvas, ACol, ARow, ARect, AState, DrawContent);
    return;
  }
  try {
    TBaseGrid::DoPaintCell(ACanvas, ACol, ARow, ARect, AState, DrawContent);
  } catch (...) {
    KeepPaintError();
  }
}

// ---------------------------------------------------------------------------
// Small helpers

namespace {
void Line(TCanvas* C, int X1, int Y1, int X2, int Y2) {
  C->MoveTo(X1, Y1);
  C->LineTo(X2, Y2);
}

// A number read the way the typed accessors read it, 0 when the text is
// none: painting never stops over what a cell holds.
bool ReadNumber(const std::string& Text, double& Value) {
  const std::string t = Trim(Text);
  Value = 0;
  if (t.empty() || t == "-") return true;
  return TryStrToFloat(ExtractNumberText(t), Value, '.');
}
}  // namespace

int TDedAdararAdoz::PaintInt(int ACol, int ARow) {
  const std::string t = Trim(GetStrippedCell(ACol, ARow));
  int32_t v = 0;
  if (t.empty() || !TryStrToInt(t, v)) return 0;
  return v;
}

double TDedAdararAdoz::PaintFloat(int ACol, int ARow) {
  double v = 0;
  if (!ReadNumber(GetStrippedCell(ACol, ARow), v) || !std::isfinite(v)) return 0;
  return v;
}

int TDedAdararAdoz::ButtonLook() const {
  if (FFlat && FColorTones.Background.BrushColor != clNone) return blTones;
  if (FControlLook->FlatButton()) return blFlat;
  if (!UxThemeActive()) return blClassic;
  return blThemed;
}

// ---------------------------------------------------------------------------
// The cell painter

void TDedAdararAdoz::DrawGridCell(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) {
  TCellPaint P;
  P.C = ACanvas;
  P.Col = ACol;
  P.Row = ARow;
  P.Cell = ARect;
  P.R = ARect;
  P.State = AState;

  // Put the canvas back whatever a step or event leaves on it.
  struct TCanvasScope {
    TCanvas* C;
    std::unique_ptr<TRegion> Clip;
    TPenMode Mode;
    ~TCanvasScope() {
      // Only a clip that a step or event changed is put back.
      const TRegion* now = C->ClipRegion();
      if ((now == nullptr) != (Clip == nullptr) || (now != nullptr && !(*now == *Clip)))
        C->SelectClipRegion(Clip.get());
      C->Pen()->SetMode(Mode);
      C->Pen()->SetStyle(psSolid);
      C->Pen()->SetWidth(1);
      C->Brush()->SetStyle(bsSolid);
    }
  } scope{ACanvas, ACanvas->ClipRegion() ? std::make_unique<TRegion>(*ACanvas->ClipRegion()) : nullptr,
          ACanvas->Pen()->Mode()};

  // 2. Which cell this is.
  P.RCol = RealColIndex(ACol);
  P.SelRow =
      FMouseActions->DisjunctRowSelect() && FMouseActions->RowSelectPersistent() ? RealRowIndex(ARow) : ARow;
  P.FilterGlyph =
      ARow == FFilterDropDownRow && (FFilterDropDownAuto || OnGetColumnFilter) && GetColumnFilter(P.RCol);

  // 3. The cell's own scroll bar.
  if (TCellGraphic* sb = GetCellGraphic(P.RCol, ARow); sb != nullptr && sb->CellType == ctScrollbar)
    PaintCellScrollBar(P, sb);

  // 4. Looks (the selected background is already painted).
  P.WW = FWordWrapEx;
  GetVisualProperties(ACol, ARow, P.State, false, false, true, ACanvas->Brush(), P.ColorTo, P.MirrorColor,
                      P.MirrorColorTo, ACanvas->Font(), P.HA, P.VA, P.WW, P.GD);

  // 5. The graphic and its room.
  LayoutGraphic(P);

  // 6., 7.
  if (P.State.Contains(gdSelected) && !P.State.Contains(gdFocused) && FSelectionColor == clNone) {
    // Without a selection colour the background painted nothing for the
    // selection: the cell shows the system's.
    ACanvas->Brush()->SetStyle(bsSolid);
    ACanvas->Brush()->SetColor(clHighlight);
    ACanvas->FillRect(P.R);
  }
  if (FZoomFactor != 0) ACanvas->Font()->SetSize(ACanvas->Font()->Size() + FZoomFactor);
  P.SavedBrush = ACanvas->Brush()->Color();
  P.SavedFontColor = ACanvas->Font()->Color();

  // 8. The fixed look; the hover row's fixed cell may look normal.
  const bool fixedCell = IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows();
  P.FixedLook = fixedCell && !(FHoverRow && ARow == FHoverRowIdx && FHoverRowCells.Contains(hcFixed));

  // 9. No application style is active here (its name is always "Windows").
  // 10.-12. Fixed backgrounds.
  if (P.FixedLook) PaintFixedBackground(P);

  // 11. Row indicator.
  if (P.RCol == 0 && ARow == Row() && FixedCols() > 0 && !FRowIndicator->Empty() &&
      !(RowCount() == FixedRows() && FFixedRowAlways)) {
    const int h = FRowIndicator->Height();
    int y = P.R.Top;
    if (FVAlignment == vtaCenter) y = P.R.Top + (P.R.Height() - h) / 2;
    if (FVAlignment == vtaBottom) y = P.R.Bottom - h;
    FRowIndicator->SetTransparent(true);
    ACanvas->Draw(P.R.Left + 2, y, FRowIndicator.get());
    P.IndicatorShift = FRowIndicator->Width() + 2;
    P.R.Left += P.IndicatorShift;
  }

  // 13. The modified-row bar.
  if (ACol == 0 && FShowModified->Enabled() && RowModified(ARow)) {
    ACanvas->Brush()->SetStyle(bsSolid);
    ACanvas->Brush()->SetColor(FShowModified->Color());
    ACanvas->FillRect(TRect(P.R.Right - 4, P.R.Top, P.R.Right, P.R.Bottom));
    ACanvas->Brush()->SetColor(P.SavedBrush);
  }

  // 14.
  if (OnCustomCellBkgDraw) {
    try {
      OnCustomCellBkgDraw(this, ACanvas, P.RCol, ARow, P.State, P.R, false);
    } catch (...) {
      KeepPaintError();
    }
  }

  // 15. Always-visible combo and spin buttons.
  if (!fixedCell && (FControlLook->DropDownAlwaysVisible() || FControlLook->SpinButtonsAlwaysVisible()))
    PaintCellButtons(P);

  // 16. An interfaced object drawn under the text.
  if (P.Graphic != nullptr && P.Graphic->CellType == ctInterface) {
    auto* obj = dynamic_cast<TInterfacedPersistent*>(P.Graphic->CellBitmap);
    if (obj != nullptr && obj->IsBackground()) {
      const TRect r(P.R.Left - 1, P.R.Top - 1, P.R.Right + 1, P.R.Bottom + 1);
      obj->Draw(ACanvas, r, P.RCol, ARow, P.State.Contains(gdSelected), this);
    }
  }

  // 17. The text.
  const bool handlers = static_cast<bool>(OnDrawCell) || static_cast<bool>(OnCustomCellDraw);
  const bool textAllowed = (P.Graphic == nullptr || !FNoImageAndText) && (!handlers || !FNoDefaultDraw);
  PaintCellText(P, textAllowed);

  // 18. Borders.
  P.R.Right += P.ButtonCut;
  ACanvas->Brush()->SetColor(P.SavedBrush);
  ACanvas->Font()->SetColor(P.SavedFontColor);
  P.R = TRect(P.R.Left - 1, P.R.Top - 1, P.R.Right + 1, P.R.Bottom + 1);
  PaintCellBorders(P);

  // 19.
  P.R.Left -= P.IndicatorShift;

  // 20., 21. 3-D fixed looks and the lines of the right fixed columns.
  if (P.FixedLook && !FFlat) PaintFixedEdges(P);
  if (FFixedRightCols > 0 && ACol >= ColCount() - FFixedRightCols && FLook != glClassic && !Ctl3D()) {
    const TGridOptions o = Options();
    ACanvas->Pen()->SetColor(FFlat ? clGray : clBlack);
    ACanvas->Pen()->SetWidth(1);
    if (o.Contains(goFixedHorzLine)) {
      Line(ACanvas, P.R.Left, P.R.Top - 1, P.R.Right, P.R.Top - 1);
      Line(ACanvas, P.R.Left, P.R.Bottom, P.R.Right, P.R.Bottom);
    }
    if (o.Contains(goFixedVertLine)) {
      Line(ACanvas, P.R.Left - 1, P.R.Top, P.R.Left - 1, P.R.Bottom);
      Line(ACanvas, P.R.Right, P.R.Top, P.R.Right, P.R.Bottom);
    }
  }

  // 22. Tree lines.
  if (P.RCol == 0 && ARow >= FixedRows() && FCellNode->ShowTree() && HasNodes()) PaintTreeLines(P);

  // 23. The graphic.
  if (P.Graphic != nullptr && !(P.Graphic->CellType == ctInterface &&
                                dynamic_cast<TInterfacedPersistent*>(P.Graphic->CellBitmap) != nullptr &&
                                static_cast<TInterfacedPersistent*>(P.Graphic->CellBitmap)->IsBackground())) {
    TRect gr = P.R;
    if (P.FixedLook) gr.Top += 1;
    DrawCellGraphic(P, gr);
  }

  // 24. The drawing events.
  if (OnDrawCell) {
    const TRect r(P.Cell.Left + 1, P.Cell.Top + 1, P.Cell.Right - FGridLineWidth,
                  P.Cell.Bottom - FGridLineWidth);
    try {
      OnDrawCell(this, P.RCol, ARow, r, P.State);
    } catch (...) {
      KeepPaintError();
    }
  }
  if (OnCustomCellDraw) {
    try {
      OnCustomCellDraw(this, ACanvas, P.RCol, ARow, P.State, P.R, false);
    } catch (...) {
      KeepPaintError();
    }
  }

  // 25. The focus rectangle over the current cell.
  if (!FHideFocusRect && Focused() && !Options().Contains(goRowSelect)) {
    const TGridCoord base = BaseCell(P.RCol, ARow);
    if (DisplColIndexOf(base.X) == Col() && base.Y == Row() && !IsFixed(Col(), Row())) {
      const int g = FGridLineWidth - 1;
      TRect f(P.R.Left - g, P.R.Top - g, P.R.Right + g - 1, P.R.Bottom + g - 1);
      ACanvas->Brush()->SetStyle(bsSolid);
      ACanvas->Brush()->SetColor(Color());
      ACanvas->Font()->SetColor(clBlack);
      ACanvas->DrawFocusRect(f);
    }
  }

  // 26. In a designer the header shows the real column numbers.
  if (FDesigning && FShowColNrs && ARow == 0) PaintDesignColumnNumber(ACanvas, P.R, P.RCol);
}

// ---------------------------------------------------------------------------
// Layers of the painter

void TDedAdararAdoz::PaintCellScrollBar(TCellPaint& P, TCellGraphic* G) {
  const int range = G->CellErrFrom, page = G->CellAngle;
  if (page >= range || range <= 0) return;
  P.ScrollPos = std::max(0, G->CellIndex);
  const int w = 17;
  TRect bar(P.R.Right - w, P.R.Top, P.R.Right, P.R.Bottom);
  P.R.Right -= w;
  TCanvas* c = P.C;
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(clScrollBar);
  c->FillRect(bar);
  const int arrow = std::min(w, bar.Height() / 2);
  TRect up(bar.Left, bar.Top, bar.Right, bar.Top + arrow);
  TRect down(bar.Left, bar.Bottom - arrow, bar.Right, bar.Bottom);
  DrawFrameControl(c, up, DFC_SCROLL, DFCS_SCROLLUP);
  DrawFrameControl(c, down, DFC_SCROLL, DFCS_SCROLLDOWN);
  // The thumb: its length is the page's share of the track.
  const int track = bar.Height() - 2 * arrow;
  if (track > 8) {
    const int len = std::max(8, track * std::max(page, 1) / (range + std::max(page, 1)));
    const int pos = std::clamp(P.ScrollPos, 0, range);
    const int top = bar.Top + arrow + (track - len) * pos / range;
    TRect thumb(bar.Left, top, bar.Right, top + len);
    DrawEdge(c, thumb, EDGE_RAISED, BF_RECT | BF_MIDDLE);
  }
}

void TDedAdararAdoz::PaintFixedBackground(TCellPaint& P) {
  TCanvas* c = P.C;
  const bool vyxLook =
      FLook == glVyx || FLook == glXP || FLook == glVista || FLook == glWin7 || FLook == glOffice2007;
  if (vyxLook) {
    bool covered = false;
    switch (HoverFixedCells()) {
      case hfAll:
        covered = true;
        break;
      case hfFixedRows:
        covered = P.Row < FixedRows();
        break;
      case hfFixedColumns:
        covered = P.Col < FixedCols();
        break;
      default:
        break;
    }
    const bool moving = GridState() == gsColMoving;
    const bool hot = covered && !FDesigning &&
                     ((!moving && FHoveredFixedCell.X == P.Col && FHoveredFixedCell.Y == P.Row) ||
                      (moving && FMovingColumn == P.Col));
    const bool dropDown = FControlLook->FixedDropDownButton() && CanShowFixedDropDown(P.RCol, P.Row);
    if (hot) {
      TRect r = P.R;
      r.Bottom += 1;
      auto hoverSet = [&](const TRect& A) {
        DrawCellBackground(c, A, FVyxGradientHoverFrom, true, false, FVyxGradientHoverBorder, true,
                           FVyxGradientHoverMirrorTo, FVyxGradientHoverMirrorFrom, FVyxGradientHoverTo);
      };
      auto downSet = [&](const TRect& A) {
        DrawCellBackground(c, A, FVyxGradientDownFrom, true, false, FVyxGradientDownBorder, true,
                           FVyxGradientDownMirrorTo, FVyxGradientDownMirrorFrom, FVyxGradientDownTo);
      };
      const bool held = FMouseButtonDown || moving;
      if (!held) {
        hoverSet(r);
      } else if (dropDown) {
        const TRect button(r.Right - 16, r.Top, r.Right, r.Bottom);
        const TRect rest(r.Left, r.Top, r.Right - 16, r.Bottom);
        if (FFixedDropDownOpen) {
          downSet(button);
          hoverSet(rest);
        } else {
          downSet(rest);
          hoverSet(button);
        }
      } else {
        downSet(r);
      }
      if (dropDown) {
        c->Pen()->SetColor(held ? FVyxGradientDownBorder : FVyxGradientHoverBorder);
        Line(c, r.Right - 16, r.Top, r.Right - 16, r.Bottom);
        DrawSmallDownArrow(c, r.Right - 8, r.Top + 8, clBlack);
        P.R.Right -= 16;
      }
    } else if (FActiveCellShow && ((P.Row == Row() && FixedCols() > 0 && P.Col == FixedCols() - 1) ||
                                   (P.Col == Col() && FixedRows() > 0 && P.Row == FixedRows() - 1))) {
      DrawCellBackground(c, P.R, FActiveCellColor, true, false, clNone, true, clNone, clNone,
                         FActiveCellColorTo);
    } else if (FSortSettings->Column() != -1 && FSortSettings->HeaderColor() != clNone &&
               P.RCol == FSortSettings->Column() && P.Row == FixedRows() - 1 &&
               (P.Col >= FixedCols() || FSortSettings->FixedCols())) {
      DrawCellBackground(c, P.R, FSortSettings->HeaderColor(), true, false, clNone, true,
                         FSortSettings->HeaderMirrorColorTo(), FSortSettings->HeaderMirrorColor(),
                         FSortSettings->HeaderColorTo());
    } else if (!FFlat) {
      DrawCellBackground(c, P.R, c->Brush()->Color(), true, FLook == glVista,
                         FLook == glVista ? clWhite : clNone, true, P.MirrorColorTo, P.MirrorColor,
                         P.ColorTo);
    }
  }
  if (FLook == glListView && !FFlat) {
    const bool inside = FHoveredFixedCell.X == P.Col && FHoveredFixedCell.Y == P.Row;
    if (UxThemeActive()) {
      TRect r = P.R;
      r.Bottom += 1;
      const TUxThemeEntries& ux = UxTheme();
      if (HTHEME theme = ux.OpenThemeData(reinterpret_cast<uintptr_t>(Handle()), "header")) {
        const int part = inside ? HP_HEADERITEM : HP_HEADERITEMRIGHT;
        const int state = !inside ? 1 : (FMouseButtonDown ? 3 : 2);
        ux.DrawThemeBackground(theme, c->Handle(), part, state, r, nullptr);
        ux.CloseThemeData(theme);
      }
      c->Pen()->SetColor(clWhite);
      Line(c, r.Left, r.Top, r.Right, r.Top);
    } else {
      c->Brush()->SetColor(clBtnFace);
      c->Pen()->SetColor(clWhite);
      c->Rectangle(P.R);
    }
    c->Brush()->SetColor(P.SavedBrush);
  }
}

void TDedAdararAdoz::PaintCellButtons(TCellPaint& P) {
  bool canEdit = true;
  CanEditCell(P.RCol, P.Row, canEdit);
  const int state = canEdit ? bfNormal : bfDisabled;
  const int look = ButtonLook();
  const HWND wnd = HandleAllocated() ? Handle() : 0;
  if (FControlLook->DropDownAlwaysVisible() && HasComboBox(P.RCol, P.Row)) {
    DrawComboButton(P.C, wnd, TRect(P.R.Left - 2, P.R.Top - 1, P.R.Right + 1, P.R.Bottom), FColorTones, state,
                    look);
    P.R.Right -= 16;
    P.ButtonCut = 16;
  } else if (FControlLook->SpinButtonsAlwaysVisible() && HasSpinEdit(P.RCol, P.Row)) {
    DrawSpinButtons(P.C, wnd, P.R, FColorTones, state, look);
    P.R.Right -= 16;
    P.ButtonCut = 16;
  }
  P.C->Brush()->SetStyle(bsSolid);
  P.C->Brush()->SetColor(P.SavedBrush);
  P.C->Font()->SetColor(P.SavedFontColor);
}

void TDedAdararAdoz::PaintCellBorders(TCellPaint& P) {
  TCanvas* c = P.C;
  TCellBorders borders;
  TPen saved;
  saved.Assign(c->Pen());
  GetCellBorder(P.RCol, P.Row, c->Pen(), borders);
  if (borders.Empty() && !OnGetCellBorderProp) {
    c->Pen()->Assign(&saved);
    return;
  }
  TPen left, top, right, bottom;
  left.Assign(c->Pen());
  top.Assign(c->Pen());
  right.Assign(c->Pen());
  bottom.Assign(c->Pen());
  if (OnGetCellBorderProp) {
    try {
      OnGetCellBorderProp(this, P.Row, P.RCol, &left, &top, &right, &bottom);
    } catch (...) {
      KeepPaintError();
    }
  }
  if (!borders.Empty()) {
    const TGridOptions o = Options();
    const int h = (c->Pen()->Width() + 1) / 2;
    const int leftInset = o.Contains(goVertLine) ? h : 0;
    const int bottomInset = o.Contains(goHorzLine) ? h : 0;
    TRect r = P.R;
    r.Left += leftInset;
    r.Bottom -= bottomInset;
    if (borders.Contains(cbLeft)) {
      c->Pen()->Assign(&left);
      Line(c, std::max(0, r.Left), r.Top, std::max(0, r.Left), r.Bottom);
    }
    r.Right -= leftInset;
    if (borders.Contains(cbRight)) {
      c->Pen()->Assign(&right);
      Line(c, r.Right - 1, r.Top, r.Right - 1, r.Bottom);
    }
    if (borders.Contains(cbTop)) {
      c->Pen()->Assign(&top);
      r.Top += bottomInset;
      const int y = FGridLineWidth > 0 ? std::max(0, r.Top - FGridLineWidth) : r.Top + 1;
      Line(c, r.Left, y, r.Right, y);
    }
    if (borders.Contains(cbBottom)) {
      c->Pen()->Assign(&bottom);
      Line(c, r.Left - FGridLineWidth - 1, r.Bottom - 1, r.Right, r.Bottom - 1);
    }
  }
  c->Pen()->Assign(&saved);
}

void TDedAdararAdoz::PaintFixedEdges(TCellPaint& P) {
  TCanvas* c = P.C;
  const TGridOptions o = Options();
  TRect r = P.R;
  c->Pen()->SetWidth(1);
  switch (FLook) {
    case glClassic: {
      r.Top += 1;
      r.Bottom += 1;
      r.Left += 1;
      TRect e = r;
      DrawEdge(c, e, BDR_RAISEDINNER, BF_LEFT);
      DrawEdge(c, e, BDR_RAISEDINNER, BF_TOP);
      DrawEdge(c, e, EDGE_RAISED, BF_RIGHT | BF_BOTTOM);
      c->Pen()->SetColor(clBlack);
      Line(c, r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1);
      c->LineTo(r.Left - 1, r.Bottom - 1);
      break;
    }
    case glVyx:
    case glXP:
      r.Bottom += 1;
      if (o.Contains(goFixedHorzLine)) {
        c->Pen()->SetColor(HalfColor(FixedColor()));
        Line(c, r.Left, r.Bottom - 1, r.Right - 1, r.Bottom - 1);
        c->Pen()->SetColor(clWhite);
        Line(c, r.Right - 2, r.Top + 1, r.Left + 1, r.Top + 1);
        c->LineTo(r.Left + 1, r.Bottom - 1);
      }
      break;
    case glSoft:
      if (Ctl3D()) {
        r.Right += 1;
        r.Bottom += 1;
        if (o.Contains(goFixedHorzLine)) {
          c->Pen()->SetColor(HalfColor(FixedColor()));
          Line(c, r.Left, r.Bottom - 1, r.Right - 1, r.Bottom - 1);
          c->Pen()->SetColor(clWhite);
          Line(c, r.Right, r.Top + 1, r.Left + 1, r.Top + 1);
          c->LineTo(r.Left + 1, r.Bottom - 1);
        }
        if (o.Contains(goFixedVertLine)) {
          c->Pen()->SetColor(HalfColor(FixedColor()));
          Line(c, r.Right - 2, r.Top, r.Right - 2, r.Bottom - 1);
          c->Pen()->SetColor(clWhite);
          Line(c, r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1);
        }
      } else {
        c->Pen()->SetColor(clBlack);
        if (o.Contains(goFixedHorzLine)) {
          Line(c, r.Left, r.Top - 1, r.Right, r.Top - 1);
          Line(c, r.Left, r.Bottom, r.Right, r.Bottom);
        }
        if (o.Contains(goFixedVertLine)) {
          Line(c, r.Left - 1, r.Top, r.Left - 1, r.Bottom);
          Line(c, r.Right, r.Top, r.Right, r.Bottom);
        }
      }
      break;
    default:
      break;
  }
}

void TDedAdararAdoz::PaintTreeLines(TCellPaint& P) {
  TCanvas* c = P.C;
  const int indent = FCellNode->NodeIndent();
  const int level = HasCellProperties(0, P.Row) ? GetGridObject(0, P.Row)->NodeLevel() : 0;
  auto levelOf = [&](int Row) {
    return Row >= 0 && Row < RowCount() && HasCellProperties(0, Row) ? GetGridObject(0, Row)->NodeLevel() : 0;
  };
  c->Pen()->SetColor(FCellNode->TreeColor());
  c->Pen()->SetWidth(1);
  c->Pen()->SetStyle(psDot);
  const int nodeIndent = GetNodeIndent(P.Row);
  TRect r = P.R;
  r.Left = nodeIndent;
  const int x = nodeIndent + indent / 2 - indent + 2;
  const int mid = (r.Top + r.Bottom) / 2;
  const bool node = IsNodeRow(P.Row);
  if (level > 0) Line(c, x, mid, FCellNode->ShowTreeFull() ? r.Right : nodeIndent + 4, mid);
  if (!node && level > 0) {
    // The last row of its level ends at mid-height; others run on.
    const bool last = levelOf(P.Row + 1) < level;
    Line(c, x, r.Top, x, last ? mid : r.Bottom + 4);
  }
  const int nextLevel = levelOf(P.Row + 1);
  for (int k = 1; k <= level; ++k) {
    const int lx = x - indent * k;
    if (nextLevel > 0) {
      Line(c, lx, r.Top, lx, r.Bottom + 4);
    } else {
      Line(c, lx, r.Top, lx, mid);
      c->LineTo(lx + indent / 2, mid);
    }
  }
  c->Pen()->SetStyle(psSolid);
}

void TDedAdararAdoz::PaintOutsideBackground(TCanvas* ACanvas) {
  // What lies right of the last column and below the last row.
  // Only the fixed lines and those from the first scrolled one in view are
  // summed, so the cost does not grow with the scroll position.
  const TRect client = ClientRect();
  auto shownExtent = [this](int Fixed, int First, int Count, int Limit, auto Extent) {
    int end = 0;
    for (int i = 0; i < std::min(Fixed, Count) && end < Limit; ++i) end += Extent(i) + FGridLineWidth;
    for (int i = std::max(First, Fixed); i < Count && end < Limit; ++i) end += Extent(i) + FGridLineWidth;
    return end;
  };
  const int right =
      shownExtent(FixedCols(), LeftCol(), ColCount(), client.Right, [this](int c) { return ColWidths(c); });
  const int bottom =
      shownExtent(FixedRows(), TopRow(), RowCount(), client.Bottom, [this](int r) { return RowHeights(r); });
  const TRect areas[2] = {TRect(right, 0, client.Right, client.Bottom),
                          TRect(0, bottom, right, client.Bottom)};
  for (const TRect& a : areas) {
    if (a.Width() <= 0 || a.Height() <= 0) continue;
    TBitmap* bmp = FBackGround->Bitmap();
    if (FBackGround->Display() == bdGradientHorz || FBackGround->Display() == bdGradientVert) {
      const bool horz = FBackGround->Display() == bdGradientHorz;
      const int span = horz ? client.Width() : client.Height();
      const TColor from =
          BlendColor(FBackGround->Color(), FBackGround->ColorTo(), 0, horz ? a.Left : a.Top, span);
      const TColor to =
          BlendColor(FBackGround->Color(), FBackGround->ColorTo(), 0, horz ? a.Right : a.Bottom, span);
      DrawGradient(ACanvas, from, to, 128, a, horz);
    } else if (!bmp->Empty()) {
      ACanvas->SaveDC();
      ACanvas->IntersectClipRect(a);
      if (FBackGround->Display() == bdFixed) {
        ACanvas->Draw(FBackGround->Left(), FBackGround->Top(), bmp);
      } else {
        for (int y = a.Top - 1; y < a.Bottom; y += bmp->Height())
          for (int x = a.Left - 1; x < a.Right; x += bmp->Width()) ACanvas->Draw(x, y, bmp);
      }
      ACanvas->RestoreDC(-1);
    }
  }
}

// ---------------------------------------------------------------------------
// Sizing lines

void TDedAdararAdoz::DrawSizingLine(bool Vertical, int Pos) {
  TCanvas* c = Canvas();
  TPen saved;
  saved.Assign(c->Pen());
  c->Pen()->SetStyle(psDot);
  c->Pen()->SetMode(pmXor);
  c->Pen()->SetWidth(1);
  c->Pen()->SetColor(clWhite);
  // The line stops at the last row (column) when that is in view.
  const TRect last = CellRect(ColCount() - 1, RowCount() - 1);
  const int lastBottom = last.Bottom > 0 ? last.Bottom : Height();
  const int lastRight = last.Right > 0 ? last.Right : Width();
  if (Vertical)
    Line(c, Pos, 0, Pos, std::min(Height(), lastBottom));
  else
    Line(c, 0, Pos, std::min(Width(), lastRight), Pos);
  c->Pen()->Assign(&saved);
}

void TDedAdararAdoz::DrawColumnSizingLine(int X) { DrawSizingLine(true, X); }
void TDedAdararAdoz::DrawRowSizingLine(int Y) { DrawSizingLine(false, Y); }
