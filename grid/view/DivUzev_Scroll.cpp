// The grid's additions to scrolling: scroll types and the overlay bars,
// bars that stay, proportional thumbs, scroll hints and scrolling while
// something is dragged over the edges.
#include <algorithm>
#include <cmath>

#include "framework/controls/Forms.h"
#include "framework/controls/ScrollBars.h"
#include "framework/controls/WinApi.h"
#include "framework/rtl/Math.h"
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzevScrollControl.h"

namespace {

constexpr uintptr_t kDragScrollTimerId = 112;

int RoundEven(double V) { return static_cast<int>(std::nearbyint(V)); }

bool HasBar(TScrollStyle S, int Bar) {
  return Bar == SB_VERT ? (S == ssVertical || S == ssBoth) : (S == ssHorizontal || S == ssBoth);
}

}  // namespace

// ---------------------------------------------------------------------------
// The overlay bar

TScrollControl::TScrollControl(TComponent* AOwner) : TCustomControl(AOwner) {}

TDedAdararAdoz* TScrollControl::Grid() const { return dynamic_cast<TDedAdararAdoz*>(Parent()); }

void TScrollControl::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  Invalidate();
}

bool TScrollControl::ThumbRect(int& Start, int& Length) {
  TDedAdararAdoz* g = Grid();
  if (g == nullptr) return false;
  const bool vert = FDirection == sdVertical;
  const int count = vert ? g->RowCount() : g->ColCount();
  const int fixed = vert ? g->FixedRows() : g->FixedCols();
  const int visible = vert ? g->VisibleRowCount() : g->VisibleColCount();
  const int first = vert ? g->TopRow() : g->LeftCol();
  const int size = vert ? Height() : Width();
  if (visible >= count - fixed || count <= fixed) return false;
  auto extent = [&](int i) { return vert ? g->RowHeights(i) : g->ColWidths(i); };
  int fixedSize = 0;
  for (int i = 0; i < fixed; ++i) fixedSize += extent(i);
  int footerSize = 0;
  for (int i = std::max(fixed, count - g->FixedFooters()); i < count; ++i) footerSize += extent(i);
  const int track = size - fixedSize - footerSize;
  Start = fixedSize + RoundEven(static_cast<double>(track) * (first - fixed) / (count - fixed));
  Length = std::max(20, RoundEven(static_cast<double>(track) * visible / count));
  if (Start + Length > size) Start = size - Length;
  return true;
}

void TScrollControl::Paint() {
  TDedAdararAdoz* g = Grid();
  if (g == nullptr) return;
  // The cells under the bar show through around the thumb.
  TBitmap back;
  back.SetSize(g->ClientWidth(), g->ClientHeight());
  g->PaintGrid(back.Canvas());
  Canvas()->CopyRect(ClientRect(), back.Canvas(), TRect(Left(), Top(), Left() + Width(), Top() + Height()));
  int start = 0, length = 0;
  if (!ThumbRect(start, length)) return;
  Canvas()->Pen()->SetColor(FColor);
  Canvas()->Brush()->SetColor(FColor);
  if (FDirection == sdVertical)
    Canvas()->Rectangle(0, start, FScrollWidth, start + length);
  else
    Canvas()->Rectangle(start, 0, start + length, FScrollWidth);
}

void TScrollControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  TDedAdararAdoz* g = Grid();
  int start = 0, length = 0;
  if (g == nullptr || !ThumbRect(start, length)) return;
  const bool vert = FDirection == sdVertical;
  const int p = vert ? Y : X;
  const int fixed = vert ? g->FixedRows() : g->FixedCols();
  const int count = vert ? g->RowCount() : g->ColCount();
  const int visible = vert ? g->VisibleRowCount() : g->VisibleColCount();
  const int first = vert ? g->TopRow() : g->LeftCol();
  int target = first;
  if (p < start) {
    target = std::max(fixed, first - visible);
  } else if (p > start + length) {
    target = std::min(first + visible, count - visible);
  } else {
    FThumbDown = true;
    FDownPos = p;
    FDownFirst = first;
    return;
  }
  if (vert)
    g->SetTopRow(target);
  else
    g->SetLeftCol(target);
  Invalidate();
}

