// The pop-up window beside a control.
#include "framework/controls/PopupForm.h"

TPopupForm::TPopupForm(TComponent* AOwner) : TCustomForm(AOwner, 0) {
  SetBorderStyle(bsNone);
  SetVisible(false);
  SetPosition(poDesigned);
}

void TPopupForm::SetPopupControl(TControl* Value) {
  if (popupControl_ == Value) return;
  if (popupControl_ != nullptr) popupControl_->RemoveFreeNotification(this);
  popupControl_ = Value;
  if (popupControl_ != nullptr) popupControl_->FreeNotification(this);
}

void TPopupForm::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomForm::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == popupControl_) popupControl_ = nullptr;
}

HWND TPopupForm::OwnerFormWindow() {
  if (popupControl_ == nullptr) return 0;
  TCustomForm* f = GetParentForm(popupControl_);
  return f != nullptr && f != this && f->HandleAllocated() ? f->Handle() : 0;
}

void TPopupForm::CreateParams(TCreateParams& Params) {
  TCustomForm::CreateParams(Params);
  Params.Style = (Params.Style & ~(WS_CAPTION | WS_THICKFRAME)) | WS_POPUP;
  Params.ExStyle |= WS_EX_TOPMOST;
  if (HWND owner = OwnerFormWindow(); owner != 0) Params.WndParent = owner;
}

HWND TPopupForm::ShowingOwner() {
  HWND owner = OwnerFormWindow();
  return owner != 0 ? owner : TCustomForm::ShowingOwner();
}

bool TPopupForm::IsAncestorOf(HWND Wnd) {
  if (!HandleAllocated()) return false;
  // Parents and owners never loop, but a broken chain must not hang.
  for (int depth = 0; Wnd != 0 && depth < 64; ++depth) {
    if (Wnd == Handle()) return true;
    Wnd = GetParent(Wnd);
  }
  return false;
}

void TPopupForm::Popup(const TRect& R) {
  SetBounds(R.Left, R.Top, R.Width(), R.Height());
  if (!Visible()) SetVisible(true);
  SetWindowPos(Handle(), HWND_TOPMOST, R.Left, R.Top, R.Width(), R.Height(), 0);
}

LRESULT TPopupForm::HitTest(const TPoint& P) {
  if (sizeable_ && P.X > Width() - gripSize_ && P.Y > Height() - gripSize_) return HTBOTTOMRIGHT;
  return HTCLIENT;
}

void TPopupForm::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ACTIVATE: {
      bool wasVisible = Visible();
      TCustomForm::WndProc(Message);
      if (Message.WParamLo() == WA_INACTIVE && wasVisible) Deactivated(static_cast<HWND>(Message.LParam));
      return;
    }
    case WM_NCHITTEST:
      Message.Result = HitTest(ScreenToClient(TPoint(Message.XPos(), Message.YPos())));
      return;
    case WM_SIZING:
      DefaultHandler(Message);
      if (OnSizing) OnSizing(this);
      return;
    default:
      break;
  }
  TCustomForm::WndProc(Message);
}
