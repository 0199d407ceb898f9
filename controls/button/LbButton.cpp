#include "controls/button/LbButton.h"

#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/classes/ClassRegistry.h"
#include "framework/controls/ActnList.h"
#include "framework/controls/Controls_Published.h"
#include "framework/controls/Forms.h"
#include "framework/controls/Menus.h"
#include "framework/graphics/ImgList.h"
#include "framework/rtl/StrUtils.h"

namespace {

struct TKindInfo {
  TModalResult ModalResult;
  const char* Resource;
  const char* Caption;
};

// Indexed by TLbButtonKind from bkOK on.
const TKindInfo kKinds[] = {
    {mrOk, "LBOK", "OK"},
    {mrCancel, "LBCANCEL", "Abbrechen"},
    {mrNone, "LBHELP", "Hilfe"},
    {mrYes, "LBYES", "Ja"},
    {mrNo, "LBNO", "Nein"},
    {mrNone, "LBCLOSE", "Schließen"},
    {mrAbort, "LBABORT", "Abbrechen"},
    {mrRetry, "LBRETRY", "Wiederholen"},
    {mrIgnore, "LBIGNORE", "Ignorieren"},
    {mrAll, "LBALL", "Alle"},
};

// A button that resumes a thread which keeps suspending itself gives up
// after this many tries.
constexpr int kMaxResumes = 1000;

// The form that owns Component (the first one on its chain of owners).
TCustomForm* OwningForm(TComponent* Component) {
  for (TComponent* c = Component; c != nullptr; c = c->Owner())
    if (auto* f = dynamic_cast<TCustomForm*>(c)) return f;
  return nullptr;
}

// A focused push button handles Return itself; radio buttons do not.
bool IsPushButton(const TWinControl* Control) {
  if (Control == nullptr) return false;
  std::string name = UpperCase(Control->ClassName());
  return name.find("BUTTON") != std::string::npos && name.find("RADIOBUTTON") == std::string::npos;
}

}  // namespace

TLbButton::TLbButton(TComponent* AOwner)
    : TCustomControl(AOwner), FGlyph(std::make_unique<TBitmap>()), FHTFont(std::make_unique<TFont>()) {
  SetBounds(Left(), Top(), 100, 23);
  controlStyle_ = TControlStyle{csCaptureMouse, csSetCaption};
  SetTabStop(true);
  SetColor(clBtnFace);
  // A glyph loaded in place (from a stored layout) shows at once.
  FGlyph->OnChange = [this](TObject*) { Invalidate(); };
  if (auto* form = dynamic_cast<TCustomForm*>(AOwner)) FHTFont->Assign(form->Font());
  CreateThread();
}

TLbButton::~TLbButton() {
  FDestroying = true;
  SetComponentStateFlag(csDestroying, true);
  StopThread();
  FGlyph->OnChange = nullptr;
}

// ---- The fade thread ----

void TLbButton::CreateThread() {
  FThread = std::make_unique<TLbButtonThread>([this](TObject* Sender) { HotTrackTick(Sender); }, this);
  FThread->SetFreeOnTerminate(false);
  FThreadStarted = false;
}

void TLbButton::StopThread() {
  if (!FThread) return;
  // A thread that never ran has no operating-system thread to end.
  if (FThreadStarted) {
    try {
      for (int i = 0; i < kMaxResumes && FThread->Suspended(); ++i) FThread->Resume();
      FThread->Terminate();
      FThread->WaitFor();
    } catch (...) {
      // Freeing it below still ends and joins it.
    }
  }
  FThread.reset();
  FThreadStarted = false;
}

void TLbButton::HotTrackTick(TObject*) {
  if (FDestroying) return;
  // A thread on its way out gets no more steps: suspending it now would
  // leave the wait for its end hanging.
  if (FThread && FThread->Terminated()) return;
  --FHotTrackStep;
  if (FHotTrackStep <= 0) {
    if (FThread && !FThread->Suspended()) FThread->Suspend();
    FHotTrackStep = 0;
  }
  RepaintNow();
}

void TLbButton::SetSlowDecease(bool Value) {
  FSlowDecease = Value;
  if (Value) {
    if (!FThread) CreateThread();
  } else if (FThread) {
    FHotTrackStep = 0;
    StopThread();
  }
  Invalidate();
}

// ---- Properties ----