void TScrollControl::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  TDedAdararAdoz* g = Grid();
  if (g == nullptr || !FThumbDown) return;
  const bool vert = FDirection == sdVertical;
  const int count = vert ? g->RowCount() : g->ColCount();
  const int fixed = vert ? g->FixedRows() : g->FixedCols();
  const int visible = vert ? g->VisibleRowCount() : g->VisibleColCount();
  const int track = (vert ? Height() - g->RowHeights(0) : Width() - g->ColWidths(0));
  if (track <= 0) return;
  const int moved = (vert ? Y : X) - FDownPos;
  const int target = std::max(
      fixed, std::min(RoundEven(static_cast<double>(moved) / track * count) + FDownFirst, count - visible));
  if (vert)
    g->SetTopRow(target);
  else
    g->SetLeftCol(target);
  Invalidate();
}

void TScrollControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  FThumbDown = false;
}

// ---------------------------------------------------------------------------
// Settings

void TDedAdararAdoz::SetScrollColor(const TColor& Value) {
  FScrollColor = Value;
  ApplyFlatScrollColor();
}

void TDedAdararAdoz::SetScrollWidth(const int& Value) {
  FScrollWidth = Value;
  ApplyFlatScrollWidth();
}

void TDedAdararAdoz::SetScrollBarAlways(const TScrollBarAlways& Value) {
  FScrollBarAlways = Value;
  UpdateScrollBarAlways(true);
}

void TDedAdararAdoz::SetScrollType(const TScrollType& Value) {
  if (Value != FScrollType) {
    FScrollType = Value;
    if (Value == ssFlat || Value == ssEncarta) {
      InitFlatScrollBars();
      UpdateFlatScrollBars();
    } else {
      UninitFlatScrollBars();
    }
    if (HandleAllocated() && !ComponentState().Contains(csLoading)) {
      if (Value == ssMetro) {
        CreateScrollControls();
        SetScrollBars(ssNone);
      } else if (FScrollControls[0] != nullptr || FScrollControls[1] != nullptr) {
        FreeScrollControls();
        SetScrollBars(ssBoth);
      }
    }
  }
  ApplyFlatScrollType();
}

void TDedAdararAdoz::SetScrollProportional(const bool& Value) {
  FScrollProportional = Value;
  if (Value) {
    UpdateVScrollProportional();
    UpdateHScrollProportional();
  } else if (FFlatInit && FScrollType == ssNormal) {
    UninitFlatScrollBars();
    TScrollInfo si;
    si.fMask = SIF_PAGE;
    si.nPage = 0;
    SetScrollInfo(SB_VERT, si, true);
    SetScrollInfo(SB_HORZ, si, true);
  }
}

// ---------------------------------------------------------------------------
// Flat scroll bars. The common-controls library that draws them does not
// exist here: every call is skipped as it is when the library is missing,
// so the bars stay the framework's own.

void TDedAdararAdoz::InitFlatScrollBars() {}
void TDedAdararAdoz::UninitFlatScrollBars() { FFlatInit = false; }
void TDedAdararAdoz::ApplyFlatScrollType() {}
void TDedAdararAdoz::ApplyFlatScrollColor() {}
void TDedAdararAdoz::ApplyFlatScrollWidth() {}
void TDedAdararAdoz::SyncFlatVScroll() {}
void TDedAdararAdoz::SyncFlatHScroll() {}
void TDedAdararAdoz::FlatShowScrollBar(int, bool) {}

void TDedAdararAdoz::UpdateFlatScrollBars() {
  ApplyFlatScrollType();
  ApplyFlatScrollColor();
  ApplyFlatScrollWidth();
  const bool rowsFit = VisibleRowCount() + FixedRows() >= RowCount();
  const bool colsFit = VisibleColCount() + FixedCols() >= ColCount();
  FlatShowScrollBar(SB_VERT, !rowsFit);
  if (!rowsFit) SyncFlatVScroll();
  FlatShowScrollBar(SB_HORZ, !colsFit);
  if (!colsFit) SyncFlatHScroll();
}

