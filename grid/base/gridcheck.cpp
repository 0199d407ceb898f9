#include "grid/base/gridcheck.h"

#include <algorithm>

#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/Forms.h"
#include "framework/controls/Menus.h"
#include "framework/graphics/Gdi.h"
#include "framework/rtl/Math.h"
#include "grid/base/DudLook.h"

void LinkGridCheckPublished();

namespace {

// The message some systems send when the colour scheme changes.
constexpr UINT kSchemeChanged = 45109;

struct TLookColors {
  TColor Color, ColorTo, ColorHot, ColorHotTo, ColorDown, ColorDownTo, ColorChecked, ColorCheckedTo,
      BorderDownColor, BorderHotColor;
  bool Rounded;
};

// Looks 3 and 4 take look 2's hot, down, checked and border colours.
constexpr TLookColors kLooks[] = {
    {0xEDF1F1, 0xDFEBEB, 0xFAFCFC, 0xE5ECED, 0xE0E6E7, 0xD8E0E1, 0xFFFFFF, clNone, 0xAF987A, 0xC3CECE, true},
    {clBtnFace, clNone, 0xEED2C1, clNone, 0xE2B598, clNone, 0xE8E6E1, clNone, 0xC56A31, 0xC56A31, false},
    {0xFDEADA, 0xE4AE88, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, RGB(255, 173, 85), 0x000000,
     0x000000, false},
    {0xCFF0EA, 0x8CC0B1, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, RGB(255, 173, 85), 0x000000,
     0x000000, false},
    {0xECE2E1, 0xB39698, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, RGB(255, 173, 85), 0x000000,
     0x000000, false},
    {clBtnFace, clNone, clBtnFace, clNone, 0xD8D3D2, clNone, 0xCAC7C7, clNone, clNone, clNone, false},
    {0xCAFFFF, 0xA6FFFF, 0xA8F0FD, 0x7CE9FC, 0x4DE0FB, 0x7AE9FC, 0xB5E6F2, 0x9CDDED, 0x808080, 0x808080,
     false},
};

// A grey copy for the disabled look.
void MakeDisabled(TBitmap* Source, TBitmap* Out) {
  TPixelData px = Source->PixelData();
  for (int y = 0; y < px.Height; ++y)
    for (int x = 0; x < px.Width; ++x) {
      TColor c = ColorToRGB(px.GetPixel(x, y));
      int v = static_cast<int>(Round((GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3.0)) / 2 + 96;
      px.SetPixel(x, y, RGB(v, v, v));
    }
  Out->SetPixelData(std::move(px));
}

}  // namespace

void DrawButtonGradient(TCanvas* Canvas, TColor From, TColor To, bool Horizontal, TRect Rect, int Steps,
                        TColor Frame) {
  if (Steps == 0) Steps = 1;
  TColor f = ColorToRGB(From), t = ColorToRGB(To);
  int size = Horizontal ? Rect.Width() : Rect.Height();
  int r0 = GetRValue(f), g0 = GetGValue(f), b0 = GetBValue(f);
  int dr = GetRValue(t) - r0, dg = GetGValue(t) - g0, db = GetBValue(t) - b0;
  int thickness = static_cast<int>(Round(static_cast<double>(size) / Steps)) + 1;
  Canvas->Pen()->SetStyle(psSolid);
  Canvas->Brush()->SetStyle(bsSolid);
  for (int i = 0; i < Steps; ++i) {
    TColor band = RGB(r0 + static_cast<int>(Round(static_cast<double>(i) * dr / Steps)),
                      g0 + static_cast<int>(Round(static_cast<double>(i) * dg / Steps)),
                      b0 + static_cast<int>(Round(static_cast<double>(i) * db / Steps)));
    Canvas->Brush()->SetColor(band);
    Canvas->Pen()->SetColor(band);
    int start = static_cast<int>(Round(static_cast<double>(i) * size / Steps));
    TRect r = Horizontal ? TRect(Rect.Left + start, Rect.Top,
                                 std::min(Rect.Left + start + thickness, Rect.Right), Rect.Bottom)
                         : TRect(Rect.Left, Rect.Top + start, Rect.Right,
                                 std::min(Rect.Top + start + thickness, Rect.Bottom));
    Canvas->FillRect(r);
  }
  if (Frame != clNone) {
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Pen()->SetColor(Frame);
    Canvas->Rectangle(Rect);
  }
}

// ---- TDivUzevButton ----

TDivUzevButton::TDivUzevButton(TComponent* AOwner)
    : TGraphicControl(AOwner),
      glyph_(std::make_unique<TBitmap>()),
      glyphDisabled_(std::make_unique<TBitmap>()),
      glyphHot_(std::make_unique<TBitmap>()),
      glyphDown_(std::make_unique<TBitmap>()),
      glyphShade_(std::make_unique<TBitmap>()) {
  LinkGridCheckPublished();
  isComCtl6_ = DudCommonControls6();
  controlStyle_ = TControlStyle{csCaptureMouse, csDoubleClicks};
  SetBounds(0, 0, 22, 23);
  SetColor(clBtnFace);
  SetParentFont(true);
  glyph_->OnChange = [this](TObject* s) { GlyphChanged(s); };
}

TDivUzevButton::~TDivUzevButton() {
  glyph_->OnChange = nullptr;
  if (dropDownMenu_ != nullptr) dropDownMenu_->RemoveFreeNotification(this);
}

void TDivUzevButton::GlyphChanged(TObject*) { Invalidate(); }

void TDivUzevButton::SetGlyph(TBitmap* Value) {
  if (Value != nullptr)
    glyph_->Assign(Value);
  else
    glyph_->SetSize(0, 0);
  if (glyphDisabled_->Empty() && !glyph_->Empty()) MakeDisabled(glyph_.get(), glyphDisabled_.get());
  // The shadow follows the glyph it is made from.
  if (shaded_ && !ComponentState().Contains(csLoading)) BuildShade();
  Invalidate();
}

void TDivUzevButton::SetGlyphHot(TBitmap* Value) {
  if (Value != nullptr) glyphHot_->Assign(Value);
}

void TDivUzevButton::SetGlyphDown(TBitmap* Value) {
  if (Value != nullptr) glyphDown_->Assign(Value);
}

void TDivUzevButton::SetGlyphDisabled(TBitmap* Value) {
  if (Value != nullptr) glyphDisabled_->Assign(Value);
}

void TDivUzevButton::BuildShade() {
  if (glyph_->Empty()) {
    glyphShade_->SetSize(0, 0);
    return;
  }
  TPixelData px = glyph_->PixelData();
  TColor key = px.GetPixel(0, px.Height - 1);
  for (int y = 0; y < px.Height; ++y)
    for (int x = 0; x < px.Width; ++x)
      if (px.GetPixel(x, y) != key) px.SetPixel(x, y, 0x808080);
  glyphShade_->SetPixelData(std::move(px));
}

void TDivUzevButton::SetDown(bool Value) {
  if (groupIndex_ == 0 && style_ == tasButton) Value = false;
  if (style_ == tasCheck) {
    down_ = Value;
    Repaint();
    return;
  }
  if (Value == down_) return;
  if (down_ && !allowAllUp_) return;
  down_ = Value;
  if (Value) {
    if (state_ == bsUp) Invalidate();
    state_ = bsExclusive;
    UpdateExclusive();
  } else {
    state_ = bsUp;
    Repaint();
  }
}

void TDivUzevButton::SetGroupIndex(int Value) {
  if (groupIndex_ == Value) return;
  groupIndex_ = Value;
  UpdateExclusive();
}

void TDivUzevButton::SetAllowAllUp(bool Value) {
  if (allowAllUp_ == Value) return;
  allowAllUp_ = Value;
  UpdateExclusive();
}

void TDivUzevButton::UpdateExclusive() {
  if (groupIndex_ == 0 || Parent() == nullptr) return;
  TMessage m{CM_BUTTONPRESSED, static_cast<WPARAM>(groupIndex_),
             reinterpret_cast<LPARAM>(static_cast<TControl*>(this)), 0};
  Parent()->Broadcast(m);
}

void TDivUzevButton::SetLayout(TButtonLayout Value) {
  if (layout_ == Value) return;
  layout_ = Value;
  Invalidate();
}

void TDivUzevButton::SetSpacing(int Value) {
  if (spacing_ == Value) return;
  spacing_ = Value;
  Invalidate();
}

void TDivUzevButton::SetTransparent(bool Value) {
  if (transparent_ == Value) return;
  transparent_ = Value;
  Invalidate();
}

void TDivUzevButton::SetMargin(int Value) {
  if (Value == margin_ || Value < -1) return;
  margin_ = Value;
  Invalidate();
}

void TDivUzevButton::SetFlat(bool Value) {
  if (flat_ == Value) return;
  flat_ = Value;
  Invalidate();
}

void TDivUzevButton::SetColorTo(TColor Value) {
  colorTo_ = Value;
  Invalidate();
}

void TDivUzevButton::SetBorderColor(TColor Value) {
  borderColor_ = Value;
  Invalidate();
}

void TDivUzevButton::SetShaded(bool Value) {
  shaded_ = Value;
  if (Value && !ComponentState().Contains(csLoading)) BuildShade();
}

void TDivUzevButton::SetColorChecked(TColor Value) {
  colorChecked_ = Value;
  Invalidate();
}

void TDivUzevButton::SetColorCheckedTo(TColor Value) {
  colorCheckedTo_ = Value;
  Invalidate();
}

void TDivUzevButton::SetStyle(TDivUzevButtonStyle Value) {
  style_ = Value;
  Invalidate();
}

void TDivUzevButton::SetRounded(bool Value) {
  rounded_ = Value;
  Invalidate();
}

void TDivUzevButton::SetDropDownButton(bool Value) {
  dropDownButton_ = Value;
  Invalidate();
}

void TDivUzevButton::SetShowCaption(bool Value) {
  if (showCaption_ == Value) return;
  showCaption_ = Value;
  Invalidate();
}

void TDivUzevButton::SetDropDownMenu(TPopupMenu* Value) {
  if (dropDownMenu_ != nullptr && dropDownMenu_ != Value) dropDownMenu_->RemoveFreeNotification(this);
  dropDownMenu_ = Value;
  if (Value != nullptr) Value->FreeNotification(this);
}

void TDivUzevButton::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == dropDownMenu_) dropDownMenu_ = nullptr;
}