void TLbButton::RepaintNow() { Repaint(); }

void TLbButton::SetAlignment(TAlignment Value) {
  FAlignment = Value;
  RepaintNow();
}

void TLbButton::SetFlat(bool Value) {
  FFlat = Value;
  RepaintNow();
}

void TLbButton::SetLayout(TLbButtonLayout Value) {
  FLayout = Value;
  RepaintNow();
}

void TLbButton::SetLightColor(TColor Value) {
  FLightColor = Value;
  RepaintNow();
}

void TLbButton::SetShadowColor(TColor Value) {
  FShadowColor = Value;
  RepaintNow();
}

void TLbButton::SetWordWrap(bool Value) {
  FWordWrap = Value;
  RepaintNow();
}

void TLbButton::SetNumGlyphs(int Value) {
  FNumGlyphs = Value;
  Invalidate();
}

void TLbButton::SetHotTrackFont(TFont* Value) {
  if (Value != nullptr) FHTFont->Assign(Value);
}

void TLbButton::SetModalResult(TModalResult Value) {
  FModalResult = Value;
  FKind = bkCustom;
}

void TLbButton::SetGlyph(TBitmap* Value) {
  if (Value == nullptr) {
    FGlyph->SetHeight(0);
    FNumGlyphs = 0;
  } else {
    if (Value != FGlyph.get()) FGlyph->Assign(Value);
    FNumGlyphs = Value->Height() != 0 ? Value->Width() / Value->Height() : 0;
  }
  FKind = bkCustom;
  Invalidate();
}

void TLbButton::SetEnabled(bool Value) {
  TCustomControl::SetEnabled(Value);
  FEnabled = Value;
  bDown = false;
  RepaintNow();
}

void TLbButton::SetStyle(TLbButtonStyle Value) {
  FStyle = Value;
  if (HandleAllocated()) {
    if (IsTransparentStyle())
      exStyle_ |= WS_EX_TRANSPARENT;
    else
      exStyle_ &= ~WS_EX_TRANSPARENT;
  }
  Invalidate();
}

void TLbButton::SetColorStyle(TLbColorStyle Value) {
  TLbColorStyleColors c;
  if (!GetColorStyleColors(Value, c)) return;
  SetColor(c.Color);
  Font()->SetColor(c.FontColor);
  FLightColor = c.LightColor;
  FShadowColor = c.ShadowColor;
  FColorWhenDown = c.ColorWhenDown;
  FHotTrackColor = c.HotTrackColor;
  FFlat = c.Flat;
  // The style alone, without the window's transparency.
  FStyle = c.Style;
  RepaintNow();
}

void TLbButton::SetKind(TLbButtonKind Value) {
  if (Value != bkCustom && Value <= bkAll) {
    const TKindInfo& k = kKinds[Value - bkOK];
    SetNumGlyphs(2);
    SetModalResult(k.ModalResult);
    LoadLbButtonResource(FGlyph.get(), k.Resource);
    SetCaption(k.Caption);
  }
  FKind = Value;
  Invalidate();
}

// ---- Action ----

TBasicAction* TLbButton::Action() const { return FActionLink != nullptr ? FActionLink->Action() : nullptr; }

void TLbButton::SetAction(TBasicAction* Value) {
  if (Value == nullptr) {
    FActionLink.reset();
    return;
  }
  if (FActionLink == nullptr) {
    FActionLink = std::make_unique<TControlActionLink>(this);
    FActionLink->OnChange = [this](TObject* Sender) { ActionChange(Sender, false); };
  }
  FActionLink->SetAction(Value);
  ActionChange(Value, Value->ComponentState().Contains(csLoading));
}

void TLbButton::ActionChange(TObject* Sender, bool CheckDefaults) {
  ControlActionChange(this, Sender, CheckDefaults);
  auto* a = dynamic_cast<TCustomAction*>(Sender);
  if (a == nullptr || !FGlyph->Empty()) return;
  TCustomActionList* list = a->ActionList();
  if (list == nullptr || list->Images() == nullptr) return;
  if (a->ImageIndex() >= 0 && a->ImageIndex() < list->Images()->Count()) CopyActionImage(a);
}

