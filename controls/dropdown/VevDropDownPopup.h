#pragma once
// The pop-up of every drop-down control: the window (TDropDownForm) with
// its background and border, the header and footer strips (TVevHeader,
// TVevFooter) that caption it and hold buttons (TVevButton), and the small
// checked list the strips keep their buttons in (TDbgList).
//
// The pop-up closes when another window takes the activation, unless that
// window was opened from the pop-up itself; its bottom-right corner (or the
// footer's size grip) sizes it when it is sizeable.
#include <functional>
#include <memory>
#include <string>

#include "grid/base/VevDropDownAppearance.h"
#include "framework/classes/Lists.h"
#include "framework/controls/PopupForm.h"

class TImageList;
class TScrollBox;
class TVevUrizazEvuvUduz;

using TDrawBackGroundEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, const TRect& ARect)>;
using TGetTextEvent = std::function<void(TObject* Sender, std::string& Text)>;

// A pointer list whose checked accessors raise with a clear message.
class TDbgList : public TList {
 public:
  // Clears the list and appends every item of ListA in order.
  void AssignList(TList* ListA);
  // Raise "Index out of bounds in list read access" / "... write access"
  // when Index is not below Count.
  void* GetItemsEx(int Index) const;
  void SetItemsEx(int Index, void* Value);
};

enum TVevButtonStyle { tasButton, tasCheck };
enum TVevButtonState { absUp, absDisabled, absDown, absDropDown, absExclusive };

// The owner-drawn push button of the strips.
class TVevButton : public TCustomControl {
 public:
  explicit TVevButton(TComponent* AOwner);
  ~TVevButton() override;

  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int Value) { groupIndex_ = Value; }
  bool Down() const { return down_; }
  void SetDown(bool Value);
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool Value) { allowAllUp_ = Value; }
  TVevButtonStyle Style() const { return style_; }
  void SetStyle(TVevButtonStyle Value) { style_ = Value; }
  TVevButtonState State() const { return state_; }
  bool MouseInside() const { return mouseInside_; }
  bool Pressed() const { return pressed_; }
  TVevButtonAppearance* Appearance() const { return appearance_; }
  void SetAppearance(TVevButtonAppearance* Value) { appearance_ = Value; }
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* Value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int Value) { imageIndex_ = Value; }
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult Value) { modalResult_ = Value; }
  TVevUrizazEvuvUduz* VevDropDown() const { return vevDropDown_; }
  void SetVevDropDown(TVevUrizazEvuvUduz* Value);

  // Width and height from the caption and the image.
  void SizeToContent();
  // Applies the modal result to its form, closes the pop-up when the
  // result asks for it, and fires OnClick (not for a key click).
  void Click() override;
  // Face and content on ACanvas.
  virtual void DrawButton(TCanvas* ACanvas);

  TNotifyEvent OnButtonEnter;
  TNotifyEvent OnButtonLeave;

  void WndProc(TMessage& Message) override;

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  void HoverTick();
  void UpdateTracking();
  void StartHoverTimer();
  void StopHoverTimer();
  bool Inside(int X, int Y) const;

  int groupIndex_ = 0;
  bool down_ = false;
  bool allowAllUp_ = false;
  bool mouseInside_ = false;
  TVevButtonStyle style_ = tasButton;
  TVevButtonState state_ = absUp;
  bool pressed_ = false;
  bool tracking_ = false;
  bool hoverTimerOn_ = false;
  bool storedDown_ = false;
  bool keyboardClick_ = false;
  TVevButtonAppearance* appearance_ = nullptr;
  TImageList* images_ = nullptr;
  int imageIndex_ = -1;
  TModalResult modalResult_ = mrNone;
  TVevUrizazEvuvUduz* vevDropDown_ = nullptr;
};

// What the header and footer strips share: painting, the buttons and their
// layout. Header and footer differ in the settings they copy, the edge that
// faces the content, and the footer's size grip.
class TVevStrip : public TCustomControl {
 public:
  ~TVevStrip() override;

  TImageList* Images() const { return images_; }
  void SetImages(TImageList* Value);
  TVevUrizazEvuvUduz* VevDropDown() const { return vevDropDown_; }
  // Binds the strip to the drop-down: its images and a copy of its settings.
  void SetVevDropDown(TVevUrizazEvuvUduz* Value);
  // Makes the strip's buttons from the drop-down's settings.
  void BuildButtons();
  // The buttons made, in item order.
  int ButtonCount() const { return buttons_.Count(); }
  TVevButton* Button(int Index) const { return static_cast<TVevButton*>(buttons_.GetItemsEx(Index)); }
  // The strip's own copy of the settings.
  virtual TStripAppearance* StripAppearance() const = 0;

