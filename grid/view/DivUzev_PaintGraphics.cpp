// The graphics of cells: where each kind sits in its cell and how it is
// drawn (pictures, images, check boxes and radio buttons in every control
// style, tree nodes, push buttons, progress bars and pies, range
// indicators, shapes, rating stars, comment marks, rotated text), and the
// sort glyph of a sorted header. Values are read without raising: a cell
// whose text is no number shows 0.
#include <algorithm>
#include <cmath>
#include <map>

#include "framework/classes/StringList.h"
#include "framework/graphics/Gdi.h"
#include "framework/graphics/ImgList.h"
#include "grid/base/VevCtrls.h"
#include "grid/base/VevStyleIF.h"
#include "grid/base/VevXPVS.h"
#include "grid/view/DivUzev_Paint.h"

namespace {
void Line(TCanvas* C, int X1, int Y1, int X2, int Y2) {
  C->MoveTo(X1, Y1);
  C->LineTo(X2, Y2);
}

TColor ColorIn(TObject* Slot) { return static_cast<TColor>(reinterpret_cast<intptr_t>(Slot)); }

// The glyphs of the program, loaded once and drawn transparently (their
// bottom-left pixel's colour is the background).
TBitmap* Glyph(const std::string& Name) {
  static std::map<std::string, std::unique_ptr<TBitmap>> cache;
  auto it = cache.find(Name);
  if (it == cache.end()) {
    auto b = std::make_unique<TBitmap>();
    try {
      b->LoadFromResourceName(Name);
      b->SetTransparent(true);
    } catch (const Exception&) {
      // A missing glyph draws nothing; painting goes on.
    }
    it = cache.emplace(Name, std::move(b)).first;
  }
  return it->second.get();
}

void DrawGlyph(TCanvas* C, TBitmap* B, int X, int Y) {
  if (B == nullptr || B->Empty()) return;
  C->Draw(X, Y, B);
}

// Draws a themed element; false when the theme class cannot be opened.
bool DrawThemePart(TCanvas* C, HWND Wnd, const char* ClassName, int Part, int State, const TRect& R) {
  const TUxThemeEntries& ux = UxTheme();
  if (ux.OpenThemeData == nullptr) return false;
  HTHEME theme = ux.OpenThemeData(reinterpret_cast<uintptr_t>(Wnd), ClassName);
  if (theme == nullptr) return false;
  ux.DrawThemeBackground(theme, C->Handle(), Part, State, R, nullptr);
  ux.CloseThemeData(theme);
  return true;
}

bool ThemesUsable() { return UxThemeActive() && IsComCtl6(); }

bool IsCheckOrRadio(TCellType K) {
  return K == ctCheckBox || K == ctDataCheckBox || K == ctVirtCheckBox || K == ctRowCheckBox ||
         K == ctTriStateCheckBox || K == ctRadioButton;
}
}  // namespace

// ---------------------------------------------------------------------------
// The room of a graphic

void TDedAdararAdoz::LayoutGraphic(TCellPaint& P) {
  TCellGraphic* g = GetCellGraphic(P.RCol, P.Row);
  P.Graphic = g;
  P.GW = P.GH = 0;
  P.DrawsText = true;
  if (g != nullptr) {
    TImageList* images = GetGraphicImages();
    switch (g->CellType) {
      case ctBitmap:
        if (auto* b = dynamic_cast<TBitmap*>(g->CellBitmap)) P.GW = b->Width(), P.GH = b->Height();
        break;
      case ctIcon:
        if (auto* i = dynamic_cast<TIcon*>(g->CellIcon)) P.GW = i->Width(), P.GH = i->Height();
        break;
      case ctImageList:
      case ctDataImage:
        if (images != nullptr) P.GW = images->Width(), P.GH = images->Height();
        break;
      case ctPicture:
      case ctFilePicture: {
        const TPoint p = g->GetPictureSize(P.Cell.Width(), P.Cell.Height(), true);
        P.GW = p.X;
        P.GH = p.Y;
        break;
      }
      case ctCheckBox:
      case ctDataCheckBox:
      case ctVirtCheckBox:
      case ctRowCheckBox:
      case ctTriStateCheckBox:
        P.GW = P.GH = FControlLook->CheckSize();
        break;
      case ctRadioButton:
        P.GW = P.GH = FControlLook->RadioSize() + 4;
        break;
      case ctProgressPie:
        P.GW = P.GH = 20;
        break;
      case ctShape: {
        const int h = (P.Row < RowCount() ? RowHeights(P.Row) : DefaultRowHeight()) - 2 * FXYOffset.Y;
        P.GW = P.GH = h;
        break;
      }
      case ctButton:
      case ctBitButton:
        P.GW = g->CellIndex & 0xFFFF;
        P.GH = (g->CellIndex >> 16) & 0xFFFF;
        break;
      case ctImages:
        if (images != nullptr) {
          auto* list = dynamic_cast<TIntList*>(g->CellBitmap);
          const int n = list != nullptr ? list->Count() : 0;
          P.GW = g->CellBoolean ? n * images->Width() : images->Width();
          P.GH = g->CellBoolean ? images->Height() : n * images->Height();
        }
        break;
      case ctRating:
        P.GW = g->CellAngle * 18;
        P.GH = 16;
        break;
      case ctInterface:
        if (auto* obj = dynamic_cast<TInterfacedPersistent*>(g->CellBitmap)) {
          const TPoint s = obj->GetSize(P.RCol, P.Row);
          P.GW = s.X != 0 ? s.X : P.Cell.Width();
          P.GH = s.Y != 0 ? s.Y : P.Cell.Height();
        }
        break;
      default:
        break;
    }
    switch (g->CellType) {
      case ctDataImage:
      case ctDataCheckBox:
      case ctVirtCheckBox:
      case ctRowCheckBox:
      case ctRotated:
      case ctRadio:
      case ctProgress:
      case ctRangeIndicator:
      case ctXPProgress:
      case ctRating:
        P.DrawsText = false;
        break;
      default:
        break;
    }
  }
  if (P.RCol == 0 && HasNodes() && IsNodeRow(P.Row)) {
    const int level = HasCellProperties(0, P.Row) ? GetGridObject(0, P.Row)->NodeLevel() : 0;
    P.GW = level * 12 + 4;
  }
}

