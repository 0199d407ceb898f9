#pragma once
// The colour panels of the colour picker's pop-up: the honeycomb of 127
// hexagonal colour cells and the 128 x 128 spectrum picture, from which any
// pixel's colour can be picked. Both report the chosen colour through
// SelectedColor and OnSelect.
#include <array>

#include "framework/controls/Controls.h"

class TBitmap;

class TImage;

class TVevCustomColorSelectorPanel : public TCustomControl {
 public:
  explicit TVevCustomColorSelectorPanel(TComponent* AOwner) : TCustomControl(AOwner) {}
  // A mouse button released over the panel.
  TNotifyEvent OnShouldHide;

 protected:
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
};

struct TCubeCell {
  TPoint center;
  TColor color = clNone;
};

class TVevColorCubePanel : public TVevCustomColorSelectorPanel {
 public:
  explicit TVevColorCubePanel(TComponent* AOwner);

  void InitCells();
  void ResetHot();
  TColor SelectedColor() const { return selectedColor_; }
  void SetSelectedColor(TColor Value) { SelectColor(Value, -1); }
  // Cell outside 1 to 127: the first cell of exactly that colour (or none).
  void SelectColor(TColor Color, int Cell);
  int SelectedIndex() const { return selectedIndex_; }
  int HotIndex() const { return hotIndex_; }
  bool ShowRGBHint() const { return showRGBHint_; }
  void SetShowRGBHint(bool Value);
  // The first cell whose centre lies within 6 pixels, -1 for none.
  int CellAt(int X, int Y) const;
  const TCubeCell& Cell(int Number) const { return cells_[static_cast<size_t>(Number)]; }
  void DrawCell(int Cell);

  TNotifyEvent OnSelect;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;

 private:
  void DrawCellOn(TCanvas* C, int Cell);
  std::array<TCubeCell, 128> cells_{};  // 1 to 127
  TPoint cubeSize_{6, 3};
  TColor selectedColor_ = clNone;
  int selectedIndex_ = -1;
  int hotIndex_ = -1;
  bool showRGBHint_ = true;
};

// The eyedropper cursor of the spectrum picture (Vyx_POINTER), registered
// process-wide as cursor number 54 with its hot spot at the lower-left tip.
constexpr TCursor crVyxPointer = 54;
constexpr TPoint VyxPointerHotSpot{1, 30};
// The 32 x 32 eyedropper picture: black with a white edge, the ground in
// the see-through key colour 0xFF00FF.
void DrawVyxPointer(TBitmap* Bmp);
// Registers the eyedropper as cursor 54 when it is not yet; returns 54.
TCursor VyxPointerCursor();

class TVevColorSpectrumPanel : public TVevCustomColorSelectorPanel {
 public:
  explicit TVevColorSpectrumPanel(TComponent* AOwner);

  void Layout();
  TColor SelectedColor() const { return selectedColor_; }
  void SetSelectedColor(TColor Value) { selectedColor_ = Value; }
  TColor HotColor() const { return hotColor_; }
  TImage* SpectrumImage() const { return image_; }
  const TRect& HotRect() const { return hotRect_; }
  const TRect& SelectedRect() const { return selectedRect_; }

  TNotifyEvent OnSelect;

 protected:
  void Paint() override;

 private:
  void PictureMouseMove(int X, int Y);
  void PictureMouseDown();
  void PictureMouseUp();
  void DrawBox(TCanvas* C, const TRect& R, TColor Color);
  TImage* image_ = nullptr;
  TColor hotColor_ = clNone;
  TColor selectedColor_ = clWhite;
  TRect hotRect_;
  TRect selectedRect_;
};

// The spectrum picture: hue from left to right (red, yellow, green, cyan,
// blue, magenta, red), and down each column from white through the full
// hue (about row 64) to black.
TColor SpectrumColorAt(int X, int Y);
