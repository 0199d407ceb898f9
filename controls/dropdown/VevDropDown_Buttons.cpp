// The drop-down's button part and its speed button: the arrow face (own
// colours, a glyph, themed or classic) and the push-button face.
#include "controls/dropdown/ATXPVS.h"
#include "controls/dropdown/VevDropDown.h"
#include "framework/graphics/Gdi.h"
#include "grid/base/VevDropDownUtil.h"
#include "grid/base/VevStyleIF.h"

// ---- The speed button ----

TVevDropDownSpeedButton::TVevDropDownSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {
  isWinXP_ = IsComCtl6();
}

void TVevDropDownSpeedButton::SetButtonStyle(TButtonStyle Value) {
  buttonStyle_ = Value;
  Invalidate();
}

void TVevDropDownSpeedButton::SetEtched(bool Value) {
  if (etched_ == Value) return;
  etched_ = Value;
  Invalidate();
}

void TVevDropDownSpeedButton::SetFocused(bool Value) {
  if (focused_ == Value) return;
  focused_ = Value;
  Invalidate();
}

bool TVevDropDownSpeedButton::IsPressed() const {
  return (state_ == bsDown || state_ == bsExclusive) && !up_;
}

void TVevDropDownSpeedButton::WndProc(TMessage& Message) {
  TSpeedButton::WndProc(Message);
  if (Message.Msg == CM_MOUSEENTER || Message.Msg == CM_MOUSELEAVE) {
    hot_ = Message.Msg == CM_MOUSEENTER;
    Invalidate();
  }
}

void TVevDropDownSpeedButton::Paint() {
  UpdateStateForPaint();
  if (buttonStyle_ == bsButton)
    DrawButtonFace(Canvas());
  else
    DrawDropDownFace(Canvas());
}

namespace {
bool Themed(bool IsWinXP) { return IsWinXP && DropDownUxThemeActive(); }

void Triangle(TCanvas* C, TColor Color) {
  C->Pen()->SetStyle(psSolid);
  C->Pen()->SetColor(Color);
  C->Brush()->SetStyle(bsSolid);
  C->Brush()->SetColor(Color);
  const TPoint pts[3] = {TPoint(5, 7), TPoint(11, 7), TPoint(8, 10)};
  C->Polygon(pts, 3);
}

// Draws the theme part of Class in R through the drop-down controls' own
// binding.
void DrawThemePart(TCanvas* C, HWND Wnd, const char* Class, int Part, int State, const TRect& R) {
  const TUxThemeEntries& t = DropDownUxTheme();
  HTHEME theme = t.OpenThemeData(Wnd, Class);
  if (theme == nullptr) return;
  t.DrawThemeBackground(theme, C, Part, State, R, nullptr);
  t.CloseThemeData(theme);
}
}  // namespace

