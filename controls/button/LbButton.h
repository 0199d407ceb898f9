#pragma once
// TLbButton: the owner-drawn push button of every dialog.
//
// It draws itself completely (LbButtons.h), clicks on a release over it after
// a left press, on Return or Space released while it has the focus, on its
// caption's accelerator, and as the form's Default (Return) or Cancel
// (Escape) button. A click runs OnClick first, then hands ModalResult to the
// form, which ends a modal form. While the mouse is over it the face takes
// HotTrackColor; with SlowDecease the colour fades back tick by tick on the
// button's own TLbButtonThread, which otherwise never starts.
//
// Writing Kind loads the stock glyph and sets the caption and modal result;
// writing ModalResult or Glyph afterwards turns Kind back to bkCustom, in the
// order a stored layout names them.
//
// An Action gives the button its caption, enabled state, hint and
// visibility, and runs after OnClick; an action with an image in its list's
// images gives an empty Glyph that image.
//
// The drag properties and events are kept for stored layouts only: the
// framework drags no controls, so they never act or fire.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "controls/button/LbButtons.h"
#include "framework/controls/Controls.h"

enum class TLbDragMode : uint8_t { dmManual, dmAutomatic };
enum class TLbDragKind : uint8_t { dkDrag, dkDock };
using TLbDragDropEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y)>;
using TLbDragOverEvent =
    std::function<void(TObject* Sender, TObject* Source, int X, int Y, int State, bool& Accept)>;
using TLbEndDragEvent = std::function<void(TObject* Sender, TObject* Target, int X, int Y)>;
using TLbStartDragEvent = std::function<void(TObject* Sender, TObject*& DragObject)>;

class TBasicAction;
class TCustomAction;
class TControlActionLink;

class TLbButton : public TCustomControl {
 public:
  explicit TLbButton(TComponent* AOwner);
  ~TLbButton() override;

  // Presses and releases the button: OnClick, then the modal result and the
  // pop-up menu. Does nothing while the button is hidden or disabled.
  void Click() override;

