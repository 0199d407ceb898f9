#include "framework/controls/ScrollBars.h"

#include <algorithm>

#include "framework/graphics/Gdi.h"
#include "framework/graphics/Themes.h"
#include "framework/rtl/SysUtils.h"

namespace {

constexpr int kMinThumb = 8;
constexpr UINT kFirstRepeatDelay = 400;
constexpr UINT kRepeatDelay = 50;

bool IsVert(TScrollBarKind K) { return K == sbVertical; }

// The coordinate along the bar.
int Along(const TScrollBarLayout& L, const TPoint& P) { return IsVert(L.Kind) ? P.Y : P.X; }
int Start(const TScrollBarLayout& L, const TRect& R) { return IsVert(L.Kind) ? R.Top : R.Left; }
int Length(const TScrollBarLayout& L, const TRect& R) { return IsVert(L.Kind) ? R.Height() : R.Width(); }

TColor Mix(TColor A, TColor B) {
  TColor a = ColorToRGB(A), b = ColorToRGB(B);
  return RGB((GetRValue(a) + GetRValue(b)) / 2, (GetGValue(a) + GetGValue(b)) / 2,
             (GetBValue(a) + GetBValue(b)) / 2);
}

}  // namespace

int ScrollBarSize() { return 17; }

// ---- One bar ----

int ScrollBarMaxPos(const TScrollInfo& Info) {
  int m = Info.nMax - std::max(static_cast<int>(Info.nPage) - 1, 0);
  return std::max(m, Info.nMin);
}

TScrollBarLayout LayoutScrollBar(const TRect& R, TScrollBarKind Kind, const TScrollInfo& Info, bool Enabled) {
  TScrollBarLayout L;
  L.Kind = Kind;
  L.Bar = R;
  L.Info = Info;
  bool v = IsVert(Kind);
  int len = v ? R.Height() : R.Width();
  int arrow = std::min(ScrollBarSize(), len / 2);
  if (v) {
    L.LineUp = TRect(R.Left, R.Top, R.Right, R.Top + arrow);
    L.LineDown = TRect(R.Left, R.Bottom - arrow, R.Right, R.Bottom);
    L.Track = TRect(R.Left, R.Top + arrow, R.Right, R.Bottom - arrow);
  } else {
    L.LineUp = TRect(R.Left, R.Top, R.Left + arrow, R.Bottom);
    L.LineDown = TRect(R.Right - arrow, R.Top, R.Right, R.Bottom);
    L.Track = TRect(R.Left + arrow, R.Top, R.Right - arrow, R.Bottom);
  }
  int span = ScrollBarMaxPos(Info) - Info.nMin;
  L.Enabled = Enabled && span > 0;
  int trackLen = len - 2 * arrow;
  if (!L.Enabled || trackLen <= 0) return L;
  long long total = static_cast<long long>(Info.nMax) - Info.nMin + 1;
  int thumb = Info.nPage > 0
                  ? static_cast<int>(trackLen * static_cast<long long>(Info.nPage) / std::max(total, 1LL))
                  : ScrollBarSize();
  thumb = std::max(thumb, std::min(kMinThumb, trackLen));
  if (thumb >= trackLen) return L;
  int pos = std::clamp(Info.nPos, Info.nMin, ScrollBarMaxPos(Info));
  int offset = static_cast<int>(static_cast<long long>(trackLen - thumb) * (pos - Info.nMin) / span);
  if (v)
    L.Thumb = TRect(R.Left, L.Track.Top + offset, R.Right, L.Track.Top + offset + thumb);
  else
    L.Thumb = TRect(L.Track.Left + offset, R.Top, L.Track.Left + offset + thumb, R.Bottom);
  return L;
}

TScrollBarPart ScrollBarPartAt(const TScrollBarLayout& L, const TPoint& P) {
  if (!PtInRect(L.Bar, P)) return sbpNone;
  if (PtInRect(L.LineUp, P)) return sbpLineUp;
  if (PtInRect(L.LineDown, P)) return sbpLineDown;
  if (IsRectEmpty(L.Thumb)) return sbpNone;
  if (PtInRect(L.Thumb, P)) return sbpThumb;
  return Along(L, P) < Start(L, L.Thumb) ? sbpPageUp : sbpPageDown;
}

int ScrollBarPosFromThumb(const TScrollBarLayout& L, int ThumbStart) {
  const TScrollInfo& i = L.Info;
  int free = Length(L, L.Track) - Length(L, L.Thumb);
  if (free <= 0 || IsRectEmpty(L.Thumb)) return i.nMin;
  int off = std::clamp(ThumbStart - Start(L, L.Track), 0, free);
  long long span = ScrollBarMaxPos(i) - i.nMin;
  return i.nMin + static_cast<int>((off * span + free / 2) / free);
}