// ---------------------------------------------------------------------------
// Placing and drawing a graphic

void TDedAdararAdoz::DrawCellGraphic(TCellPaint& P, TRect& ARect) {
  TCellGraphic* g = P.Graphic;
  TCanvas* c = P.C;
  const TRect handedIn = ARect;
  const TCellType kind = g->CellType;

  // 1. Inset, except for the kinds that fill their cell.
  TRect r = ARect;
  if (kind != ctNode && kind != ctProgress && kind != ctRangeIndicator && kind != ctXPProgress) {
    r.Left += FXYOffset.X - 1;
    r.Right -= FXYOffset.X - 1;
    r.Top += FXYOffset.Y - 1;
    r.Bottom -= FXYOffset.Y - 1;
  }
  int w = P.GW, h = P.GH;
  const int t = P.TextWidth > 0 ? P.TextWidth + 2 : 0;
  const int width = r.Width(), height = r.Height();

  // 2. Across.
  int x = r.Left + 1;
  switch (g->CellHAlign) {
    case haLeft:
      x = r.Left + 1;
      break;
    case haRight:
      x = r.Right - 1 - w;
      break;
    case haCenter:
      x = w <= width ? r.Left + (width - w) / 2 : r.Left + 1;
      break;
    case haBeforeText:
      if (P.HA == taRightJustify)
        x = r.Right - t - w;
      else if (P.HA == taCenter)
        x = std::max(r.Left + 1, r.Left + (width - t - w) / 2);
      else
        x = r.Left + 1;
      break;
    case haAfterText:
      if (P.HA == taRightJustify)
        x = r.Right - 1 - w;
      else if (P.HA == taCenter)
        x = std::max(r.Left + 1, r.Left + t + (width - t - w) / 2);
      else
        x = r.Left + t;
      break;
    case haFull:
      x = r.Left;
      w = width;
      break;
  }

  // 3. Down; a check box follows the cell's own vertical alignment.
  TCellVAlign va = g->CellVAlign;
  if (IsCheckOrRadio(kind) && P.VA != FVAlignment)
    va = P.VA == vtaTop ? vaTop : P.VA == vtaCenter ? vaCenter : vaBottom;
  int y = r.Top + 1;
  switch (va) {
    case vaTop:
    case vaAboveText:
      y = r.Top + 1;
      break;
    case vaBottom:
      y = r.Bottom - 1 - h;
      break;
    case vaCenter:
      y = h <= height ? r.Top + (height - h) / 2 : r.Top + 1;
      break;
    case vaUnderText:
      y = r.Bottom - h;
      break;
    case vaFull:
      y = r.Top;
      h = height;
      break;
  }
  const TRect placed = Bounds(x, y, w, h);

  auto canEdit = [&] {
    bool e = true;
    CanEditCell(P.RCol, P.Row, e);
    return e;
  };
  TImageList* images = GetGraphicImages();
  const int marginX = FControlLook->ProgressMarginX(), marginY = FControlLook->ProgressMarginY();

  switch (kind) {
    case ctBitmap:
      if (auto* b = dynamic_cast<TBitmap*>(g->CellBitmap); b != nullptr && !b->Empty()) {
        const bool was = b->Transparent();
        b->SetTransparent(g->CellTransparent);
        c->Draw(x, y, b);
        b->SetTransparent(was);
      }
      break;
    case ctIcon:
      if (auto* i = dynamic_cast<TIcon*>(g->CellIcon); i != nullptr && !i->Empty()) c->Draw(x, y, i);
      break;
    case ctImageList:
      if (images != nullptr && g->CellIndex >= 0 && g->CellIndex < images->Count())
        images->Draw(c, x, y, g->CellIndex);
      break;
    case ctDataImage:
      if (images != nullptr) {
        const int idx = PaintInt(P.RCol, P.Row) + g->CellIndex;
        if (idx >= 0 && idx < images->Count()) images->Draw(c, x, y, idx);
      }
      break;
    case ctImages:
      if (images != nullptr) {
        if (auto* list = dynamic_cast<TIntList*>(g->CellBitmap)) {
          int px = x, py = y;
          for (int i = 0; i < list->Count(); ++i) {
            const int idx = list->Items(i);
            if (idx >= 0 && idx < images->Count()) images->Draw(c, px, py, idx);
            if (g->CellBoolean)
              px += images->Width();
            else
              py += images->Height();
          }
        }
      }
      break;
    case ctCheckBox:
    case ctRowCheckBox:
      // The flag of a check box that carries a balloon marks the balloon.
      DrawCheck(c, placed, g->CellBoolean, 0, false, FControlLook->ControlStyle(),
                g->CellAngle > 0 && (kind == ctRowCheckBox || g->CellBitmap == nullptr), canEdit());
      break;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
      std::string checkTrue;
      GetCheckTrue(P.RCol, P.Row, checkTrue);
      DrawCheck(c, placed, GetCellEx(P.RCol, P.Row) == checkTrue, 0, false, FControlLook->ControlStyle(),
                false, canEdit());
      break;
    }
    case ctTriStateCheckBox:
      DrawCheck(c, placed, g->CellCheckBoxState == cbChecked, g->CellCheckBoxState, true,
                FControlLook->ControlStyle(), false, canEdit());
      break;
    case ctRadioButton: {
      TRect rr = placed;
      rr.Left = r.Left + FXYOffset.X;
      rr.Right = rr.Left + w;
      DrawRadio(c, rr, false, 1, FControlLook->ControlStyle(), P.Row, P.RCol, P.State.Contains(gdSelected),
                nullptr, !canEdit(), false, g->CellBoolean ? 0 : -2, 1);
      break;
    }
    case ctRadio: {
      auto* items = dynamic_cast<TStrings*>(g->CellBitmap);
      const int count = items != nullptr ? items->Count() : std::max(0, g->CellAngle);
      DrawRadio(c, r, false, 1, FControlLook->ControlStyle(), P.Row, P.RCol, P.State.Contains(gdSelected),
                items, !canEdit(), g->CellBoolean, g->CellIndex, count);
      break;
    }
    case ctRotated:
      DrawRotatedText(P, r, g->CellAngle);
      break;
    case ctNode:
      DrawNodeGlyph(c, ARect, g, P.RCol, P.Row, P.State);
      break;
    case ctPicture:
      if (auto* pic = dynamic_cast<TPicture*>(g->CellBitmap); pic != nullptr && pic->Graphic() != nullptr) {
        TGraphic* gr = pic->Graphic();
        const bool was = gr->Transparent();
        gr->SetTransparent(g->CellTransparent);
        if (g->CellAngle != noStretch)
          c->StretchDraw(placed, gr);
        else
          c->Draw(x, y, gr);
        gr->SetTransparent(was);
      }
      break;
    case ctFilePicture:
      if (auto* file = dynamic_cast<TFilePicture*>(g->CellBitmap)) {
        // A file gone or spoilt since it was named leaves the cell empty.
        try {
          file->DrawPicture(c, placed);
        } catch (const std::exception&) {
        }
      }
      break;
    case ctProgress: {
      const double value = PaintFloat(P.RCol, P.Row);
      const TGridControlStyle style = FControlLook->ControlStyle();
      const TRect bar(r.Left + marginX, r.Top + marginY, r.Right - marginX, r.Bottom - marginY);
      if ((style == csWinXP || style == csTheme) && UxThemeActive() && FControlLook->ProgressXP() &&
          DrawThemePart(c, HandleAllocated() ? Handle() : 0, "Progress", PP_BAR, 1, bar)) {
        const int percent = static_cast<int>(std::clamp(value, 0.0, 100.0));
        const TRect inner(bar.Left + 2, bar.Top + 2, bar.Right - 2, bar.Bottom - 2);
        const TRect chunk(inner.Left, inner.Top, inner.Left + inner.Width() * percent / 100, inner.Bottom);
        if (chunk.Width() > 0)
          DrawThemePart(c, HandleAllocated() ? Handle() : 0, "Progress", PP_CHUNK, 1, chunk);
      } else {
        const TColor fg = ColorIn(g->CellBitmap), bk = ColorIn(g->CellIcon);
        const TColor fgText = g->CellBoolean ? g->CellIndex : (ColorToRGB(fg) ^ 0xFFFFFF);
        const TColor bkText = g->CellBoolean ? g->CellAngle : (ColorToRGB(bk) ^ 0xFFFFFF);
        DrawProgressBar(c, TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), fg, fgText, bk, bkText,
                        value, marginX, marginY, g->CellErrFrom, g->CellErrLen, g->CellText,
                        FControlLook->ProgressBorderColor(), false);
      }
      break;
    }
    case ctComment:
      if (FControlLook->CommentColor() != clNone) {
        const TColor color = g->CellAngle != clNone ? g->CellIndex : FControlLook->CommentColor();
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(color);
        c->Pen()->SetColor(color);
        c->Polygon({TPoint(handedIn.Right - 7, handedIn.Top), TPoint(handedIn.Right - 2, handedIn.Top),
                    TPoint(handedIn.Right - 2, handedIn.Top + 5)});
        c->Brush()->SetColor(Color());
      }
      break;
    case ctButton:
    case ctBitButton:
    case ctExpand:
      DrawCellButton(P, r, placed);
      break;
    case ctProgressPie:
      DrawProgressPie(c, Bounds(x, y, 20, 20), ColorIn(g->CellBitmap), false, g->CellAngle);
      break;
    case ctRangeIndicator:
      DrawRangeIndicator(c, TRect(r.Left + marginX, r.Top + marginY, r.Right - marginX, r.Bottom - marginY),
                         PaintInt(P.RCol, P.Row), ColorIn(g->CellIcon), ColorIn(g->CellBitmap),
                         g->CellBoolean, g->CellIndex);
      break;
    case ctXPProgress: {
      TProgressAppearanceRec a;
      const TGridProgressAppearance* pa = FProgressAppearance.get();
      a.Level0Color = pa->Level0Color();
      a.Level0ColorTo = pa->Level0ColorTo();
      a.Level1Color = pa->Level1Color();
      a.Level1ColorTo = pa->Level1ColorTo();
      a.Level2Color = pa->Level2Color();
      a.Level2ColorTo = pa->Level2ColorTo();
      a.Level3Color = pa->Level3Color();
      a.Level3ColorTo = pa->Level3ColorTo();
      a.Level1Perc = pa->Level1Perc();
      a.Level2Perc = pa->Level2Perc();
      a.BorderColor = pa->BorderColor();
      a.ShowBorder = pa->ShowBorder();
      a.Stacked = pa->Stacked();
      a.ShowPercentage = pa->ShowPercentage();
      a.Font = Font();
      a.CompleteFontColor = pa->CompleteFontColor();
      a.CompletionSmooth = pa->CompletionSmooth();
      a.ShowGradient = pa->ShowGradient();
      a.Steps = pa->Steps();
      a.UnCompleteColor = pa->UnCompleteColor() == clNone ? c->Brush()->Color() : pa->UnCompleteColor();
      // An empty or reversed range shows 0 %, never a division by zero.
      const int percent = ProgressPercent(PaintInt(P.RCol, P.Row), g->CellErrFrom, g->CellErrLen);
      DrawXPProgress(c,
                     TRect(r.Left + marginX, r.Top + marginY, r.Right - marginX - 1, r.Bottom - marginY - 1),
                     percent, a);
      break;
    }
    case ctInterface:
      if (auto* obj = dynamic_cast<TInterfacedPersistent*>(g->CellBitmap))
        obj->Draw(c, TRect(ARect.Left - 1, ARect.Top - 1, ARect.Right, ARect.Bottom), P.RCol, P.Row,
                  P.State.Contains(gdSelected), this);
      break;
    case ctShape:
      DrawCellShape(c, x, y, ColorIn(g->CellBitmap), g->CellIndex, g->CellAngle, h - 1, w - 1);
      break;
    case ctRating: {
      const double v = std::trunc(PaintFloat(P.RCol, P.Row) * 2) / 2;
      for (int i = 1; i <= g->CellAngle; ++i) {
        const int sx = x + (i - 1) * 18;
        DrawCellShape(c, sx, y, clNone, i <= v ? g->CellIndex : ColorIn(g->CellBitmap), csStar, 16, 16);
        if (i - 1 < v && v < i) DrawCellShape(c, sx, y, clNone, g->CellIndex, csHalfStar, 16, 16);
      }
      break;
    }
    default:
      break;
  }
  c->Brush()->SetStyle(bsSolid);
}

