#include "framework/controls/ToolTips.h"

#include <algorithm>
#include <cmath>

#include "framework/backend/Backend.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/Forms.h"
#include "framework/graphics/ShellIcons.h"

namespace {
// Metrics of the balloon, in pixels.
constexpr int kPad = 8;
constexpr int kIcon = 16;
constexpr int kIconGap = 6;
constexpr int kTitleGap = 4;
constexpr int kStemHeight = 12;
constexpr int kStemWidth = 16;
// How far the stem's foot stays from the body's corners.
constexpr int kStemInset = 14;
constexpr int kCorner = 7;
// The stem points below the mouse pointer's picture.
constexpr int kBelowPointer = 18;
constexpr int kAbovePointer = 2;

enum { kNoTimer, kShowTimer, kHideTimer };

int DoubleClickMs() {
  IBackend* b = Backend();
  const int t = b != nullptr ? b->DoubleClickTime() : 0;
  return t > 0 ? t : 500;
}
}  // namespace

// The hook stays in the tool's WindowProc when another hook came after it;
// with the tip gone it only passes messages on.
struct TBalloonToolTip::THookState {
  TBalloonToolTip* Tip = nullptr;
  // Messages the hook is passing on right now.
  int Depth = 0;
};

struct TBalloonToolTip::TToolHook {
  std::shared_ptr<THookState> State;
  TWndMethod Prev;
  TWinControl* Tool = nullptr;
  void operator()(TMessage& Message) const {
    // Kept before the tool runs: the tool may drop this hook meanwhile.
    const std::shared_ptr<THookState> state = State;
    ++state->Depth;
    try {
      if (Prev)
        Prev(Message);
      else
        Tool->WndProc(Message);
    } catch (...) {
      --state->Depth;
      throw;
    }
    --state->Depth;
    // After the tool, so a tip the tool popped for this move is asked again.
    if (state->Tip != nullptr) state->Tip->RelayEvent(Message);
  }
};

TBalloonToolTip::TBalloonToolTip(TComponent* AOwner) : TCustomControl(AOwner) {
  SetVisible(false);
  controlStyle_ >> csCaptureMouse;
  timer_ = new TTimer(this);
  timer_->SetEnabled(false);
  timer_->OnTimer = [this](TObject* Sender) { TimerFired(Sender); };
}

TBalloonToolTip::~TBalloonToolTip() {
  StopTimer();
  Unhook();
}

void TBalloonToolTip::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = WS_POPUP;
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
  // Above the form of the window it explains, and gone with it.
  TCustomForm* form = tool_ != nullptr ? GetParentForm(tool_) : nullptr;
  Params.WndParent = form != nullptr && form->HandleAllocated() ? form->Handle() : 0;
}

void TBalloonToolTip::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == tool_) {
    if (hook_) hook_->Tip = nullptr;
    hook_.reset();
    tool_ = nullptr;
    StopTimer();
    Hide(false);
  }
}

// ---- The tool

void TBalloonToolTip::SetTool(TWinControl* Value) {
  if (tool_ == Value) return;
  StopTimer();
  Hide(true);
  Unhook();
  if (tool_ != nullptr) tool_->RemoveFreeNotification(this);
  tool_ = Value;
  inside_ = false;
  reshow_ = false;
  quiet_ = false;
  if (tool_ != nullptr) {
    tool_->FreeNotification(this);
    Hook();
  }
}

void TBalloonToolTip::Hook() {
  // A hook of a tip gone before is taken over: a tip made again while the
  // tool handles a message must not replace the hook that is running.
  if (TToolHook* h = tool_->WindowProc.target<TToolHook>(); h != nullptr && h->State->Tip == nullptr) {
    hook_ = h->State;
    hook_->Tip = this;
    return;
  }
  hook_ = std::make_shared<THookState>();
  hook_->Tip = this;
  TToolHook h;
  h.State = hook_;
  h.Prev = tool_->WindowProc;
  h.Tool = tool_;
  tool_->WindowProc = h;
}

void TBalloonToolTip::Unhook() {
  if (!hook_) return;
  hook_->Tip = nullptr;
  // Taken out only while it is the last hook and not running; otherwise it
  // stays, passing messages on.
  if (tool_ != nullptr && hook_->Depth == 0) {
    const TToolHook* h = tool_->WindowProc.target<TToolHook>();
    if (h != nullptr && h->State == hook_) tool_->WindowProc = h->Prev;
  }
  hook_.reset();
}