void TVevDropDownSpeedButton::DrawDropDownFace(TCanvas* C) {
  auto* part = dynamic_cast<TDropDownEditButton*>(Parent());
  TVevUrizazEvuvUduz* dd = part != nullptr ? part->DropDown() : nullptr;
  const TRect client = ClientRect();
  const bool pressed = IsPressed();
  if (part != nullptr && part->ButtonColor() != clNone) {
    auto pick = [&](TColor normal, TColor hot, TColor down) {
      TColor c = normal;
      if (hot_ && hot != clNone) c = hot;
      if (pressed && down != clNone) c = down;
      return c;
    };
    const TColor face = pick(part->ButtonColor(), part->ButtonColorHot(), part->ButtonColorDown());
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(face);
    C->Pen()->SetStyle(psSolid);
    C->Pen()->SetColor(face);
    C->Rectangle(client);
    if (dd != nullptr && dd->BorderColor() != clNone) {
      C->Pen()->SetColor(dd->BorderColor());
      C->MoveTo(0, client.Top);
      C->LineTo(0, client.Bottom);
    }
    TColor arrow = pick(part->ButtonTextColor(), part->ButtonTextColorHot(), part->ButtonTextColorDown());
    // A button coloured without an arrow colour keeps a black arrow.
    if (arrow == clNone) arrow = clBlack;
    Triangle(C, arrow);
    return;
  }
  if (Glyph() != nullptr && !Glyph()->Empty()) {
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(clBtnFace);
    C->Pen()->SetStyle(psSolid);
    C->Pen()->SetColor(0x808080);
    C->Rectangle(client);
    DrawTransparentBitmap(C, 0, 0, Glyph());
    return;
  }
  const bool enabled = dd == nullptr || (dd->Enabled() && !dd->ReadOnly());
  if (Enabled() != enabled) SetEnabled(enabled);
  if (Themed(isWinXP_) && part != nullptr) {
    TRect r = client;
    if (IsWindowsVistaOrLater()) {
      r.Left += 1;
    } else {
      InflateRect(r, 1, 1);
      r.Left += 2;
    }
    const int state = !enabled ? 4 : pressed ? 3 : hot_ ? 2 : 1;
    DrawThemePart(C, part->Handle(), "combobox", 1, state, r);
    return;
  }
  TSpeedButton::Paint();
  const int w = Width(), h = Height();
  C->Pen()->SetStyle(psSolid);
  C->Pen()->SetColor(clBtnFace);
  C->MoveTo(w - 2, 0);
  C->LineTo(0, 0);
  C->LineTo(0, h - 1);
  C->Pen()->SetColor(clWhite);
  C->MoveTo(w - 3, 1);
  C->LineTo(1, 1);
  C->LineTo(1, h - 2);
  Triangle(C, enabled ? clBlack : clBtnShadow);
}