void TDedAdararAdoz::DrawRotatedText(TCellPaint& P, const TRect& R, int Angle) {
  TCanvas* c = P.C;
  std::string text = GetCellEx(P.RCol, P.Row);
  c->Font()->SetOrientation(Angle * 10);
  const TSize ext = c->TextExtent(text + "w");
  // The text turns about its start; the start is placed so that the turned
  // text sits in the middle of the cell.
  const double a = Angle * M_PI / 180.0;
  const double cx = (R.Left + R.Right) / 2.0, cy = (R.Top + R.Bottom) / 2.0;
  const double dx = ext.cx / 2.0 * std::cos(a) + ext.cy / 2.0 * std::sin(a);
  const double dy = -ext.cx / 2.0 * std::sin(a) + ext.cy / 2.0 * std::cos(a);
  c->SaveDC();
  c->IntersectClipRect(TRect(R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2));
  c->Brush()->SetStyle(bsClear);
  c->TextOut(static_cast<int>(std::lround(cx - dx)), static_cast<int>(std::lround(cy - dy)), text);
  c->RestoreDC(-1);
  c->Font()->SetOrientation(0);
  if (IsSortIndicatorCell(P.RCol, P.Row) && P.RCol == FSortSettings->Column())
    DrawSortIndicator(c, P.RCol, R.Top + 8, R.Right - 10);
}