// ---------------------------------------------------------------------------
// Overlay bars

void TDedAdararAdoz::CreateScrollControls() {
  for (int i = 0; i < 2; ++i) {
    if (FScrollControls[i] != nullptr) continue;
    auto* bar = new TScrollControl(this);
    bar->SetDirection(i == 0 ? sdVertical : sdHorizontal);
    bar->SetParent(this);
    if (i == 0) {
      bar->SetWidth(6);
      bar->SetAlign(alRight);
    } else {
      bar->SetHeight(6);
      bar->SetAlign(alBottom);
    }
    bar->SetDoubleBuffered(true);
    bar->SetVisible(true);
    FScrollControls[i] = bar;
  }
}

void TDedAdararAdoz::FreeScrollControls() {
  for (TScrollControl*& bar : FScrollControls) {
    delete bar;
    bar = nullptr;
  }
}

// ---------------------------------------------------------------------------
// Bars that stay and proportional thumbs

void TDedAdararAdoz::UpdateScrollBarAlways(bool ForceHide) {
  if (!HandleAllocated()) return;
  const bool rowsFit = VisibleRowCount() + FixedRows() >= RowCount();
  const bool colsFit = VisibleColCount() + FixedCols() >= ColCount();
  if (FScrollBarAlways != saNone) {
    if (rowsFit) {
      ShowScrollBar(SB_VERT, FScrollBarAlways == saVert || FScrollBarAlways == saBoth);
      EnableScrollBar(SB_VERT, false);
    } else {
      EnableScrollBar(SB_VERT, true);
    }
    if (colsFit) {
      ShowScrollBar(SB_HORZ, FScrollBarAlways == saHorz || FScrollBarAlways == saBoth);
      EnableScrollBar(SB_HORZ, false);
    } else {
      EnableScrollBar(SB_HORZ, true);
    }
  } else if (ForceHide) {
    if (rowsFit) ShowScrollBar(SB_VERT, false);
    if (colsFit) ShowScrollBar(SB_HORZ, false);
  }
}

namespace {

// L + the sum of (L + extent) over [From, To).
int Span(int L, int From, int To, const std::function<int(int)>& Extent) {
  int s = L;
  for (int i = From; i < To; ++i) s += L + Extent(i);
  return s;
}

}  // namespace

void TDedAdararAdoz::UpdateHScrollProportional() {
  if (ComponentState().Contains(csLoading) || FDesigning || !FScrollProportional || !HandleAllocated())
    return;
  const int L = GridLineWidth();
  auto width = [this](int i) { return ColWidths(i); };
  const int W = ClientWidth();
  const int F = Span(L, 0, FixedCols(), width);
  const int S = Span(L, FixedCols(), ColCount(), width);
  const int D = Span(L, FixedCols(), LeftCol(), width);
  if (S == 0) return;
  const float e = static_cast<float>(W - F) / static_cast<float>(S);
  if (!(e < 0.9999f && F + S - W >= 5)) return;
  TScrollInfo si;
  si.fMask = SIF_ALL;
  GetScrollInfo(SB_HORZ, si);
  si.nMax = RoundEven((e + 127) / (1 - e));
  si.nPage = static_cast<UINT>(si.nMax - 126);
  if (W < S) si.nPos = RoundEven(static_cast<double>(D) / (S - W) * 128);
  si.fMask = SIF_ALL;
  SetScrollInfo(SB_HORZ, si, true);
  SyncFlatHScroll();
  if (FScrollBarAlways != saHorz && FScrollBarAlways != saBoth) {
    int all = 0;
    for (int i = 0; i < ColCount(); ++i) all += ColWidths(i);
    if (all < W || !HasBar(FScrollBars, SB_HORZ)) ShowScrollBar(SB_HORZ, false);
  }
}

