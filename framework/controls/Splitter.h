#pragma once
// The splitter: a thin bar aligned beside a control of the same alignment;
// dragging it resizes that control and the rest of the parent follows
// through the alignment.
#include <functional>

#include "framework/controls/Controls.h"

enum TResizeStyle { rsNone, rsLine, rsUpdate, rsPattern };
using TCanResizeSplitEvent = std::function<void(TObject* Sender, int& NewSize, bool& Accept)>;

class TSplitter : public TGraphicControl {
 public:
  explicit TSplitter(TComponent* AOwner);
  // The smallest size the resized control and the remaining room may get.
  int MinSize() const { return minSize_; }
  void SetMinSize(int Value) { minSize_ = Value < 1 ? 1 : Value; }
  bool Beveled() const { return beveled_; }
  void SetBeveled(bool Value);
  // Below MinSize the control snaps shut (size 0).
  bool AutoSnap() const { return autoSnap_; }
  void SetAutoSnap(bool Value) { autoSnap_ = Value; }
  // The control follows the mouse in every style.
  TResizeStyle ResizeStyle() const { return resizeStyle_; }
  void SetResizeStyle(TResizeStyle Value) { resizeStyle_ = Value; }
  // The control the splitter resizes (nullptr when none lies beside it).
  TControl* ResizeControl() const;

  TCanResizeSplitEvent OnCanResize;
  TNotifyEvent OnMoved;

  void WndProc(TMessage& Message) override;

 protected:
  void Paint() override;
  void RequestAlign() override;

 private:
  bool Horizontal() const { return Align() == alTop || Align() == alBottom; }
  int MaxSize(TControl* C) const;
  void ApplySize(int Delta);
  int minSize_ = 30;
  bool beveled_ = false;
  bool autoSnap_ = true;
  TResizeStyle resizeStyle_ = rsPattern;
  TControl* control_ = nullptr;
  bool dragging_ = false;
  TPoint downPos_;
  int startSize_ = 0;
};
