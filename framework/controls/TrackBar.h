#pragma once
// The horizontal track bar: a thumb on a channel between Min and Max, with
// tick marks every Frequency positions. A click beside the thumb moves it
// by PageSize, dragging the thumb follows the mouse, and the arrow, page,
// Home and End keys step it. OnChange fires for every change of Position.
#include "framework/controls/Controls.h"

class TTrackBar : public TCustomControl {
 public:
  explicit TTrackBar(TComponent* AOwner);

  int Min() const { return min_; }
  void SetMin(int Value);
  int Max() const { return max_; }
  void SetMax(int Value);
  int Position() const { return position_; }
  // Kept within [Min, Max].
  void SetPosition(int Value);
  int Frequency() const { return frequency_; }
  void SetFrequency(int Value);
  int PageSize() const { return pageSize_; }
  void SetPageSize(int Value) { pageSize_ = Value; }

  // The thumb's rectangle and the channel's usable span in pixels.
  TRect ThumbRect() const;
  int PositionAt(int X) const;

  TNotifyEvent OnChange;

  void WndProc(TMessage& Message) override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;

 private:
  int ChannelLeft() const { return 12; }
  int ChannelRight() const { return Width() - 12; }
  int XOf(int Pos) const;
  int min_ = 0;
  int max_ = 10;
  int position_ = 0;
  int frequency_ = 1;
  int pageSize_ = 2;
  bool dragging_ = false;
};
