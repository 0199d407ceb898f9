#include "grid/base/DudDateTimePicker.h"

#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/Forms.h"
#include "framework/graphics/Gdi.h"
#include "grid/base/DudLook.h"

void LinkDudDateTimePickerPublished();

namespace {
// The themed frame colour (red 127, green 157, blue 185).
constexpr TColor kThemedBorder = 0xB99D7F;

void FrameIn(TCanvas* DC, const TRect& R, TColor Color) {
  DC->Brush()->SetStyle(bsSolid);
  DC->Brush()->SetColor(Color);
  DC->FrameRect(R);
}
}  // namespace

TDudDateTimePicker::TDudDateTimePicker(TComponent* AOwner) : TDateTimePicker(AOwner) {
  LinkDudDateTimePickerPublished();
  isThemed_ = DudCommonControls6();
  isWinXP_ = DudWindowsXPOrLater();
  buttonWidth_ = GetSystemMetrics(SM_CXVSCROLL) + 2;
  SetDoubleBuffered(true);
  SetParentCtl3D(false);
  SetCtl3D(true);
}

std::string TDudDateTimePicker::Version() const {
  unsigned v = static_cast<unsigned>(GetVersionNr());
  return std::to_string((v >> 24) & 0xFF) + "." + std::to_string((v >> 16) & 0xFF) + "." +
         std::to_string((v >> 8) & 0xFF) + "." + std::to_string(v & 0xFF);
}

void TDudDateTimePicker::SetBorderStyle(TBorderStyle Value) {
  if (borderStyle_ == Value) return;
  borderStyle_ = Value;
  Invalidate();
}

void TDudDateTimePicker::SetBorderColor(TColor Value) {
  if (borderColor_ == Value) return;
  borderColor_ = Value;
  Invalidate();
}

void TDudDateTimePicker::SetMetroStyle(bool Value) {
  if (metroStyle_ == Value) return;
  metroStyle_ = Value;
  Invalidate();
}

bool TDudDateTimePicker::MetroActive() const { return metroStyle_; }

bool TDudDateTimePicker::ThemeActive() const { return isThemed_ && DudThemeActive(); }

bool TDudDateTimePicker::IsHot() const {
  return mouseInControl_ || (Screen != nullptr && Screen->ActiveControl() == this);
}

void TDudDateTimePicker::DrawDropButton(TCanvas* DC) {
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
    DC->FillRect(TRect(r.Left + 2, r.Top, r.Right, r.Bottom));
    DC->Pen()->SetColor(buttonBorderColor_);
    DC->MoveTo(r.Left, r.Top);
    DC->LineTo(r.Left, r.Bottom);
    TColor arrow = DudMouseButtonDown() ? buttonTextColorDown_ : buttonTextColor_;
    DC->Brush()->SetColor(arrow);
    DC->Pen()->SetColor(arrow);
    TPoint pts[3] = {TPoint(r.Left + 5, r.Top + 7), TPoint(r.Left + 11, r.Top + 7),
                     TPoint(r.Left + 8, r.Top + 10)};
    DC->Polygon(pts, 3);
  } else if (HTHEME th = ThemeActive() ? OpenThemeData(0, "combobox") : nullptr) {
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
    DrawFrameControl(DC, r, DFC_SCROLL,
                     Enabled() ? DFCS_SCROLLCOMBOBOX | DFCS_FLAT : DFCS_SCROLLCOMBOBOX | DFCS_INACTIVE);
  }
  DC->ExcludeClipRect(TRect(cw - buttonWidth_ - 4, 0, cw + 2, ch));
}

void TDudDateTimePicker::DrawBorders(TCanvas* DC) {
  if (!MetroActive()) return;
  if (Enabled() && borderColor_ == clNone && focusBorderColor_ == clNone) return;
  int saved = DC->SaveDC();
  TRect r(0, 0, Width(), Height());
  bool done = false;
  if (!Enabled() && isThemed_ && !disabledBorder_) {
    FrameIn(DC, r, kThemedBorder);
    done = true;
  } else if (borderColor_ != clNone && !(hasFocus_ && focusBorderColor_ != clNone)) {
    FrameIn(DC, r, borderColor_);
    done = true;
  } else if (focusBorderColor_ != clNone) {
    if (hasFocus_) FrameIn(DC, r, focusBorderColor_);
    done = true;
  }
  if (!done) {
    bool sunken = focusBorder_ && IsHot();
    TColor outer = sunken ? clBtnFace : (Parent() != nullptr ? Parent()->Brush()->Color() : clBtnFace);
    TColor inner = Color();
    if (sunken) {
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
    }
  }
  if (!(isWinXP_ && ThemeActive())) {
    // On the window's own coordinates the client area starts at its corner,
    // as on the platform this look was made for.
    int cw = Width(), ch = Height();
    DC->ExcludeClipRect(TRect(cw - buttonWidth_ + 4, 4, cw - 4, ch - 4));
    TRect b(cw - buttonWidth_ - 2, 0, Width(), Height());
    InflateRect(b, -2, -2);
    if (IsHot()) {
      TRect e = b;
      DrawEdge(DC, e, EDGE_RAISED, BF_RECT | (DroppedDown() ? BF_FLAT : 0u));
    } else {
      DC->Brush()->SetStyle(bsSolid);
      DC->Brush()->SetColor(clBtnFace);
      DC->FillRect(TRect(b.Left, b.Top + 1, b.Right - 1, b.Bottom - 1));
    }
    DC->ExcludeClipRect(b);
  }
  DC->RestoreDC(saved);
}

