#include "framework/controls/Buttons.h"

#include <algorithm>
#include <cmath>

#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/Forms.h"
#include "framework/graphics/Gdi.h"
#include "framework/graphics/Themes.h"

// ---- Glyph helpers ----

void DrawTransparentBitmap(TCanvas* C, int X, int Y, TBitmap* Bitmap) {
  if (C == nullptr || Bitmap == nullptr || Bitmap->Empty()) return;
  TBitmap copy;
  copy.Assign(Bitmap);
  copy.SetTransparentColor(Bitmap->TransparentColor());
  copy.SetTransparent(true);
  C->Draw(X, Y, &copy);
}

std::unique_ptr<TBitmap> CreateDisabledGlyph(TBitmap* Source) {
  auto out = std::make_unique<TBitmap>();
  if (Source == nullptr || Source->Empty()) return out;
  out->Assign(Source);
  TColor key = Source->TransparentColor() & 0xFFFFFF;
  TColor shadow = ColorToRGB(clBtnShadow) & 0xFFFFFF;
  TPixelData px = out->PixelData();
  for (int y = 0; y < px.Height; ++y)
    for (int x = 0; x < px.Width; ++x) {
      TColor c = px.GetPixel(x, y) & 0xFFFFFF;
      if (c == key) continue;
      int lum = (GetRValue(c) * 30 + GetGValue(c) * 59 + GetBValue(c) * 11) / 100;
      // Light pixels vanish into the face, the rest becomes one shadow grey.
      px.SetPixel(x, y, lum > 192 ? key : shadow);
    }
  out->SetPixelData(std::move(px));
  out->SetTransparentColor(key);
  return out;
}

void CalcButtonLayout(TCanvas* C, const TRect& Client, const TPoint& Offset, const std::string& Caption,
                      int GlyphW, int GlyphH, TButtonLayout Layout, int Margin, int Spacing,
                      unsigned BiDiFlags, TPoint& GlyphPos, TRect& TextBounds) {
  if (BiDiFlags & DT_RTLREADING) {
    if (Layout == blGlyphLeft)
      Layout = blGlyphRight;
    else if (Layout == blGlyphRight)
      Layout = blGlyphLeft;
  }
  TPoint client(Client.Width(), Client.Height());
  TPoint text(0, 0);
  if (!Caption.empty()) {
    TRect r(0, 0, client.X, 0);
    DrawText(C, Caption, r, DT_CALCRECT | BiDiFlags);
    text = TPoint(r.Width(), r.Height());
  }
  TPoint textPos;
  GlyphPos = TPoint();
  bool horizontal = Layout == blGlyphLeft || Layout == blGlyphRight;
  if (horizontal) {
    GlyphPos.Y = (client.Y - GlyphH + 1) / 2;
    textPos.Y = (client.Y - text.Y + 1) / 2;
  } else {
    GlyphPos.X = (client.X - GlyphW + 1) / 2;
    textPos.X = (client.X - text.X + 1) / 2;
  }
  int glyphAxis = horizontal ? GlyphW : GlyphH;
  int textAxis = horizontal ? text.X : text.Y;
  int clientAxis = horizontal ? client.X : client.Y;
  if (textAxis == 0 || glyphAxis == 0) Spacing = 0;
  if (Margin == -1) {
    if (Spacing == -1) {
      Margin = (clientAxis - (glyphAxis + textAxis)) / 3;
      Spacing = Margin;
    } else {
      Margin = (clientAxis - (glyphAxis + Spacing + textAxis) + 1) / 2;
    }
  } else if (Spacing == -1) {
    Spacing = (clientAxis - Margin - glyphAxis - textAxis) / 2;
  }
  switch (Layout) {
    case blGlyphLeft:
      GlyphPos.X = Margin;
      textPos.X = GlyphPos.X + GlyphW + Spacing;
      break;
    case blGlyphRight:
      GlyphPos.X = client.X - Margin - GlyphW;
      textPos.X = GlyphPos.X - Spacing - text.X;
      break;
    case blGlyphTop:
      GlyphPos.Y = Margin;
      textPos.Y = GlyphPos.Y + GlyphH + Spacing;
      break;
    case blGlyphBottom:
      GlyphPos.Y = client.Y - Margin - GlyphH;
      textPos.Y = GlyphPos.Y - Spacing - text.Y;
      break;
  }
  int dx = Client.Left + Offset.X, dy = Client.Top + Offset.Y;
  GlyphPos.X += dx;
  GlyphPos.Y += dy;
  TextBounds = TRect(textPos.X + dx, textPos.Y + dy, textPos.X + dx + text.X, textPos.Y + dy + text.Y);
}

// ---- TSpeedButton ----

TSpeedButton::TSpeedButton(TComponent* AOwner)
    : TGraphicControl(AOwner), glyph_(std::make_unique<TBitmap>()) {
  controlStyle_ = TControlStyle{csCaptureMouse, csDoubleClicks};
  SetBounds(0, 0, 23, 22);
  SetParentFont(true);
  SetColor(clBtnFace);
  glyph_->OnChange = [this](TObject* s) { GlyphChanged(s); };
}