void TLbButton::CopyActionImage(TCustomAction* Action) {
  TImageList* images = Action->ActionList()->Images();
  FGlyph->SetSize(images->Width(), images->Height());
  TCanvas* c = FGlyph->Canvas();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(0xFF00FF);
  c->FillRect(TRect(0, 0, images->Width(), images->Height()));
  images->Draw(c, 0, 0, Action->ImageIndex(), true);
  FNumGlyphs = 1;
  RepaintNow();
}

// ---- Clicking ----

void TLbButton::Click() {
  bDown = true;
  // A hidden or disabled button runs no action either.
  const bool accepted = Visible() && Enabled();
  DoClick();
  if (accepted && FActionLink != nullptr) FActionLink->Execute(this);
}

void TLbButton::DoClick() {
  if (!Visible() || !Enabled() || !bDown) {
    // A refused click leaves nothing pressed for a later release to finish.
    bDown = false;
    return;
  }
  bDown = false;
  if (OnClick) OnClick(this);
  if (FModalResult != mrNone)
    if (TCustomForm* form = GetParentForm(this, true)) form->SetModalResult(FModalResult);
  if (TPopupMenu* menu = PopupMenu()) {
    TPoint p = ClientToScreen(TPoint(0, Height()));
    menu->SetPopupComponent(this);
    menu->Popup(p.X, p.Y);
  }
}

void TLbButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Enabled() && Button == mbLeft) {
    bDown = true;
    if (CanFocus()) SetFocus();
    RepaintNow();
  }
}

void TLbButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  // Dragging off the button before the release takes the click back.
  if (bDown && PtInRect(ClientRect(), TPoint(X, Y))) Click();
  bDown = false;
  RepaintNow();
}

// ---- Messages ----

void TLbButton::CMMouseEnter(TMessage& Message) {
  if (Message.LParam != 0 && Message.LParam != reinterpret_cast<LPARAM>(this)) return;
  if (Parent() != nullptr) Parent()->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(this));
  if (!Enabled() || !Visible() || Parent() == nullptr || !Parent()->Showing()) return;
  bCursorOnButton = true;
  // A running fade goes on counting down from here.
  FHotTrackStep = 8;
  RepaintNow();
  if (OnMouseEnter) OnMouseEnter(this);
}

void TLbButton::CMMouseLeave(TMessage& Message) {
  if (Message.LParam != 0 && Message.LParam != reinterpret_cast<LPARAM>(this)) return;
  if (Parent() != nullptr) Parent()->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(this));
  bCursorOnButton = false;
  if (FSlowDecease) {
    if (FThread && FThread->Suspended()) {
      FThreadStarted = true;
      FThread->Resume();
    }
  } else {
    FHotTrackStep = 0;
    RepaintNow();
  }
  if (Enabled() && Visible() && Parent() != nullptr && Parent()->Showing() && OnMouseExit) OnMouseExit(this);
}

void TLbButton::CMFocusChanged(TMessage& Message) {
  TCustomControl::CMFocusChanged(Message);
  // A key held while the focus leaves is no longer a press of this button.
  if (reinterpret_cast<TControl*>(Message.LParam) != this) bKeyDown = 0;
  RepaintNow();
}

void TLbButton::CMVisibleChanged(TMessage& Message) {
  TCustomControl::CMVisibleChanged(Message);
  // A hidden button keeps no half-done press for a later release.
  if (!Visible()) bDown = false;
}

void TLbButton::CMTextChanged(TMessage& Message) {
  TCustomControl::CMTextChanged(Message);
  Invalidate();
}

void TLbButton::CNKeyDown(TMessage& Message) {
  TCustomControl::CNKeyDown(Message);
  if (Enabled() && (Message.WParam == VK_RETURN || Message.WParam == VK_SPACE)) {
    bDown = true;
    bKeyDown = static_cast<WORD>(Message.WParam);
    RepaintNow();
  }
}

void TLbButton::CNKeyUp(TMessage& Message) {
  TCustomControl::CNKeyUp(Message);
  // Only the release of a key that went down here clicks: the release of the
  // Return that closed a dialog must not press the button that has the focus
  // in the window below.
  if ((Message.WParam == VK_RETURN || Message.WParam == VK_SPACE) && bKeyDown == Message.WParam) Click();
  bKeyDown = 0;
  RepaintNow();
}

