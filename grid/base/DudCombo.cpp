#include "grid/base/DudCombo.h"

#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/Forms.h"
#include "framework/controls/StdCtrls.h"
#include "framework/graphics/Gdi.h"
#include "grid/base/DudLook.h"

void LinkDudComboPublished();

namespace {
// The themed disabled border (red 127, green 157, blue 185).
constexpr TColor kThemedDisabledBorder = 0xB99D7F;

void FrameIn(TCanvas* DC, const TRect& R, TColor Color) {
  DC->Brush()->SetStyle(bsSolid);
  DC->Brush()->SetColor(Color);
  DC->FrameRect(R);
}
}  // namespace

TDudCustomCombo::TDudCustomCombo(TComponent* AOwner)
    : TCustomComboBox(AOwner), labelFont_(std::make_unique<TFont>()) {
  LinkDudComboPublished();
  buttonWidth_ = GetSystemMetrics(SM_CXVSCROLL) + 2;
  isThemed_ = DudCommonControls6();
  labelFont_->OnChange = [this](TObject* s) { LabelFontChanged(s); };
  // The colour restored after the focus is the control's own from the start.
  normalColor_ = Color();
}

TDudCustomCombo::~TDudCustomCombo() {
  labelFont_->OnChange = nullptr;
  delete label_;
  label_ = nullptr;
}

// ---- Properties ----

void TDudCustomCombo::SetBorderColor(TColor Value) {
  if (borderColor_ == Value) return;
  borderColor_ = Value;
  if (HandleAllocated()) RedrawBorders();
}

void TDudCustomCombo::SetButtonWidth(int Value) {
  if (Value < 14 || Value > 32) return;
  buttonWidth_ = Value;
  Invalidate();
}

void TDudCustomCombo::SetFlat(bool Value) {
  if (flat_ == Value) return;
  flat_ = Value;
  SetCtl3D(!Value);
  // Not the layout's colour: Loaded puts that back.
  if (flatParentColor_ && flat_ && Parent() != nullptr)
    TCustomComboBox::SetColor(Parent()->Brush()->Color());
  else
    TCustomComboBox::SetColor(loadedColor_);
  Invalidate();
}

void TDudCustomCombo::SetFlatLineColor(TColor Value) {
  flatLineColor_ = Value;
  Invalidate();
}

void TDudCustomCombo::SetFlatParentColor(bool Value) {
  flatParentColor_ = Value;
  Invalidate();
}

void TDudCustomCombo::SetEtched(bool Value) {
  if (etched_ == Value) return;
  etched_ = Value;
  Invalidate();
}

void TDudCustomCombo::SetDropWidth(int Value) {
  dropWidth_ = Value;
  if (Value > 0) Perform(CB_SETDROPPEDWIDTH, static_cast<WPARAM>(Value), 0);
}

void TDudCustomCombo::SetColor(TColor Value) {
  if (ComponentState().Contains(csLoading)) loadedColor_ = Value;
  TCustomComboBox::SetColor(Value);
}

void TDudCustomCombo::ApplyFocusColor(TColor Value) {
  applyingFocusColor_ = true;
  try {
    TCustomComboBox::SetColor(Value);
  } catch (...) {
    applyingFocusColor_ = false;
    throw;
  }
  applyingFocusColor_ = false;
}

void TDudCustomCombo::SetEnabled(bool Value) {
  bool old = Enabled();
  TCustomComboBox::SetEnabled(Value);
  if (ComponentState().Contains(csLoading) || old == Value) return;
  if (label_ != nullptr && !labelAlwaysEnabled_) {
    label_->SetEnabled(Value);
    UpdateLabel();
  }
}

void TDudCustomCombo::SetParent(TWinControl* AParent) {
  TCustomComboBox::SetParent(AParent);
  // A label made before the control had a parent joins it there.
  if (label_ != nullptr && label_->Parent() != AParent) {
    label_->SetParent(AParent);
    UpdateLabel();
  }
}

void TDudCustomCombo::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomComboBox::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (label_ != nullptr && !ComponentState().Contains(csDestroying)) UpdateLabel();
}

void TDudCustomCombo::Init() { normalColor_ = Color(); }

void TDudCustomCombo::SelectItem(const std::string& AString) {
  auto index = static_cast<int>(
      Perform(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(AString.c_str())));
  if (index >= 0) SetItemIndex(index);
}

