#pragma once
// The picture of a header cell that follows the mouse while a column or row
// is moved or a column is dragged out of the grid: a header cell's face with
// the header's caption (plain text, or markup drawn as the grid draws it).
// It is a pop-up owned by the grid's form, not a child of the grid: a drag
// takes it past the grid's edges. It never takes activation; its bounds are
// screen coordinates.
#include "framework/controls/Controls.h"

class TDedAdararAdoz;

class THeaderDragButton : public TCustomControl {
 public:
  explicit THeaderDragButton(TComponent* AOwner);
  // The grid whose cell face and markup drawing it borrows.
  TDedAdararAdoz* Grid() const { return FGrid; }
  void SetGrid(TDedAdararAdoz* Value) { FGrid = Value; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  void Paint() override;

 private:
  TDedAdararAdoz* FGrid = nullptr;
};