void TLbButton::CMDialogChar(TMessage& Message) {
  if (IsAccel(static_cast<char32_t>(Message.WParam), Caption()) && Visible() && Enabled() &&
      Parent() != nullptr && Parent()->Showing()) {
    bDown = true;
    Click();
    Message.Result = 1;
    return;
  }
  TCustomControl::CMDialogChar(Message);
}

void TLbButton::CMDialogKey(TMessage& Message) {
  bool acts = false;
  // A hidden or disabled Default button leaves Return to the others.
  if (Message.WParam == VK_RETURN && FDefault)
    acts = Visible() && Enabled();
  else if (Message.WParam == VK_ESCAPE && FCancel)
    acts = KeyDataToShiftState(Message.LParam).Empty() && Visible() && Enabled();
  // A focused push button takes Return itself (on key-up); Escape it does
  // not handle, so Escape still reaches the Cancel button.
  if (acts && Message.WParam == VK_RETURN) {
    TCustomForm* form = OwningForm(this);
    if (form != nullptr && IsPushButton(form->ActiveControl())) acts = false;
  }
  if (acts) {
    bDown = true;
    Click();
    Message.Result = 1;
    return;
  }
  TCustomControl::CMDialogKey(Message);
}

void TLbButton::WMEraseBkgnd(TMessage& Message) {
  // The see-through styles let the parent's colour show at their corners.
  auto* DC = reinterpret_cast<TCanvas*>(Message.WParam);
  if (DC != nullptr && IsTransparentStyle() && Parent() != nullptr) {
    DC->Brush()->SetStyle(bsSolid);
    DC->Brush()->SetColor(Parent()->Color());
    DC->FillRect(ClientRect());
    Message.Result = 1;
    return;
  }
  TCustomControl::WMEraseBkgnd(Message);
}

void TLbButton::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  if (IsTransparentStyle()) Params.ExStyle |= WS_EX_TRANSPARENT;
}

// ---- Painting ----

void TLbButton::Paint() {
  const TComponentState& state = ComponentState();
  if ((!Visible() && !state.Contains(csDesigning)) || state.Contains(csLoading) ||
      state.Contains(csDestroying) || FDestroying)
    return;
  const int W = Width(), H = Height();
  if (W <= 0 || H <= 0) return;

  const bool focused = Focused();
  const bool hot = bCursorOnButton || focused;
  TBitmap picture(W, H);
  TFont font;
  font.Assign(hot && FUseHTFont ? FHTFont.get() : Font());
  TCanvas* pc = picture.Canvas();
  if (IsTransparentStyle()) {
    picture.SetTransparentColor(clLbTransparent);
    picture.SetTransparent(true);
    pc->Brush()->SetStyle(bsSolid);
    pc->Brush()->SetColor(clLbTransparent);
    pc->FillRect(TRect(0, 0, W, H));
  }

  const bool hasPopup = PopupMenu() != nullptr;
  if (FStyle == bsOld && focused) {
    // The focused classic button: the face one pixel in, inside a black frame.
    DrawLbButton(pc, W - 2, H - 2, FAlignment, Caption(), FLayout, &font, FShadowColor,
                 bDown ? FShadowColor : FLightColor, FHotTrackColor, FColorWhenDown, Color(), FStyle,
                 hasPopup, FWordWrap, FFlat, Enabled(), false, hot, bDown, FGlyph.get(), FNumGlyphs,
                 FHotTrackStep);
    TBitmap copy;
    copy.Assign(&picture);
    pc->Draw(1, 1, &copy);
    pc->Brush()->SetStyle(bsClear);
    pc->Pen()->SetStyle(psSolid);
    pc->Pen()->SetColor(clBlack);
    pc->Rectangle(0, 0, W, H);
  } else {
    DrawLbButton(pc, W, H, FAlignment, Caption(), FLayout, &font, FShadowColor, FLightColor, FHotTrackColor,
                 FColorWhenDown, Color(), FStyle, hasPopup, FWordWrap, FFlat, Enabled(), false, hot, bDown,
                 FGlyph.get(), FNumGlyphs, FHotTrackStep);
  }
  Canvas()->Draw(0, 0, &picture);
  if (focused && Enabled() && FStyle != bsShape) Canvas()->DrawFocusRect(TRect(4, 4, W - 4, H - 4));
}

// ---- Stored layouts ----