void TDedAdararAdoz::UpdateVScrollProportional() {
  if (ComponentState().Contains(csLoading) || FDesigning || !FScrollProportional || !HandleAllocated())
    return;
  if (VisibleRowCount() + FixedRows() >= RowCount()) return;
  const int L = GridLineWidth();
  // Row heights summed by the store: no walk over every row on a scroll.
  auto span = [this, L](int From, int To) {
    return static_cast<int>(L + static_cast<int64_t>(std::max(To - From, 0)) * L + RowHeightsSum(From, To));
  };
  const int H = ClientHeight();
  const int F = span(0, FixedRows());
  const int S = span(FixedRows(), RowCount());
  if (S == 0) return;
  const int D = span(FixedRows(), TopRow());
  const float e = static_cast<float>(H - F) / static_cast<float>(S);
  if (!(e < 0.9999f)) return;
  TScrollInfo si;
  si.fMask = SIF_ALL;
  GetScrollInfo(SB_VERT, si);
  si.nMax = RoundEven((e + 127) / (1 - e));
  si.nPage = static_cast<UINT>(si.nMax - 126);
  si.nPos = H >= S ? 127 : RoundEven(static_cast<double>(D) / (S - H) * 128);
  si.fMask = SIF_ALL;
  SetScrollInfo(SB_VERT, si, true);
  SyncFlatVScroll();
}

// ---------------------------------------------------------------------------
// Scroll messages

std::string TDedAdararAdoz::ScrollHintText(bool Vertical, int Pos, int& Target) {
  if (Vertical)
    Target = MulDiv(Pos, RowCount() - VisibleRowCount() - FixedRows(), 127) + FixedRows();
  else
    Target = MulDiv(Pos, ColCount() - VisibleColCount() - FixedCols(), 127) + FixedCols();
  std::string text = (Vertical ? "Row : " : "Col : ") + std::to_string(Target);
  if (OnScrollHint) OnScrollHint(this, Target, text);
  return text;
}

void TDedAdararAdoz::ShowScrollHint(const std::string& Text) {
  if (FScrollHintWnd == nullptr) FScrollHintWnd = new THintWindow(this);
  FScrollHintWnd->SetColor(FHintColor);
  TRect r = FScrollHintWnd->CalcHintRect(100, Text, nullptr);
  TPoint pt;
  GetCursorPos(pt);
  r = TRect(pt.X + 10, pt.Y, pt.X + 10 + r.Width(), pt.Y + r.Height());
  FScrollHintWnd->ActivateHint(r, Text);
  FScrollHintShown = true;
}

void TDedAdararAdoz::HideScrollHint() {
  if (FScrollHintWnd != nullptr && FScrollHintWnd->Active()) FScrollHintWnd->ReleaseHandle();
  FScrollHintShown = false;
}

void TDedAdararAdoz::WMHScroll(TMessage& Message) {
  const int code = Message.WParamLo();
  int pos = static_cast<int16_t>(Message.WParamHi());
  const bool hints = FScrollHints == shHorizontal || FScrollHints == shBoth;
  int target = 0;
  if (hints && code == SB_ENDSCROLL) HideScrollHint();
  if (hints && code == SB_THUMBTRACK) ShowScrollHint(ScrollHintText(false, pos, target));
  if (code == SB_THUMBPOSITION && FFlatInit) {
    const int v = RoundEven(VisibleColCount() * 128.0 / std::max(1, ColCount()));
    if (v != 128) {
      pos = RoundEven(pos * 127.0 / (128 - v));
      Message.WParam = static_cast<WPARAM>((static_cast<uint32_t>(pos) & 0xFFFF) << 16 | code);
    }
  }
  ScrollHintText(false, pos, target);
  if (code == SB_THUMBTRACK && FScrollSynch) SetLeftCol(std::clamp(target, FixedCols(), ColCount() - 1));
  if (FixedCols() == 0 && target >= Col()) HideInplaceEdit();
  TBaseGrid::WMHScroll(Message);
  if (code == SB_ENDSCROLL && (BiDiMode() != bdLeftToRight || ColCount() == 1)) InvalidateGrid();
  SyncFlatHScroll();
  SyncFlatVScroll();
  if (FFooterPanel != nullptr && FFloatingFooter->Visible()) FFooterPanel->Invalidate();
}

