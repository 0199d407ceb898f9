#pragma once
// The thin scroll bar the grid draws itself over its right or bottom edge
// with the ssMetro scroll type. It only works while its parent is a
// TDedAdararAdoz.
#include "framework/controls/Controls.h"

class TDedAdararAdoz;

enum TScrollDirection { sdVertical, sdHorizontal };

class TScrollControl : public TCustomControl {
 public:
  explicit TScrollControl(TComponent* AOwner);

  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  // Thickness of the thumb.
  int ScrollWidth() const { return FScrollWidth; }
  void SetScrollWidth(int Value) { FScrollWidth = Value; }
  TScrollDirection Direction() const { return FDirection; }
  void SetDirection(TScrollDirection Value) { FDirection = Value; }
  // The thumb's start and length along the bar; false when everything fits
  // (no thumb is drawn then).
  bool ThumbRect(int& Start, int& Length);

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  TDedAdararAdoz* Grid() const;
  TColor FColor = static_cast<TColor>(0xC0C0C0);
  int FScrollWidth = 4;
  bool FThumbDown = false;
  int FDownPos = 0;
  int FDownFirst = 0;
  TScrollDirection FDirection = sdVertical;
};
