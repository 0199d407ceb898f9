#include "controls/dropdown/VevTrackBarDropDown.h"

#include "framework/controls/TrackBar.h"
#include "framework/rtl/StrUtils.h"

TVevTrackBarDropDown::TVevTrackBarDropDown(TComponent* AOwner) : TVevUrizazEvuvUduz(AOwner) {
  SetEditorEnabled(false);
  SetDropDownEnabled(true);
  SetEditType(etNumeric);
  DropDownHeader()->SetVisible(false);
  DropDownFooter()->SetVisible(false);
  SetForceShadow(true);
}

void TVevTrackBarDropDown::SetMin(int Value) {
  min_ = Value;
  if (trackBar_ != nullptr) {
    trackBar_->SetMin(Value);
    min_ = trackBar_->Min();
  }
}

void TVevTrackBarDropDown::SetMax(int Value) {
  max_ = Value;
  if (trackBar_ != nullptr) {
    trackBar_->SetMax(Value);
    max_ = trackBar_->Max();
  }
}

void TVevTrackBarDropDown::SetPosition(int Value) {
  position_ = Value;
  if (trackBar_ != nullptr) {
    trackBar_->SetPosition(Value);
    position_ = trackBar_->Position();
  }
}

void TVevTrackBarDropDown::SetFrequency(int Value) {
  frequency_ = Value;
  if (trackBar_ != nullptr) trackBar_->SetFrequency(Value);
}

void TVevTrackBarDropDown::SetPageSize(int Value) {
  pageSize_ = Value;
  if (trackBar_ != nullptr) trackBar_->SetPageSize(Value);
}

void TVevTrackBarDropDown::CreateDropDownForm() {
  TVevUrizazEvuvUduz::CreateDropDownForm();
  if (trackBar_ != nullptr) return;
  trackBar_ = new TTrackBar(this);
  trackBar_->SetParent(DropDownForm());
  trackBar_->SetBounds(0, 0, trackBar_->Width(), 40);
  trackBar_->OnChange = [this](TObject* s) { TrackBarChange(s); };
}

void TVevTrackBarDropDown::BeforeDropDown() {
  TVevUrizazEvuvUduz::BeforeDropDown();
  if (DropDownForm() != nullptr) DropDownForm()->SetCancelOnDeActivate(false);
  positionAtDropDown_ = position_;
  if (trackBar_ == nullptr) return;
  trackBar_->SetMin(min_);
  trackBar_->SetMax(max_);
  trackBar_->SetPosition(position_);
  trackBar_->SetPageSize(pageSize_);
  trackBar_->SetFrequency(frequency_);
  trackBar_->SetWidth(Width());
  SetControl(trackBar_);
}

void TVevTrackBarDropDown::HideDropDownEx(bool Cancel) {
  TVevUrizazEvuvUduz::HideDropDownEx(Cancel);
  // A cancel puts back the position held when the pop-up opened, not the
  // text last written through the text setter.
  if (Cancel) SetPosition(positionAtDropDown_);
}

void TVevTrackBarDropDown::TrackBarChange(TObject*) {
  position_ = trackBar_->Position();
  WriteRawText(std::to_string(position_));
  if (OnTrackChange) OnTrackChange(this);
}

void TVevTrackBarDropDown::Change() {
  TVevUrizazEvuvUduz::Change();
  // Text that is no whole number (an emptied edit, say) keeps the position.
  int32_t v = 0;
  if (TryStrToInt(Trim(Text()), v)) SetPosition(v);
}

void TVevTrackBarDropDown::HandleMouse(TMessage& Message) {
  const int x = static_cast<int16_t>(Message.LParam & 0xFFFF);
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
      if (DropDownEnabled() && !EditorEnabled() && !DroppedDown()) {
        // The press is held back: a drag changes the value, a click opens.
        if (CanFocus() && !Focused()) SetFocus();
        SetCapture(Handle());
        mouseDraging_ = true;
        mouseMoved_ = false;
        mouseX_ = x;
        return;
      }
      break;
    case WM_MOUSEMOVE:
      if (mouseDraging_) {
        // A page size of 0 or less counts as 1.
        const int page = pageSize_ > 0 ? pageSize_ : 1;
        if (x != mouseX_) mouseMoved_ = true;
        SetPosition(position_ + (x - mouseX_) / page);
        mouseX_ = x;
      }
      break;
    case WM_LBUTTONUP:
      if (mouseDraging_) {
        mouseDraging_ = false;
        ReleaseCapture();
        if (!mouseMoved_) ShowDropDown();
        return;
      }
      break;
    default:
      break;
  }
  TVevUrizazEvuvUduz::WndProc(Message);
}

void TVevTrackBarDropDown::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
      HandleMouse(Message);
      return;
    case WM_KEYDOWN: {
      const WORD key = static_cast<WORD>(Message.WParam);
      TVevUrizazEvuvUduz::WndProc(Message);
      if (!EditorEnabled() && GetKeyState(VK_MENU) >= 0) {
        if (key == VK_UP && position_ - frequency_ >= min_)
          SetPosition(position_ - frequency_);
        else if (key == VK_DOWN && position_ + frequency_ <= max_)
          SetPosition(position_ + frequency_);
      }
      return;
    }
    default:
      TVevUrizazEvuvUduz::WndProc(Message);
  }
}