void PaintScrollBar(TCanvas* C, const TScrollBarLayout& L, TScrollBarPart Pressed) {
  bool v = IsVert(L.Kind);
  if (HTHEME th = OpenThemeData(0, "SCROLLBAR")) {
    auto arrowState = [&](TScrollBarPart part, int base) {
      if (!L.Enabled) return base + 3;
      return base + (Pressed == part ? 2 : 0);
    };
    DrawThemeBackground(th, C, SBP_ARROWBTN, arrowState(sbpLineUp, v ? ABS_UPNORMAL : ABS_LEFTNORMAL),
                        L.LineUp, nullptr);
    DrawThemeBackground(th, C, SBP_ARROWBTN, arrowState(sbpLineDown, v ? ABS_DOWNNORMAL : ABS_RIGHTNORMAL),
                        L.LineDown, nullptr);
    int state = L.Enabled ? SCRBS_NORMAL : SCRBS_DISABLED;
    if (IsRectEmpty(L.Thumb)) {
      DrawThemeBackground(th, C, v ? SBP_LOWERTRACKVERT : SBP_LOWERTRACKHORZ, state, L.Track, nullptr);
    } else {
      TRect lower = L.Track, upper = L.Track;
      if (v) {
        lower.Bottom = L.Thumb.Top;
        upper.Top = L.Thumb.Bottom;
      } else {
        lower.Right = L.Thumb.Left;
        upper.Left = L.Thumb.Right;
      }
      DrawThemeBackground(th, C, v ? SBP_LOWERTRACKVERT : SBP_LOWERTRACKHORZ,
                          Pressed == sbpPageUp ? SCRBS_PRESSED : state, lower, nullptr);
      DrawThemeBackground(th, C, v ? SBP_UPPERTRACKVERT : SBP_UPPERTRACKHORZ,
                          Pressed == sbpPageDown ? SCRBS_PRESSED : state, upper, nullptr);
      DrawThemeBackground(th, C, v ? SBP_THUMBBTNVERT : SBP_THUMBBTNHORZ,
                          Pressed == sbpThumb ? SCRBS_PRESSED : state, L.Thumb, nullptr);
    }
    CloseThemeData(th);
    return;
  }
  unsigned inactive = L.Enabled ? 0u : DFCS_INACTIVE;
  TRect up = L.LineUp, down = L.LineDown;
  DrawFrameControl(C, up, DFC_SCROLL,
                   (v ? DFCS_SCROLLUP : DFCS_SCROLLLEFT) | inactive |
                       (Pressed == sbpLineUp ? DFCS_PUSHED | DFCS_FLAT : 0u));
  DrawFrameControl(C, down, DFC_SCROLL,
                   (v ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT) | inactive |
                       (Pressed == sbpLineDown ? DFCS_PUSHED | DFCS_FLAT : 0u));
  TColor track = Mix(clBtnFace, clBtnHighlight);
  C->FillSolidRect(L.Track, track);
  if (!IsRectEmpty(L.Thumb)) {
    if (Pressed == sbpPageUp || Pressed == sbpPageDown) {
      TRect page = L.Track;
      if (Pressed == sbpPageUp) {
        if (v)
          page.Bottom = L.Thumb.Top;
        else
          page.Right = L.Thumb.Left;
      } else {
        if (v)
          page.Top = L.Thumb.Bottom;
        else
          page.Left = L.Thumb.Right;
      }
      C->FillSolidRect(page, cl3DDkShadow);
    }
    TRect thumb = L.Thumb;
    C->FillSolidRect(thumb, clBtnFace);
    DrawEdge(C, thumb, EDGE_RAISED, BF_RECT);
  }
}

// ---- Tracking ----

bool TScrollBarTracker::MouseDown(const TScrollBarLayout& L, const TPoint& P, HWND TimerWnd,
                                  const TScrollFn& Scroll) {
  Cancel();
  if (!L.Enabled) return false;
  TScrollBarPart part = ScrollBarPartAt(L, P);
  if (part == sbpNone) return false;
  part_ = part;
  kind_ = L.Kind;
  over_ = true;
  dragged_ = false;
  last_ = P;
  timerWnd_ = TimerWnd;
  if (part == sbpThumb) {
    grabOffset_ = Along(L, P) - Start(L, L.Thumb);
    trackPos_ = L.Info.nPos;
    return true;
  }
  Step(Scroll);
  if (timerWnd_ != 0) {
    SetTimer(timerWnd_, kTimerId, kFirstRepeatDelay);
    repeating_ = false;
  }
  return true;
}