void TDivUzevButton::SetLook(int Value) {
  if (Value < 0 || Value > 6) return;
  const TLookColors& l = kLooks[Value];
  SetColor(l.Color);
  colorTo_ = l.ColorTo;
  colorHot_ = l.ColorHot;
  colorHotTo_ = l.ColorHotTo;
  colorDown_ = l.ColorDown;
  colorDownTo_ = l.ColorDownTo;
  colorChecked_ = l.ColorChecked;
  colorCheckedTo_ = l.ColorCheckedTo;
  borderDownColor_ = l.BorderDownColor;
  borderHotColor_ = l.BorderHotColor;
  rounded_ = l.Rounded;
  borderColor_ = clNone;
  flat_ = true;
  look_ = Value;
  Invalidate();
}

int TDivUzevButton::GetXPColorSchemeForButton() {
  if (!DudWindowsXPOrLater() || !DudThemeActive()) return 0;
  std::string color;
  if (FAILED(GetCurrentThemeName(nullptr, &color, nullptr))) return 0;
  if (color == "NormalColor") return 1;
  if (color == "HomeStead") return 2;
  if (color == "Metallic") return 3;
  return 0;
}

void TDivUzevButton::ThemeAdapt() {
  switch (GetXPColorSchemeForButton()) {
    case 1:
      SetLook(2);
      break;
    case 2:
      SetLook(3);
      break;
    case 3:
      SetLook(4);
      break;
    default:
      SetLook(1);
      break;
  }
}

