// The grid's own wheel handling (scrolling or moving the current row by
// the lines of a notch, Ctrl+wheel zooming) and middle-button panning; and
// sizing drags the window system ends.
#include <algorithm>
#include <cmath>

#include "framework/controls/Forms.h"
#include "grid/model/DivUzev.h"

namespace {
constexpr uintptr_t kPanTimerId = 999;
constexpr int kPanDeadZone = 5;
// The pan cursors: neutral, then by the way the view moves.
constexpr TCursor crPanNeutral = 8000, crPanDown = 8001, crPanLeft = 8002, crPanRight = 8003, crPanUp = 8004,
                  crPanUpRight = 8005, crPanUpLeft = 8006, crPanDownRight = 8007, crPanDownLeft = 8008;
constexpr int kPanMarkSize = 26;

TCursor PanCursorFor(int Dx, int Dy) {
  if (Dy < 0) return Dx > 0 ? crPanUpRight : Dx < 0 ? crPanUpLeft : crPanUp;
  if (Dy > 0) return Dx > 0 ? crPanDownRight : Dx < 0 ? crPanDownLeft : crPanDown;
  return Dx > 0 ? crPanRight : Dx < 0 ? crPanLeft : crPanNeutral;
}
}  // namespace

bool TDedAdararAdoz::InputWindowMessage(TMessage& Message) {
  // A sizing drag the window system ends changes no size: cancel mode ends
  // it with a release far outside the grid, another window may take the mouse.
  const bool sizing =
      FSizingFixed || FSizingFixedR || GridState() == gsColSizing || GridState() == gsRowSizing;
  if (sizing && Message.Msg == WM_CANCELMODE) CancelSizingDrag();
  if (Message.Msg == WM_CANCELMODE) CancelEnhancedMove();
  if (sizing && Message.Msg == WM_CAPTURECHANGED && Message.LParam != 0 &&
      Message.LParam != static_cast<LPARAM>(Handle()))
    CancelSizingDrag();
  if (Message.Msg == WM_TIMER && Message.WParam == kPanTimerId) {
    if (FWheelPan) PanTick();
    return true;
  }
  if (Message.Msg == WM_MBUTTONDOWN) {
    if (FWheelPan) {
      EndPanning();
      return false;
    }
    if (FIntelliPan != ipNone && RowCount() > FixedRows() && HandleAllocated()) {
      // Panning: the pointer's distance from where it began sets the way.
      FPrevCursor = Cursor();
      SetPanCursor(crPanNeutral);
      FWheelPan = true;
      SetTimer(Handle(), kPanTimerId, 10);
      FWheelPanPos = TPoint(Message.XPos(), Message.YPos());
      SetMouseCapture(true);
      FPanShowHint = ShowHint();
      SetShowHint(false);
      InvalidatePanMark();
    }
    return false;
  }
  if (Message.Msg == WM_MOUSEWHEEL && !FWheelPan) {
    // The form's own wheel handler answers first.
    if (Parent() != nullptr && Parent()->Perform(CM_MOUSEWHEEL, Message.WParam, Message.LParam) != 0) {
      Message.Result = 1;
      return true;
    }
    const int delta = static_cast<int16_t>(Message.WParamHi());
    const TShiftState shift = KeysToShiftState(Message.WParamLo());
    const TPoint pos(Message.XPos(), Message.YPos());
    const int notches = std::max(1, std::abs(delta) / 120);
    bool handled = false;
    for (int i = 0; i < notches && delta != 0; ++i) handled = WheelStep(delta < 0, shift, pos) || handled;
    Message.Result = handled ? 1 : 0;
    return true;
  }
  return false;
}