void TScrollBarTracker::Step(const TScrollFn& Scroll) {
  switch (part_) {
    case sbpLineUp:
      Scroll(SB_LINEUP, 0);
      break;
    case sbpLineDown:
      Scroll(SB_LINEDOWN, 0);
      break;
    case sbpPageUp:
      Scroll(SB_PAGEUP, 0);
      break;
    case sbpPageDown:
      Scroll(SB_PAGEDOWN, 0);
      break;
    default:
      break;
  }
}

void TScrollBarTracker::MouseMove(const TScrollBarLayout& L, const TPoint& P, const TScrollFn& Scroll) {
  if (!Active()) return;
  last_ = P;
  if (part_ == sbpThumb) {
    int pos = ScrollBarPosFromThumb(L, Along(L, P) - grabOffset_);
    dragged_ = true;
    if (pos != trackPos_) {
      trackPos_ = pos;
      Scroll(SB_THUMBTRACK, pos);
    }
    return;
  }
  TScrollBarPart now = ScrollBarPartAt(L, P);
  over_ = now == part_;
}

void TScrollBarTracker::MouseUp(const TScrollFn& Scroll) {
  if (!Active()) return;
  TScrollBarPart part = part_;
  int pos = trackPos_;
  bool dragged = dragged_;
  Cancel();
  if (part == sbpThumb && dragged) Scroll(SB_THUMBPOSITION, pos);
  Scroll(SB_ENDSCROLL, 0);
}

bool TScrollBarTracker::Timer(uintptr_t Id, const TScrollBarLayout& L, const TScrollFn& Scroll) {
  if (Id != kTimerId) return false;
  if (!Active() || part_ == sbpThumb) {
    if (timerWnd_ != 0) KillTimer(timerWnd_, kTimerId);
    return true;
  }
  if (!repeating_ && timerWnd_ != 0) {
    SetTimer(timerWnd_, kTimerId, kRepeatDelay);
    repeating_ = true;
  }
  // Paging stops once the thumb has reached the mouse.
  TScrollBarPart now = ScrollBarPartAt(L, last_);
  over_ = now == part_;
  if (over_) Step(Scroll);
  return true;
}

void TScrollBarTracker::Cancel() {
  if (timerWnd_ != 0 && part_ != sbpNone) KillTimer(timerWnd_, kTimerId);
  part_ = sbpNone;
  over_ = false;
  dragged_ = false;
  repeating_ = false;
}

// ---- TScrollBar ----

TScrollBar::TScrollBar(TComponent* AOwner) : TCustomControl(AOwner) {
  controlStyle_ = TControlStyle{csFramed, csDoubleClicks, csOpaque};
  SetBounds(0, 0, 121, ScrollBarSize());
  SetTabStop(true);
  SetColor(clScrollBar);
}

TScrollBar::~TScrollBar() = default;

void TScrollBar::SetKind(TScrollBarKind Value) {
  if (kind_ == Value) return;
  kind_ = Value;
  if (!ComponentState().Contains(csLoading)) SetBounds(Left(), Top(), Height(), Width());
  Invalidate();
}

int TScrollBar::Clamp(int Pos) const {
  int hi = max_ - std::max(pageSize_ - 1, 0);
  if (hi < min_) hi = min_;
  return std::clamp(Pos, min_, hi);
}

void TScrollBar::SetParams(int APosition, int AMin, int AMax) {
  if (AMax < AMin || pageSize_ > AMax - AMin + 1) throw EInvalidOperation("Scrollbar property out of range");
  min_ = AMin;
  max_ = AMax;
  int pos = Clamp(APosition);
  bool changed = pos != position_;
  position_ = pos;
  Invalidate();
  if (changed) Change();
}

void TScrollBar::SetPageSize(int Value) {
  if (Value == pageSize_) return;
  if (Value < 0 || Value > max_ - min_ + 1) throw EInvalidOperation("Scrollbar property out of range");
  pageSize_ = Value;
  SetParams(position_, min_, max_);
  Invalidate();
}

void TScrollBar::Change() {
  if (OnChange) OnChange(this);
}

void TScrollBar::Scroll(TScrollCode ScrollCode, int& ScrollPos) {
  if (OnScroll) OnScroll(this, ScrollCode, ScrollPos);
}

TScrollInfo TScrollBar::Info() const {
  TScrollInfo i;
  i.nMin = min_;
  i.nMax = max_;
  i.nPage = static_cast<UINT>(pageSize_);
  i.nPos = position_;
  return i;
}