  TDrawBackGroundEvent OnDrawBackGround;
  TGetTextEvent OnGetText;

  void WndProc(TMessage& Message) override;

 protected:
  TVevStrip(TComponent* AOwner, bool Footer);
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;
  virtual void CreateButtons();
  virtual void ClearButtons();
  virtual void ArrangeButtons();
  virtual void UpdateButtons();
  // The rectangle the buttons line up in.
  TRect ButtonArea();
  // Takes the drop-down's settings into the strip's copy.
  virtual void CopySettings() = 0;
  virtual int ItemCount() const = 0;
  struct TItemValues {
    std::string Caption;
    int ImageIndex = -1;
    bool Enabled = true;
    int Width = 0;
    int Height = 0;
    TModalResult ModalResult = mrNone;
  };
  virtual TItemValues ItemValues(int Index) const = 0;
  virtual void ReportClick(int ButtonIndex) = 0;
  // The footer's size grip shows (always false for a header).
  virtual bool GripShown() const { return false; }
  void AppearanceChanged(TObject*);

  TImageList* images_ = nullptr;
  TVevUrizazEvuvUduz* vevDropDown_ = nullptr;
  TDbgList buttons_;
  bool footer_;
};

class TVevHeader : public TVevStrip {
 public:
  explicit TVevHeader(TComponent* AOwner);
  ~TVevHeader() override;
  THeaderAppearance* Appearance() const { return appearance_.get(); }
  void SetAppearance(THeaderAppearance* Value) { appearance_->Assign(Value); }
  TStripAppearance* StripAppearance() const override { return appearance_.get(); }
  // The drop-down's header buttons (nullptr without a drop-down).
  THeaderButtons* Buttons() const;

 protected:
  void CopySettings() override;
  int ItemCount() const override;
  TItemValues ItemValues(int Index) const override;
  void ReportClick(int ButtonIndex) override;

 private:
  std::unique_ptr<THeaderAppearance> appearance_;
};

class TVevFooter : public TVevStrip {
 public:
  explicit TVevFooter(TComponent* AOwner);
  ~TVevFooter() override;
  TFooterAppearance* Appearance() const { return appearance_.get(); }
  void SetAppearance(TFooterAppearance* Value) { appearance_->Assign(Value); }
  TStripAppearance* StripAppearance() const override { return appearance_.get(); }
  TFooterButtons* Buttons() const;
  bool GripShown() const override;

  void WndProc(TMessage& Message) override;

 protected:
  void CopySettings() override;
  int ItemCount() const override;
  TItemValues ItemValues(int Index) const override;
  void ReportClick(int ButtonIndex) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  bool InGripZone(int X, int Y) const;
  void RestoreCursor();
  std::unique_ptr<TFooterAppearance> appearance_;
  TCursor savedCursor_ = crDefault;
};

// The pop-up window of a drop-down.
class TDropDownForm : public TPopupForm {
 public:
  explicit TDropDownForm(TComponent* AOwner);

  uint32_t DeActivateTime() const { return deActivate_; }
  bool Shadow() const { return shadow_; }
  void SetShadow(bool Value) { shadow_ = Value; }
  TVevFooter* Footer() const { return footer_; }
  TVevHeader* Header() const { return header_; }
  TVevUrizazEvuvUduz* VevDropDown() const { return vevDropDown_; }
  void SetVevDropDown(TVevUrizazEvuvUduz* Value);
  TScrollBox* ScrollBox() const { return scrollBox_; }
  bool CancelOnDeActivate() const { return cancelOnDeActivate_; }
  void SetCancelOnDeActivate(bool Value) { cancelOnDeActivate_ = Value; }
  bool BlockActivate() const { return blockActivate_; }
  void SetBlockActivate(bool Value) { blockActivate_ = Value; }

  // Creates or refreshes the header and footer strips.
  void InitializeAndUpdate();
  virtual void UpdateSize() {}

  void WndProc(TMessage& Message) override;

 protected:
  void AdjustClientRect(TRect& Rect) override;
  void Paint() override;
  void Deactivated(HWND NewActive) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // Background and border from the drop-down's settings.
  void PaintBackground(TCanvas* ACanvas);

 private:
  uint32_t deActivate_ = 0;
  bool shadow_ = true;
  TVevFooter* footer_ = nullptr;
  TVevHeader* header_ = nullptr;
  TVevUrizazEvuvUduz* vevDropDown_ = nullptr;
  TScrollBox* scrollBox_ = nullptr;
  bool cancelOnDeActivate_ = true;
  bool blockActivate_ = false;
};
