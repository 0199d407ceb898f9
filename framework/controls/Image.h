#pragma once
// Image and bevel: graphic controls (no window) painted by their parent.
#include <memory>

#include "framework/controls/Controls.h"

// Shows a picture: at its own size from the top-left corner, centred,
// stretched to the control, or scaled keeping its proportions.
class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* AOwner);
  ~TImage() override;
  TPicture* Picture() { return picture_.get(); }
  void SetPicture(TPicture* Value) { picture_->Assign(Value); }
  // Drawing on an image draws into its bitmap (made at the control's size
  // when the picture is empty); EInvalidOperation for other graphics.
  TCanvas* Canvas();
  bool Stretch() const { return stretch_; }
  void SetStretch(bool Value);
  // Scales a picture that is larger than the control (or any picture when
  // Stretch is on) keeping its width to height ratio.
  bool Proportional() const { return proportional_; }
  void SetProportional(bool Value);
  bool Center() const { return center_; }
  void SetCenter(bool Value);
  // The picture's transparent colour shows what lies behind the control.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool Value);
  bool IncrementalDisplay() const { return incrementalDisplay_; }
  void SetIncrementalDisplay(bool Value) { incrementalDisplay_ = Value; }
  // Where the picture goes in the client area.
  TRect DestRect() const;

 protected:
  void Paint() override;
  bool CanAutoSize(int& NewWidth, int& NewHeight) override;

 private:
  void PictureChanged(TObject* Sender);
  std::unique_ptr<TPicture> picture_;
  bool stretch_ = false;
  bool proportional_ = false;
  bool center_ = false;
  bool transparent_ = false;
  bool incrementalDisplay_ = false;
  bool drawing_ = false;
};

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };

// A sunken or raised box, frame or line.
class TBevel : public TGraphicControl {
 public:
  explicit TBevel(TComponent* AOwner);
  TBevelShape Shape() const { return shape_; }
  void SetShape(TBevelShape Value);
  TBevelStyle Style() const { return style_; }
  void SetStyle(TBevelStyle Value);

 protected:
  void Paint() override;

 private:
  TBevelShape shape_ = bsBox;
  TBevelStyle style_ = bsLowered;
};