TScrollBarLayout TScrollBar::Layout() const {
  return LayoutScrollBar(ClientRect(), kind_, Info(), Enabled());
}

void TScrollBar::DoScroll(int Code, int Pos) {
  int pos = position_;
  TScrollCode sc = scEndScroll;
  switch (Code) {
    case SB_LINEUP:
      pos -= smallChange_, sc = scLineUp;
      break;
    case SB_LINEDOWN:
      pos += smallChange_, sc = scLineDown;
      break;
    case SB_PAGEUP:
      pos -= largeChange_, sc = scPageUp;
      break;
    case SB_PAGEDOWN:
      pos += largeChange_, sc = scPageDown;
      break;
    case SB_THUMBPOSITION:
      pos = Pos, sc = scPosition;
      break;
    case SB_THUMBTRACK:
      pos = Pos, sc = scTrack;
      break;
    case SB_TOP:
      pos = min_, sc = scTop;
      break;
    case SB_BOTTOM:
      pos = max_, sc = scBottom;
      break;
    case SB_ENDSCROLL:
      sc = scEndScroll;
      break;
    default:
      return;
  }
  pos = Clamp(pos);
  Scroll(sc, pos);
  SetPosition(pos);
}

void TScrollBar::KeyDown(WORD& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  bool v = kind_ == sbVertical;
  int code = -1;
  switch (Key) {
    case VK_UP:
      code = v ? SB_LINEUP : -1;
      break;
    case VK_LEFT:
      code = v ? -1 : SB_LINEUP;
      break;
    case VK_DOWN:
      code = v ? SB_LINEDOWN : -1;
      break;
    case VK_RIGHT:
      code = v ? -1 : SB_LINEDOWN;
      break;
    case VK_PRIOR:
      code = SB_PAGEUP;
      break;
    case VK_NEXT:
      code = SB_PAGEDOWN;
      break;
    case VK_HOME:
      code = SB_TOP;
      break;
    case VK_END:
      code = SB_BOTTOM;
      break;
    default:
      break;
  }
  if (code < 0) return;
  DoScroll(code, 0);
  DoScroll(SB_ENDSCROLL, 0);
}

void TScrollBar::WndProc(TMessage& Message) {
  auto scroll = [this](int Code, int Pos) { DoScroll(Code, Pos); };
  switch (Message.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL:
    case WM_HSCROLL:
    case WM_VSCROLL: {
      int pos = static_cast<int16_t>(Message.WParamHi());
      DoScroll(Message.WParamLo(), pos);
      return;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      if (CanFocus() && !Focused()) SetFocus();
      TPoint p(Message.XPos(), Message.YPos());
      if (tracker_.MouseDown(Layout(), p, Handle(), scroll)) SetCapture(Handle());
      Invalidate();
      return;
    }
    case WM_MOUSEMOVE:
      if (tracker_.Active()) {
        tracker_.MouseMove(Layout(), TPoint(Message.XPos(), Message.YPos()), scroll);
        Invalidate();
        return;
      }
      break;
    case WM_LBUTTONUP:
      if (tracker_.Active()) {
        // Ends tracking before the capture goes (losing it cancels).
        tracker_.MouseUp(scroll);
        if (GetCapture() == Handle()) ReleaseCapture();
        Invalidate();
        return;
      }
      break;
    case WM_TIMER:
      if (tracker_.Timer(Message.WParam, Layout(), scroll)) {
        Invalidate();
        return;
      }
      break;
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
      if (tracker_.Active()) {
        tracker_.Cancel();
        Invalidate();
      }
      break;
    case SBM_SETPOS: {
      int old = position_;
      SetPosition(static_cast<int>(Message.WParam));
      Message.Result = old;
      return;
    }
    case SBM_GETPOS:
      Message.Result = position_;
      return;
    case SBM_SETRANGE:
      SetParams(position_, static_cast<int>(Message.WParam), static_cast<int>(Message.LParam));
      return;
    case SBM_GETRANGE:
      if (auto* p = reinterpret_cast<int*>(Message.WParam)) *p = min_;
      if (auto* p = reinterpret_cast<int*>(Message.LParam)) *p = max_;
      return;
    case SBM_GETSCROLLINFO:
      if (auto* si = reinterpret_cast<TScrollInfo*>(Message.LParam)) {
        TScrollInfo i = Info();
        if (si->fMask & SIF_RANGE) si->nMin = i.nMin, si->nMax = i.nMax;
        if (si->fMask & SIF_PAGE) si->nPage = i.nPage;
        if (si->fMask & SIF_POS) si->nPos = i.nPos;
        Message.Result = 1;
      }
      return;
    case CM_ENABLEDCHANGED:
      Invalidate();
      break;
    default:
      break;
  }
  TCustomControl::WndProc(Message);
}

