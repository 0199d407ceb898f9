// The pop-up window of the drop-downs: background, border, strips and the
// activation rules that close it.
#include "controls/dropdown/VevDropDownPopup.h"
#include "controls/dropdown/VevDropDown.h"
#include "framework/rtl/Tick.h"
#include "grid/base/VevDropDownUtil.h"

TDropDownForm::TDropDownForm(TComponent* AOwner) : TPopupForm(AOwner) {
  shadow_ = true;
  cancelOnDeActivate_ = true;
  SetKeyPreview(false);
}

void TDropDownForm::SetVevDropDown(TVevUrizazEvuvUduz* Value) {
  if (vevDropDown_ == Value) return;
  if (vevDropDown_ != nullptr) vevDropDown_->RemoveFreeNotification(this);
  vevDropDown_ = Value;
  if (vevDropDown_ != nullptr) vevDropDown_->FreeNotification(this);
  SetPopupControl(Value);
}

void TDropDownForm::Notification(TComponent* AComponent, TOperation Operation) {
  TPopupForm::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == vevDropDown_) vevDropDown_ = nullptr;
  if (AComponent == header_) header_ = nullptr;
  if (AComponent == footer_) footer_ = nullptr;
}

void TDropDownForm::AdjustClientRect(TRect& Rect) {
  TPopupForm::AdjustClientRect(Rect);
  if (vevDropDown_ == nullptr) return;
  const int w = vevDropDown_->DropDownBorderWidth();
  InflateRect(Rect, -w, -w);
}

void TDropDownForm::Paint() {
  TPopupForm::Paint();
  PaintBackground(Canvas());
}

void TDropDownForm::PaintBackground(TCanvas* C) {
  if (vevDropDown_ == nullptr || C == nullptr) return;
  const int w = vevDropDown_->DropDownBorderWidth();
  TRect r = ClientRect();
  InflateRect(r, -w, -w);
  const TColor from = vevDropDown_->DropDownColor(), to = vevDropDown_->DropDownColorTo();
  if (from != clNone && to != clNone) {
    DrawGradient(C, from, to, 80, r, vevDropDown_->DropDownGradient() == gdHorizontal);
  } else if (from != clNone) {
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(from);
    C->FillRect(r);
  }
  const TColor border = vevDropDown_->DropDownBorderColor();
  if (w > 0 && border != clNone) {
    TRect b = ClientRect();
    b.Left += w / 2;
    b.Top += w / 2;
    C->Brush()->SetStyle(bsClear);
    C->Pen()->SetStyle(psSolid);
    C->Pen()->SetWidth(w);
    C->Pen()->SetColor(border);
    C->Rectangle(b);
    C->Pen()->SetWidth(1);
  }
}

void TDropDownForm::InitializeAndUpdate() {
  if (vevDropDown_ == nullptr) return;
  TVevUrizazEvuvUduz* dd = vevDropDown_;
  if (header_ != nullptr) {
    header_->SetVevDropDown(dd);
    header_->BuildButtons();
    header_->SetVisible(dd->DropDownHeader()->Visible());
  } else if (dd->DropDownHeader()->Visible()) {
    header_ = new TVevHeader(this);
    header_->SetParent(this);
    header_->SetHeight(dd->DropDownHeader()->Height());
    header_->SetVevDropDown(dd);
    header_->BuildButtons();
    header_->SetAlign(alTop);
  }
  if (header_ != nullptr) {
    header_->OnDrawBackGround = dd->OnDrawHeader;
    header_->OnGetText = dd->OnGetHeaderText;
  }
  if (footer_ != nullptr) {
    footer_->SetVevDropDown(dd);
    footer_->BuildButtons();
    footer_->SetVisible(dd->DropDownFooter()->Visible());
  } else if (dd->DropDownFooter()->Visible()) {
    footer_ = new TVevFooter(this);
    footer_->SetParent(this);
    footer_->SetHeight(dd->DropDownFooter()->Height());
    footer_->SetVevDropDown(dd);
    footer_->BuildButtons();
    footer_->SetAlign(alBottom);
  }
  if (footer_ != nullptr) {
    footer_->OnDrawBackGround = dd->OnDrawFooter;
    footer_->OnGetText = dd->OnGetFooterText;
  }
}

void TDropDownForm::Deactivated(HWND NewActive) {
  deActivate_ = GetTickCount();
  // A window opened from the pop-up took the activation: it stays open.
  if (NewActive != 0 && IsAncestorOf(NewActive)) return;
  if (vevDropDown_ != nullptr)
    vevDropDown_->HideDropDownEx(cancelOnDeActivate_);
  else
    SetVisible(false);
}

void TDropDownForm::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ACTIVATE:
      if (blockActivate_) {
        TCustomForm::WndProc(Message);
        return;
      }
      TPopupForm::WndProc(Message);
      if (Message.WParamLo() != WA_INACTIVE && vevDropDown_ != nullptr && vevDropDown_->HandleAllocated()) {
        // The owner's caption stays drawn active.
        HWND top = vevDropDown_->Handle();
        for (HWND p = GetParent(top); p != 0; p = GetParent(p)) top = p;
        SendMessage(top, WM_NCACTIVATE, 1, 0);
      }
      return;
    case WM_SIZE:
      TPopupForm::WndProc(Message);
      Invalidate();
      return;
    case WM_NCHITTEST: {
      // Outside the grip the pop-up's own surface reports no area of its
      // own; its children answer for themselves.
      const TPoint p = ScreenToClient(TPoint(Message.XPos(), Message.YPos()));
      Message.Result = Sizeable() && p.X > Width() - 10 && p.Y > Height() - 10 ? HTBOTTOMRIGHT : HTNOWHERE;
      return;
    }
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTARROWS | DLGC_WANTALLKEYS;
      return;
    default:
      break;
  }
  TPopupForm::WndProc(Message);
}