TSpeedButton::~TSpeedButton() { glyph_->OnChange = nullptr; }

void TSpeedButton::GlyphChanged(TObject*) { Invalidate(); }

void TSpeedButton::SetAllowAllUp(bool Value) {
  if (allowAllUp_ == Value) return;
  allowAllUp_ = Value;
  UpdateExclusive();
}

void TSpeedButton::SetGroupIndex(int Value) {
  if (groupIndex_ == Value) return;
  groupIndex_ = Value;
  UpdateExclusive();
}

void TSpeedButton::SetDown(bool Value) {
  if (groupIndex_ == 0) Value = false;
  if (Value == down_) return;
  if (down_ && !allowAllUp_) return;
  down_ = Value;
  if (Value) {
    if (state_ == bsUp) Invalidate();
    state_ = bsExclusive;
  } else {
    state_ = bsUp;
    Repaint();
  }
  if (Value) UpdateExclusive();
}

void TSpeedButton::SetFlat(bool Value) {
  if (flat_ == Value) return;
  flat_ = Value;
  Invalidate();
}

void TSpeedButton::SetGlyph(TBitmap* Value) {
  if (Value == nullptr) {
    glyph_->SetSize(0, 0);
  } else {
    glyph_->Assign(Value);
  }
  Invalidate();
}

void TSpeedButton::SetNumGlyphs(TNumGlyphs Value) {
  if (Value < 1 || Value > 4 || Value == numGlyphs_) return;
  numGlyphs_ = Value;
  Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout Value) {
  if (layout_ == Value) return;
  layout_ = Value;
  Invalidate();
}

void TSpeedButton::SetMargin(int Value) {
  if (Value == margin_ || Value < -1) return;
  margin_ = Value;
  Invalidate();
}

void TSpeedButton::SetSpacing(int Value) {
  if (Value == spacing_) return;
  spacing_ = Value;
  Invalidate();
}

void TSpeedButton::SetTransparent(bool Value) {
  if (Value == transparent_) return;
  transparent_ = Value;
  if (Value)
    controlStyle_ >> csOpaque;
  else
    controlStyle_ << csOpaque;
  Invalidate();
}

void TSpeedButton::SetShowCaption(bool Value) {
  if (Value == showCaption_) return;
  showCaption_ = Value;
  Invalidate();
}

void TSpeedButton::Click() { TGraphicControl::Click(); }

void TSpeedButton::Loaded() {
  TGraphicControl::Loaded();
  state_ = Enabled() ? (down_ && groupIndex_ != 0 ? bsExclusive : bsUp) : bsDisabled;
}

void TSpeedButton::UpdateExclusive() {
  if (groupIndex_ == 0 || Parent() == nullptr) return;
  TMessage m{CM_BUTTONPRESSED, static_cast<WPARAM>(groupIndex_),
             reinterpret_cast<LPARAM>(static_cast<TControl*>(this)), 0};
  Parent()->Broadcast(m);
}

void TSpeedButton::UpdateTracking() {
  if (!Enabled()) return;
  TPoint p = CursorPos();
  bool over = FindDragTarget(p, true) == this;
  if (over == mouseInControl_) return;
  Perform(over ? CM_MOUSEENTER : CM_MOUSELEAVE, 0, 0);
}

void TSpeedButton::UpdateStateForPaint() {
  if (!Enabled()) {
    state_ = bsDisabled;
    dragging_ = false;
  } else if (state_ == bsDisabled) {
    state_ = down_ && groupIndex_ != 0 ? bsExclusive : bsUp;
  }
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled()) return;
  if (!down_) {
    state_ = bsDown;
    Invalidate();
  }
  dragging_ = true;
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!dragging_) return;
  TButtonState s = bsUp;
  if (X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight()) s = down_ ? bsExclusive : bsDown;
  if (!PtInRect(ClientRect(), TPoint(X, Y)) && down_) s = bsExclusive;
  if (s != state_) {
    state_ = s;
    Invalidate();
  }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (!dragging_) return;
  dragging_ = false;
  bool doClick = X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
  if (groupIndex_ == 0) {
    state_ = bsUp;
    mouseInControl_ = false;
    Invalidate();
  } else if (doClick) {
    SetDown(!down_);
    if (down_) Repaint();
  } else {
    if (down_) state_ = bsExclusive;
    Repaint();
  }
  if (doClick) Click();
  UpdateTracking();
}