void TScrollBar::DefaultHandler(TMessage& Message) {
  if (Message.Msg == WM_GETDLGCODE) {
    Message.Result = DLGC_WANTARROWS;
    return;
  }
  TCustomControl::DefaultHandler(Message);
}

void TScrollBar::Paint() {
  TCanvas* c = Canvas();
  PaintScrollBar(c, Layout(), tracker_.PressedPart());
  if (Focused() && !IsRectEmpty(Layout().Thumb)) {
    TRect f = Layout().Thumb;
    InflateRect(f, -2, -2);
    c->DrawFocusRect(f);
  }
}

// ---- TScrollBarsWindow ----

TScrollBarsWindow::TScrollBarsWindow(TComponent* AOwner) : TCustomControl(AOwner) {}

TScrollBarsWindow::~TScrollBarsWindow() = default;

void TScrollBarsWindow::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  if (horzShown_) Params.Style |= WS_HSCROLL;
  if (vertShown_) Params.Style |= WS_VSCROLL;
}

TRect TScrollBarsWindow::ComputeNonClientInsets(const TCreateParams& Params) const {
  TRect r = TCustomControl::ComputeNonClientInsets(Params);
  if (Params.Style & WS_VSCROLL) r.Right += ScrollBarSize();
  if (Params.Style & WS_HSCROLL) r.Bottom += ScrollBarSize();
  return r;
}

void TScrollBarsWindow::SetFrameBars(bool Horz, bool Vert) {
  if (Horz == horzShown_ && Vert == vertShown_) return;
  horzShown_ = Horz;
  vertShown_ = Vert;
  ShowScrollBar(SB_HORZ, Horz);
  ShowScrollBar(SB_VERT, Vert);
  if (HandleAllocated()) {
    TCreateParams p;
    CreateParams(p);
    style_ = (style_ & ~(WS_HSCROLL | WS_VSCROLL)) | (p.Style & (WS_HSCROLL | WS_VSCROLL));
    ncInsets_ = ComputeNonClientInsets(p);
    // The children's windows sit in our client area, which moved.
    for (int i = 0; i < ControlCount(); ++i)
      if (auto* w = dynamic_cast<TWinControl*>(Controls(i)))
        w->SetBounds(w->Left(), w->Top(), w->Width(), w->Height());
    Invalidate();
  }
  Perform(WM_SIZE, SIZE_RESTORED, MakeLParam(ClientWidth(), ClientHeight()));
}

void TScrollBarsWindow::SetBarInfo(int Bar, int Min, int Max, int Page, int Pos) {
  TScrollInfo si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = Min;
  si.nMax = Max;
  si.nPage = static_cast<UINT>(std::max(Page, 0));
  si.nPos = Pos;
  SetScrollInfo(Bar, si, false);
  if (HandleAllocated()) {
    // Only the frame needs drawing.
    TRect r = Bar == SB_VERT ? VertBarRect() : HorzBarRect();
    if (!IsRectEmpty(r)) InvalidateRect(&r, false);
  }
}

TRect TScrollBarsWindow::VertBarRect() const {
  if (!vertShown_) return TRect();
  TRect c = ClientRect();
  return TRect(c.Right, 0, c.Right + ScrollBarSize(), c.Bottom);
}

TRect TScrollBarsWindow::HorzBarRect() const {
  if (!horzShown_) return TRect();
  TRect c = ClientRect();
  return TRect(0, c.Bottom, c.Right, c.Bottom + ScrollBarSize());
}

TScrollBarLayout TScrollBarsWindow::BarLayout(int Bar) const {
  TScrollInfo si;
  si.fMask = SIF_ALL;
  GetScrollInfo(Bar, si);
  bool enabled = Enabled() && ScrollBarState(Bar).Enabled;
  if (Bar == SB_VERT) return LayoutScrollBar(VertBarRect(), sbVertical, si, enabled);
  return LayoutScrollBar(HorzBarRect(), sbHorizontal, si, enabled);
}

void TScrollBarsWindow::SendScroll(int Bar, int Code, int Pos) {
  if (Code == SB_THUMBTRACK || Code == SB_THUMBPOSITION) {
    TScrollInfo si;
    si.fMask = SIF_TRACKPOS;
    si.nTrackPos = Pos;
    SetScrollInfo(Bar, si, false);
  }
  Perform(Bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL, MakeWParam(Code, std::clamp(Pos, -32768, 32767)), 0);
}