void TDedAdararAdoz::WMVScroll(TMessage& Message) {
  const int code = Message.WParamLo();
  const int pos = static_cast<int16_t>(Message.WParamHi());
  if (FDesigning) {
    TBaseGrid::WMVScroll(Message);
    return;
  }
  TScrollBar* cellBar = FCellScrollBars[0];
  if (cellBar != nullptr && Message.LParam != 0 && Message.LParam == reinterpret_cast<LPARAM>(cellBar)) {
    const int old = cellBar->Position();
    int p = old;
    switch (code) {
      case SB_LINEUP:
        p = std::max(cellBar->Min(), p - 10);
        break;
      case SB_LINEDOWN:
        p = std::min(cellBar->Max(), p + 10);
        break;
      case SB_PAGEUP:
        p -= 100;
        break;
      case SB_PAGEDOWN:
        p += 100;
        break;
      case SB_THUMBTRACK:
        p = pos;
        break;
      default:
        break;
    }
    cellBar->SetPosition(p);
    if (cellBar->Position() != old) {
      Message.Result = 1;
      SetScrollPosition(FScrollCell.X, FScrollCell.Y, cellBar->Position());
      RepaintCell(FScrollCell.X, FScrollCell.Y);
      DoScrollCell(FScrollCell.X, FScrollCell.Y);
    }
    return;
  }
  const bool hints = FScrollHints == shVertical || FScrollHints == shBoth;
  int target = 0;
  if (hints && code == SB_ENDSCROLL) HideScrollHint();
  if (hints && code == SB_THUMBTRACK) ShowScrollHint(ScrollHintText(true, pos, target));
  ScrollHintText(true, pos, target);
  if (code == SB_THUMBTRACK && FScrollSynch) SetTopRow(std::clamp(target, FixedRows(), RowCount() - 1));
  TBaseGrid::WMVScroll(Message);
  SyncFlatHScroll();
  SyncFlatVScroll();
}

// ---------------------------------------------------------------------------
// Drag scrolling

void TDedAdararAdoz::StopDragScroll() {
  if (FDragScrollRunning && HandleAllocated()) KillTimer(Handle(), kDragScrollTimerId);
  FDragScrollRunning = false;
}

void TDedAdararAdoz::StartDragScroll(int Interval) {
  FDragScrollInterval = Interval;
  FDragScrollRunning = true;
  if (HandleAllocated()) SetTimer(Handle(), kDragScrollTimerId, static_cast<UINT>(std::max(1, Interval)));
}

void TDedAdararAdoz::HandleDragOver(TObject*, int X, int Y, int State, bool&) {
  TDragScrollOptions* o = FDragScrollOptions.get();
  if (!o->Active()) {
    StopDragScroll();
    return;
  }
  const int previous = FDragScrollDir;
  FDragScrollDir = 0;
  if (State == 1) {
    StopDragScroll();
    return;
  }
  const TDragScrollMargins* m = o->Margins();
  if (Y < m->TopMargin())
    FDragScrollDir |= 1;
  else if (Y > Height() - m->BottomMargin())
    FDragScrollDir |= 2;
  if (X < m->LeftMargin())
    FDragScrollDir |= 4;
  else if (X > Width() - m->RightMargin())
    FDragScrollDir |= 8;
  if (FDragScrollDir == 0)
    StopDragScroll();
  else if (!FDragScrollRunning)
    StartDragScroll(o->Delays()->InitialDelay());
  else if (previous != 0)
    StartDragScroll(o->Delays()->InitialDelay());
}

void TDedAdararAdoz::DragScrollTimer() {
  TDragScrollOptions* o = FDragScrollOptions.get();
  if (!o->Active()) {
    StopDragScroll();
    return;
  }
  StartDragScroll(o->Delays()->RepeatDelay());
  int dir = FDragScrollDir;
  bool canScroll = true;
  if (OnDragScroll) OnDragScroll(this, TopRow(), LeftCol(), dir, canScroll);
  if (!canScroll) return;
  if ((dir & 1) && TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
  if ((dir & 2) && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
  if ((dir & 4) && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
  if ((dir & 8) && VisibleColCount() + LeftCol() < ColCount()) SetLeftCol(LeftCol() + 1);
}