bool TDedAdararAdoz::WheelStep(bool Down, TShiftState Shift, TPoint MousePos) {
  if (Shift.Contains(ssCtrl) && IntelliZoom()) {
    Zoom(Down ? FWheelScrollLines : -FWheelScrollLines);
    // The cells take the zoomed text. They only grow: a column whose
    // cells are empty keeps the width the zoom gave it.
    const bool growOnly = FSizeGrowOnly;
    FSizeGrowOnly = true;
    struct TBack {
      bool& F;
      bool V;
      ~TBack() { F = V; }
    } back{FSizeGrowOnly, growOnly};
    AutoSizeCells(true, 4, 4);
    InvalidateGrid();
    return true;
  }
  if (!FEnableWheel || (FFixedRowAlways && RowCount() == 1)) return false;
  int n = FMouseActions->WheelIncrement();
  if (n < 1) n = FWheelScrollLines;
  const TGridRect s0 = Selection();
  if (FMouseActions->WheelAction() == waScroll) {
    const int maxTop = std::max(FixedRows(), MaxTopLeft().Y);
    if (Down) {
      if (TopRow() < RowCount() - VisibleRowCount()) SetTopRow(std::min(TopRow() + n, maxTop));
    } else {
      SetTopRow(std::max(FixedRows(), TopRow() - n));
    }
  } else {
    const int last = RowCount() - FFixedFooters - 1;
    const int target = std::clamp(Down ? Row() + n : Row() - n, FixedRows(), std::max(FixedRows(), last));
    if (Col() >= ColCount() && Row() >= RowCount()) FocusCellMove(ColCount() - 1, RowCount() - 1);
    const int col = std::clamp(Col(), FixedCols(), ColCount() - 1);
    const int left = LeftCol();
    {
      TGridUpdate lock(this);
      if (FMouseActions->DisjunctRowSelect()) ClearRowSelect();
      const int before = Row();
      if (col != Col()) SetCol(col);
      SetRow(target);
      if (Row() == before && target != before) {
        // Refused (a disabled row, a refused move): half the way.
        const int half = before + static_cast<int>(std::nearbyint((target - before) / 2.0));
        if (half != before) SetRow(half);
        if (TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
      }
      if (Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll()) SetLeftCol(left);
    }
  }
  bool handled = true;
  MouseWheelDone();
  if (FMouseActions->WheelIncrement() > 0 || FMouseActions->DisjunctRowSelect()) {
    bool h = false;
    const TShiftState sh = FMouseActions->DisjunctRowSelect() ? GetShiftState() : Shift;
    if (Down && OnMouseWheelDown) OnMouseWheelDown(this, sh, MousePos, h);
    if (!Down && OnMouseWheelUp) OnMouseWheelUp(this, sh, MousePos, h);
  }
  const TGridRect s = Selection();
  if (!(s == s0)) SelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
  if (FSearchFooter->Visible() && TopRow() >= RowCount() - VisibleRowCount()) ScrollLastRowClear();
  return handled;
}

// The framework's wheel steps (a wheel message the grid did not take).
bool TDedAdararAdoz::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  return DoMouseWheelStep(true, Shift, MousePos);
}

bool TDedAdararAdoz::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  return DoMouseWheelStep(false, Shift, MousePos);
}

bool TDedAdararAdoz::DoMouseWheelStep(bool Down, TShiftState Shift, TPoint MousePos) {
  if (FMouseActions->WheelAction() == waScroll || !FEnableWheel) {
    bool handled = false;
    const auto& event = Down ? OnMouseWheelDown : OnMouseWheelUp;
    if (event) event(this, Shift, MousePos, handled);
    return handled;
  }
  if (!Down && (Row() >= RowCount() || Col() >= ColCount())) return true;
  const bool direct = FMouseActions->DirectEdit();
  FMouseActions->SetDirectEdit(false);
  struct TBack {
    TMouseActions* M;
    bool V;
    ~TBack() { M->SetDirectEdit(V); }
  } back{FMouseActions.get(), direct};
  const bool editing = FEditMode;
  auto step = [&] {
    return Down ? TBaseGrid::DoMouseWheelDown(Shift, MousePos) : TBaseGrid::DoMouseWheelUp(Shift, MousePos);
  };
  bool handled;
  if (Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll()) {
    const int left = LeftCol();
    TGridUpdate lock(this);
    handled = step();
    SetLeftCol(left);
  } else {
    handled = step();
  }
  if (editing && CanFocus()) SetFocus();
  return handled;
}