void TDivUzevButton::SetAutoThemeAdapt(bool Value) {
  autoThemeAdapt_ = Value;
  if (Value) ThemeAdapt();
}

void TDivUzevButton::Loaded() {
  TGraphicControl::Loaded();
  if (shaded_) BuildShade();
  if (autoThemeAdapt_) ThemeAdapt();
}

// ---- Mouse ----

void TDivUzevButton::UpdateTracking() {
  if (!Enabled()) return;
  bool over = FindDragTarget(CursorPos(), true) == this;
  if (over == mouseInControl_) return;
  Perform(over ? CM_MOUSEENTER : CM_MOUSELEAVE, 0, 0);
}

void TDivUzevButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled()) return;
  if (dropDownButton_ && X >= Width() - 12) {
    state_ = bsUp;
    if (OnDropDown) OnDropDown(this);
    if (dropDownMenu_ != nullptr) {
      TPoint p = ClientToScreen(TPoint(0, Height()));
      dropDownMenu_->Popup(p.X, p.Y);
    }
    return;
  }
  if (!down_) {
    state_ = bsDown;
    Invalidate();
  }
  if (style_ == tasCheck) {
    state_ = bsDown;
    Repaint();
  }
  dragging_ = true;
}

void TDivUzevButton::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (dragging_) {
    bool inside = X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
    TButtonState s = inside ? bsDown : bsUp;
    if (down_) s = bsExclusive;
    if (down_ && style_ == tasCheck) s = bsDown;
    if (s != state_) {
      state_ = s;
      Invalidate();
    }
  } else if (!mouseInControl_) {
    UpdateTracking();
  }
}

void TDivUzevButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (!dragging_) return;
  dragging_ = false;
  bool inside = X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
  if (groupIndex_ == 0) {
    state_ = bsUp;
    // A check is toggled by a release over the button, as a click is.
    if (style_ == tasCheck && inside) down_ = !down_;
    Invalidate();
  } else if (inside) {
    SetDown(!down_);
    if (down_) Repaint();
  } else {
    if (down_) state_ = bsExclusive;
    Repaint();
  }
  if (inside) Click();
  UpdateTracking();
}

void TDivUzevButton::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_BUTTONPRESSED: {
      auto* sender = dynamic_cast<TDivUzevButton*>(reinterpret_cast<TControl*>(Message.LParam));
      if (sender != nullptr && sender != this && static_cast<int>(Message.WParam) == groupIndex_) {
        if (down_) {
          down_ = false;
          state_ = bsUp;
          Invalidate();
        }
        allowAllUp_ = sender->allowAllUp_;
      }
      return;
    }
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<char32_t>(Message.WParam), Caption()) && Enabled() && Visible() &&
          Parent() != nullptr && Parent()->Showing()) {
        Click();
        Message.Result = 1;
        return;
      }
      break;
    case WM_LBUTTONDBLCLK:
      TGraphicControl::WndProc(Message);
      if (down_) DblClick();
      return;
    case CM_MOUSEENTER:
      if (Message.LParam != 0) break;
      if (Parent() != nullptr)
        Parent()->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(static_cast<TControl*>(this)));
      if (Enabled() && !dragging_ && GetCapture() == 0 && !mouseInControl_) {
        mouseInControl_ = true;
        Repaint();
        if (OnMouseEnter) OnMouseEnter(this);
      }
      return;
    case CM_MOUSELEAVE:
      if (Message.LParam != 0) break;
      if (Parent() != nullptr)
        Parent()->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(static_cast<TControl*>(this)));
      if (mouseInControl_ && Enabled() && !dragging_) {
        mouseInControl_ = false;
        Invalidate();
        if (OnMouseLeave) OnMouseLeave(this);
      }
      return;
    case CM_ENABLEDCHANGED:
      TGraphicControl::WndProc(Message);
      if (!Enabled()) mouseInControl_ = false;
      UpdateTracking();
      Repaint();
      return;
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
    case CM_SYSCOLORCHANGE:
      TGraphicControl::WndProc(Message);
      Invalidate();
      return;
    case WM_THEMECHANGED:
    case kSchemeChanged:
      if (autoThemeAdapt_) ThemeAdapt();
      break;
    default:
      break;
  }
  TGraphicControl::WndProc(Message);
}

// ---- Painting ----

void TDivUzevButton::UpdateStateForPaint() {
  if (!Enabled()) {
    state_ = bsDisabled;
    dragging_ = false;
  } else if (state_ == bsDisabled) {
    state_ = down_ && groupIndex_ != 0 ? bsExclusive : bsUp;
  }
  if (style_ == tasCheck && down_) state_ = bsDown;
}

void TDivUzevButton::DrawFace(TCanvas* C, const TRect& R, TColor From, TColor To, TColor Frame) {
  if (To == clNone) {
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(From);
    C->FillRect(R);
    C->Brush()->SetColor(Frame != clNone ? Frame : From);
    C->FrameRect(R);
    return;
  }
  DrawButtonGradient(C, From, To, false, R, 16, Frame);
}

void TDivUzevButton::PaintFlatFace(TCanvas* C, TRect& R, bool Hot) {
  if (borderDownColor_ == clNone || rounded_) InflateRect(R, -1, -1);
  auto roundFrame = [&](TColor Frame) {
    if (Frame == clNone) return;
    TRect f = R;
    InflateRect(f, 1, 1);
    C->Brush()->SetStyle(bsClear);
    C->Pen()->SetStyle(psSolid);
    C->Pen()->SetColor(Frame);
    C->RoundRect(f, 8, 8);
  };
  if (!Hot || !Enabled()) {
    if (style_ == tasCheck && down_) {
      DrawFace(C, R, colorChecked_, colorCheckedTo_, borderDownColor_);
    } else {
      TColor frame = rounded_ ? clNone : (down_ ? borderDownColor_ : borderColor_);
      DrawFace(C, R, Color(), colorTo_, frame);
      if (borderColor_ != clNone) {
        if (rounded_) {
          roundFrame(borderColor_);
        } else {
          C->Brush()->SetStyle(bsSolid);
          C->Brush()->SetColor(borderColor_);
          C->FrameRect(R);
        }
      }
    }
  } else {
    TColor from = colorHot_, to = colorHotTo_, frame = borderHotColor_;
    if (state_ == bsDown) from = colorDown_, to = colorDownTo_, frame = borderDownColor_;
    if (style_ == tasCheck && down_ && state_ != bsDown)
      from = colorChecked_, to = colorCheckedTo_, frame = borderDownColor_;
    if (rounded_) {
      DrawFace(C, R, from, to, clNone);
      roundFrame(frame);
    } else {
      DrawFace(C, R, from, to, frame);
    }
    if (dropDownButton_ && frame != clNone) {
      C->Pen()->SetStyle(psSolid);
      C->Pen()->SetColor(frame);
      C->MoveTo(R.Right - 12, R.Top);
      C->LineTo(R.Right - 12, R.Bottom);
    }
  }
  InflateRect(R, -1, -1);
}