CF_ENUM_IDENTS(TLbButtonStyle, bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken)
CF_ENUM_IDENTS(TLbColorStyle, lcsCustom, lcsGold, lcsChrome, lcsBlue, lcsRed, lcsUltraFlat1, lcsUltraFlat2,
               lcsUltraFlatXP, lcsAqua, lcsDefault, lcsQuicken)
CF_ENUM_IDENTS(TLbButtonKind, bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry,
               bkIgnore, bkAll)
CF_ENUM_IDENTS(TLbButtonLayout, TLbButtonLayout::blGlyphLeft, TLbButtonLayout::blGlyphRight,
               TLbButtonLayout::blGlyphTop, TLbButtonLayout::blGlyphBottom)
CF_ENUM_IDENTS(TLbDragMode, TLbDragMode::dmManual, TLbDragMode::dmAutomatic)
CF_ENUM_IDENTS(TLbDragKind, TLbDragKind::dkDrag, TLbDragKind::dkDock)

// The button's own properties in their published order; Color and TabStop
// keep their inherited place with the button's defaults.
CF_PUBLISH(TLbButton, TCustomControl) {
  using C = TLbButton;
  P.Component("Action", &C::Action, &C::SetAction);
  P.Enum("Alignment", &C::Alignment, &C::SetAlignment).Default(taCenter);
  P.Bool("Cancel", &C::Cancel, &C::SetCancel).Default(false);
  P.String("Caption", &C::Caption, &C::SetCaption);
  P.Color("Color", &C::Color, &C::SetColor).Default(clBtnFace).Stored([](C* c) { return !c->ParentColor(); });
  P.Enum("ColorStyle", &C::ColorStyle, &C::SetColorStyle).Default(lcsCustom);
  P.Color("ColorWhenDown", &C::ColorWhenDown, &C::SetColorWhenDown).Default(clNone);
  P.Bool("Default", &C::Default, &C::SetDefault).Default(false);
  P.Integer("DragCursor", &C::DragCursor, &C::SetDragCursor).Idents("TCursor").Default(crDrag);
  P.Enum("DragKind", &C::DragKind, &C::SetDragKind).Default(TLbDragKind::dkDrag);
  P.Enum("DragMode", &C::DragMode, &C::SetDragMode).Default(TLbDragMode::dmManual);
  P.Bool("Flat", &C::Flat, &C::SetFlat).Default(false);
  P.Object("Glyph", [](C* c) { return c->Glyph(); });
  P.Color("HotTrackColor", &C::HotTrackColor, &C::SetHotTrackColor).Default(clNone);
  P.Object("HotTrackFont", [](C* c) { return c->HotTrackFont(); });
  P.Enum("Kind", &C::Kind, &C::SetKind).Default(bkCustom);
  P.Enum("Layout", &C::Layout, &C::SetLayout).Default(TLbButtonLayout::blGlyphLeft);
  P.Color("LightColor", &C::LightColor, &C::SetLightColor).Default(0xFFFFFF);
  P.Integer("ModalResult", &C::ModalResult, &C::SetModalResult).Idents("TModalResult").Default(mrNone);
  P.Integer("NumGlyphs", &C::NumGlyphs, &C::SetNumGlyphs).Default(0);
  P.Color("ShadowColor", &C::ShadowColor, &C::SetShadowColor).Default(0x808080);
  P.Bool("SlowDecease", &C::SlowDecease, &C::SetSlowDecease).Default(false);
  P.Enum("Style", &C::Style, &C::SetStyle).Default(bsNormal);
  P.Bool("TabStop", &C::TabStop, &C::SetTabStop).Default(true);
  P.Bool("UseHotTrackFont", &C::UseHotTrackFont, &C::SetUseHotTrackFont).Default(false);
  P.Bool("WordWrap", &C::WordWrap, &C::SetWordWrap).Default(false);
  P.Event("OnDragDrop", &C::OnDragDrop);
  P.Event("OnDragOver", &C::OnDragOver);
  P.Event("OnEndDrag", &C::OnEndDrag);
  P.Event("OnMouseExit", &C::OnMouseExit);
  P.Event("OnStartDrag", &C::OnStartDrag);
}

void RegisterActionClasses();

void RegisterLbButtonClasses() {
  static const bool done = [] {
    RegisterClass<TLbButton>();
    RegisterActionClasses();
    return true;
  }();
  (void)done;
}