// ---------------------------------------------------------------------------
// Check boxes and radio buttons

void TDedAdararAdoz::DrawCheck(TCanvas* ACanvas, const TRect& ARect, bool Checked, int TriStateValue,
                               bool TriState, TGridControlStyle Style, bool Mixed, bool Enabled) {
  if (FControlLook->NoDisabledCheckRadioLook() || FControlLook->CheckAlwaysActive()) Enabled = true;
  if (TriState) {
    Checked = TriStateValue == cbChecked;
    Mixed = TriStateValue == cbGrayed;
  }
  if (Style == csTheme && !ThemesUsable()) Style = csClassic;
  const int size = FControlLook->CheckSize();
  const HWND wnd = HandleAllocated() ? Handle() : 0;
  switch (Style) {
    case csClassic:
    case csFlat: {
      TRect box = Bounds(ARect.Left + (ARect.Width() - size) / 2, ARect.Top + (ARect.Height() - size) / 2,
                         size, size);
      unsigned state = DFCS_BUTTONCHECK;
      if (Checked || Mixed) state |= DFCS_CHECKED;
      if (Mixed) state |= DFCS_BUTTON3STATE;
      if (Style == csFlat) state |= DFCS_FLAT;
      if (!Enabled) state |= DFCS_INACTIVE;
      DrawFrameControl(ACanvas, box, DFC_BUTTON, state);
      break;
    }
    case csWinXP:
      DrawGlyph(ACanvas,
                Glyph(Checked ? (Enabled ? "GRDCHK05" : "GRDCHK07") : (Enabled ? "GRDCHK06" : "GRDCHK08")),
                ARect.Left, ARect.Top);
      break;
    case csVyx:
      DrawGlyph(ACanvas,
                Glyph(Checked ? (Enabled ? "GRDCHK01" : "GRDCHK03") : (Enabled ? "GRDCHK02" : "GRDCHK04")),
                ARect.Left, ARect.Top);
      break;
    case csHalvern: {
      const TRect box = Bounds(ARect.Left, ARect.Top, size, size);
      TCanvas* c = ACanvas;
      c->Brush()->SetStyle(bsSolid);
      c->Brush()->SetColor(Enabled ? clBtnFace : clBtnShadow);
      c->Pen()->SetColor(clBtnFace);
      c->Rectangle(box);
      c->Pen()->SetColor(clBtnHighlight);
      Line(c, box.Left, box.Bottom - 1, box.Left, box.Top);
      c->LineTo(box.Right - 1, box.Top);
      c->Pen()->SetColor(clBtnShadow);
      c->LineTo(box.Right - 1, box.Bottom - 1);
      c->LineTo(box.Left, box.Bottom - 1);
      if (Checked) {
        const int L = box.Left, T = box.Top, R = box.Right, B = box.Bottom;
        c->Pen()->SetColor(Enabled ? FControlLook->Color() : clGray);
        Line(c, L + 2, T + size / 2, L + 2, B - 2);
        Line(c, L + 3, T + size / 2 - 1, L + 3, B - 3);
        Line(c, L + 2, B - 2, R - 2, T + 2);
        Line(c, L + 3, B - 2, R - 1, T + 2);
      }
      break;
    }
    case csGlyph: {
      TBitmap* b = Checked ? FControlLook->CheckedGlyph() : FControlLook->UnCheckedGlyph();
      if (b != nullptr && !b->Empty()) {
        const bool was = b->Transparent();
        b->SetTransparent(true);
        ACanvas->Draw(ARect.Left, ARect.Top, b);
        b->SetTransparent(was);
      }
      break;
    }
    case csTheme: {
      const int state = Mixed ? (Enabled ? 9 : 12) : Checked ? (Enabled ? 5 : 8) : (Enabled ? 1 : 4);
      if (!DrawThemePart(ACanvas, wnd, "button", BP_CHECKBOX, state,
                         Bounds(ARect.Left, ARect.Top, size, size)))
        DrawCheck(ACanvas, ARect, Checked, TriStateValue, TriState, csClassic, Mixed, Enabled);
      break;
    }
  }
}