// ---- Settings

int TBalloonToolTip::InitialTime() const { return initialDelay_ >= 0 ? initialDelay_ : DoubleClickMs(); }
int TBalloonToolTip::ReshowTime() const { return reshowDelay_ >= 0 ? reshowDelay_ : DoubleClickMs() / 5; }
int TBalloonToolTip::AutoHideTime() const {
  return autoHideDelay_ >= 0 ? autoHideDelay_ : DoubleClickMs() * 10;
}

void TBalloonToolTip::SetAlpha(int Value) {
  alpha_ = std::clamp(Value, 0, 255);
  if (IWindowPeer* p = Peer()) p->SetOpacity(alpha_);
}

void TBalloonToolTip::SetMaxTipWidth(int Value) { maxTipWidth_ = Value; }

void TBalloonToolTip::SetTipTextColor(TColor Value) {
  tipTextColor_ = Value;
  if (Visible()) Invalidate();
}

void TBalloonToolTip::SetTipBkColor(TColor Value) {
  tipBkColor_ = Value;
  if (Visible()) Invalidate();
}

TColor TBalloonToolTip::TextColorUsed() const { return tipTextColor_ == clNone ? clInfoText : tipTextColor_; }
TColor TBalloonToolTip::BkColorUsed() const { return tipBkColor_ == clNone ? clInfoBk : tipBkColor_; }

void TBalloonToolTip::SetTitle(int Icon, const std::string& Title) {
  icon_ = static_cast<TToolTipIcon>(std::clamp(Icon, 0, 3));
  title_ = Title;
}

// ---- Showing and hiding

void TBalloonToolTip::Tell(int Code) {
  if (tool_ == nullptr) return;
  NMHDR hdr;
  hdr.hwndFrom = HandleAllocated() ? Handle() : 0;
  hdr.idFrom = tool_->HandleAllocated() ? static_cast<uintptr_t>(tool_->Handle()) : 0;
  hdr.code = Code;
  tool_->Perform(WM_NOTIFY, static_cast<WPARAM>(hdr.idFrom), reinterpret_cast<LPARAM>(&hdr));
}

bool TBalloonToolTip::Popup(const TPoint& ToolPoint) {
  StopTimer();
  if (tool_ == nullptr) return false;
  HandleNeeded();
  NMTTDISPINFO info;
  info.hdr.hwndFrom = Handle();
  info.hdr.idFrom = tool_->HandleAllocated() ? static_cast<uintptr_t>(tool_->Handle()) : 0;
  info.hdr.code = TTN_GETDISPINFO;
  info.Point = ToolPoint;
  tool_->Perform(WM_NOTIFY, static_cast<WPARAM>(info.hdr.idFrom), reinterpret_cast<LPARAM>(&info));
  // The request may have taken the tool away.
  if (tool_ == nullptr || info.Text.empty()) {
    Hide(true);
    return false;
  }
  text_ = info.Text;
  Measure();
  PlaceAt(tool_->ClientToScreen(ToolPoint), kBelowPointer, kAbovePointer);
  ShowMeasured();
  return true;
}

void TBalloonToolTip::ShowAt(const TPoint& Screen, const std::string& Text) {
  StopTimer();
  HandleNeeded();
  text_ = Text;
  Measure();
  PlaceAt(Screen, 0, 0);
  ShowMeasured();
}

void TBalloonToolTip::ShowMeasured() {
  reshow_ = false;
  const bool wasShown = Visible();
  SetVisible(true);
  UpdateShowing();
  if (IWindowPeer* p = Peer()) {
    p->SetShape(Outline(layout_.Width, layout_.Height));
    p->SetOpacity(alpha_);
  }
  Invalidate();
  if (!wasShown) Tell(TTN_SHOW);
  const int hide = AutoHideTime();
  if (hide > 0) StartTimer(kHideTimer, hide);
}

void TBalloonToolTip::Hide(bool TellTool) {
  if (!Visible()) return;
  SetVisible(false);
  UpdateShowing();
  if (TellTool) Tell(TTN_POP);
}

void TBalloonToolTip::Pop() {
  StopTimer();
  if (Visible()) reshow_ = true;
  quiet_ = false;
  Hide(true);
}

void TBalloonToolTip::StartTimer(int Kind, int Ms) {
  timerKind_ = Kind;
  timer_->SetEnabled(false);
  timer_->SetInterval(static_cast<unsigned>(std::max(1, Ms)));
  timer_->SetEnabled(true);
}

