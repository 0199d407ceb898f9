// Settings of the drop-down pop-ups' strips and strip buttons.
#include "grid/base/VevDropDownAppearance.h"

#include "grid/base/VevDropDownUtil.h"

void LinkVevDropDownAppearancePublished();

// ---- Strip buttons ----

THeaderButton::THeaderButton(TCollection* Collection) : TCollectionItem(Collection) {}

void THeaderButton::SetCaption(const std::string& Value) {
  if (caption_ == Value) return;
  caption_ = Value;
  Changed(false);
}

void THeaderButton::SetEnabled(bool Value) {
  if (enabled_ == Value) return;
  enabled_ = Value;
  Changed(false);
}

void THeaderButton::SetWidth(int Value) {
  if (width_ == Value) return;
  width_ = Value;
  Changed(false);
}

void THeaderButton::Assign(TPersistent* Source) {
  auto* b = dynamic_cast<THeaderButton*>(Source);
  if (b == nullptr) {
    TCollectionItem::Assign(Source);
    return;
  }
  SetCaption(b->caption_);
  imageIndex_ = b->imageIndex_;
  SetEnabled(b->enabled_);
  SetWidth(b->width_);
  height_ = b->height_;
}

TFooterButton::TFooterButton(TCollection* Collection) : TCollectionItem(Collection) {}

void TFooterButton::SetCaption(const std::string& Value) {
  if (caption_ == Value) return;
  caption_ = Value;
  Changed(false);
}

void TFooterButton::SetEnabled(bool Value) {
  if (enabled_ == Value) return;
  enabled_ = Value;
  Changed(false);
}

void TFooterButton::SetWidth(int Value) {
  if (width_ == Value) return;
  width_ = Value;
  Changed(false);
}

void TFooterButton::Assign(TPersistent* Source) {
  auto* b = dynamic_cast<TFooterButton*>(Source);
  if (b == nullptr) {
    TCollectionItem::Assign(Source);
    return;
  }
  SetCaption(b->caption_);
  imageIndex_ = b->imageIndex_;
  SetEnabled(b->enabled_);
  SetWidth(b->width_);
  height_ = b->height_;
  modalResult_ = b->modalResult_;
}

// ---- Strip settings ----

TStripAppearance::TStripAppearance(TPersistent* AOwner) : owner_(AOwner), font_(std::make_unique<TFont>()) {
  LinkVevDropDownAppearancePublished();
}

TStripAppearance::~TStripAppearance() = default;

void TStripAppearance::SetVisible(bool Value) {
  if (visible_ == Value) return;
  visible_ = Value;
  if (OnChange) OnChange(this);
}

void TStripAppearance::ButtonListChanged(TObject*) {
  if (OnButtonListChange) OnButtonListChange(this);
}

void TStripAppearance::AssignStrip(const TStripAppearance& S) {
  colorTo_ = S.colorTo_;
  color_ = S.color_;
  borderColor_ = S.borderColor_;
  caption_ = S.caption_;
  font_->Assign(S.font_.get());
  imageIndex_ = S.imageIndex_;
  borderWidth_ = S.borderWidth_;
  gradientDirection_ = S.gradientDirection_;
  height_ = S.height_;
  SetVisible(S.visible_);
  buttonAlignment_ = S.buttonAlignment_;
}

void TStripAppearance::AssignStripColors(const TStripAppearance& S) {
  colorTo_ = S.colorTo_;
  color_ = S.color_;
  borderColor_ = S.borderColor_;
  font_->Assign(S.font_.get());
  gradientDirection_ = S.gradientDirection_;
}

THeaderAppearance::THeaderAppearance(TPersistent* AOwner)
    : TStripAppearance(AOwner), buttons_(std::make_unique<THeaderButtons>(AOwner)) {
  Font()->SetName("Tahoma");
  buttons_->OnChange = [this](TObject* s) { ButtonListChanged(s); };
}

THeaderAppearance::~THeaderAppearance() = default;

void THeaderAppearance::Assign(TPersistent* Source) {
  auto* h = dynamic_cast<THeaderAppearance*>(Source);
  if (h == nullptr || h == this) return;
  AssignStrip(*h);
  buttons_->Assign(h->buttons_.get());
}

void THeaderAppearance::AssignColors(TPersistent* Source) {
  if (auto* h = dynamic_cast<THeaderAppearance*>(Source); h != nullptr && h != this) AssignStripColors(*h);
}

TFooterAppearance::TFooterAppearance(TPersistent* AOwner)
    : TStripAppearance(AOwner), buttons_(std::make_unique<TFooterButtons>(AOwner)) {
  buttons_->OnChange = [this](TObject* s) { ButtonListChanged(s); };
}

TFooterAppearance::~TFooterAppearance() = default;

void TFooterAppearance::Assign(TPersistent* Source) {
  auto* f = dynamic_cast<TFooterAppearance*>(Source);
  if (f == nullptr || f == this) return;
  AssignStrip(*f);
  buttons_->Assign(f->buttons_.get());
  sizeGrip_ = f->sizeGrip_;
}

void TFooterAppearance::AssignColors(TPersistent* Source) {
  if (auto* f = dynamic_cast<TFooterAppearance*>(Source); f != nullptr && f != this) AssignStripColors(*f);
}

// ---- Strip button colours ----

TVevButtonAppearance::TVevButtonAppearance() : font_(std::make_unique<TFont>()) {
  LinkVevDropDownAppearancePublished();
  font_->SetName("Tahoma");
  // The latched face: the hot face with red and green 10 % darker.
  colorChecked_ = ShadeColor(colorHot_, -10, -10, 0);
  colorCheckedTo_ = ShadeColor(colorHotTo_, -10, -10, 0);
}

TVevButtonAppearance::~TVevButtonAppearance() = default;

void TVevButtonAppearance::Set(TColor& Field, TColor Value) {
  if (Field == Value) return;
  Field = Value;
  if (OnChange) OnChange(this);
}

void TVevButtonAppearance::SetGradient(TGradientDirection Value) {
  if (gradient_ == Value) return;
  gradient_ = Value;
  if (OnChange) OnChange(this);
}

void TVevButtonAppearance::Assign(TPersistent* Source) {
  auto* a = dynamic_cast<TVevButtonAppearance*>(Source);
  if (a == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  if (a == this) return;
  SetBorderColor(a->borderColor_);
  SetBorderColorHot(a->borderColorHot_);
  SetBorderColorDown(a->borderColorDown_);
  SetBorderColorDisabled(a->borderColorDisabled_);
  SetColor(a->color_);
  SetColorTo(a->colorTo_);
  SetColorDown(a->colorDown_);
  SetColorDownTo(a->colorDownTo_);
  SetColorHot(a->colorHot_);
  SetColorHotTo(a->colorHotTo_);
  SetColorDisabled(a->colorDisabled_);
  SetColorDisabledTo(a->colorDisabledTo_);
  SetColorChecked(a->colorChecked_);
  SetColorCheckedTo(a->colorCheckedTo_);
  SetBorderColorChecked(a->borderColorChecked_);
  SetGradient(a->gradient_);
  font_->Assign(a->font_.get());
}