void TScrollBarsWindow::PaintNonClient(TCanvas* DC) {
  TCustomControl::PaintNonClient(DC);
  if (!horzShown_ && !vertShown_) return;
  TRect ins = NonClientInsets();
  int saved = DC->SaveDC();
  TPoint org = DC->WindowOrg();
  // The bars are laid out in client coordinates.
  DC->SetWindowOrg(TPoint(org.X - ins.Left, org.Y - ins.Top));
  TScrollBarPart pressedV = tracker_.Active() && trackBar_ == SB_VERT ? tracker_.PressedPart() : sbpNone;
  TScrollBarPart pressedH = tracker_.Active() && trackBar_ == SB_HORZ ? tracker_.PressedPart() : sbpNone;
  if (vertShown_) PaintScrollBar(DC, BarLayout(SB_VERT), pressedV);
  if (horzShown_) PaintScrollBar(DC, BarLayout(SB_HORZ), pressedH);
  if (vertShown_ && horzShown_) {
    TRect c = ClientRect();
    DC->FillSolidRect(TRect(c.Right, c.Bottom, c.Right + ScrollBarSize(), c.Bottom + ScrollBarSize()),
                      clBtnFace);
  }
  DC->RestoreDC(saved);
}

void TScrollBarsWindow::WndProc(TMessage& Message) {
  auto scrollOf = [this](int Bar) { return [this, Bar](int Code, int Pos) { SendScroll(Bar, Code, Pos); }; };
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      TPoint p(Message.XPos(), Message.YPos());
      for (int bar : {SB_VERT, SB_HORZ}) {
        TRect r = bar == SB_VERT ? VertBarRect() : HorzBarRect();
        if (!PtInRect(r, p)) continue;
        trackBar_ = bar;
        if (tracker_.MouseDown(BarLayout(bar), p, Handle(), scrollOf(bar))) SetCapture(Handle());
        TRect inv = bar == SB_VERT ? VertBarRect() : HorzBarRect();
        InvalidateRect(&inv, false);
        return;
      }
      // The corner between the bars takes no clicks.
      TRect c = ClientRect();
      if (p.X >= c.Right || p.Y >= c.Bottom) return;
      break;
    }
    case WM_MOUSEMOVE:
      if (tracker_.Active()) {
        tracker_.MouseMove(BarLayout(trackBar_), TPoint(Message.XPos(), Message.YPos()), scrollOf(trackBar_));
        TRect inv = trackBar_ == SB_VERT ? VertBarRect() : HorzBarRect();
        InvalidateRect(&inv, false);
        return;
      }
      break;
    case WM_LBUTTONUP:
      if (tracker_.Active()) {
        tracker_.MouseUp(scrollOf(trackBar_));
        if (GetCapture() == Handle()) ReleaseCapture();
        TRect inv = trackBar_ == SB_VERT ? VertBarRect() : HorzBarRect();
        InvalidateRect(&inv, false);
        return;
      }
      break;
    case WM_TIMER:
      if (tracker_.Timer(Message.WParam, BarLayout(trackBar_), scrollOf(trackBar_))) {
        TRect inv = trackBar_ == SB_VERT ? VertBarRect() : HorzBarRect();
        InvalidateRect(&inv, false);
        return;
      }
      break;
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
      if (tracker_.Active()) {
        tracker_.Cancel();
        Invalidate();
      }
      break;
    default:
      break;
  }
  TCustomControl::WndProc(Message);
}

// ---- TControlScrollBar ----

TControlScrollBar::TControlScrollBar(TScrollingWinControl* AControl, TScrollBarKind AKind)
    : control_(AControl), kind_(AKind) {}

void TControlScrollBar::Assign(TPersistent* Source) {
  if (auto* s = dynamic_cast<TControlScrollBar*>(Source)) {
    increment_ = s->increment_;
    tracking_ = s->tracking_;
    margin_ = s->margin_;
    visible_ = s->visible_;
    range_ = s->range_;
    SetPosition(s->position_);
    control_->UpdateScrollBars();
    return;
  }
  TPersistent::Assign(Source);
}

int TControlScrollBar::ControlSize() const {
  // The room the view has when the bar of this kind shows (the client
  // size with the frame bars as they are).
  TRect c = control_->ClientRect();
  return kind_ == sbVertical ? c.Height() : c.Width();
}

int TControlScrollBar::ScrollMax() const { return std::max(0, range_ - ControlSize()); }

bool TControlScrollBar::IsScrollBarVisible() const {
  return kind_ == sbVertical ? control_->VertBarShown() : control_->HorzBarShown();
}

