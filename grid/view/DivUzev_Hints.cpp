// Cell hints: what the hint over a cell says and where it shows (comments,
// link hints, cell texts, texts too large for their cell, OnGridHint), and
// the hint window that draws markup and wide-text hints.
#include <algorithm>

#include "framework/controls/Forms.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/DudHTMLE.h"
#include "grid/base/VevUtil.h"
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzevHint.h"

std::string HintFontName;

// ---------------------------------------------------------------------------
// Preparing a cell's hint

bool TDedAdararAdoz::PrepareCellHint(TPoint CursorPos, TCellHintInfo& Info) {
  Info.Color = FHintColor;
  Info.Markup = false;
  if (FControlLook->HintMaxWidth() > 0) Info.MaxWidth = FControlLook->HintMaxWidth();
  HintFontName = Font()->Name();
  int ACol = -1, ARow = -1;
  MouseToCell(CursorPos.X, CursorPos.Y, ACol, ARow);
  if (ACol < 0 || ARow < 0) return false;
  {
    const TGridCoord b = BaseCell(RealColIndex(ACol), ARow);
    ACol = DisplColIndexOf(b.X);
    ARow = b.Y;
  }
  FLastHintPos = TGridCoord(ACol, ARow);
  const TRect r = CellRect(ACol, ARow);
  const int rc = RealColIndex(ACol);
  const std::string text = GetGridCell(rc, ARow);
  const int kind = ClassifyCellText(text, FEnableHTML);
  std::string comment;
  if (IsComment(rc, ARow, comment)) {
    Info.Text = comment;
    Info.Pos = TPoint(r.Right, r.Top);
  } else {
    Info.Pos = TPoint(CursorPos.X, r.Bottom + 6);
  }
  // A link's own hint.
  if (kind == 1 && FAnchorHint) {
    TMarkupParams mp;
    mp.XPos = CursorPos.X;
    mp.YPos = CursorPos.Y;
    mp.CheckHotSpot = true;
    mp.ImageList = FGridImages;
    mp.PictureContainer = FPictureContainer;
    TMarkupResult res;
    TRect tr = r;
    tr.Left += FXYOffset.X + 1;
    tr.Top += FXYOffset.Y + 1;
    if (DrawMarkup(Canvas(), text, tr, mp, res) && res.ControlID.empty()) {
      std::string anchor = res.AnchorTitle.empty() ? res.Anchor : res.AnchorTitle;
      if (OnAnchorHint) OnAnchorHint(this, ARow, rc, anchor);
      Info.Text = anchor;
      Info.Pos = TPoint(CursorPos.X + 8, CursorPos.Y - 16);
    }
  }
  const bool normal = ACol >= FixedCols() && ARow >= FixedRows() && ACol < ColCount() - FFixedRightCols &&
                      ARow < RowCount() - FFixedFooters;
  if (FHintShowCells && normal) {
    Info.Pos = TPoint(Info.Pos.X, r.Top);
    if (kind == 5)
      Info.Text = DecodeWideCellText(text);
    else if (FHTMLHint)
      Info.Text = text;
    else
      Info.Text = kind == 1 ? MarkupToPlainText(text) : text;
  }
  if (FHintShowLargeText) {
    const TSize sz = GetCellTextSize(rc, ARow, false, false);
    if (sz.cx > r.Width() || sz.cy > r.Height()) {
      if (FHintShowLargeTextPos == hpCell) Info.Pos = TPoint(r.Left, r.Top);
      if (kind == 5 || kind != 1 || FHTMLHint)
        Info.Text = text;
      else
        Info.Text = MarkupToPlainText(text);
    }
  }
  if (!(FFloatingFooter->Visible() && ARow == RowCount() - 1)) {
    std::string wide;
    GetCellHint(rc, ARow, Info.Text, wide);
  }
  const int finalKind = ClassifyCellText(Info.Text, true);
  Info.Markup = (finalKind == 1 || finalKind == 5) && FUseInternalHintClass;
  return true;
}

void TDedAdararAdoz::CMHintShow(TMessage& Message) {
  auto* info = reinterpret_cast<THintInfo*>(Message.LParam);
  if (info == nullptr) return;
  TCellHintInfo h;
  h.Text = info->HintStr;
  h.MaxWidth = info->HintMaxWidth;
  if (PrepareCellHint(info->CursorPos, h)) {
    info->HintStr = h.Text;
    info->HintPos = ClientToScreen(h.Pos);
    info->HintMaxWidth = h.MaxWidth;
    // The hint is asked again when the pointer leaves the cell.
    const TRect r = CellRect(FLastHintPos.X, FLastHintPos.Y);
    info->CursorRect = r;
    if (h.Markup) info->HintData = this;
  }
  info->HintColor = FHintColor;
}

// ---------------------------------------------------------------------------
// The markup hint window

THTMLHintWindow::THTMLHintWindow(TComponent* AOwner) : THintWindow(AOwner) {}

