#include "grid/base/DUDEdit.h"

#include <algorithm>

#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/Clipbrd.h"
#include "framework/controls/Forms.h"
#include "framework/graphics/Gdi.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/DudLook.h"

void LinkDudEditPublished();

// ---- TVevSpeedButton ----

TVevSpeedButton::TVevSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {}

void TVevSpeedButton::SetIsWinXP(bool Value) {
  isWinXP_ = Value;
  Invalidate();
}

void TVevSpeedButton::SetFlat(bool Value) {
  flat_ = Value;
  Invalidate();
}

void TVevSpeedButton::WndProc(TMessage& Message) {
  if ((Message.Msg == CM_MOUSEENTER || Message.Msg == CM_MOUSELEAVE) && Message.LParam == 0) {
    TSpeedButton::WndProc(Message);
    hot_ = Message.Msg == CM_MOUSEENTER;
    Repaint();
    return;
  }
  TSpeedButton::WndProc(Message);
}

void TVevSpeedButton::Paint() {
  UpdateStateForPaint();
  auto* owner = dynamic_cast<TDudEditButton*>(Parent());
  TCanvas* c = Canvas();
  c->Font()->Assign(Font());
  TRect r(0, 0, Width(), Height());
  bool pressed = state_ == bsDown || state_ == bsExclusive;
  if (owner != nullptr && owner->ButtonColor() != clNone) {
    TColor face = pressed ? owner->ButtonColorDown() : hot_ ? owner->ButtonColorHot() : owner->ButtonColor();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(face);
    c->Pen()->SetColor(face);
    c->FillRect(r);
  } else if (HTHEME th = isWinXP_ && DudThemeActive() ? OpenThemeData(0, "button") : nullptr) {
    DrawThemeBackground(th, c, BP_PUSHBUTTON,
                        pressed ? PBS_PRESSED
                        : hot_  ? PBS_HOT
                                : PBS_NORMAL,
                        r, nullptr);
    CloseThemeData(th);
  } else if (flat_) {
    DrawEdge(c, r, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_MIDDLE);
    InflateRect(r, -1, -1);
  } else {
    DrawFrameControl(c, r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pressed ? DFCS_PUSHED : 0u));
  }
  int shift = pressed ? 1 : 0;
  if (!Glyph()->Empty()) {
    std::unique_ptr<TBitmap> image = GlyphImage(state_);
    int x = image->Width() < Width() ? (Width() - image->Width()) / 2 : 0;
    int y = image->Height() < Height() ? (Height() - image->Height()) / 2 : 0;
    DrawTransparentBitmap(c, x + shift, y + shift, image.get());
  }
  std::string caption = Caption();
  if (!caption.empty()) {
    c->Brush()->SetStyle(bsClear);
    c->Font()->SetColor(clBlack);
    TRect t = r;
    OffsetRect(t, shift, shift);
    DrawText(c, caption, t, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  }
}

// ---- TDudEditButton ----

TDudEditButton::TDudEditButton(TComponent* AOwner) : TWinControl(AOwner) {
  controlStyle_ = controlStyle_ - TControlStyle{csAcceptsControls, csSetCaption};
  SetBounds(0, 0, 20, 25);
  button_ = new TVevSpeedButton(this);
  button_->SetVisible(true);
  button_->SetEnabled(true);
  button_->SetParent(this);
  button_->SetCaption("");
  button_->OnMouseUp = [this](TObject*, TMouseButton B, TShiftState, int X, int Y) {
    ButtonMouseUp(B, X, Y);
  };
  LayoutButton();
}

TDudEditButton::~TDudEditButton() {
  if (focusControl_ != nullptr) focusControl_->RemoveFreeNotification(this);
}

void TDudEditButton::SetFlat(bool Value) {
  flat_ = Value;
  button_->SetFlat(Value);
}

void TDudEditButton::SetButtonColor(TColor Value) {
  buttonColor_ = Value;
  button_->Invalidate();
}

void TDudEditButton::SetFocusControl(TWinControl* Value) {
  if (focusControl_ != nullptr && focusControl_ != Value) focusControl_->RemoveFreeNotification(this);
  focusControl_ = Value;
  if (Value != nullptr) Value->FreeNotification(this);
}

void TDudEditButton::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == focusControl_) focusControl_ = nullptr;
}

void TDudEditButton::LayoutButton() {
  if (button_ == nullptr || ComponentState().Contains(csLoading)) return;
  button_->SetBounds(0, 0, ClientWidth(), ClientHeight());
}

void TDudEditButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  LayoutButton();
}

void TDudEditButton::Loaded() {
  TWinControl::Loaded();
  LayoutButton();
}

void TDudEditButton::ButtonMouseUp(TMouseButton Button, int X, int Y) {
  if (Button != mbLeft) return;
  // Released off the button is no click.
  if (X < 0 || Y < 0 || X >= button_->Width() || Y >= button_->Height()) return;
  if (OnClick) OnClick(this);
  if (focusControl_ != nullptr && focusControl_->TabStop() && focusControl_->CanFocus() &&
      !focusControl_->Focused())
    focusControl_->SetFocus();
  else if (TabStop() && CanFocus() && !Focused())
    SetFocus();
}

void TDudEditButton::WndProc(TMessage& Message) {
  if (Message.Msg == WM_SIZE) {
    TWinControl::WndProc(Message);
    LayoutButton();
    return;
  }
  TWinControl::WndProc(Message);
}

// ---- TDudEditBtn ----

TDudEditBtn::TDudEditBtn(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
  LinkDudEditPublished();
  button_ = new TDudEditButton(this);
  button_->SetBounds(0, 0, 18, 18);
  button_->SetVisible(true);
  button_->SetParent(this);
  button_->SetFocusControl(this);
  button_->OnClick = [this](TObject* s) { DoClickBtn(s); };
  SetText("0");
  controlStyle_ >> csSetCaption;
}

TDudEditBtn::~TDudEditBtn() { button_ = nullptr; }

void TDudEditBtn::SetButtonWidth(int Value) {
  buttonWidth_ = Value;
  button_->SetWidth(Value);
  SetEditRect();
}

void TDudEditBtn::SetIsWinXP(bool Value) {
  isWinXP_ = Value;
  button_->Button()->SetIsWinXP(Value);
}

void TDudEditBtn::SetRightAlign(bool Value) {
  if (rightAlign_ == Value) return;
  rightAlign_ = Value;
  SetAlignment(Value ? taRightJustify : taLeftJustify);
  if (HandleAllocated()) RecreateWnd();
}

void TDudEditBtn::CreateParams(TCreateParams& Params) {
  TCustomMaskEdit::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN;
  if (rightAlign_) Params.Style |= ES_RIGHT;
}

void TDudEditBtn::CreateWnd() {
  TCustomMaskEdit::CreateWnd();
  SetEditRect();
}

void TDudEditBtn::SetEditRect() {
  if (!HandleAllocated() || button_ == nullptr) return;
  int inset = BorderStyle() == bsNone ? 3 : 1;
  int right = ClientWidth() - (button_->Width() + unitSize_ + 5);
  if (unitSize_ > 0) right -= 3;
  TRect r(inset, inset, std::max(inset, right), ClientHeight() + 1);
  Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
}

void TDudEditBtn::WMSize(TMessage& Message) {
  TCustomMaskEdit::WMSize(Message);
  if (button_ == nullptr) return;
  TCanvas* c = EditCanvas();
  c->Font()->Assign(Font());
  int fh = c->TextMetrics().tmHeight;
  TFont system;
  c->Font()->Assign(&system);
  int sh = c->TextMetrics().tmHeight;
  c->Font()->Assign(Font());
  int minH = fh + std::min(fh, sh) / 4;
  if (Height() < minH) {
    SetHeight(minH);
    return;
  }
  bool noBorder = BorderStyle() == bsNone;
  if (Ctl3D())
    button_->SetBounds(Width() - button_->Width() - 5 + (noBorder ? 4 : 0), 0, button_->Width(),
                       Height() - 5 + (noBorder ? 4 : 0));
  else
    button_->SetBounds(Width() - button_->Width(), 1, button_->Width(), Height() - 3);
  SetEditRect();
}

void TDudEditBtn::DoClickBtn(TObject* Sender) {
  if (OnClickBtn) OnClickBtn(Sender);
}

void TDudEditBtn::KeyDown(WORD& Key, TShiftState Shift) {
  TCustomMaskEdit::KeyDown(Key, Shift);
  if (Key == VK_F4 && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_LMENU) >= 0 &&
      GetKeyState(VK_RMENU) >= 0)
    DoClickBtn(this);
}

void TDudEditBtn::CMEnter(TMessage& Message) {
  if (AutoSelect() && !controlState_.Contains(csLButtonDown)) SelectAll();
  TWinControl::CMEnter(Message);
}

