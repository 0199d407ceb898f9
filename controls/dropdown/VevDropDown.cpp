// The drop-down base control: construction, properties, loading, the
// attached label, and the edit rectangle and size rules.
#include "controls/dropdown/VevDropDown.h"

#include <algorithm>

#include "controls/dropdown/ATXPVS.h"
#include "framework/controls/StdCtrls.h"
#include "framework/graphics/Gdi.h"
#include "framework/graphics/ImgList.h"

void LinkVevDropDownPublished();
void LinkVevDropDownKindsPublished();

std::string VersionText(uint32_t Version) {
  return std::to_string((Version >> 24) & 0xFF) + "." + std::to_string((Version >> 16) & 0xFF) + "." +
         std::to_string((Version >> 8) & 0xFF) + "." + std::to_string(Version & 0xFF);
}

// ---- Construction ----

TVevUrizazEvuvUduz::TVevUrizazEvuvUduz(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
  LinkVevDropDownPublished();
  LinkVevDropDownKindsPublished();
  // The look presets and kinds decide the height; the edit must not.
  SetAutoSize(false);
  SetBounds(Left(), Top(), 200, 21);
  // The control's name never becomes its text.
  controlStyle_ >> csSetCaption;
  SetReadOnly(false);
  dropDownHeader_ = std::make_unique<THeaderAppearance>(this);
  dropDownHeader_->OnChange = [this](TObject* s) { HeaderChanged(s); };
  dropDownHeader_->OnButtonListChange = [this](TObject* s) { HeaderChanged(s); };
  dropDownFooter_ = std::make_unique<TFooterAppearance>(this);
  dropDownFooter_->OnChange = [this](TObject* s) { FooterChanged(s); };
  dropDownFooter_->OnButtonListChange = [this](TObject* s) { FooterChanged(s); };
  buttonAppearance_ = std::make_unique<TVevButtonAppearance>();
  isWinXP_ = IsWindowsXPOrLater();
  isThemed_ = IsComCtl6();
  SetSelectionColorStyle(scOffice2007);
  // The look preset comes before the kinds' constructors, so the defaults
  // each kind sets stand. Only the base's step runs here; a kind whose own
  // step reaches something made before this point repeats it first thing.
  TVevUrizazEvuvUduz::SetComponentStyle(tsOffice2007Luna);
  labelFont_ = std::make_unique<TFont>();
  labelFont_->OnChange = [this](TObject* s) { LabelFontChanged(s); };
}

void TVevUrizazEvuvUduz::AfterConstruction() {
  if (constructed_) return;
  constructed_ = true;
  // The steps that reach the kinds' extension points, now that the kind is
  // whole.
  if (!Designing()) CreateDropDownForm();
  CreateDropDownButton();
  WriteText("");
  oldText_.clear();
}

TVevUrizazEvuvUduz::~TVevUrizazEvuvUduz() {
  SetComponentStateFlag(csDestroying, true);
  labelFont_.reset();
  delete button_;
  button_ = nullptr;
  if (dropDownForm_ != nullptr) {
    TDropDownForm* f = dropDownForm_;
    dropDownForm_ = nullptr;
    f->SetVevDropDown(nullptr);
    delete f;
  }
  control_ = nullptr;
  focusControl_ = nullptr;
  dropDownHeader_.reset();
  dropDownFooter_.reset();
  buttonAppearance_.reset();
}

void TVevUrizazEvuvUduz::SetParent(TWinControl* AParent) {
  AfterConstruction();
  TCustomMaskEdit::SetParent(AParent);
  if (label_ != nullptr && AParent != nullptr && label_->Parent() != AParent) {
    label_->SetParent(AParent);
    UpdateLabel();
  }
}

void TVevUrizazEvuvUduz::CreateDropDownForm() {
  if (dropDownForm_ != nullptr) return;
  auto* f = new TDropDownForm(this);
  f->SetVisible(false);
  f->SetBounds(f->Left(), f->Top(), dropDownWidth_, dropDownHeight_);
  f->SetDoubleBuffered(true);
  f->SetVevDropDown(this);
  f->OnHide = [this](TObject* s) { DoHideDropDown(s); };
  f->OnKeyPress = [this](TObject* s, char32_t& k) { DropDownKeyPress(s, k); };
  f->OnKeyDown = [this](TObject* s, WORD& k, TShiftState sh) { DropDownKeyDown(s, k, sh); };
  f->OnKeyUp = [this](TObject* s, WORD& k, TShiftState sh) { DropDownKeyUp(s, k, sh); };
  f->OnMouseWheelDown = [this](TObject* s, TShiftState sh, TPoint p, bool& h) {
    DropDownMouseWheelDown(s, sh, p, h);
  };
  f->OnMouseWheelUp = [this](TObject* s, TShiftState sh, TPoint p, bool& h) {
    DropDownMouseWheelUp(s, sh, p, h);
  };
  f->OnDestroy = [this](TObject* s) { DropDownFormDestroyed(s); };
  f->OnSizing = [this](TObject* s) { DropDownSizing(s); };
  dropDownForm_ = f;
}