void TDedAdararAdoz::DrawRadio(TCanvas* ACanvas, const TRect& ARect, bool Upward, int Scale,
                               TGridControlStyle Style, int ARow, int ACol, bool Selected, TStrings* Items,
                               bool Disabled, bool Horizontal, int ItemIndex, int Count) {
  if (FControlLook->NoDisabledCheckRadioLook() || FControlLook->RadioAlwaysActive()) Disabled = false;
  if (Style == csTheme && !ThemesUsable()) Style = csClassic;
  TCanvas* c = ACanvas;
  c->SetBkMode(TRANSPARENT);
  const bool classic = Style == csClassic || Style == csFlat;
  const int radio = FControlLook->RadioSize();
  int lineH = c->TextHeight("gh");
  if (!classic) lineH = std::max(lineH, 16);
  const std::string cellText = Items != nullptr ? GetCellEx(ACol, ARow) : std::string();
  const TColor fontColor = c->Font()->Color();
  if (Selected && FShowSelection && FSelectionTextColor != clNone) c->Font()->SetColor(FSelectionTextColor);
  int textBefore = 0;
  const HWND wnd = HandleAllocated() ? Handle() : 0;
  for (int i = 1; i <= Count; ++i) {
    const std::string text =
        Items != nullptr && i - 1 < Items->Count() ? Items->Strings(i - 1) : std::string();
    const bool checked = i - 1 == ItemIndex || (ItemIndex == -1 && Items != nullptr && text == cellText);
    const int glyph = classic ? radio * Scale : 16;
    int x, y, textX;
    if (Horizontal) {
      x = classic ? ARect.Left + (i - 1) * glyph + textBefore + 2 : ARect.Left + i * 16 - 14 + textBefore;
      y = ARect.Top + (ARect.Height() - glyph) / 2;
      textX = x + glyph + 2;
    } else {
      const int offset = lineH * (i - 1) + 2;
      y = ARect.Top + (Upward ? -offset : offset);
      x = ARect.Left + 2;
      textX = classic ? ARect.Left + 2 + (radio + 4) * Scale
                      : (Style == csHalvern || Style == csTheme ? ARect.Left + 20 : ARect.Left + 18);
    }
    if (text.empty() && Count == 1) x = ARect.Left + (ARect.Width() - glyph) / 2;
    switch (Style) {
      case csClassic:
      case csFlat: {
        const int s = Style == csFlat ? radio + 2 : radio * Scale;
        TRect box = Bounds(x, y, s, s);
        unsigned state = DFCS_BUTTONRADIO;
        if (checked) state |= DFCS_CHECKED;
        if (Style == csFlat) state |= DFCS_FLAT;
        if (Disabled) state |= DFCS_INACTIVE;
        DrawFrameControl(c, box, DFC_BUTTON, state);
        break;
      }
      case csHalvern: {
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(clBtnFace);
        c->Pen()->SetColor(clBtnFace);
        c->Polygon(
            {TPoint(x + 2, y + 8), TPoint(x + 8, y + 2), TPoint(x + 14, y + 8), TPoint(x + 8, y + 14)});
        c->Pen()->SetColor(checked ? clGray : clWhite);
        Line(c, x + 2, y + 8, x + 8, y + 2);
        c->LineTo(x + 14, y + 8);
        c->Pen()->SetColor(checked ? clWhite : clGray);
        c->LineTo(x + 8, y + 14);
        c->LineTo(x + 2, y + 8);
        if (checked) {
          c->Brush()->SetColor(FControlLook->Color());
          c->Pen()->SetColor(FControlLook->Color());
          c->Polygon(
              {TPoint(x + 6, y + 8), TPoint(x + 8, y + 6), TPoint(x + 10, y + 8), TPoint(x + 8, y + 10)});
        }
        break;
      }
      case csTheme: {
        const int state = checked ? (Disabled ? 8 : 5) : (Disabled ? 4 : 1);
        if (!DrawThemePart(c, wnd, "button", BP_RADIOBUTTON, state, Bounds(x, y, 16, 16))) {
          TRect box = Bounds(x, y, radio, radio);
          DrawFrameControl(c, box, DFC_BUTTON,
                           DFCS_BUTTONRADIO | (checked ? DFCS_CHECKED : 0) | (Disabled ? DFCS_INACTIVE : 0));
        }
        break;
      }
      case csWinXP:
        DrawGlyph(
            c, Glyph(checked ? (Disabled ? "GRDRAD07" : "GRDRAD05") : (Disabled ? "GRDRAD08" : "GRDRAD06")),
            x, y);
        break;
      case csVyx:
        DrawGlyph(
            c, Glyph(checked ? (Disabled ? "GRDRAD03" : "GRDRAD01") : (Disabled ? "GRDRAD04" : "GRDRAD02")),
            x, y);
        break;
      case csGlyph: {
        TBitmap* b = checked ? FControlLook->RadioOnGlyph() : FControlLook->RadioOffGlyph();
        if (b != nullptr && !b->Empty()) {
          const bool was = b->Transparent();
          b->SetTransparent(true);
          c->Draw(x, y, b);
          b->SetTransparent(was);
        }
        break;
      }
    }
    if (!text.empty()) {
      c->Brush()->SetStyle(bsClear);
      const int ty = Horizontal ? ARect.Top + (ARect.Height() - c->TextHeight(text)) / 2 : y;
      c->TextOut(textX, ty, text);
      c->Brush()->SetStyle(bsSolid);
      textBefore += c->TextWidth(text) + (classic ? 4 : 0);
    }
  }
  c->Font()->SetColor(fontColor);
}

