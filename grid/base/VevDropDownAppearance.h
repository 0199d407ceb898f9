#pragma once
// Settings of the drop-down pop-ups: the header and footer strips
// (THeaderAppearance, TFooterAppearance) with their button collections, and
// the colour set of the strip buttons (TVevButtonAppearance). Plain
// persistent data with change notices; the strips and buttons of the
// drop-down controls read them each time they are built or paint. They live
// here, below the drop-down controls, because the grid's control look keeps
// the header and footer its drop-down editors take.
#include <memory>
#include <string>

#include "framework/classes/Collections.h"
#include "framework/controls/Controls.h"
#include "framework/controls/GraphUtil.h"

enum TButtonAlignment { baLeft, baRight };
// The selection looks of drop-down lists and item selectors.
enum TSelectionColorStyle { scCustom, scOffice2007, scWindowsVista, scWindows7 };

// ---- Strip buttons ----

class THeaderButton : public TCollectionItem {
 public:
  explicit THeaderButton(TCollection* Collection);
  void Assign(TPersistent* Source) override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& Value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int Value) { imageIndex_ = Value; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool Value);
  // 0: the button's natural size. A height change is taken at the next
  // build of the buttons, without a notice.
  int Height() const { return height_; }
  void SetHeight(int Value) { height_ = Value; }
  int Width() const { return width_; }
  void SetWidth(int Value);

 private:
  std::string caption_;
  int imageIndex_ = -1;
  bool enabled_ = true;
  int height_ = 0;
  int width_ = 0;
};

class TFooterButton : public TCollectionItem {
 public:
  explicit TFooterButton(TCollection* Collection);
  void Assign(TPersistent* Source) override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& Value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int Value) { imageIndex_ = Value; }
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult Value) { modalResult_ = Value; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool Value);
  int Height() const { return height_; }
  void SetHeight(int Value) { height_ = Value; }
  int Width() const { return width_; }
  void SetWidth(int Value);

 private:
  std::string caption_;
  int imageIndex_ = -1;
  TModalResult modalResult_ = mrNone;
  bool enabled_ = true;
  int height_ = 0;
  int width_ = 0;
};

// A collection of strip buttons that tells of every reported change.
template <class TItem>
class TStripButtons : public TOwnedCollection {
 public:
  explicit TStripButtons(TPersistent* AOwner) : TOwnedCollection(AOwner, ItemClass<TItem>()) {}
  TItem* Add() { return static_cast<TItem*>(TCollection::Add()); }
  TItem* Insert(int Index) { return static_cast<TItem*>(TCollection::Insert(Index)); }
  TItem* Items(int Index) const { return static_cast<TItem*>(TCollection::Items(Index)); }
  void SetItems(int Index, TItem* Value) { TCollection::SetItems(Index, Value); }
  TNotifyEvent OnChange;

 protected:
  void Update(TCollectionItem*) override {
    if (OnChange) OnChange(this);
  }
};
using THeaderButtons = TStripButtons<THeaderButton>;
using TFooterButtons = TStripButtons<TFooterButton>;

// ---- Header and footer settings ----

// What the two strips share; THeaderAppearance and TFooterAppearance add
// their own button kinds (and the footer its size grip).
class TStripAppearance : public TPersistent {
 public:
  ~TStripAppearance() override;

  bool Visible() const { return visible_; }
  void SetVisible(bool Value);
  int Height() const { return height_; }
  void SetHeight(int Value) { height_ = Value; }
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int Value) { borderWidth_ = Value; }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int Value) { imageIndex_ = Value; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& Value) { caption_ = Value; }
  TColor ColorTo() const { return colorTo_; }
  void SetColorTo(TColor Value) { colorTo_ = Value; }
  TColor Color() const { return color_; }
  void SetColor(TColor Value) { color_ = Value; }
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor Value) { borderColor_ = Value; }
  TFont* Font() const { return font_.get(); }
  void SetFont(TFont* Value) { font_->Assign(Value); }
  TGradientDirection GradientDirection() const { return gradientDirection_; }
  void SetGradientDirection(TGradientDirection Value) { gradientDirection_ = Value; }
  TButtonAlignment ButtonAlignment() const { return buttonAlignment_; }
  void SetButtonAlignment(TButtonAlignment Value) { buttonAlignment_ = Value; }

  // Fired by the Visible setter when the value changes.
  TNotifyEvent OnChange;
  // Fired whenever the button collection reports a change.
  TNotifyEvent OnButtonListChange;

 protected:
  explicit TStripAppearance(TPersistent* AOwner);
  TPersistent* GetOwner() override { return owner_; }
  void ButtonListChanged(TObject*);
  // The strip's own values, in the order Assign copies them.
  void AssignStrip(const TStripAppearance& S);
  void AssignStripColors(const TStripAppearance& S);

 private:
  TPersistent* owner_;
  bool visible_ = true;
  int height_ = 22;
  int borderWidth_ = 1;
  int imageIndex_ = -1;
  std::string caption_;
  TColor colorTo_ = 0xFFFFFF;
  TColor color_ = 0xC0C0C0;
  TColor borderColor_ = 0x000000;
  std::unique_ptr<TFont> font_;
  TGradientDirection gradientDirection_ = gdVertical;
  TButtonAlignment buttonAlignment_ = baRight;
};