void TVevUrizazEvuvUduz::CreateDropDownButton() {
  if (button_ == nullptr) {
    button_ = new TDropDownEditButton(this);
    button_->SetParent(this);
    button_->OnClick = [this](TObject* s) { DropDownButtonClick(s); };
    if (Designing()) button_->SetColor(clBtnFace);
  }
  UpdateDropDownButton();
}

void TVevUrizazEvuvUduz::UpdateDropDownButton() {
  if (button_ == nullptr) return;
  button_->SetBounds(button_->Left(), button_->Top(), buttonWidth_, 17);
  button_->SetVisible(true);
  button_->SetFocusControl(this);
  ResizeControl();
}

// ---- Loading and references ----

void TVevUrizazEvuvUduz::Loaded() {
  TCustomMaskEdit::Loaded();
  parentFnt_ = ParentFont();
  SetEditRect();
  ResizeControl();
  if (button_ != nullptr) button_->SetEnabled(Enabled());
  if (label_ != nullptr && !labelAlwaysEnabled_) label_->SetEnabled(Enabled());
  if (label_ != nullptr) UpdateLabel();
  if (ParentFont()) labelFont_->Assign(Font());
}

void TVevUrizazEvuvUduz::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomMaskEdit::Notification(AComponent, Operation);
  if (Operation != opRemove || ComponentState().Contains(csDestroying)) return;
  if (AComponent == images_) {
    images_ = nullptr;
    Invalidate();
  }
  if (AComponent == control_) SetControl(nullptr);
  if (AComponent == focusControl_) focusControl_ = nullptr;
  if (AComponent == label_) label_ = nullptr;
  if (AComponent == dropDownForm_) dropDownForm_ = nullptr;
  if (AComponent == button_) button_ = nullptr;
}

void TVevUrizazEvuvUduz::SetControl(TControl* AControl) {
  if (control_ == AControl) return;
  if (control_ != nullptr) control_->RemoveFreeNotification(this);
  control_ = AControl;
  if (control_ != nullptr) control_->FreeNotification(this);
  if (!Designing()) AdaptDropDownControl();
}

void TVevUrizazEvuvUduz::Assign(TPersistent* Source) {
  auto* d = dynamic_cast<TVevUrizazEvuvUduz*>(Source);
  if (d == nullptr || d == this) return;
  focusDraw_ = d->focusDraw_;
  forceShadow_ = d->forceShadow_;
  dropDownEnabled_ = d->dropDownEnabled_;
  dropDownColor_ = d->dropDownColor_;
  dropDownColorTo_ = d->dropDownColorTo_;
  dropDownGradient_ = d->dropDownGradient_;
  dropDownBorderColor_ = d->dropDownBorderColor_;
  dropDownBorderWidth_ = d->dropDownBorderWidth_;
  dropDownShadow_ = d->dropDownShadow_;
  dropDownWidth_ = d->dropDownWidth_;
  dropDownHeight_ = d->dropDownHeight_;
  dropDownSizeable_ = d->dropDownSizeable_;
  SetEditType(d->editType_);
  returnIsTab_ = d->returnIsTab_;
  lengthLimit_ = d->lengthLimit_;
  precision_ = d->precision_;
  prefix_ = d->prefix_;
  suffix_ = d->suffix_;
  defaultHandling_ = d->defaultHandling_;
  canUndo_ = d->canUndo_;
  excelStyleDecimalSeparator_ = d->excelStyleDecimalSeparator_;
  validChars_ = d->validChars_;
  signed_ = d->signed_;
  autoThousandSeparator_ = d->autoThousandSeparator_;
  buttonAppearance_->Assign(d->buttonAppearance_.get());
  dropDownHeader_->Assign(d->dropDownHeader_.get());
  dropDownFooter_->Assign(d->dropDownFooter_.get());
  dropPosition_ = d->dropPosition_;
  flat_ = d->flat_;
  SetDropDownButtonWidth(d->buttonWidth_);
  SetDropDownButtonHint(d->buttonHint_);
  editorEnabled_ = d->editorEnabled_;
  if (button_ != nullptr && d->button_ != nullptr) {
    button_->SetGlyph(d->button_->Glyph());
    button_->SetButtonCaption(d->button_->ButtonCaption());
  }
  etched_ = d->etched_;
  SetImages(d->images_);
  selectionColorStyle_ = d->selectionColorStyle_;
  selectionColor_ = d->selectionColor_;
  selectionColorTo_ = d->selectionColorTo_;
}