void TControlScrollBar::SetPosition(int Value) {
  int v = std::clamp(Value, 0, ScrollMax());
  if (v != position_) {
    int old = position_;
    position_ = v;
    if (kind_ == sbHorizontal)
      control_->ScrolledBy(old - v, 0);
    else
      control_->ScrolledBy(0, old - v);
  }
  control_->SetBarInfo(kind_ == sbVertical ? SB_VERT : SB_HORZ, 0, std::max(range_ - 1, 0), ControlSize() + 0,
                       position_);
}

void TControlScrollBar::SetRange(int Value) {
  control_->autoScroll_ = false;
  range_ = std::max(Value, 0);
  control_->UpdateScrollBars();
}

void TControlScrollBar::SetVisible(bool Value) {
  if (visible_ == Value) return;
  visible_ = Value;
  control_->UpdateScrollBars();
}

void TControlScrollBar::SetMargin(int Value) {
  margin_ = Value;
  if (visible_) control_->UpdateScrollBars();
}

void TControlScrollBar::ScrollMessage(const TMessage& Message) {
  int code = Message.WParamLo();
  int pos = static_cast<int16_t>(Message.WParamHi());
  if ((code == SB_THUMBTRACK || code == SB_THUMBPOSITION) && range_ > 32767) {
    // Beyond 16 bits the position rides in the scroll information.
    TScrollInfo si;
    si.fMask = SIF_TRACKPOS;
    control_->GetScrollInfo(kind_ == sbVertical ? SB_VERT : SB_HORZ, si);
    pos = si.nTrackPos;
  }
  switch (code) {
    case SB_LINEUP:
      SetPosition(position_ - increment_);
      break;
    case SB_LINEDOWN:
      SetPosition(position_ + increment_);
      break;
    case SB_PAGEUP:
      SetPosition(position_ - ControlSize());
      break;
    case SB_PAGEDOWN:
      SetPosition(position_ + ControlSize());
      break;
    case SB_THUMBTRACK:
      if (tracking_) SetPosition(pos);
      break;
    case SB_THUMBPOSITION:
      SetPosition(pos);
      break;
    case SB_TOP:
      SetPosition(0);
      break;
    case SB_BOTTOM:
      SetPosition(range_);
      break;
    default:
      break;
  }
}

// ---- TScrollingWinControl ----

TScrollingWinControl::TScrollingWinControl(TComponent* AOwner)
    : TScrollBarsWindow(AOwner),
      horz_(std::make_unique<TControlScrollBar>(this, sbHorizontal)),
      vert_(std::make_unique<TControlScrollBar>(this, sbVertical)) {
  controlStyle_ << csAcceptsControls;
}

TScrollingWinControl::~TScrollingWinControl() = default;

void TScrollingWinControl::SetAutoScroll(bool Value) {
  if (autoScroll_ == Value) return;
  autoScroll_ = Value;
  if (!Value) {
    horz_->range_ = 0;
    vert_->range_ = 0;
  }
  UpdateScrollBars();
}

void TScrollingWinControl::EnableAutoRange() {
  if (autoRangeLock_ > 0 && --autoRangeLock_ == 0) UpdateScrollBars();
}

void TScrollingWinControl::AdjustClientRect(TRect& Rect) {
  // Aligned children lie in the scrolled content, not in the view.
  TRect c = ClientRect();
  Rect = Bounds(-horz_->position_, -vert_->position_, std::max(horz_->range_, c.Width()),
                std::max(vert_->range_, c.Height()));
  TScrollBarsWindow::AdjustClientRect(Rect);
}

void TScrollingWinControl::AlignControls(TControl* AControl, TRect& Rect) {
  TScrollBarsWindow::AlignControls(AControl, Rect);
  UpdateScrollBars();
}

void TScrollingWinControl::CalcAutoRange() {
  int h = 0, v = 0;
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    if (!c->Visible()) continue;
    TAlign a = c->Align();
    // Children that follow the view's width (or height) give no range in
    // that direction.
    if (a != alTop && a != alBottom && a != alClient)
      h = std::max(h, c->Left() + c->Width() + horz_->position_);
    if (a != alLeft && a != alRight && a != alClient)
      v = std::max(v, c->Top() + c->Height() + vert_->position_);
  }
  horz_->range_ = h > 0 ? h + horz_->margin_ : 0;
  vert_->range_ = v > 0 ? v + vert_->margin_ : 0;
}