class THeaderAppearance : public TStripAppearance {
 public:
  explicit THeaderAppearance(TPersistent* AOwner);
  ~THeaderAppearance() override;
  // From another THeaderAppearance only; any other source changes nothing.
  void Assign(TPersistent* Source) override;
  // The colours, font and gradient direction of another THeaderAppearance.
  void AssignColors(TPersistent* Source);
  THeaderButtons* Buttons() const { return buttons_.get(); }
  void SetButtons(THeaderButtons* Value) { buttons_->Assign(Value); }

 private:
  std::unique_ptr<THeaderButtons> buttons_;
};

class TFooterAppearance : public TStripAppearance {
 public:
  explicit TFooterAppearance(TPersistent* AOwner);
  ~TFooterAppearance() override;
  void Assign(TPersistent* Source) override;
  void AssignColors(TPersistent* Source);
  TFooterButtons* Buttons() const { return buttons_.get(); }
  void SetButtons(TFooterButtons* Value) { buttons_->Assign(Value); }
  // Draw a size grip and let a sizeable pop-up be sized from the footer.
  bool SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool Value) { sizeGrip_ = Value; }

 private:
  std::unique_ptr<TFooterButtons> buttons_;
  bool sizeGrip_ = true;
};

// ---- Colours of the strip buttons ----

class TVevButtonAppearance : public TPersistent {
 public:
  TVevButtonAppearance();
  ~TVevButtonAppearance() override;
  // Every colour (the latched ones too), the gradient and the font of
  // another TVevButtonAppearance; other sources as TPersistent takes them.
  void Assign(TPersistent* Source) override;

  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor Value) { Set(borderColor_, Value); }
  TColor BorderColorHot() const { return borderColorHot_; }
  void SetBorderColorHot(TColor Value) { Set(borderColorHot_, Value); }
  TColor BorderColorDown() const { return borderColorDown_; }
  void SetBorderColorDown(TColor Value) { Set(borderColorDown_, Value); }
  TColor BorderColorDisabled() const { return borderColorDisabled_; }
  void SetBorderColorDisabled(TColor Value) { Set(borderColorDisabled_, Value); }
  TColor Color() const { return color_; }
  void SetColor(TColor Value) { Set(color_, Value); }
  TColor ColorTo() const { return colorTo_; }
  void SetColorTo(TColor Value) { Set(colorTo_, Value); }
  TColor ColorDown() const { return colorDown_; }
  void SetColorDown(TColor Value) { Set(colorDown_, Value); }
  TColor ColorDownTo() const { return colorDownTo_; }
  void SetColorDownTo(TColor Value) { Set(colorDownTo_, Value); }
  TColor ColorHot() const { return colorHot_; }
  void SetColorHot(TColor Value) { Set(colorHot_, Value); }
  TColor ColorHotTo() const { return colorHotTo_; }
  void SetColorHotTo(TColor Value) { Set(colorHotTo_, Value); }
  TColor ColorDisabled() const { return colorDisabled_; }
  void SetColorDisabled(TColor Value) { Set(colorDisabled_, Value); }
  TColor ColorDisabledTo() const { return colorDisabledTo_; }
  void SetColorDisabledTo(TColor Value) { Set(colorDisabledTo_, Value); }
  TGradientDirection Gradient() const { return gradient_; }
  void SetGradient(TGradientDirection Value);
  TFont* Font() const { return font_.get(); }
  void SetFont(TFont* Value) { font_->Assign(Value); }
  // The face of a latched (Down) button.
  TColor ColorChecked() const { return colorChecked_; }
  void SetColorChecked(TColor Value) { Set(colorChecked_, Value); }
  TColor ColorCheckedTo() const { return colorCheckedTo_; }
  void SetColorCheckedTo(TColor Value) { Set(colorCheckedTo_, Value); }
  TColor BorderColorChecked() const { return borderColorChecked_; }
  void SetBorderColorChecked(TColor Value) { Set(borderColorChecked_, Value); }

  // Fired after a colour or the gradient changed.
  TNotifyEvent OnChange;

 private:
  // Stores a changed value and tells.
  void Set(TColor& Field, TColor Value);

  TColor borderColor_ = clNone;
  TColor borderColorHot_ = 0x808080;
  TColor borderColorDown_ = 0x800000;
  TColor borderColorDisabled_ = 0x808080;
  TColor color_ = clNone;
  TColor colorTo_ = clNone;
  TColor colorDown_ = 0xF5D8CA;
  TColor colorDownTo_ = 0xF9BDA0;
  TColor colorHot_ = 0xF5F0E1;
  TColor colorHotTo_ = 0xF9D2B2;
  TColor colorDisabled_ = 0xF2F2F2;
  TColor colorDisabledTo_ = clNone;
  TGradientDirection gradient_ = gdVertical;
  std::unique_ptr<TFont> font_;
  TColor colorChecked_;
  TColor colorCheckedTo_;
  TColor borderColorChecked_ = 0xFF0000;
};