// ---- Properties ----

uint32_t TVevUrizazEvuvUduz::GetVersionNr() const { return 0x01020104; }

std::string TVevUrizazEvuvUduz::Version() const { return VersionText(GetVersionNr()); }

void TVevUrizazEvuvUduz::SetBorderColor(TColor Value) {
  if (borderColor_ == Value) return;
  borderColor_ = Value;
  Invalidate();
  if (button_ != nullptr) button_->Invalidate();
}

void TVevUrizazEvuvUduz::SetDisabledBorder(bool Value) {
  if (disabledBorder_ == Value) return;
  disabledBorder_ = Value;
  Invalidate();
}

void TVevUrizazEvuvUduz::SetImages(TImageList* Value) {
  if (images_ == Value) return;
  if (images_ != nullptr) images_->RemoveFreeNotification(this);
  images_ = Value;
  if (images_ != nullptr) images_->FreeNotification(this);
}

void TVevUrizazEvuvUduz::SetDropDownWidth(int Value) {
  if (dropDownWidth_ == Value) return;
  dropDownWidth_ = Value;
  userDropDownWidth_ = -1;
}

void TVevUrizazEvuvUduz::SetDropDownHeight(int Value) {
  if (dropDownHeight_ == Value) return;
  dropDownHeight_ = Value;
  userDropDownHeight_ = -1;
}

void TVevUrizazEvuvUduz::SetDropDownButtonWidth(int Value) {
  if (button_ == nullptr || buttonWidth_ == Value) return;
  buttonWidth_ = Value;
  button_->SetBWidth(Value);
  ResizeControl();
}

void TVevUrizazEvuvUduz::SetDropDownButtonHint(const std::string& Value) {
  if (buttonHint_ == Value) return;
  buttonHint_ = Value;
  if (button_ == nullptr) return;
  button_->SetHint(Value);
  button_->SetShowHint(!Value.empty());
}

TBitmap* TVevUrizazEvuvUduz::DropDownButtonGlyph() const {
  return button_ != nullptr ? button_->Glyph() : nullptr;
}

void TVevUrizazEvuvUduz::SetDropDownButtonGlyph(TBitmap* Value) {
  if (button_ != nullptr) button_->SetGlyph(Value);
}

void TVevUrizazEvuvUduz::SetEditorEnabled(bool Value) {
  editorEnabled_ = Value;
  // Without typing every click may toggle the pop-up: a double click then
  // arrives as a second click.
  if (Value)
    controlStyle_ << csDoubleClicks;
  else
    controlStyle_ >> csDoubleClicks;
}

void TVevUrizazEvuvUduz::HeaderChanged(TObject*) {
  if (dropDownForm_ != nullptr && droppedDown_) dropDownForm_->InitializeAndUpdate();
}

void TVevUrizazEvuvUduz::FooterChanged(TObject*) {
  if (dropDownForm_ != nullptr && droppedDown_) dropDownForm_->InitializeAndUpdate();
}

// ---- The attached label ----

std::string TVevUrizazEvuvUduz::LabelCaption() const {
  return label_ != nullptr ? label_->Caption() : std::string();
}

void TVevUrizazEvuvUduz::SetLabelCaption(const std::string& Value) {
  if (label_ == nullptr) CreateLabel();
  label_->SetCaption(Value);
  UpdateLabel();
}

void TVevUrizazEvuvUduz::SetLabelFont(TFont* Value) {
  if (!ParentFont() && Value != nullptr) labelFont_->Assign(Value);
  UpdateLabel();
}

void TVevUrizazEvuvUduz::SetLabelMargin(int Value) {
  labelMargin_ = Value;
  if (label_ != nullptr) UpdateLabel();
}

void TVevUrizazEvuvUduz::SetLabelPosition(TLabelPosition Value) {
  labelPosition_ = Value;
  if (label_ != nullptr) UpdateLabel();
}

void TVevUrizazEvuvUduz::SetLabelTransparent(bool Value) {
  labelTransparent_ = Value;
  if (label_ != nullptr) UpdateLabel();
}