void TDudDateTimePicker::WMPaint(TMessage& Message) {
  TDateTimePicker::WMPaint(Message);
  auto* DC = reinterpret_cast<TCanvas*>(Message.WParam);
  if (DC == nullptr) return;
  if (Ctl3D() && !MetroActive()) return;
  int saved = DC->SaveDC();
  if (MetroActive() && Kind() != dtkTime) {
    int cw = ClientWidth(), ch = ClientHeight();
    // The framework's own button is covered before the metro one is drawn.
    TRect cover = ThemeActive() ? TRect(cw - buttonWidth_ - 15, 1, cw, ch)
                                : TRect(cw - buttonWidth_ - 2, 4, cw - 2, ch - 4);
    DC->Brush()->SetStyle(bsSolid);
    DC->Brush()->SetColor(Brush()->Color());
    DC->FillRect(cover);
    DrawDropButton(DC);
  }
  DC->RestoreDC(saved);
  TRect ins = NonClientInsets();
  int s2 = DC->SaveDC();
  TPoint org = DC->WindowOrg();
  DC->SetWindowOrg(TPoint(org.X + ins.Left, org.Y + ins.Top));
  DrawBorders(DC);
  DC->SetWindowOrg(org);
  DC->RestoreDC(s2);
}

void TDudDateTimePicker::WMNCPaint(TMessage& Message) {
  TDateTimePicker::WMNCPaint(Message);
  auto* DC = reinterpret_cast<TCanvas*>(Message.WParam);
  if (DC == nullptr) return;
  int w = Width(), h = Height();
  if (!Ctl3D() && borderColor_ != clNone) {
    TColor c = borderColor_;
    if (borderStyle_ == bsNone && Parent() != nullptr)
      c = Parent()->Brush()->Color();
    else if (isThemed_)
      c = kThemedBorder;
    DC->Pen()->SetStyle(psSolid);
    DC->Pen()->SetWidth(1);
    DC->Pen()->SetColor(c);
    DC->MoveTo(0, h);
    DC->LineTo(0, 0);
    DC->LineTo(w - 1, 0);
    DC->LineTo(w - 1, h - 1);
    DC->LineTo(0, h - 1);
    if (Parent() != nullptr) {
      DC->Pen()->SetColor(Parent()->Brush()->Color());
      DC->MoveTo(1, h - 2);
      DC->LineTo(1, 1);
      DC->LineTo(w - 1, 1);
    }
  }
  if (!Enabled() && ThemeActive() && !disabledBorder_) DrawBorders(DC);
  if ((focusBorderColor_ != clNone && Focused()) || borderColor_ != clNone) DrawBorders(DC);
  Message.Result = 0;
}

void TDudDateTimePicker::MouseMove(TShiftState Shift, int X, int Y) {
  TDateTimePicker::MouseMove(Shift, X, Y);
  bool hover = Width() - buttonWidth_ < X && X < Width();
  if (hover != buttonHover_) {
    buttonHover_ = hover;
    Invalidate();
  }
}

void TDudDateTimePicker::CMEnter(TMessage& Message) {
  TDateTimePicker::CMEnter(Message);
  hasFocus_ = true;
  Invalidate();
}

void TDudDateTimePicker::CMExit(TMessage& Message) {
  TDateTimePicker::CMExit(Message);
  hasFocus_ = false;
  Invalidate();
}

void TDudDateTimePicker::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_MOUSEENTER:
      TDateTimePicker::WndProc(Message);
      if (Message.LParam != 0) return;
      if (Enabled()) mouseInControl_ = true;
      Invalidate();
      return;
    case CM_MOUSELEAVE:
      TDateTimePicker::WndProc(Message);
      if (Message.LParam != 0) return;
      if (Enabled()) mouseInControl_ = false;
      buttonHover_ = false;
      Invalidate();
      return;
    default:
      break;
  }
  TDateTimePicker::WndProc(Message);
}