void TDudEditBtn::PasteLine() {
  std::u32string clip = Utf8ToUtf32(Clipboard()->AsText());
  auto br = clip.find_first_of(U"\r\n");
  if (br != std::u32string::npos) clip.resize(br);
  // A single-line field takes no tabs or other control characters.
  clip.erase(std::remove_if(clip.begin(), clip.end(), [](char32_t c) { return c < 32 || c == 127; }),
             clip.end());
  if (clip.empty()) return;
  ReplaceSelection(clip, false);
}

void TDudEditBtn::DefaultHandler(TMessage& Message) {
  if (DudRouteClipboardKeys(this, Message)) return;
  TCustomMaskEdit::DefaultHandler(Message);
}

void TDudEditBtn::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_CHAR:
      // Without typing no character reaches the edit (copying still works).
      if (!editorEnabled_ && Message.WParam != 3) return;
      break;
    case WM_PASTE:
      if (editorEnabled_ && !ReadOnly()) PasteLine();
      return;
    case WM_CUT:
      if (!editorEnabled_ || ReadOnly()) return;
      break;
    default:
      break;
  }
  TCustomMaskEdit::WndProc(Message);
}

// ---- TDudUnitEditBtn ----

TDudUnitEditBtn::TDudUnitEditBtn(TComponent* AOwner)
    : TDudEditBtn(AOwner), units_(std::make_unique<TStringList>()) {
  SetUnitSize(20);
  SetRightAlign(true);
}

TDudUnitEditBtn::~TDudUnitEditBtn() { units_.reset(); }

void TDudUnitEditBtn::SetUnits(TStrings* Value) {
  if (Value != nullptr) units_->Assign(Value);
}

void TDudUnitEditBtn::SetUnitID(const std::string& Value) {
  unitID_ = Value;
  Invalidate();
}

void TDudUnitEditBtn::SetUnitSpace(int Value) {
  SetUnitSize(Value);
  SetEditRect();
  Invalidate();
}

std::string TDudUnitEditBtn::TextAndUnit() const { return Text() + unitID_; }

void TDudUnitEditBtn::SetTextAndUnit(const std::string& Value) {
  for (int i = 0; i < units_->Count(); ++i) {
    std::string unit = units_->Strings(i);
    int p = Pos(unit, Value);
    if (p >= 0 && p == static_cast<int>(Value.size() - unit.size())) {
      SetText(Value.substr(0, static_cast<size_t>(p)));
      SetUnitID(Value.substr(static_cast<size_t>(p)));
      return;
    }
  }
}

TRect TDudUnitEditBtn::UnitRect() const {
  int right = ClientWidth() - (Button()->Width() + 3);
  return TRect(right - UnitSize(), 2, right, ClientHeight());
}

void TDudUnitEditBtn::DoClickBtn(TObject* Sender) {
  if (OnClickBtn) OnClickBtn(Sender);
  std::vector<TPopupMenuEntry> entries;
  for (int i = 0; i < units_->Count(); ++i) {
    TPopupMenuEntry e;
    e.Caption = units_->Strings(i);
    entries.push_back(e);
  }
  if (entries.empty()) return;
  TPoint at = ClientToScreen(TPoint(ClientWidth() - 15, ClientHeight()));
  int chosen = InteractionHook()->PopupMenu(entries, at);
  // The chosen item comes back as its command, as from the platform's menu.
  if (chosen >= 0) Perform(WM_COMMAND, MakeWParam(chosen + 1, 0), 0);
}

void TDudUnitEditBtn::WndProc(TMessage& Message) {
  if (Message.Msg == WM_COMMAND && Message.WParamHi() != 0x300) {
    int id = Message.WParamLo();
    if (id >= 1 && id <= units_->Count()) {
      std::string unit = units_->Strings(id - 1);
      bool changed = unit != unitID_;
      SetUnitID(unit);
      if (changed && OnUnitChanged) OnUnitChanged(this, unit);
      return;
    }
  }
  TDudEditBtn::WndProc(Message);
}

void TDudUnitEditBtn::WMPaint(TMessage& Message) {
  TDudEditBtn::WMPaint(Message);
  auto* DC = reinterpret_cast<TCanvas*>(Message.WParam);
  if (DC == nullptr) return;
  TRect r = UnitRect();
  DC->Font()->Assign(Font());
  if (!Enabled()) DC->Font()->SetColor(clGrayText);
  DC->Brush()->SetStyle(bsClear);
  DrawText(DC, unitID_, r, DT_EDITCONTROL);
}