// ---------------------------------------------------------------------------
// Panning

void TDedAdararAdoz::EndPanning() {
  if (!FWheelPan) return;
  FWheelPan = false;
  SetMouseCapture(false);
  if (HandleAllocated()) KillTimer(Handle(), kPanTimerId);
  SetPanCursor(FPrevCursor);
  SetShowHint(FPanShowHint);
  InvalidatePanMark();
}

// The panning cursor is the grid's own, not the application's.
void TDedAdararAdoz::SetPanCursor(TCursor Id) {
  Invokedchange = true;
  SetCursor(GridCursor(Id));
  Invokedchange = false;
}

void TDedAdararAdoz::InvalidatePanMark() {
  if (!HandleAllocated()) return;
  const TRect r(FWheelPanPos.X, FWheelPanPos.Y, FWheelPanPos.X + 32, FWheelPanPos.Y + 32);
  InvalidateRect(&r, false);
}

// The mark of the panning ways at the point panning began; its ground (the
// colour of its top-left pixel) shows white.
void TDedAdararAdoz::PaintPanMark(TCanvas* ACanvas) {
  if (!FWheelPan) return;
  const char* name = FIntelliPan == ipVertical ? "INTLI3" : FIntelliPan == ipHorizontal ? "INTLI2" : "INTLI1";
  TBitmap mark;
  try {
    mark.LoadFromResourceName(name);
  } catch (const Exception&) {
    return;
  }
  const TColor ground = mark.Canvas()->Pixels(0, 0);
  for (int y = 0; y < mark.Height(); ++y)
    for (int x = 0; x < mark.Width(); ++x)
      if (mark.Canvas()->Pixels(x, y) == ground) mark.Canvas()->SetPixels(x, y, clWhite);
  ACanvas->Draw(FWheelPanPos.X, FWheelPanPos.Y, &mark);
}

void TDedAdararAdoz::PanTick() {
  const TPoint p = ScreenToClient(CursorPos());
  int dy = 0, dx = 0;
  if (FIntelliPan != ipHorizontal) {
    if (p.Y < FWheelPanPos.Y - kPanDeadZone) dy = -1;
    if (p.Y > FWheelPanPos.Y + kPanDeadZone) dy = 1;
  }
  if (FIntelliPan != ipVertical) {
    if (p.X < FWheelPanPos.X - kPanDeadZone) dx = -1;
    if (p.X > FWheelPanPos.X + kPanDeadZone) dx = 1;
  }
  SetPanCursor(PanCursorFor(dx, dy));
  if (dx == 0 && dy == 0) return;
  const TGridRect s0 = Selection();
  if (FMouseActions->WheelAction() == waScroll) {
    const TGridCoord maxTL = MaxTopLeft();
    const int left = std::clamp(LeftCol() + dx, FixedCols(), std::max(FixedCols(), maxTL.X));
    const int top = std::clamp(TopRow() + dy, FixedRows(), std::max(FixedRows(), maxTL.Y));
    if (left != LeftCol() || top != TopRow()) InvalidatePanMark();
    if (left != LeftCol()) SetLeftCol(left);
    if (top != TopRow()) SetTopRow(top);
  } else {
    const int c = std::clamp(Col() + dx, FixedCols(), ColCount() - 1);
    const int r = std::clamp(Row() + dy, FixedRows(), RowCount() - 1);
    if (c != Col() || r != Row()) FocusCellMove(c, r);
  }
  InvalidatePanMark();
  const TGridRect s = Selection();
  if (!(s == s0)) SelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
}
