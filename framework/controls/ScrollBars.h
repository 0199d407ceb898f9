#pragma once
// Scroll bars, all drawn and driven by our own code:
//  - the geometry, painting and mouse tracking of one bar (shared by the
//    bar control and the bars in a window's frame);
//  - TScrollBar, the scroll bar control (Kind, Min, Max, Position,
//    SmallChange, LargeChange, PageSize, OnChange, OnScroll);
//  - TScrollBarsWindow, a custom control whose frame carries horizontal
//    and vertical bars (list boxes, scroll boxes, panel groups): the bars
//    take their room from the client area and report to the window as
//    WM_HSCROLL / WM_VSCROLL, exactly like the platform's window bars;
//  - TScrollingWinControl with VertScrollBar / HorzScrollBar (Position,
//    Range, Increment, Tracking), and TScrollBox: the scroll range follows
//    the children and scrolling moves them.
#include <cstdint>
#include <functional>
#include <memory>

#include "framework/controls/Controls.h"
#include "framework/controls/StdMessages.h"

enum TScrollBarKind { sbHorizontal, sbVertical };
enum TScrollCode {
  scLineUp,
  scLineDown,
  scPageUp,
  scPageDown,
  scPosition,
  scTrack,
  scTop,
  scBottom,
  scEndScroll
};
using TScrollEvent = std::function<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

// The thickness of a scroll bar and the length of its arrow buttons.
int ScrollBarSize();

// ---- One bar: geometry, painting, tracking ----

enum TScrollBarPart { sbpNone, sbpLineUp, sbpPageUp, sbpThumb, sbpPageDown, sbpLineDown };

struct TScrollBarLayout {
  TScrollBarKind Kind = sbVertical;
  TRect Bar;
  TRect LineUp, LineDown;
  // Between the arrows; the thumb lies in it.
  TRect Track;
  // Empty while there is nothing to scroll.
  TRect Thumb;
  bool Enabled = true;
  // The scroll information the layout was made from.
  TScrollInfo Info;
};

// Lays out a bar in R for the range nMin..nMax, page nPage and position
// nPos of Info; a bar whose page covers the whole range has no thumb and is
// drawn disabled.
TScrollBarLayout LayoutScrollBar(const TRect& R, TScrollBarKind Kind, const TScrollInfo& Info, bool Enabled);
TScrollBarPart ScrollBarPartAt(const TScrollBarLayout& L, const TPoint& P);
// The highest position the bar can show: nMax - nPage + 1 (nMax without a
// page), never below nMin.
int ScrollBarMaxPos(const TScrollInfo& Info);
// The position for a thumb whose leading edge lies at ThumbStart (in the
// bar's coordinates).
int ScrollBarPosFromThumb(const TScrollBarLayout& L, int ThumbStart);
// Draws the bar: arrows, track and thumb; Pressed shows that part pushed.
void PaintScrollBar(TCanvas* C, const TScrollBarLayout& L, TScrollBarPart Pressed);

// A press on a bar and what follows it: the arrows and the track repeat
// while held (a window timer on the owner's window), the thumb follows the
// mouse. Scroll receives the scroll codes (SB_LINEUP ... SB_ENDSCROLL) and,
// for SB_THUMBTRACK and SB_THUMBPOSITION, the position.
class TScrollBarTracker {
 public:
  using TScrollFn = std::function<void(int Code, int Pos)>;
  static constexpr uintptr_t kTimerId = 0x5CB1;

  bool Active() const { return part_ != sbpNone; }
  // The part drawn pressed (the pressed part while the mouse is on it).
  TScrollBarPart PressedPart() const { return over_ ? part_ : sbpNone; }
  TScrollBarKind Kind() const { return kind_; }
  // Starts tracking when P lies on an enabled bar; false otherwise.
  bool MouseDown(const TScrollBarLayout& L, const TPoint& P, HWND TimerWnd, const TScrollFn& Scroll);
  void MouseMove(const TScrollBarLayout& L, const TPoint& P, const TScrollFn& Scroll);
  void MouseUp(const TScrollFn& Scroll);
  // The repeat timer; false when the timer is not ours.
  bool Timer(uintptr_t Id, const TScrollBarLayout& L, const TScrollFn& Scroll);
  // Ends tracking without a final position (capture lost).
  void Cancel();

 private:
  void Step(const TScrollFn& Scroll);
  TScrollBarPart part_ = sbpNone;
  TScrollBarKind kind_ = sbVertical;
  bool over_ = false;
  bool dragged_ = false;
  TPoint last_;
  int grabOffset_ = 0;
  int trackPos_ = 0;
  HWND timerWnd_ = 0;
  bool repeating_ = false;
};

// ---- The scroll bar control ----

class TScrollBar : public TCustomControl {
 public:
  explicit TScrollBar(TComponent* AOwner);
  ~TScrollBar() override;

  TScrollBarKind Kind() const { return kind_; }
  // Turning the bar swaps its width and height.
  void SetKind(TScrollBarKind Value);
  int Min() const { return min_; }
  void SetMin(int Value) { SetParams(position_, Value, max_); }
  int Max() const { return max_; }
  void SetMax(int Value) { SetParams(position_, min_, Value); }
  // Kept within Min .. Max - PageSize + 1 (the last position the bar can
  // show); OnChange fires when it moves.
  int Position() const { return position_; }
  void SetPosition(int Value) { SetParams(Value, min_, max_); }
  // EInvalidOperation "Scrollbar property out of range" when Max < Min or
  // the page is larger than the range.
  void SetParams(int APosition, int AMin, int AMax);
  int PageSize() const { return pageSize_; }
  void SetPageSize(int Value);
  int SmallChange() const { return smallChange_; }
  void SetSmallChange(int Value) { smallChange_ = Value; }
  int LargeChange() const { return largeChange_; }
  void SetLargeChange(int Value) { largeChange_ = Value; }