void TDudCustomCombo::Loaded() {
  TCustomComboBox::Loaded();
  if (dropWidth_ > 0) Perform(CB_SETDROPPEDWIDTH, static_cast<WPARAM>(dropWidth_), 0);
  oldColor_ = loadedColor_;
  if (!(flatParentColor_ && !flat_)) SetColor(loadedColor_);
  if (!labelAlwaysEnabled_ && label_ != nullptr) label_->SetEnabled(Enabled());
  if (ParentFont() && label_ != nullptr) label_->Font()->Assign(Font());
  if (label_ != nullptr) UpdateLabel();
  Init();
}

// ---- The label ----

void TDudCustomCombo::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomComboBox::Notification(AComponent, Operation);
  // The label sits on the parent, which may free it first.
  if (Operation == opRemove && AComponent == label_) label_ = nullptr;
}

std::string TDudCustomCombo::LabelCaption() const {
  return label_ != nullptr ? label_->Caption() : std::string();
}

void TDudCustomCombo::SetLabelCaption(const std::string& Value) {
  if (label_ == nullptr) CreateLabel();
  label_->SetCaption(Value);
  UpdateLabel();
}

void TDudCustomCombo::SetLabelPosition(TLabelPosition Value) {
  labelPosition_ = Value;
  if (label_ != nullptr) UpdateLabel();
}

void TDudCustomCombo::SetLabelMargin(int Value) {
  labelMargin_ = Value;
  if (label_ != nullptr) UpdateLabel();
}

void TDudCustomCombo::SetLabelTransparent(bool Value) {
  labelTransparent_ = Value;
  if (label_ != nullptr) UpdateLabel();
}

void TDudCustomCombo::SetLabelAlwaysEnabled(bool Value) {
  labelAlwaysEnabled_ = Value;
  if (label_ != nullptr) UpdateLabel();
}

void TDudCustomCombo::SetLabelFont(TFont* Value) {
  if (!ParentFont() && Value != nullptr) labelFont_->Assign(Value);
  if (label_ != nullptr) UpdateLabel();
}

void TDudCustomCombo::CreateLabel() {
  label_ = new TLabel(this);
  label_->SetParent(Parent());
  label_->SetFocusControl(this);
  label_->Font()->Assign(labelFont_.get());
  label_->SetParentFont(ParentFont());
}

void TDudCustomCombo::LabelFontChanged(TObject*) {
  if (label_ == nullptr) return;
  UpdateLabel();
  // A label font chosen in the designer is the label's own from then on.
  if (ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading)) SetParentFont(false);
}

void TDudCustomCombo::UpdateLabel() {
  if (label_ == nullptr) return;
  label_->SetTransparent(labelTransparent_);
  if (!ParentFont()) label_->Font()->Assign(labelFont_.get());
  TRect r(0, 0, 1000, 255);
  TCanvas* c = label_->Canvas();
  c->Font()->Assign(label_->Font());
  DrawText(c, label_->Caption(), r, DT_CALCRECT | DT_HIDEPREFIX);
  int w = r.Width();
  int l = Left(), t = Top(), wd = Width(), h = Height();
  int lh = label_->Height(), lw = label_->Width(), m = labelMargin_;
  int top = t, left = l;
  switch (labelPosition_) {
    case lpLeftTop:
      top = t, left = l - w - m;
      break;
    case lpLeftCenter:
      top = t + (h - lh) / 2, left = l - w - m;
      break;
    case lpLeftBottom:
      top = t + h - lh, left = l - w - m;
      break;
    case lpTopLeft:
      top = t - lh - m, left = l;
      break;
    case lpBottomLeft:
      top = t + h + m, left = l;
      break;
    case lpLeftTopLeft:
      top = t, left = l - m;
      break;
    case lpLeftCenterLeft:
      top = t + (h - lh) / 2, left = l - m;
      break;
    case lpLeftBottomLeft:
      top = t + h - lh, left = l - m;
      break;
    case lpTopCenter:
      top = t - lh - m, left = l + (wd - lw) / 2;
      break;
    case lpBottomCenter:
      top = t + h + m, left = l + (wd - lw) / 2;
      break;
    case lpRightTop:
      top = t, left = l + wd + m;
      break;
    case lpRightCenter:
      top = t + (h - lh) / 2, left = l + wd + m;
      break;
    case lpRighBottom:
      top = t + h - lh, left = l + wd + m;
      break;
    case lpTopRight:
      top = t - lh - m, left = l + wd - lw;
      break;
    case lpBottomRight:
      top = t + h + m, left = l + wd - lw;
      break;
  }
  label_->SetBounds(left, top, label_->Width(), label_->Height());
  label_->SetVisible(Visible());
}