  // The linked action (nullptr: none, or it was freed).
  TBasicAction* Action() const;
  void SetAction(TBasicAction* Value);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  // Always lcsCustom: a colour style is applied, not kept.
  TLbColorStyle ColorStyle() const { return FDummyStyle; }
  void SetColorStyle(TLbColorStyle Value);
  TColor ColorWhenDown() const { return FColorWhenDown; }
  void SetColorWhenDown(TColor Value) { FColorWhenDown = Value; }
  bool Default() const { return FDefault; }
  void SetDefault(bool Value) { FDefault = Value; }
  TCursor DragCursor() const { return FDragCursor; }
  void SetDragCursor(TCursor Value) { FDragCursor = Value; }
  TLbDragKind DragKind() const { return FDragKind; }
  void SetDragKind(TLbDragKind Value) { FDragKind = Value; }
  TLbDragMode DragMode() const { return FDragMode; }
  void SetDragMode(TLbDragMode Value) { FDragMode = Value; }
  void SetEnabled(bool Value) override;
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  // The glyph strip: NumGlyphs cells side by side (normal, disabled,
  // pressed, hot). SetGlyph copies Value (nullptr empties it).
  TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(TBitmap* Value);
  TColor HotTrackColor() const { return FHotTrackColor; }
  void SetHotTrackColor(TColor Value) { FHotTrackColor = Value; }
  TFont* HotTrackFont() const { return FHTFont.get(); }
  void SetHotTrackFont(TFont* Value);
  TLbButtonKind Kind() const { return FKind; }
  // EResNotFound when the kind's glyph resource is missing.
  void SetKind(TLbButtonKind Value);
  TLbButtonLayout Layout() const { return FLayout; }
  void SetLayout(TLbButtonLayout Value);
  TColor LightColor() const { return FLightColor; }
  void SetLightColor(TColor Value);
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int Value);
  TColor ShadowColor() const { return FShadowColor; }
  void SetShadowColor(TColor Value);
  bool SlowDecease() const { return FSlowDecease; }
  void SetSlowDecease(bool Value);
  TLbButtonStyle Style() const { return FStyle; }
  void SetStyle(TLbButtonStyle Value);
  bool UseHotTrackFont() const { return FUseHTFont; }
  void SetUseHotTrackFont(bool Value) { FUseHTFont = Value; }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);

  // The button is held down (by the mouse or a key).
  bool Down() const { return bDown; }
  bool CursorOnButton() const { return bCursorOnButton; }
  // Hover level, 0 (none) to 8 (full).
  int HotTrackStep() const { return FHotTrackStep; }
  // The fade thread (nullptr after SlowDecease was turned off).
  TLbButtonThread* Thread() const { return FThread.get(); }
  // One fade step, run on the GUI thread by the fade thread (Sender).
  void HotTrackTick(TObject* Sender);

  // OnClick and OnMouseEnter are the control's own events.
  TNotifyEvent OnMouseExit;
  TLbDragDropEvent OnDragDrop;
  TLbDragOverEvent OnDragOver;
  TLbEndDragEvent OnEndDrag;
  TLbStartDragEvent OnStartDrag;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DoClick();
  // The action changed (or was linked): its state, and its image into an
  // empty glyph. CheckDefaults while a stored layout is read.
  virtual void ActionChange(TObject* Sender, bool CheckDefaults);
  void CopyActionImage(TCustomAction* Action);

  void CMMouseEnter(TMessage& Message) override;
  void CMMouseLeave(TMessage& Message) override;
  void CMFocusChanged(TMessage& Message) override;
  void CMVisibleChanged(TMessage& Message) override;
  void CMTextChanged(TMessage& Message) override;
  void CNKeyDown(TMessage& Message) override;
  void CNKeyUp(TMessage& Message) override;
  void CMDialogChar(TMessage& Message) override;
  void CMDialogKey(TMessage& Message) override;
  void WMEraseBkgnd(TMessage& Message) override;

 private:
  void CreateThread();
  // Resumes, terminates, waits for and frees the fade thread; never raises.
  void StopThread();
  void RepaintNow();
  bool IsTransparentStyle() const { return FStyle == bsModern || FStyle == bsShape || FStyle == bsQuicken; }

  TAlignment FAlignment = taCenter;
  TColor FShadowColor = 0x808080;
  TColor FColorWhenDown = clNone;
  bool FEnabled = true;
  bool FFlat = false;
  bool FWordWrap = false;
  std::unique_ptr<TBitmap> FGlyph;
  TColor FHotTrackColor = clNone;
  std::unique_ptr<TFont> FHTFont;
  TLbButtonKind FKind = bkCustom;
  TLbButtonLayout FLayout = TLbButtonLayout::blGlyphLeft;
  TColor FLightColor = 0xFFFFFF;
  TModalResult FModalResult = mrNone;
  int FNumGlyphs = 0;
  bool FUseHTFont = false;
  TLbColorStyle FDummyStyle = lcsCustom;
  TLbButtonStyle FStyle = bsNormal;
  bool FDefault = false;
  bool FCancel = false;
  bool FSlowDecease = false;
  bool bDown = false;
  WORD bKeyDown = 0;  // Return or Space pressed while this button had the focus
  bool bCursorOnButton = false;
  std::unique_ptr<TLbButtonThread> FThread;
  std::unique_ptr<TControlActionLink> FActionLink;
  // The fade thread has been resumed at least once (it has an OS thread).
  bool FThreadStarted = false;
  int FHotTrackStep = 0;
  bool FDestroying = false;
  TCursor FDragCursor = crDrag;
  TLbDragKind FDragKind = TLbDragKind::dkDrag;
  TLbDragMode FDragMode = TLbDragMode::dmManual;
};

// Registers TLbButton for loading from stored layouts (once; later calls do
// nothing).
void RegisterLbButtonClasses();