  TNotifyEvent OnChange;
  TScrollEvent OnScroll;

  void WndProc(TMessage& Message) override;

 protected:
  virtual void Change();
  virtual void Scroll(TScrollCode ScrollCode, int& ScrollPos);
  // The scroll code and thumb position of a WM_HSCROLL / WM_VSCROLL.
  void DoScroll(int Code, int Pos);
  void Paint() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void DefaultHandler(TMessage& Message) override;

 private:
  TScrollInfo Info() const;
  TScrollBarLayout Layout() const;
  int Clamp(int Pos) const;
  TScrollBarKind kind_ = sbHorizontal;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int pageSize_ = 0;
  int smallChange_ = 1;
  int largeChange_ = 1;
  TScrollBarTracker tracker_;
};

// ---- A window with scroll bars in its frame ----

class TScrollBarsWindow : public TCustomControl {
 public:
  explicit TScrollBarsWindow(TComponent* AOwner);
  ~TScrollBarsWindow() override;
  bool HorzBarShown() const { return horzShown_; }
  bool VertBarShown() const { return vertShown_; }
  // The bars in client coordinates (they lie just outside the client
  // area); empty when not shown.
  TRect HorzBarRect() const;
  TRect VertBarRect() const;
  void WndProc(TMessage& Message) override;

 protected:
  // Shows or hides the frame bars; the client area shrinks or grows, the
  // children keep their client positions and the window gets WM_SIZE.
  void SetFrameBars(bool Horz, bool Vert);
  // The bars' range, page and position (SB_HORZ, SB_VERT), redrawn.
  void SetBarInfo(int Bar, int Min, int Max, int Page, int Pos);
  void CreateParams(TCreateParams& Params) override;
  TRect ComputeNonClientInsets(const TCreateParams& Params) const override;
  void PaintNonClient(TCanvas* DC) override;

 private:
  TScrollBarLayout BarLayout(int Bar) const;
  void SendScroll(int Bar, int Code, int Pos);
  bool horzShown_ = false;
  bool vertShown_ = false;
  TScrollBarTracker tracker_;
  int trackBar_ = SB_VERT;
};

// ---- Scrolling windows ----

class TScrollingWinControl;

// One bar of a scrolling window: Range is the content size, Position the
// scrolled offset (0 .. Range - client size), Increment the line step.
class TControlScrollBar : public TPersistent {
 public:
  TControlScrollBar(TScrollingWinControl* AControl, TScrollBarKind AKind);
  void Assign(TPersistent* Source) override;

  TScrollBarKind Kind() const { return kind_; }
  int Position() const { return position_; }
  void SetPosition(int Value);
  int Range() const { return range_; }
  // Setting a range by hand switches the owner's AutoScroll off.
  void SetRange(int Value);
  int Increment() const { return increment_; }
  void SetIncrement(int Value) { increment_ = Value; }
  // The view follows the thumb while it is dragged (else only on release).
  bool Tracking() const { return tracking_; }
  void SetTracking(bool Value) { tracking_ = Value; }
  bool Visible() const { return visible_; }
  void SetVisible(bool Value);
  // Room kept after the last child by the automatic range.
  int Margin() const { return margin_; }
  void SetMargin(int Value);
  // The bar is on screen (content larger than the view).
  bool IsScrollBarVisible() const;
  // The largest position: the range less the client size, at least 0.
  int ScrollMax() const;
  // Handles one WM_HSCROLL / WM_VSCROLL.
  void ScrollMessage(const TMessage& Message);

 private:
  friend class TScrollingWinControl;
  int ControlSize() const;
  TScrollingWinControl* control_;
  TScrollBarKind kind_;
  int position_ = 0;
  int range_ = 0;
  int increment_ = 8;
  bool tracking_ = false;
  bool visible_ = true;
  int margin_ = 0;
};

class TScrollingWinControl : public TScrollBarsWindow {
 public:
  explicit TScrollingWinControl(TComponent* AOwner);
  ~TScrollingWinControl() override;

  TControlScrollBar* HorzScrollBar() { return horz_.get(); }
  TControlScrollBar* VertScrollBar() { return vert_.get(); }
  const TControlScrollBar* HorzScrollBar() const { return horz_.get(); }
  const TControlScrollBar* VertScrollBar() const { return vert_.get(); }
  // The ranges follow the children (their extent plus the scrolled offset
  // plus the margin).
  bool AutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool Value);
  // Scrolls so that AControl (a child at any depth) is fully in view.
  void ScrollInView(TControl* AControl);
  void DisableAutoRange() { ++autoRangeLock_; }
  void EnableAutoRange();
  // Recomputes the ranges (when AutoScroll) and the bars.
  void UpdateScrollBars();
  void WndProc(TMessage& Message) override;

 protected:
  friend class TControlScrollBar;
  void AdjustClientRect(TRect& Rect) override;
  void AlignControls(TControl* AControl, TRect& Rect) override;
  virtual void CalcAutoRange();
  void WMSize(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  void Paint() override;
  // Scrolling by the bars moves the children by the difference.
  void ScrolledBy(int DeltaX, int DeltaY);

 private:
  std::unique_ptr<TControlScrollBar> horz_;
  std::unique_ptr<TControlScrollBar> vert_;
  bool autoScroll_ = true;
  int autoRangeLock_ = 0;
  bool updatingBars_ = false;
};

class TScrollBox : public TScrollingWinControl {
 public:
  explicit TScrollBox(TComponent* AOwner);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle Value);

 protected:
  void CreateParams(TCreateParams& Params) override;

 private:
  TBorderStyle borderStyle_ = bsSingle;
};
