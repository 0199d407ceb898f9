#pragma once
// A pop-up window beside a control: borderless, kept on top of the form
// that holds the control (its owner window, so it leaves and stays above
// with that form), activated when it pops up, and told which window took
// the activation when it loses it. With Sizeable on, the last GripSize
// pixels of its right and bottom edges size it from that corner, as a size
// grip does; a child control can start the same sizing by sending the
// pop-up WM_NCLBUTTONDOWN with HTBOTTOMRIGHT.
//
// Drop-down lists, calculators and pickers build on it; what closes them
// (a click elsewhere, a key) is theirs to decide in Deactivated.
#include "framework/controls/Forms.h"

class TPopupForm : public TCustomForm {
 public:
  // A pop-up has no stored layout.
  explicit TPopupForm(TComponent* AOwner);

  // The control the pop-up belongs to; its form owns the pop-up's window.
  TControl* PopupControl() const { return popupControl_; }
  void SetPopupControl(TControl* Value);
  bool Sizeable() const { return sizeable_; }
  void SetSizeable(bool Value) { sizeable_ = Value; }
  int GripSize() const { return gripSize_; }
  void SetGripSize(int Value) { gripSize_ = Value; }

  // True when Wnd is this pop-up or has it among its parents and owners (a
  // window opened from the pop-up).
  bool IsAncestorOf(HWND Wnd);
  // Places the pop-up at R (screen), on top, shown and activated.
  void Popup(const TRect& R);

  // Fired while the user sizes the window.
  TNotifyEvent OnSizing;

  void WndProc(TMessage& Message) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  HWND ShowingOwner() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // The pop-up was active and NewActive (0 when not one of ours) took the
  // activation; nothing here.
  virtual void Deactivated(HWND NewActive) { (void)NewActive; }
  // The hit test of a point of the pop-up's own surface (client
  // coordinates): HTBOTTOMRIGHT in the grip corner when sizeable.
  virtual LRESULT HitTest(const TPoint& P);

 private:
  HWND OwnerFormWindow();
  TControl* popupControl_ = nullptr;
  bool sizeable_ = false;
  int gripSize_ = 10;
};
