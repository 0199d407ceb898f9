#pragma once
// Timer, panel and shape.
#include <memory>

#include "framework/controls/Controls.h"

// Fires OnTimer every Interval milliseconds while Enabled. Enabling a
// stopped timer starts a full interval; enabling a running one changes
// nothing; a new Interval (also from inside OnTimer) restarts the count.
class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool Value);
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned Value);
  TNotifyEvent OnTimer;

 protected:
  virtual void Timer();

 private:
  void UpdateTimer();
  void WndProc(TMessage& Message);
  HWND window_ = 0;
  bool enabled_ = true;
  unsigned interval_ = 1000;
};

class TCustomPanel : public TCustomControl {
 public:
  explicit TCustomPanel(TComponent* AOwner);
  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut Value);
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut Value);
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int Value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle Value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment Value);
  TVerticalAlignment VerticalAlignment() const { return verticalAlignment_; }
  void SetVerticalAlignment(TVerticalAlignment Value);
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool Value);
  bool FullRepaint() const { return fullRepaint_; }
  void SetFullRepaint(bool Value) { fullRepaint_ = Value; }
  void WndProc(TMessage& Message) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void AdjustClientRect(TRect& Rect) override;
  void Paint() override;

 private:
  TBevelCut bevelInner_ = bvNone;
  TBevelCut bevelOuter_ = bvRaised;
  int bevelWidth_ = 1;
  TBorderStyle borderStyle_ = bsNone;
  TAlignment alignment_ = taCenter;
  TVerticalAlignment verticalAlignment_ = taVerticalCenter;
  bool showCaption_ = true;
  bool fullRepaint_ = true;
};

class TPanel : public TCustomPanel {
 public:
  using TCustomPanel::TCustomPanel;
};

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TShape : public TGraphicControl {
 public:
  explicit TShape(TComponent* AOwner);
  TShapeType Shape() const { return shape_; }
  void SetShape(TShapeType Value);
  TPen* Pen() { return pen_.get(); }
  void SetPen(TPen* Value) { pen_->Assign(Value); }
  TBrush* Brush() { return brush_.get(); }
  void SetBrush(TBrush* Value) { brush_->Assign(Value); }

 protected:
  void Paint() override;

 private:
  std::unique_ptr<TPen> pen_;
  std::unique_ptr<TBrush> brush_;
  TShapeType shape_ = stRectangle;
};

// Draws a 3-D frame of Width lines inside Rect (top and left in TopColor,
// bottom and right in BottomColor) and shrinks Rect by it.
void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width);