void TSpeedButton::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_BUTTONPRESSED: {
      auto* sender = dynamic_cast<TSpeedButton*>(reinterpret_cast<TControl*>(Message.LParam));
      if (static_cast<int>(Message.WParam) == groupIndex_ && sender != this && sender != nullptr) {
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
      TGraphicControl::WndProc(Message);
      if (Message.LParam == 0 && !mouseInControl_ && Enabled()) {
        mouseInControl_ = true;
        Invalidate();
      }
      return;
    case CM_MOUSELEAVE:
      TGraphicControl::WndProc(Message);
      if (Message.LParam == 0 && mouseInControl_ && Enabled() && !dragging_) {
        mouseInControl_ = false;
        Invalidate();
      }
      return;
    case CM_ENABLEDCHANGED:
      TGraphicControl::WndProc(Message);
      if (!Enabled()) mouseInControl_ = false;
      UpdateTracking();
      Repaint();
      return;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case CM_SYSCOLORCHANGE:
      TGraphicControl::WndProc(Message);
      Invalidate();
      return;
    default:
      break;
  }
  TGraphicControl::WndProc(Message);
}

std::unique_ptr<TBitmap> TSpeedButton::GlyphImage(TButtonState State) const {
  auto out = std::make_unique<TBitmap>();
  if (glyph_->Empty()) return out;
  int w = glyph_->Width() / numGlyphs_;
  int h = glyph_->Height();
  if (w <= 0) return out;
  int index = 0;
  switch (State) {
    case bsDisabled:
      index = numGlyphs_ >= 2 ? 1 : -1;
      break;
    case bsDown:
      index = numGlyphs_ >= 3 ? 2 : 0;
      break;
    case bsExclusive:
      index = numGlyphs_ >= 4 ? 3 : (numGlyphs_ >= 3 ? 2 : 0);
      break;
    default:
      break;
  }
  TBitmap part(w, h);
  part.SetPixelFormat(pf24bit);
  TPixelData px;
  px.Resize(w, h, 3);
  const TPixelData& src = glyph_->PixelData();
  int from = (index < 0 ? 0 : index) * w;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) px.SetPixel(x, y, src.GetPixel(from + x, y));
  part.SetPixelData(std::move(px));
  if (index < 0) return CreateDisabledGlyph(&part);
  out->Assign(&part);
  return out;
}

void TSpeedButton::DrawContent(TCanvas* C, const TRect& Client, const TPoint& Offset, TButtonState State) {
  std::unique_ptr<TBitmap> image = GlyphImage(State);
  std::string caption = showCaption_ ? Caption() : std::string();
  unsigned bidi = UseRightToLeftReading() ? DT_RTLREADING : 0;
  TPoint glyphPos;
  TRect textBounds;
  C->Font()->Assign(Font());
  CalcButtonLayout(C, Client, Offset, caption, image->Width(), image->Height(), layout_, margin_, spacing_,
                   bidi, glyphPos, textBounds);
  DrawTransparentBitmap(C, glyphPos.X, glyphPos.Y, image.get());
  if (caption.empty()) return;
  C->Font()->Assign(Font());
  C->Brush()->SetStyle(bsClear);
  unsigned flags = DT_CENTER | DT_VCENTER | bidi;
  if (State == bsDisabled) {
    TRect r = textBounds;
    OffsetRect(r, 1, 1);
    C->Font()->SetColor(clBtnHighlight);
    DrawText(C, caption, r, flags);
    r = textBounds;
    C->Font()->SetColor(clBtnShadow);
    DrawText(C, caption, r, flags);
  } else {
    TRect r = textBounds;
    DrawText(C, caption, r, flags);
  }
}

void TSpeedButton::Paint() {
  UpdateStateForPaint();
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  bool pressed = state_ == bsDown || state_ == bsExclusive;
  bool hot = mouseInControl_ && Enabled();
  if (!transparent_ || !flat_) {
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(r);
  }
  TRect face = r;
  if (flat_) {
    if (HTHEME th = (pressed || hot) ? OpenThemeData(0, "toolbar") : nullptr) {
      int s = state_ == bsExclusive ? (hot ? TS_HOTCHECKED : TS_CHECKED) : pressed ? TS_PRESSED : TS_HOT;
      DrawThemeBackground(th, c, TP_BUTTON, s, face, nullptr);
      CloseThemeData(th);
    } else if (pressed || hot) {
      if (state_ == bsExclusive && !hot) {
        c->Brush()->SetColor(cl3DLight);
        c->FillRect(face);
      }
      TRect e = face;
      DrawEdge(c, e, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    }
  } else if (HTHEME th = OpenThemeData(0, "button")) {
    int s = !Enabled() ? PBS_DISABLED : pressed ? PBS_PRESSED : hot ? PBS_HOT : PBS_NORMAL;
    DrawThemeBackground(th, c, BP_PUSHBUTTON, s, face, nullptr);
    CloseThemeData(th);
  } else {
    DrawFrameControl(c, face, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pressed ? DFCS_PUSHED : 0u));
    if (state_ == bsExclusive) {
      c->Brush()->SetStyle(bsSolid);
      c->Brush()->SetColor(cl3DLight);
      c->FillRect(face);
    }
  }
  TPoint offset = pressed ? TPoint(1, 1) : TPoint(0, 0);
  TRect content = r;
  InflateRect(content, -1, -1);
  DrawContent(c, content, offset, state_);
}