void TBalloonToolTip::StopTimer() {
  timerKind_ = kNoTimer;
  if (timer_ != nullptr) timer_->SetEnabled(false);
}

void TBalloonToolTip::TimerFired(TObject*) {
  const int kind = timerKind_;
  StopTimer();
  if (kind == kShowTimer && inside_) {
    Popup(lastPoint_);
  } else if (kind == kHideTimer) {
    Hide(true);
    quiet_ = true;
  }
}

void TBalloonToolTip::RelayEvent(const TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOUSEMOVE: {
      const TPoint p(Message.XPos(), Message.YPos());
      // The window system repeats a move without a move now and then.
      if (inside_ && p == lastPoint_) return;
      inside_ = true;
      lastPoint_ = p;
      if (Visible() || quiet_ || !Enabled()) return;
      // The mouse has to rest: each move starts the wait again.
      StartTimer(kShowTimer, reshow_ ? ReshowTime() : InitialTime());
      return;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_MOUSEWHEEL:
      StopTimer();
      reshow_ = false;
      Hide(true);
      return;
    case CM_MOUSELEAVE:
    case WM_MOUSELEAVE:
      StopTimer();
      inside_ = false;
      reshow_ = false;
      quiet_ = false;
      Hide(true);
      return;
    default:
      return;
  }
}

// ---- Layout and painting

void TBalloonToolTip::Measure() {
  TCanvas* c = Canvas();
  TLayout& L = layout_;
  L = TLayout();
  const bool header = icon_ != ttiNone || !title_.empty();
  int headerW = 0, headerH = 0, titleH = 0, titleW = 0;
  if (header) {
    c->Font()->Assign(Font());
    c->Font()->SetStyle(TFontStyles{fsBold});
    titleW = title_.empty() ? 0 : c->TextWidth(title_);
    titleH = c->TextHeight(title_.empty() ? std::string("Ag") : title_);
    headerW = (icon_ != ttiNone ? kIcon + kIconGap : 0) + titleW;
    headerH = std::max(icon_ != ttiNone ? kIcon : 0, titleH);
  }
  c->Font()->Assign(Font());
  // The text wraps inside the widest tip allowed, never narrower than the
  // title line.
  int wrap = maxTipWidth_ > 0 ? maxTipWidth_ - 2 * kPad : 0;
  if (wrap <= 0) {
    const TRect work = Backend() != nullptr ? Backend()->WorkArea(TPoint(0, 0)) : TRect(0, 0, 1024, 768);
    wrap = std::max(100, work.Width() - 2 * kPad);
  }
  wrap = std::max(wrap, headerW);
  TRect tr(0, 0, wrap, 0);
  std::string text = text_;
  c->TextRect(tr, text, TTextFormat{tfCalcRect, tfLeft, tfWordBreak, tfNoPrefix});
  const int textW = std::min(tr.Width(), wrap);
  const int textH = tr.Height();
  const int bodyW = std::max(headerW, textW) + 2 * kPad;
  const int bodyH = kPad + headerH + (header && textH > 0 ? kTitleGap : 0) + textH + kPad;
  L.Width = bodyW + 1;
  L.Height = bodyH + kStemHeight + 1;
  L.Body = TRect(0, kStemHeight, bodyW, kStemHeight + bodyH);
  const int top = L.Body.Top + kPad;
  if (icon_ != ttiNone)
    L.IconRect = TRect(kPad, top + (headerH - kIcon) / 2, kPad + kIcon, top + (headerH + kIcon) / 2);
  const int titleLeft = kPad + (icon_ != ttiNone ? kIcon + kIconGap : 0);
  L.TitleRect =
      TRect(titleLeft, top + (headerH - titleH) / 2, titleLeft + titleW, top + (headerH + titleH) / 2);
  const int textTop = top + headerH + (header && textH > 0 ? kTitleGap : 0);
  L.TextRect = TRect(kPad, textTop, kPad + std::max(textW, bodyW - 2 * kPad), textTop + textH);
}