void TDivUzevButton::DrawContent(TCanvas* C, const TRect& R, const TPoint& Offset) {
  TButtonState s = state_;
  // A down member of a group shows its down content whatever its state.
  if (down_ && groupIndex_ != 0) s = bsDown;
  TBitmap* g = glyph_.get();
  if (s == bsDisabled) {
    if (!glyphDisabled_->Empty()) g = glyphDisabled_.get();
  } else if (s == bsDown || s == bsExclusive) {
    if (!glyphDown_->Empty()) g = glyphDown_.get();
  } else if (mouseInControl_ && !glyphHot_->Empty()) {
    g = glyphHot_.get();
  }
  std::string caption = showCaption_ ? Caption() : std::string();
  unsigned bidi = UseRightToLeftReading() ? DT_RTLREADING : 0;
  C->Font()->Assign(Font());
  TPoint gp;
  TRect tb;
  CalcButtonLayout(C, R, Offset, caption, g->Width(), g->Height(), layout_, margin_, spacing_, bidi, gp, tb);
  bool lifted = mouseInControl_ && shaded_ && Enabled() && !down_ && state_ != bsDown;
  if (lifted && !glyphShade_->Empty()) DrawTransparentBitmap(C, gp.X + 2, gp.Y + 2, glyphShade_.get());
  DrawTransparentBitmap(C, gp.X, gp.Y, g);
  if (caption.empty()) return;
  C->Brush()->SetStyle(bsClear);
  unsigned flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE | bidi;
  if (s == bsDisabled) {
    TRect r = tb;
    OffsetRect(r, 1, 1);
    C->Font()->SetColor(clBtnHighlight);
    DrawText(C, caption, r, flags);
    r = tb;
    C->Font()->SetColor(clBtnShadow);
    DrawText(C, caption, r, flags);
  } else {
    TRect r = tb;
    DrawText(C, caption, r, flags);
  }
}

void TDivUzevButton::Paint() {
  UpdateStateForPaint();
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  bool hot = mouseInControl_;
  bool pressed = state_ == bsDown || state_ == bsExclusive;
  if (flat_) {
    PaintFlatFace(c, r, hot);
  } else if (HTHEME th = autoXPStyle_ && isComCtl6_ && DudWindowsXPOrLater() && DudThemeActive()
                             ? OpenThemeData(0, "button")
                             : nullptr) {
    int st = !Enabled() ? PBS_DISABLED : pressed ? PBS_PRESSED : hot ? PBS_HOT : PBS_NORMAL;
    DrawThemeBackground(th, c, BP_PUSHBUTTON, st, r, nullptr);
    CloseThemeData(th);
    InflateRect(r, -2, -2);
  } else {
    DrawFrameControl(c, r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pressed ? DFCS_PUSHED : 0u));
  }
  TPoint offset(0, 0);
  if (!flat_ && pressed) offset = TPoint(1, 1);
  if (state_ == bsExclusive && flat_ && !hot) DrawFace(c, r, colorChecked_, colorCheckedTo_, clNone);
  if (flat_ && hot && Enabled() && shaded_ && !down_ && state_ != bsDown) offset = TPoint(-1, -1);
  if (dropDownButton_) {
    int centre = (r.Top + r.Bottom) / 2;
    TColor fc = Font()->Color();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(fc);
    c->Pen()->SetStyle(psSolid);
    c->Pen()->SetColor(fc);
    TPoint tri[3] = {TPoint(r.Right - 8, centre - 1), TPoint(r.Right - 4, centre - 1),
                     TPoint(r.Right - 6, centre + 1)};
    c->Polygon(tri, 3);
    r.Right -= 12;
  }
  DrawContent(c, r, offset);
}