void TDedAdararAdoz::SetUseHTMLHints(bool Value) {
  FUseHTMLHints = Value;
  if (Application == nullptr) return;
  if (Value)
    Application->HintWindowClass = [](TComponent* AOwner) -> THintWindow* {
      return new THTMLHintWindow(AOwner);
    };
  else
    Application->HintWindowClass = nullptr;
  // A hint window of the other kind is made anew at the next hint.
  THintWindow* old = Application->HintWindow();
  if (old != nullptr && (dynamic_cast<THTMLHintWindow*>(old) != nullptr) != Value) {
    Application->HideHint();
    delete old;
  }
}

void THTMLHintWindow::CreateParams(TCreateParams& Params) {
  THintWindow::CreateParams(Params);
  Params.Style &= ~static_cast<uint32_t>(WS_BORDER);
}

TSize THTMLHintWindow::Measure(const std::string& AHint, int MaxWidth) {
  Canvas()->Font()->Assign(Font());
  if (ClassifyCellText(AHint, true) == 5) {
    FWide = true;
    FWideCaption = DecodeWideCellText(AHint);
    if (!HintFontName.empty()) Canvas()->Font()->SetName(HintFontName);
    return TSize(Canvas()->TextWidth(FWideCaption), Canvas()->TextHeight(FWideCaption));
  }
  FWide = false;
  TMarkupParams mp;
  mp.CheckHeight = true;
  mp.ImageList = FImages;
  mp.PictureContainer = FPictureContainer;
  TMarkupResult res;
  DrawMarkup(Canvas(), AHint, TRect(0, 0, std::max(1, MaxWidth), 4096), mp, res);
  return TSize(res.XSize, res.YSize);
}

TRect THTMLHintWindow::CalcHintRect(int MaxWidth, const std::string& AHint, void* AData) {
  if (dynamic_cast<TDedAdararAdoz*>(static_cast<TObject*>(AData)) == nullptr)
    return THintWindow::CalcHintRect(MaxWidth, AHint, AData);
  const TSize s = Measure(AHint, MaxWidth);
  return TRect(0, 0, s.cx + (FWide ? 8 : 16), s.cy + 4);
}

void THTMLHintWindow::ActivateHintData(TRect Rect, const std::string& AHint, void* AData) {
  auto* grid = dynamic_cast<TDedAdararAdoz*>(static_cast<TObject*>(AData));
  FDrawn = grid != nullptr;
  if (grid != nullptr) {
    FImages = grid->GridImages();
    FPictureContainer = grid->PictureContainer();
  }
  if (!FDrawn) {
    THintWindow::ActivateHintData(Rect, AHint, AData);
    return;
  }
  ActivateHint(Rect, AHint);
}

void THTMLHintWindow::ActivateHint(TRect Rect, const std::string& AHint) {
  if (!FDrawn) {
    THintWindow::ActivateHint(Rect, AHint);
    return;
  }
  const TSize s = Measure(AHint, 1008);
  FTextWidth = s.cx;
  FTextHeight = s.cy;
  Rect.Right = Rect.Left + s.cx + (FWide ? 8 : 16);
  Rect.Bottom = Rect.Top + s.cy + 4;
  // Kept 2 pixels inside the screen's right and bottom edges.
  if (Screen != nullptr) {
    const TRect work = Screen->WorkAreaRect();
    if (Rect.Right > work.Right) OffsetRect(Rect, work.Right - 2 - Rect.Right, 0);
    if (Rect.Bottom > work.Bottom) OffsetRect(Rect, 0, work.Bottom - 2 - Rect.Bottom);
  }
  THintWindow::ActivateHintData(Rect, AHint, nullptr);
}

void THTMLHintWindow::Paint() {
  if (!FDrawn) {
    THintWindow::Paint();
    return;
  }
  const TRect c = ClientRect();
  Canvas()->Brush()->SetColor(Color());
  Canvas()->Brush()->SetStyle(bsSolid);
  Canvas()->FillRect(c);
  Canvas()->Pen()->SetColor(clBtnHighlight);
  Canvas()->MoveTo(c.Left, c.Bottom - 2);
  Canvas()->LineTo(c.Left, c.Top);
  Canvas()->LineTo(c.Right - 1, c.Top);
  Canvas()->Pen()->SetColor(cl3DDkShadow);
  Canvas()->MoveTo(c.Left, c.Bottom - 1);
  Canvas()->LineTo(c.Right - 1, c.Bottom - 1);
  Canvas()->LineTo(c.Right - 1, c.Top - 1);
  const int top = (c.Height() - FTextHeight) / 2;
  TRect tr(c.Left + 4, top, c.Right - 4, top + FTextHeight + 8);
  Canvas()->Font()->Assign(Font());
  Canvas()->Brush()->SetStyle(bsClear);
  if (FWide) {
    if (!HintFontName.empty()) Canvas()->Font()->SetName(HintFontName);
    std::string t = FWideCaption;
    Canvas()->TextRect(tr, t, TTextFormat{tfLeft, tfSingleLine, tfNoPrefix});
    return;
  }
  TMarkupParams mp;
  mp.ImageList = FImages;
  mp.PictureContainer = FPictureContainer;
  mp.LinkColor = 0xFF0000;
  TMarkupResult res;
  DrawMarkup(Canvas(), HintText(), tr, mp, res);
}