void TBalloonToolTip::PlaceAt(const TPoint& Screen, int Below, int Above) {
  TLayout& L = layout_;
  IBackend* b = Backend();
  const TRect work = b != nullptr ? b->WorkArea(Screen) : TRect(0, 0, 1 << 15, 1 << 15);
  // Below the pointer, or above it when there is no room below.
  TPoint anchor(Screen.X, Screen.Y + Below);
  L.StemUp = true;
  if (anchor.Y + L.Height > work.Bottom && Screen.Y - Above - L.Height >= work.Top) {
    L.StemUp = false;
    anchor = TPoint(Screen.X, Screen.Y - Above);
  }
  const int bodyW = L.Body.Width();
  const int bodyH = L.Body.Height();
  L.Body = L.StemUp ? TRect(0, kStemHeight, bodyW, kStemHeight + bodyH) : TRect(0, 0, bodyW, bodyH);
  const int shift = L.StemUp ? 0 : -kStemHeight;
  OffsetRect(L.IconRect, 0, shift);
  OffsetRect(L.TitleRect, 0, shift);
  OffsetRect(L.TextRect, 0, shift);
  // The stem sits near the left end; the body moves to stay on the screen
  // and the stem slides along it to keep pointing at the mouse.
  int left = anchor.X - kStemInset;
  left = std::min(left, work.Right - L.Width);
  left = std::max(left, work.Left);
  const int stemX = std::clamp(anchor.X - left, kStemInset, std::max(kStemInset, bodyW - kStemInset));
  left = anchor.X - stemX;
  L.Stem = TPoint(stemX, L.StemUp ? 0 : L.Height - 1);
  const int top = L.StemUp ? anchor.Y : anchor.Y - L.Height;
  SetBounds(left, top, L.Width, L.Height);
}

std::vector<TPoint> TBalloonToolTip::Outline(int Right, int Bottom) const {
  // Right and Bottom: the outermost column and row the outline reaches.
  const TLayout& L = layout_;
  const int top = L.StemUp ? kStemHeight : 0;
  const int bottom = L.StemUp ? Bottom : Bottom - kStemHeight;
  const int left = 0;
  const int right = Right;
  std::vector<TPoint> pts;
  // Clockwise on the screen: the angle falls (y grows downwards).
  auto arc = [&](int Cx, int Cy, double From) {
    for (int i = 0; i <= 4; ++i) {
      const double a = (From - 22.5 * i) * 3.14159265358979 / 180.0;
      pts.emplace_back(Cx + static_cast<int>(std::lround(kCorner * std::cos(a))),
                       Cy - static_cast<int>(std::lround(kCorner * std::sin(a))));
    }
  };
  const int sx = L.Stem.X;
  arc(left + kCorner, top + kCorner, 180.0);
  if (L.StemUp) {
    pts.emplace_back(std::max(left + kCorner, sx - kStemWidth / 2), top);
    pts.emplace_back(sx, 0);
    pts.emplace_back(std::min(right - kCorner, sx + kStemWidth / 2), top);
  }
  arc(right - kCorner, top + kCorner, 90.0);
  arc(right - kCorner, bottom - kCorner, 0.0);
  if (!L.StemUp) {
    pts.emplace_back(std::min(right - kCorner, sx + kStemWidth / 2), bottom);
    pts.emplace_back(sx, Bottom);
    pts.emplace_back(std::max(left + kCorner, sx - kStemWidth / 2), bottom);
  }
  arc(left + kCorner, bottom - kCorner, -90.0);
  return pts;
}

void TBalloonToolTip::Paint() {
  TCanvas* c = Canvas();
  const TLayout& L = layout_;
  const TColor bk = BkColorUsed();
  const TColor fg = TextColorUsed();
  // The corners outside the shape, for window systems without shapes.
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(bk);
  c->FillRect(ClientRect());
  c->Pen()->SetColor(fg);
  c->Pen()->SetWidth(1);
  c->Polygon(Outline(L.Width - 1, L.Height - 1));
  if (icon_ != ttiNone) {
    TPixelData px;
    if (MessageIcon(icon_, kIcon, px)) {
      TBitmap bmp;
      bmp.SetPixelData(std::move(px));
      c->Draw(L.IconRect.Left, L.IconRect.Top, &bmp);
    }
  }
  c->Brush()->SetStyle(bsClear);
  c->Font()->Assign(Font());
  c->Font()->SetColor(fg);
  if (!title_.empty()) {
    c->Font()->SetStyle(TFontStyles{fsBold});
    c->TextOut(L.TitleRect.Left, L.TitleRect.Top, title_);
    c->Font()->SetStyle(TFontStyles{});
  }
  TRect tr = L.TextRect;
  std::string text = text_;
  c->TextRect(tr, text, TTextFormat{tfLeft, tfWordBreak, tfNoPrefix});
}