void TVevDropDownSpeedButton::DrawButtonFace(TCanvas* C) {
  auto* part = dynamic_cast<TDropDownEditButton*>(Parent());
  TVevUrizazEvuvUduz* dd = part != nullptr ? part->DropDown() : nullptr;
  if (dd != nullptr) C->Font()->Assign(dd->Font());
  const bool down = state_ == bsDown;
  const bool hasGlyph = Glyph() != nullptr && !Glyph()->Empty();
  const std::string caption = Caption();
  if (Themed(isWinXP_) && part != nullptr) {
    C->FillRect(BoundsRect());
    const int state = !Enabled() ? 4 : IsPressed() ? 3 : hot_ ? 2 : 1;
    DrawThemePart(C, part->Handle(), "button", 1, state, TRect(0, 0, Width() + 1, Height() + 1));
    TRect r = ClientRect();
    int gw = 0;
    if (hasGlyph) {
      InflateRect(r, -2, -2);
      gw = Glyph()->Width() / std::max(1, NumGlyphs());
      const int gh = Glyph()->Height();
      if (!caption.empty())
        r.Left += 2;
      else if (gw < r.Width())
        r.Left += (r.Width() - gw) / 2;
      if (gh < r.Height()) r.Top += (r.Height() - gh) / 2;
      if (down) OffsetRect(r, 1, 1);
      DrawTransparentBitmap(C, r.Left, r.Top, Glyph());
    }
    if (!caption.empty()) {
      C->Brush()->SetStyle(bsClear);
      if (!hasGlyph) {
        TRect t = ClientRect();
        InflateRect(t, -3, -1);
        if (down) OffsetRect(t, 1, 1);
        DrawText(C, caption, t, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      } else {
        TRect t(r.Left + gw + 2, r.Top - 1, ClientWidth(), ClientHeight());
        DrawText(C, caption, t, DT_LEFT | DT_SINGLELINE);
      }
    }
    return;
  }
  if (Flat()) {
    TRect r = ClientRect();
    C->FillRect(r);
    C->Brush()->SetColor(clBtnFace);
    C->FillRect(r);
    r.Right += 1;
    r.Bottom += 1;
    DrawEdge(C, r, etched_ ? EDGE_ETCHED : EDGE_RAISED, BF_RECT | (down ? BF_FLAT : 0));
    TRect g = ClientRect();
    InflateRect(g, -3, -3);
    if (down) OffsetRect(g, 1, 1);
    if (hasGlyph) DrawGlyphOnColor(C, Glyph(), clBtnFace, g);
    if (!caption.empty()) {
      TRect t = g;
      InflateRect(t, -3, -1);
      C->Brush()->SetStyle(bsClear);
      DrawText(C, caption, t, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    return;
  }
  TSpeedButton::Paint();
}

// ---- The button part ----

TDropDownEditButton::TDropDownEditButton(TComponent* AOwner) : TWinControl(AOwner) {
  controlStyle_ >> csAcceptsControls;
  controlStyle_ >> csSetCaption;
  controlStyle_ << csOpaque;
  SetColor(clBtnFace);
  button_ = new TVevDropDownSpeedButton(this);
  button_->SetParent(this);
  button_->OnMouseUp = [this](TObject*, TMouseButton Button, TShiftState, int, int) {
    // The release of the press counts, wherever it happens.
    if (Button == mbLeft && OnClick) OnClick(this);
  };
  button_->SetVisible(true);
  button_->SetEnabled(Enabled());
  button_->SetCaption("");
  button_->SetButtonStyle(bsDropDown);
  bWidth_ = 16;
  SetBounds(0, 0, 16, 25);
}

TDropDownEditButton::~TDropDownEditButton() = default;

TVevUrizazEvuvUduz* TDropDownEditButton::DropDown() const {
  return dynamic_cast<TVevUrizazEvuvUduz*>(Parent());
}

TBitmap* TDropDownEditButton::Glyph() const { return button_ != nullptr ? button_->Glyph() : nullptr; }

void TDropDownEditButton::SetGlyph(TBitmap* Value) {
  if (button_ != nullptr) button_->SetGlyph(Value);
}

std::string TDropDownEditButton::ButtonCaption() const {
  return button_ != nullptr ? button_->Caption() : std::string();
}

void TDropDownEditButton::SetButtonCaption(const std::string& Value) {
  if (button_ != nullptr) button_->SetCaption(Value);
}

int TDropDownEditButton::NumGlyphs() const { return button_ != nullptr ? button_->NumGlyphs() : 1; }

void TDropDownEditButton::SetNumGlyphs(int Value) {
  if (button_ != nullptr) button_->SetNumGlyphs(Value);
}

void TDropDownEditButton::SetFocusControl(TWinControl* Value) {
  if (focusControl_ == Value) return;
  if (focusControl_ != nullptr) focusControl_->RemoveFreeNotification(this);
  focusControl_ = Value;
  if (focusControl_ != nullptr) focusControl_->FreeNotification(this);
}

void TDropDownEditButton::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == focusControl_) focusControl_ = nullptr;
  if (AComponent == button_) button_ = nullptr;
}

void TDropDownEditButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const bool skip =
      button_ == nullptr || (ComponentState().Contains(csLoading) && !ComponentState().Contains(csDesigning));
  if (!skip) {
    AWidth = bWidth_;
    button_->SetBounds(0, 0, bWidth_, AHeight);
  }
  TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TDropDownEditButton::ApplyWidthRule() {
  if (button_ == nullptr) return;
  if (Width() != bWidth_ || button_->Width() != bWidth_ || button_->Height() != Height())
    SetBounds(Left(), Top(), bWidth_, Height());
}

void TDropDownEditButton::Loaded() {
  TWinControl::Loaded();
  ApplyWidthRule();
}

void TDropDownEditButton::WndProc(TMessage& Message) {
  TWinControl::WndProc(Message);
  switch (Message.Msg) {
    case WM_SIZE:
      if (!(ComponentState().Contains(csLoading) && !ComponentState().Contains(csDesigning)))
        ApplyWidthRule();
      break;
    case CM_ENABLEDCHANGED:
      if (button_ != nullptr && !ComponentState().Contains(csDesigning)) button_->SetEnabled(Enabled());
      break;
    default:
      break;
  }
}