// ---------------------------------------------------------------------------
// The sort glyph

void TDedAdararAdoz::DrawSortIndicator(TCanvas* ACanvas, int ACol, int Y, int X) {
  TCanvas* c = ACanvas;
  TSortSettings* s = FSortSettings.get();
  if (UseRightToLeftAlignment()) {
    const int gw = !s->UpGlyph()->Empty() ? s->UpGlyph()->Width() + 7 : 7;
    X = ClientWidth() - X - 4 - gw;
  }
  const int pos = FSortIndexes->IndexOf(ACol);
  if (s->IndexShow() && pos >= 0) {
    const bool descending = (static_cast<uint32_t>(FSortIndexes->Items(pos)) & 0x80000000u) != 0;
    const TColor brush = c->Brush()->Color();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(s->IndexColor());
    c->Pen()->SetColor(clBlack);
    TFont saved;
    saved.Assign(c->Font());
    c->Font()->SetColor(clBlack);
    c->Font()->SetSize(6);
    c->Font()->SetStyle(TFontStyles{});
    TBitmap* glyph = descending ? s->IndexUpGlyph() : s->IndexDownGlyph();
    if (glyph->Empty()) {
      if (descending)
        c->Polygon({TPoint(X - 7, Y - 5), TPoint(X + 7, Y - 5), TPoint(X, Y + 8)});
      else
        c->Polygon({TPoint(X - 6, Y + 8), TPoint(X + 6, Y + 8), TPoint(X, Y - 4)});
    } else {
      glyph->SetTransparent(true);
      c->Draw(X - 7, Y - 7, glyph);
    }
    c->SetBkMode(TRANSPARENT);
    c->Brush()->SetStyle(bsClear);
    c->TextOut(X - 2, descending ? Y - 4 : Y - 2, std::to_string(pos + 1));
    c->Font()->Assign(&saved);
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(brush);
    return;
  }
  if (s->UpGlyph()->Empty() || s->DownGlyph()->Empty()) {
    c->Pen()->SetWidth(1);
    if (s->Direction() == sdDescending) {
      c->Pen()->SetColor(clWhite);
      Line(c, X + 4, Y - 4, X, Y + 4);
      c->Pen()->SetColor(clGray);
      c->LineTo(X - 4, Y - 4);
      c->LineTo(X + 4, Y - 4);
    } else {
      c->Pen()->SetColor(clWhite);
      Line(c, X - 4, Y + 4, X + 4, Y + 4);
      c->LineTo(X, Y - 4);
      c->Pen()->SetColor(clGray);
      c->LineTo(X - 4, Y + 4);
    }
    c->Pen()->SetColor(clBlack);
  } else {
    TBitmap* glyph = s->Direction() == sdDescending ? s->DownGlyph() : s->UpGlyph();
    glyph->SetTransparent(true);
    c->Draw(X - 4, Y - 4, glyph);
    c->SetBkColor(FixedColor());
  }
}