void TVevUrizazEvuvUduz::CreateLabel() {
  label_ = new TLabel(this);
  label_->SetParent(Parent());
  label_->SetFocusControl(this);
  label_->Font()->Assign(labelFont_.get());
  label_->OnClick = [this](TObject* s) { DoLabelClick(s); };
  label_->OnDblClick = [this](TObject* s) { DoLabelDblClick(s); };
  label_->SetParentFont(ParentFont());
}

void TVevUrizazEvuvUduz::DoLabelClick(TObject*) {
  if (OnLabelClick) OnLabelClick(this);
}

void TVevUrizazEvuvUduz::DoLabelDblClick(TObject*) {
  if (OnLabelDblClick) OnLabelDblClick(this);
}

void TVevUrizazEvuvUduz::LabelFontChanged(TObject*) {
  // A font set by hand stops following the control's.
  if (Designing() && !Loading()) SetParentFont(false);
  if (label_ != nullptr) UpdateLabel();
}

void TVevUrizazEvuvUduz::UpdateLabel() {
  if (label_ == nullptr) return;
  label_->SetTransparent(labelTransparent_);
  label_->Font()->Assign(parentFnt_ ? Font() : labelFont_.get());
  TRect r(0, 0, 1000, 255);
  TCanvas* c = label_->Canvas();
  c->Font()->Assign(label_->Font());
  DrawText(c, label_->Caption(), r, DT_CALCRECT | DT_HIDEPREFIX);
  const int w = r.Width();
  const TPoint p = PlaceLabel(labelPosition_, TRect(Left(), Top(), Left() + Width(), Top() + Height()),
                              label_->Width(), label_->Height(), w, labelMargin_);
  const int left = p.X, top = p.Y;
  label_->SetBounds(left, top, label_->Width(), label_->Height());
  label_->SetVisible(Visible());
}

void TVevUrizazEvuvUduz::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomMaskEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (label_ != nullptr && label_->Parent() != nullptr) UpdateLabel();
}

// ---- Window, edit rectangle and size ----

void TVevUrizazEvuvUduz::CreateParams(TCreateParams& Params) {
  TCustomMaskEdit::CreateParams(Params);
  // The text rectangle of this edit is set without the multi-line style
  // the platform needed for it; a multi-line edit would take Return.
  Params.Style |= WS_CLIPCHILDREN;
}

void TVevUrizazEvuvUduz::CreateWnd() {
  AfterConstruction();
  TCustomMaskEdit::CreateWnd();
  SetEditRect();
}

TRect TVevUrizazEvuvUduz::GetEditRect() {
  TRect r;
  Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
  return r;
}

void TVevUrizazEvuvUduz::SetEditRect() {
  TRect r;
  Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
  const int bw = button_ != nullptr ? button_->Width() : 0;
  r.Right = ClientWidth() - bw - 3;
  r.Bottom = ClientHeight() + 1;
  if (BorderStyle() == bsSingle) {
    r.Left = 1;
    r.Top = 1;
  } else {
    r.Left = 2;
    r.Top = 3;
  }
  editRect_ = r;
  if (!Ctl3D()) ++r.Left;
  Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
}

int TVevUrizazEvuvUduz::GetMinHeight() {
  TCanvas* c = EditCanvas();
  TFont saved;
  saved.Assign(c->Font());
  TFont system;
  c->Font()->Assign(&system);
  const int s = c->TextMetrics().tmHeight;
  c->Font()->Assign(Font());
  const int f = c->TextMetrics().tmHeight;
  c->Font()->Assign(&saved);
  return f + std::min(f, s) / 4;
}

void TVevUrizazEvuvUduz::ResizeControl() {
  if (inResize_) return;
  struct Guard {
    bool& b;
    ~Guard() { b = false; }
  } guard{inResize_ = true};
  const int minH = GetMinHeight();
  if (Height() < minH) {
    // A size pass of its own follows the raise.
    SetBounds(Left(), Top(), Width(), minH);
    inResize_ = false;
    ResizeControl();
    return;
  }
  if (button_ != nullptr) {
    // In client coordinates, as the button part is a child of the edit.
    const int b = button_->BWidth();
    if (Ctl3D() && BorderStyle() == bsSingle) {
      const int a = flat_ ? 3 : 4;
      button_->SetBounds(Width() - b - a, flat_ ? 2 : 0, b, Height() - a);
    } else {
      button_->SetBounds(Width() - b - (Ctl3D() ? 0 : 2), 1, b, Height() - 2);
    }
  }
  SetEditRect();
  Invalidate();
}