void TScrollingWinControl::UpdateScrollBars() {
  if (updatingBars_ || autoRangeLock_ > 0 || ComponentState().Contains(csDestroying)) return;
  updatingBars_ = true;
  try {
    if (autoScroll_) CalcAutoRange();
    // The view without bars; each bar that shows takes room from the other
    // direction.
    TRect c = ClientRect();
    int w0 = c.Width() + (VertBarShown() ? ScrollBarSize() : 0);
    int h0 = c.Height() + (HorzBarShown() ? ScrollBarSize() : 0);
    bool hv = horz_->visible_, vv = vert_->visible_;
    bool needH = hv && horz_->range_ > w0;
    bool needV = vv && vert_->range_ > h0;
    if (needV && !needH) needH = hv && horz_->range_ > w0 - ScrollBarSize();
    if (needH && !needV) needV = vv && vert_->range_ > h0 - ScrollBarSize();
    SetFrameBars(needH, needV);
    // A smaller range or a larger view pulls the content back in.
    horz_->SetPosition(needH ? horz_->position_ : 0);
    vert_->SetPosition(needV ? vert_->position_ : 0);
  } catch (...) {
    updatingBars_ = false;
    throw;
  }
  updatingBars_ = false;
}

void TScrollingWinControl::ScrolledBy(int DeltaX, int DeltaY) { ScrollBy(DeltaX, DeltaY); }

void TScrollingWinControl::ScrollInView(TControl* AControl) {
  if (AControl == nullptr || !ContainsControl(AControl)) return;
  TRect r = AControl->BoundsRect();
  TControl* p = AControl->Parent();
  while (p != nullptr && p != this) {
    OffsetRect(r, p->Left(), p->Top());
    if (auto* w = dynamic_cast<TWinControl*>(p)) {
      TRect ins = w->NonClientInsets();
      OffsetRect(r, ins.Left, ins.Top);
    }
    p = p->Parent();
  }
  TRect c = ClientRect();
  if (r.Left < 0)
    horz_->SetPosition(horz_->position_ + r.Left);
  else if (r.Right > c.Right)
    horz_->SetPosition(horz_->position_ + std::min(r.Right - c.Right, r.Left));
  if (r.Top < 0)
    vert_->SetPosition(vert_->position_ + r.Top);
  else if (r.Bottom > c.Bottom)
    vert_->SetPosition(vert_->position_ + std::min(r.Bottom - c.Bottom, r.Top));
}

void TScrollingWinControl::WMSize(TMessage& Message) {
  TScrollBarsWindow::WMSize(Message);
  UpdateScrollBars();
}

void TScrollingWinControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_HSCROLL:
      horz_->ScrollMessage(Message);
      return;
    case WM_VSCROLL:
      vert_->ScrollMessage(Message);
      return;
    case CM_FOCUSCHANGED: {
      // A child that takes the focus comes into view.
      auto* c = reinterpret_cast<TWinControl*>(Message.LParam);
      if (c != nullptr && c != this && ContainsControl(c)) ScrollInView(c);
      break;
    }
    default:
      break;
  }
  TScrollBarsWindow::WndProc(Message);
}

void TScrollingWinControl::DefaultHandler(TMessage& Message) {
  if (Message.Msg == WM_MOUSEWHEEL && VertBarShown()) {
    int delta = static_cast<int16_t>(Message.WParamHi());
    int lines = Mouse != nullptr ? Mouse->WheelScrollLines() : 3;
    if (lines < 0) lines = 1;
    int steps = delta / WHEEL_DELTA * lines;
    vert_->SetPosition(vert_->position_ - steps * vert_->increment_);
    Message.Result = 1;
    return;
  }
  TScrollBarsWindow::DefaultHandler(Message);
}

void TScrollingWinControl::Paint() {
  TCanvas* c = Canvas();
  c->Brush()->SetColor(Color());
  c->Brush()->SetStyle(bsSolid);
  c->FillRect(ClientRect());
}

// ---- TScrollBox ----

TScrollBox::TScrollBox(TComponent* AOwner) : TScrollingWinControl(AOwner) {
  controlStyle_ << csCaptureMouse << csClickEvents << csSetCaption << csDoubleClicks;
  SetBounds(0, 0, 185, 41);
  SetColor(clBtnFace);
  SetParentColor(true);
}

void TScrollBox::SetBorderStyle(TBorderStyle Value) {
  if (borderStyle_ == Value) return;
  borderStyle_ = Value;
  RecreateWnd();
  Realign();
  Invalidate();
}

void TScrollBox::CreateParams(TCreateParams& Params) {
  TScrollingWinControl::CreateParams(Params);
  ApplyBorderStyle(Params, borderStyle_);
}