void TDudCustomCombo::SetLabelBold(bool Bold) {
  if (!focusLabel_ || label_ == nullptr) return;
  TFontStyles s = label_->Font()->Style();
  if (Bold)
    s << fsBold;
  else
    s >> fsBold;
  label_->Font()->SetStyle(s);
}

// ---- Looks ----

bool TDudCustomCombo::DoVisualStyles() const { return isThemed_ && DudThemeActive(); }

bool TDudCustomCombo::IsHot() const {
  return mouseInControl_ || (Screen != nullptr && Screen->ActiveControl() == this);
}

bool TDudCustomCombo::ShowFocusBorder() const { return IsHot() && focusBorder_; }

bool TDudCustomCombo::OwnPainting() {
  if (isVista_ && buttonColor_ == clNone) return false;
  return flat_ || buttonColor_ != clNone || borderColor_ != clNone ||
         (focusBorderColor_ != clNone && hasFocus_) || (!Enabled() && DoVisualStyles() && !disabledBorder_);
}

void TDudCustomCombo::RedrawBorders() {
  // Borders are drawn while the window paints: ask for the frame and face.
  Invalidate();
}

void TDudCustomCombo::DrawButton(TCanvas* DC) {
  int cw = ClientWidth(), ch = ClientHeight();
  TRect r(cw - buttonWidth_ + 2, 0, cw, ch);
  InflateRect(r, -1, -1);
  if (buttonColor_ != clNone) {
    TColor face = buttonColor_;
    if (buttonHover_) face = buttonColorHot_;
    if (DudMouseButtonDown() && buttonHover_) face = buttonColorDown_;
    DC->Brush()->SetStyle(bsSolid);
    DC->Brush()->SetColor(face);
    DC->Pen()->SetColor(face);
    r = TRect(r.Left - 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    DC->FillRect(r);
    DC->Pen()->SetColor(buttonBorderColor_);
    DC->MoveTo(r.Left, r.Top);
    DC->LineTo(r.Left, r.Bottom);
    TColor arrow = DudMouseButtonDown() ? buttonTextColorDown_ : buttonTextColor_;
    DC->Brush()->SetColor(arrow);
    DC->Pen()->SetColor(arrow);
    TPoint pts[3] = {TPoint(r.Left + 4, r.Top + 7), TPoint(r.Left + 10, r.Top + 7),
                     TPoint(r.Left + 7, r.Top + 10)};
    DC->Polygon(pts, 3);
  } else if (HTHEME th = DoVisualStyles() ? OpenThemeData(0, "combobox") : nullptr) {
    int state = CBXS_NORMAL;
    if (!Enabled())
      state = CBXS_DISABLED;
    else if (DudMouseButtonDown() && DroppedDown())
      state = CBXS_PRESSED;
    else if (!DudMouseButtonDown() && buttonHover_ && !DroppedDown())
      state = CBXS_HOT;
    DrawThemeBackground(th, DC, CP_DROPDOWNBUTTON, state, r, nullptr);
    CloseThemeData(th);
  } else {
    r = TRect(r.Left - 4, r.Top + 1, r.Right, r.Bottom - 1);
    DrawFrameControl(DC, r, DFC_SCROLL,
                     Enabled() ? DFCS_SCROLLCOMBOBOX | DFCS_FLAT : DFCS_SCROLLCOMBOBOX | DFCS_INACTIVE);
  }
  // The text drawn next stays out of the button strip.
  DC->ExcludeClipRect(TRect(cw - buttonWidth_ - 4, 0, cw + 2, ch));
}

void TDudCustomCombo::DrawBorders(TCanvas* WindowDC) {
  if ((Enabled() && !flat_ && borderColor_ == clNone && focusBorderColor_ == clNone) ||
      (isVista_ && borderColor_ == clNone))
    return;
  int saved = WindowDC->SaveDC();
  DrawBorder(WindowDC);
  if (Style() != csSimple && !(isWinXP_ && DoVisualStyles())) DrawButtonFrame(WindowDC);
  WindowDC->RestoreDC(saved);
}

void TDudCustomCombo::DrawBorder(TCanvas* DC) {
  TRect r(0, 0, Width(), Height());
  if (!Enabled() && isThemed_ && !disabledBorder_) {
    FrameIn(DC, r, kThemedDisabledBorder);
    return;
  }
  if (borderColor_ != clNone && !(hasFocus_ && focusBorderColor_ != clNone)) {
    FrameIn(DC, r, borderColor_);
    return;
  }
  if (focusBorderColor_ != clNone) {
    if (hasFocus_) FrameIn(DC, r, focusBorderColor_);
    return;
  }
  TColor outer =
      ShowFocusBorder() ? clBtnFace : (Parent() != nullptr ? Parent()->Brush()->Color() : clBtnFace);
  TColor inner = Color();
  if (ShowFocusBorder()) {
    DrawEdge(DC, r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    FrameIn(DC, r, outer);
    InflateRect(r, -1, -1);
    FrameIn(DC, r, inner);
  } else {
    FrameIn(DC, r, outer);
    InflateRect(r, -1, -1);
    r.Right -= buttonWidth_;
    FrameIn(DC, r, outer);
    InflateRect(r, -1, -1);
    FrameIn(DC, r, inner);
    r.Right += buttonWidth_;
  }
  if (flat_ && flatLineColor_ != clNone) {
    DC->Pen()->SetStyle(psSolid);
    DC->Pen()->SetWidth(1);
    DC->Pen()->SetColor(flatLineColor_);
    DC->MoveTo(r.Left - 2, Height() - 1);
    DC->LineTo(r.Right - buttonWidth_ - 1, Height() - 1);
  }
}

void TDudCustomCombo::DrawButtonFrame(TCanvas* DC) {
  // On the window's own coordinates the client area starts at its corner,
  // as on the platform this look was made for.
  int cw = Width(), ch = Height();
  DC->ExcludeClipRect(TRect(cw - buttonWidth_ + 4, 4, cw - 4, ch - 4));
  TRect r(cw - buttonWidth_ - 2, 0, Width(), Height());
  InflateRect(r, -2, -2);
  if (!IsHot()) {
    TRect f(r.Left, r.Top + 1, r.Right - 1, r.Bottom - 1);
    DC->Brush()->SetStyle(bsSolid);
    DC->Brush()->SetColor(clBtnFace);
    DC->FillRect(f);
  }
  DC->ExcludeClipRect(r);
}

void TDudCustomCombo::WMPaint(TMessage& Message) {
  auto* DC = reinterpret_cast<TCanvas*>(Message.WParam);
  if (DC == nullptr || !OwnPainting()) {
    TCustomComboBox::WMPaint(Message);
    return;
  }
  int saved = DC->SaveDC();
  if (Style() != csSimple) {
    DC->Brush()->SetStyle(bsSolid);
    DC->Brush()->SetColor(Brush()->Color());
    DC->FillRect(ClientRect());
    if (!UseRightToLeftAlignment()) DrawButton(DC);
  }
  // The framework draws the text, kept out of the button.
  TCustomComboBox::WMPaint(Message);
  DC->RestoreDC(saved);
  if (UseRightToLeftAlignment()) return;
  TRect ins = NonClientInsets();
  int s2 = DC->SaveDC();
  TPoint org = DC->WindowOrg();
  DC->SetWindowOrg(TPoint(org.X + ins.Left, org.Y + ins.Top));
  DrawBorders(DC);
  DC->SetWindowOrg(org);
  DC->RestoreDC(s2);
}

void TDudCustomCombo::WMNCPaint(TMessage& Message) {
  TCustomComboBox::WMNCPaint(Message);
  auto* DC = reinterpret_cast<TCanvas*>(Message.WParam);
  if (DC == nullptr) return;
  if (flat_ || (!Enabled() && DoVisualStyles() && !disabledBorder_)) DrawBorders(DC);
  if ((focusBorderColor_ != clNone && Focused()) || borderColor_ != clNone) DrawBorders(DC);
}

// ---- Input and notices ----

void TDudCustomCombo::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomComboBox::MouseMove(Shift, X, Y);
  bool hover = Width() - buttonWidth_ < X && X < Width();
  if (hover != buttonHover_) {
    buttonHover_ = hover;
    Invalidate();
  }
}

void TDudCustomCombo::CMEnter(TMessage& Message) {
  TCustomComboBox::CMEnter(Message);
  if (ComponentState().Contains(csDesigning)) return;
  hasFocus_ = true;
  RedrawBorders();
  if (focusColor_ != clNone) ApplyFocusColor(focusColor_);
  SetLabelBold(true);
}

void TDudCustomCombo::CMExit(TMessage& Message) {
  TCustomComboBox::CMExit(Message);
  if (ComponentState().Contains(csDesigning)) return;
  hasFocus_ = false;
  RedrawBorders();
  if (focusColor_ != clNone && normalColor_ != clNone) ApplyFocusColor(normalColor_);
  SetLabelBold(false);
}

void TDudCustomCombo::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND: {
      TCustomComboBox::WndProc(Message);
      UINT code = Message.WParamHi();
      if (code == CBN_DROPDOWN || code == CBN_CLOSEUP) {
        TRect c = ClientRect();
        TRect b(c.Right - buttonWidth_, c.Top, c.Right, c.Bottom);
        InvalidateRect(&b, false);
        if (code == CBN_CLOSEUP && OnDropUp) OnDropUp(this);
      }
      return;
    }
    case CM_MOUSEENTER:
      TCustomComboBox::WndProc(Message);
      if (Message.LParam != 0) return;
      if (!mouseInControl_ && Enabled()) {
        mouseInControl_ = true;
        RedrawBorders();
      }
      if (autoFocus_ && !ComponentState().Contains(csDesigning)) {
        TCustomForm* form = GetParentForm(this);
        HWND active = GetActiveWindow();
        if (form == nullptr || (form->HandleAllocated() && form->Handle() == active))
          if (CanFocus()) SetFocus();
      }
      if (isWinXP_) Invalidate();
      return;
    case CM_MOUSELEAVE:
      TCustomComboBox::WndProc(Message);
      if (Message.LParam != 0) return;
      if (mouseInControl_ && Enabled()) {
        mouseInControl_ = false;
        RedrawBorders();
      }
      buttonHover_ = false;
      if (isWinXP_) Invalidate();
      return;
    case CM_ENABLEDCHANGED:
      if (flat_ && !ComponentState().Contains(csLoading)) {
        if (Enabled()) {
          SetParentColor(oldParentColor_);
          SetColor(oldColor_);
        } else {
          oldParentColor_ = ParentColor();
          oldColor_ = Color();
          // A disabled flat control shows its parent's colour.
          SetParentColor(true);
        }
      }
      TCustomComboBox::WndProc(Message);
      return;
    case CM_COLORCHANGED:
      TCustomComboBox::WndProc(Message);
      if (!applyingFocusColor_) normalColor_ = Color();
      return;
    case CM_CTL3DCHANGED:
      TCustomComboBox::WndProc(Message);
      // The border style follows the 3-D look.
      if (HandleAllocated()) RecreateWnd();
      Invalidate();
      return;
    case CM_FONTCHANGED:
      if ((ComponentState().Contains(csLoading) || ComponentState().Contains(csDesigning)) &&
          label_ != nullptr && ParentFont())
        label_->Font()->Assign(Font());
      TCustomComboBox::WndProc(Message);
      return;
    case CM_PARENTFONTCHANGED:
      TCustomComboBox::WndProc(Message);
      if (label_ != nullptr && ParentFont()) {
        label_->Font()->Assign(Font());
        UpdateLabel();
      }
      return;
    case CM_VISIBLECHANGED:
      TCustomComboBox::WndProc(Message);
      if (label_ != nullptr) label_->SetVisible(Visible());
      return;
    case WM_SETFOCUS:
      TCustomComboBox::WndProc(Message);
      if (focusBorderColor_ != clNone) Invalidate();
      if (focusColor_ != clNone) ApplyFocusColor(focusColor_);
      SetLabelBold(true);
      return;
    case WM_KILLFOCUS:
      TCustomComboBox::WndProc(Message);
      if (focusColor_ != clNone && normalColor_ != clNone) ApplyFocusColor(normalColor_);
      SetLabelBold(false);
      Invalidate();
      return;
    default:
      break;
  }
  TCustomComboBox::WndProc(Message);
}