// ---------------------------------------------------------------------------
// Tree nodes and push buttons

void TDedAdararAdoz::DrawNodeGlyph(TCanvas* ACanvas, const TRect& ARect, TCellGraphic* AGraphic, int ACol,
                                   int ARow, TGridDrawState AState) {
  TCanvas* c = ACanvas;
  TCellNode* n = FCellNode.get();
  const int indent = n->NodeIndent();
  const int nodeIndent = GetNodeIndent(ARow);
  const TRect area(nodeIndent - indent / 2 - 4, ARect.Top, ARect.Right, ARect.Bottom);
  const bool contracted = AGraphic->CellBoolean;
  if (n->ShowTree() && ARow >= FixedRows()) {
    c->Pen()->SetColor(n->TreeColor());
    c->Pen()->SetWidth(1);
    const int x = nodeIndent - indent + indent / 2 + 2;
    const int mid = (ARect.Top + ARect.Bottom) / 2;
    auto indentOf = [&](int Row) { return Row >= 0 && Row < RowCount() ? GetNodeIndent(Row) : -1; };
    const int nextIndent = indentOf(ARow + 1);
    if (nextIndent > 0 && !(contracted && nextIndent < nodeIndent)) Line(c, x, mid, x, ARect.Bottom);
    if (ARow > FixedRows() && indentOf(ARow - 1) >= nodeIndent) Line(c, x, ARect.Top, x, ARect.Top + 6);
  }
  TColor back = c->Brush()->Color();
  if (back == clNone) back = FixedCols() > 0 ? FixedColor() : Color();
  if (FShowSelection && (AState.Contains(gdSelected) || (FMouseActions->DisjunctRowSelect() &&
                                                         Options().Contains(goRowSelect) && RowSelect(ARow))))
    back = FSelectionColor;
  const int boxY = area.Top + (area.Height() - 8) / 2;
  switch (n->NodeType()) {
    case cnLeaf:
      DrawGlyph(c, Glyph(contracted ? "GRDLEAFCLOSE" : "GRDLEAFOPEN"), area.Left,
                area.Top + (area.Height() - 12) / 2);
      return;
    case cnXP:
      DrawGlyph(c, Glyph(contracted ? "XPNODEC" : "XPNODEO"), area.Left + 4,
                area.Top + (area.Height() - 10) / 2);
      return;
    case cnGlyph:
      if (!n->ExpandGlyph()->Empty() && !n->ContractGlyph()->Empty()) {
        TBitmap* b = contracted ? n->ContractGlyph() : n->ExpandGlyph();
        DrawTransparentBitmap(
            c, b, back,
            Bounds(area.Left, area.Top + (area.Height() - b->Height()) / 2, b->Width(), b->Height()));
        return;
      }
      break;
    case cn3D: {
      c->Brush()->SetStyle(bsSolid);
      c->Brush()->SetColor(n->Color());
      c->FillRect(area);
      c->Pen()->SetColor(clWhite);
      Line(c, area.Left, area.Bottom - 1, area.Left, area.Top);
      c->LineTo(area.Right - 1, area.Top);
      c->Pen()->SetColor(clGray);
      c->LineTo(area.Right - 1, area.Bottom - 1);
      c->LineTo(area.Left, area.Bottom - 1);
      break;
    }
    default:
      break;
  }
  TRect box(area.Left + 4, boxY, area.Left + 13, boxY + 9);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(n->Color());
  if (n->NodeType() == cn3D || n->NodeType() == cnGlyph) {
    DrawEdge(c, box, contracted ? EDGE_RAISED : EDGE_SUNKEN, BF_RECT | BF_SOFT | BF_MIDDLE);
  } else {
    c->Pen()->SetColor(n->NodeColor());
    c->Rectangle(box);
    Line(c, box.Left + 2, box.Top + 4, box.Left + 7, box.Top + 4);
    if (contracted) Line(c, box.Left + 4, box.Top + 2, box.Left + 4, box.Top + 7);
  }
}

void TDedAdararAdoz::DrawCellButton(TCellPaint& P, const TRect& R, TRect B) {
  TCellGraphic* g = P.Graphic;
  TCanvas* c = P.C;
  const bool expand = g->CellType == ctExpand;
  if (expand) B = TRect(R.Right - 13, R.Top, R.Right, R.Top + 13);
  // The mouse tests find the button by its offset in the cell.
  g->CellValue = static_cast<double>((B.Top - P.Cell.Top) * 65536 + (B.Left - P.Cell.Left));
  bool enabled = true;
  if (!FControlLook->NoDisabledButtonLook()) CanEditCell(P.RCol, P.Row, enabled);
  const bool down = g->CellBoolean;
  const bool hot = FHotButtonCell.X == P.Col && FHotButtonCell.Y == P.Row;
  int state = down ? bfDown : hot ? bfHot : bfNormal;
  if (!enabled && !expand) state = bfDisabled;
  const int look = ButtonLook();
  DrawButtonFace(c, HandleAllocated() ? Handle() : 0, B, FColorTones, state, look);
  TRect content = B;
  if (down) {
    content.Left += 1;
    content.Top += 1;
    content.Right += 1;
    content.Bottom += 1;
  }
  if (expand) {
    c->Pen()->SetColor(clBlack);
    c->Pen()->SetWidth(1);
    const int Rr = R.Right, T = R.Top;
    if (g->CellVar == 0) {
      Line(c, Rr - 10, T + 8, Rr - 7, T + 5);
      c->LineTo(Rr - 3, T + 9);
    } else {
      Line(c, Rr - 10, T + 5, Rr - 7, T + 8);
      c->LineTo(Rr - 3, T + 4);
    }
    return;
  }
  if (g->CellType == ctBitButton) {
    if (auto* glyph = dynamic_cast<TBitmap*>(g->CellBitmap); glyph != nullptr && !glyph->Empty()) {
      const int gw = glyph->Width(), gh = glyph->Height();
      const bool besideCentre = gw > content.Width() / 2 || !g->CellText.empty();
      int gy = content.Top + (content.Height() - gh) / 2;
      if (gh > content.Height()) gy = content.Top + 3;
      const bool was = glyph->Transparent();
      glyph->SetTransparent(true);
      if (besideCentre) {
        c->Draw(content.Left + 3, gy, glyph);
        content.Left += 3 + gw + 4;
      } else {
        c->Draw(content.Left + (content.Width() - gw) / 2, gy, glyph);
      }
      glyph->SetTransparent(was);
    }
  }
  if (g->CellText.empty()) return;
  if (look == blTones) {
    const TColorTone& tone = state == bfHot        ? FColorTones.Hover
                             : state == bfDown     ? FColorTones.Selected
                             : state == bfDisabled ? FColorTones.Disabled
                                                   : FColorTones.Background;
    if (tone.TextColor != clNone) c->Font()->SetColor(tone.TextColor);
  } else if (state == bfDisabled) {
    c->Font()->SetColor(clGrayText);
  } else {
    c->Font()->SetColor(clBtnText);
  }
  c->SetBkMode(TRANSPARENT);
  c->Brush()->SetStyle(bsClear);
  unsigned flags = DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS;
  flags |= g->CellText.find('\r') != std::string::npos ? DT_WORDBREAK : DT_SINGLELINE;
  DrawText(c, g->CellText, content, flags);
  c->Brush()->SetStyle(bsSolid);
  c->Font()->SetColor(P.SavedFontColor);
}
