// Arrow windows, the focus frame's window with its alpha mask and blur, the
// owner-drawn check box, the line-by-line text list and file pictures.
#include "grid/base/VevCtrls.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "framework/backend/Backend.h"
#include "framework/controls/WinApi.h"
#include "framework/graphics/Gdi.h"
#include "grid/base/VevStyleIF.h"
#include "grid/base/VevXPVS.h"

// ---------------------------------------------------------------------------
// TArrowWindow

namespace {

struct TArrowShape {
  TPoint Points[7];
};

// Winding outlines; each tip points the way the arrow's name says on the
// screen (the left arrow stands left of a row and points right at it).
constexpr TArrowShape kArrows[4] = {
    {{{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}}},  // arrUp
    {{{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}}},   // arrDown
    {{{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}}},  // arrLeft
    {{{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}}},  // arrRight
};

}  // namespace

TArrowWindow::TArrowWindow(TComponent* AOwner, TArrowDirection Direction)
    : TCustomPanel(AOwner), FDir(Direction) {
  std::copy(std::begin(kArrows[Direction].Points), std::end(kArrows[Direction].Points), FArrow);
  SetColor(static_cast<TColor>(0x00FF00));
  SetBevelOuter(bvNone);
  SetShowCaption(false);
  SetBounds(0, 0, 11, 11);
  SetVisible(false);
  if (auto* parent = dynamic_cast<TWinControl*>(AOwner)) SetParent(parent);
}

void TArrowWindow::CreateParams(TCreateParams& Params) {
  TCustomPanel::CreateParams(Params);
  Params.Style = WS_POPUP;
  Params.ExStyle &= ~WS_EX_CLIENTEDGE;
}

void TArrowWindow::CreateWnd() {
  TCustomPanel::CreateWnd();
  if (Peer() != nullptr) Peer()->SetShape(std::vector<TPoint>(std::begin(FArrow), std::end(FArrow)));
}

void TArrowWindow::Paint() {
  Canvas()->Brush()->SetStyle(bsSolid);
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(ClientRect());
}

// ---------------------------------------------------------------------------
// TGridFocusWindow

TGridFocusWindow::TGridFocusWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  SetVisible(false);
  SetBounds(0, 0, 0, 0);
  SetColor(static_cast<TColor>(0x0000FF));
}

TGridFocusWindow::~TGridFocusWindow() = default;

void TGridFocusWindow::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = WS_POPUP | WS_DISABLED;
  // Showing the frame must not take the activation from the editor's form.
  Params.ExStyle |= WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
}

void TGridFocusWindow::CreateWnd() {
  TCustomControl::CreateWnd();
  ApplyLooks();
}

void TGridFocusWindow::SetFrame(const TGridAlphaMask& Picture, const std::vector<TPoint>& Region) {
  // The canvas blends by straight alpha: premultiplied colours go back to
  // their full strength first.
  TPixelData px = Picture.PixelData();
  if (px.BytesPerPixel == 4 && Picture.AlphaFormat() == afPremultiplied) {
    for (int y = 0; y < px.Height; ++y) {
      uint8_t* row = px.Row(y);
      for (int x = 0; x < px.Width; ++x) {
        uint8_t* p = row + x * 4;
        if (p[3] == 0) continue;
        for (int ch = 0; ch < 3; ++ch)
          p[ch] = static_cast<uint8_t>(std::min(255L, std::lround(p[ch] * 255.0 / p[3])));
      }
    }
  }
  px.HasAlpha = true;
  FPicture = std::make_unique<TBitmap>();
  FPicture->SetPixelFormat(pf32bit);
  FPicture->SetPixelData(std::move(px));
  FPicture->SetAlphaFormat(afDefined);
  FOpacity = Picture.Opacity();
  FRegion = Region;
  ApplyLooks();
  Invalidate();
}

void TGridFocusWindow::ApplyLooks() {
  if (Peer() == nullptr) return;
  Peer()->SetOpacity(FOpacity);
  Peer()->SetShape(FRegion);
}

void TGridFocusWindow::Paint() {
  Canvas()->Brush()->SetStyle(bsSolid);
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(ClientRect());
  if (FPicture != nullptr && !FPicture->Empty()) Canvas()->Draw(0, 0, FPicture.get());
}

// ---------------------------------------------------------------------------
// TGridAlphaMask

TGridAlphaMask::TGridAlphaMask() { SetPixelFormat(pf32bit); }

void TGridAlphaMask::MergeMask(TBitmap* Mask, TBitmap* Bitmap, TColor Color) {
  (void)Color;
  if (Mask == nullptr || Bitmap == nullptr || Bitmap->PixelFormat() != pf24bit) return;
  const int w = Bitmap->Width();
  const int h = Bitmap->Height();
  TPixelData out;
  out.Resize(w, h, 4);
  out.HasAlpha = true;
  const TPixelData& src = Bitmap->PixelData();
  const TPixelData& mask = Mask->PixelData();
  for (int y = 0; y < h; ++y) {
    const uint8_t* s = src.Row(y);
    uint8_t* d = out.Row(y);
    for (int x = 0; x < w; ++x) {
      const int alpha = static_cast<int>(mask.GetPixel(x, y) & 0xFF);
      for (int ch = 0; ch < 3; ++ch)
        d[x * 4 + ch] = static_cast<uint8_t>(std::lround(s[x * src.BytesPerPixel + ch] * alpha / 255.0));
      d[x * 4 + 3] = static_cast<uint8_t>(alpha);
    }
  }
  SetPixelFormat(pf32bit);
  // Marked after the pixels go in: taking them marks them straight.
  SetPixelData(std::move(out));
  SetAlphaFormat(afPremultiplied);
}

void TGridAlphaMask::Assign(TPersistent* Source) {
  if (auto* other = dynamic_cast<TGridAlphaMask*>(Source)) {
    FOpacity = other->FOpacity;
    // The rows go into this mask's own size.
    TPixelData out;
    out.Resize(Width(), Height(), 4);
    out.HasAlpha = true;
    const TPixelData& src = other->PixelData();
    const int rows = std::min(out.Height, src.Height);
    const int bytes = std::min(out.Width, src.Width) * 4;
    for (int y = 0; y < rows && src.BytesPerPixel == 4; ++y) std::copy_n(src.Row(y), bytes, out.Row(y));
    SetPixelFormat(pf32bit);
    SetPixelData(std::move(out));
    return;
  }
  TBitmap::Assign(Source);
  SetPixelFormat(pf32bit);
}

void TGridAlphaMask::MakeRoundRectMask(TBitmap* Bitmap, int W, int H, int BorderWidth, int Corner,
                                       int Radius) {
  Bitmap->SetPixelFormat(pf24bit);
  Bitmap->SetSize(W, H);
  TCanvas* c = Bitmap->Canvas();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(clBlack);
  c->FillRect(TRect(0, 0, W, H));
  const int inset = 2 + BorderWidth / 2;
  if (BorderWidth > 0) {
    c->Pen()->SetColor(clWhite);
    c->Pen()->SetWidth(BorderWidth);
    c->Brush()->SetColor(clBlack);
  } else {
    c->Pen()->SetColor(clWhite);
    c->Pen()->SetWidth(1);
    c->Brush()->SetColor(clWhite);
  }
  c->RoundRect(inset, inset, W - inset, H - inset, Corner, Corner);
  if (Radius > 0) GaussianBlurMask(Bitmap, Radius);
}

namespace {

uint8_t ClampToByte(double V) {
  if (V < 0) return 0;
  if (V >= 255) return 255;
  return static_cast<uint8_t>(std::lround(V));
}

// The kernel's central weights (odd count), summing to 1.
std::vector<double> BuildBlurKernel(double Radius) {
  std::vector<double> w(21);
  double sum = 0;
  for (int k = -10; k <= 10; ++k) {
    const double x = k / Radius;
    w[static_cast<size_t>(k + 10)] = std::exp(-x * x / 2);
    sum += w[static_cast<size_t>(k + 10)];
  }
  for (double& v : w) v /= sum;
  int j = 10;
  double dropped = 0;
  while (dropped < 1.0 / 510 && j > 1) {
    dropped += 2 * w[static_cast<size_t>(10 + j)];
    --j;
  }
  std::vector<double> kernel(w.begin() + (10 - j), w.begin() + (10 + j + 1));
  double kept = 0;
  for (double v : kernel) kept += v;
  for (double& v : kernel) v /= kept;
  return kernel;
}

// Convolves Count pixels (3 channels, Step bytes apart) with the kernel;
// positions past the ends take the end pixel.
void BlurLine(uint8_t* First, int Count, int Step, const std::vector<double>& Kernel) {
  const int half = static_cast<int>(Kernel.size()) / 2;
  std::vector<uint8_t> line(static_cast<size_t>(Count) * 3);
  for (int i = 0; i < Count; ++i)
    for (int ch = 0; ch < 3; ++ch)
      line[static_cast<size_t>(i * 3 + ch)] = First[static_cast<ptrdiff_t>(i) * Step + ch];
  for (int i = 0; i < Count; ++i) {
    double acc[3] = {0, 0, 0};
    for (int k = -half; k <= half; ++k) {
      const int p = std::clamp(i + k, 0, Count - 1);
      const double wk = Kernel[static_cast<size_t>(k + half)];
      for (int ch = 0; ch < 3; ++ch) acc[ch] += wk * line[static_cast<size_t>(p * 3 + ch)];
    }
    for (int ch = 0; ch < 3; ++ch) First[static_cast<ptrdiff_t>(i) * Step + ch] = ClampToByte(acc[ch]);
  }
}

}  // namespace

void TGridAlphaMask::GaussianBlurMask(TBitmap* Bitmap, double Radius) {
  if (Bitmap == nullptr || Bitmap->PixelFormat() != pf24bit)
    throw Exception("Blur only works for 24-bit bitmaps");
  const std::vector<double> kernel = BuildBlurKernel(Radius);
  TPixelData data = Bitmap->PixelData();
  const int w = data.Width;
  const int h = data.Height;
  const int bpp = data.BytesPerPixel;
  // The middle rows and columns of the mask are alike: they copy row or
  // column 15, blurred before them.
  for (int y = 0; y < h; ++y) {
    if (y > 20 && y < h - 20)
      std::copy_n(data.Row(15), static_cast<size_t>(w) * bpp, data.Row(y));
    else
      BlurLine(data.Row(y), w, bpp, kernel);
  }
  for (int x = 0; x < w; ++x) {
    if (x > 20 && x < w - 20) {
      for (int y = 0; y < h; ++y) std::copy_n(data.Row(y) + 15 * bpp, 3, data.Row(y) + x * bpp);
    } else if (h > 0) {
      BlurLine(data.Row(0) + x * bpp, h, data.Stride, kernel);
    }
  }
  Bitmap->SetPixelData(std::move(data));
}

// ---------------------------------------------------------------------------
// TVevCheckBox

TVevCheckBox::TVevCheckBox(TComponent* AOwner)
    : TCustomControl(AOwner), FBkgBmp(std::make_unique<TBitmap>()) {
  FIsWinXP = IsWindowsXPOrLater();
  // No click from the framework on a release: the box clicks itself.
  TControlStyle style = ControlStyle();
  style >> csClickEvents;
  SetControlStyle(style);
  SetBounds(Left(), Top(), 98, 20);
  SetTabStop(true);
}

TVevCheckBox::~TVevCheckBox() = default;

TRect TVevCheckBox::BoxArea() const {
  const TRect c = ClientRect();
  return FAlignment == taRightJustify ? TRect(c.Right - 20, c.Top, c.Right, c.Bottom)
                                      : TRect(c.Left, c.Top, c.Left + 20, c.Bottom);
}

void TVevCheckBox::InvalidateBox() {
  if (FIsWinXP) Invalidate();
}

void TVevCheckBox::SetDown(bool Value) {
  if (FDown == Value) return;
  FDown = Value;
  Invalidate();
}

void TVevCheckBox::SetState(TCheckBoxState Value) {
  if (FState == Value) return;
  FState = Value;
  Invalidate();
}

void TVevCheckBox::SetChecked(bool Value) {
  FState = Value ? cbChecked : cbUnchecked;
  Invalidate();
}

void TVevCheckBox::SetButtonVertAlign(TTextLayout Value) {
  if (FBtnVAlign == Value) return;
  FBtnVAlign = Value;
  Invalidate();
}

void TVevCheckBox::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  Invalidate();
}

void TVevCheckBox::SetEllipsis(bool Value) {
  if (FEllipsis == Value) return;
  FEllipsis = Value;
  Invalidate();
}

void TVevCheckBox::SetCaption(const std::string& Value) {
  FCaption = Value;
  if (HandleAllocated()) SetText(Value);
  Invalidate();
}

void TVevCheckBox::SetTransparent(bool Value) {
  if (FTransparent != Value) {
    FTransparent = Value;
    DropBackgroundCache();
  }
  Invalidate();
}

void TVevCheckBox::DropBackgroundCache() { FBkgCache = false; }

void TVevCheckBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (FTransparent) {
    DropBackgroundCache();
    Invalidate();
  }
}

void TVevCheckBox::Toggle() {
  if (FReadOnly) return;
  SetChecked(!Checked());
}

void TVevCheckBox::PaintBackground(TCanvas* C) {
  TWinControl* parent = Parent();
  if (!FTransparent || parent == nullptr) {
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Color());
    C->FillRect(ClientRect());
    return;
  }
  // The parent's own background and painting, seen through this control.
  auto paintParent = [&](TCanvas* DC) {
    const int saved = DC->SaveDC();
    const TPoint org = DC->WindowOrg();
    DC->SetWindowOrg(TPoint(org.X + Left(), org.Y + Top()));
    DC->IntersectClipRect(parent->ClientRect());
    parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC), reinterpret_cast<LPARAM>(DC));
    parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
    DC->RestoreDC(saved);
  };
  if (!FTransparentCaching) {
    paintParent(C);
    return;
  }
  if (!FBkgCache) {
    FBkgBmp->SetSize(Width(), Height());
    paintParent(FBkgBmp->Canvas());
    FBkgCache = true;
  }
  C->Draw(0, 0, FBkgBmp.get());
}

void TVevCheckBox::Paint() {
  TCanvas* c = Canvas();
  c->Font()->Assign(Font());
  PaintBackground(c);
  const TRect client = ClientRect();
  const int h = client.Height();
  const bool disabled = !Enabled();
  const bool themed = UxThemeActive() && IsComCtl6();
  if (themed) {
    const int x = FAlignment == taRightJustify ? client.Width() - 15 : 0;
    const int y = FBtnVAlign == tlTop ? 4 : (FBtnVAlign == tlCenter ? h / 2 - 6 : h - 14);
    // Unchecked 1..4, checked 5..8, grayed 9..12: normal, hot, pressed,
    // disabled; disabled wins over pressed, pressed over hot.
    int state = disabled ? 4 : (FDown ? 3 : (FHot ? 2 : 1));
    if (FState == cbChecked) state += 4;
    if (FState == cbGrayed) state += 8;
    const TUxThemeEntries& ux = UxTheme();
    HTHEME theme = ux.OpenThemeData(Handle(), "button");
    const TRect r(x, y, x + 14, y + 14);
    ux.DrawThemeBackground(theme, c, BP_CHECKBOX, state, r, nullptr);
    ux.CloseThemeData(theme);
  } else {
    const int x = FAlignment == taRightJustify ? client.Width() - 13 : 0;
    const int y = FBtnVAlign == tlTop ? 4 : (FBtnVAlign == tlCenter ? h / 2 - 6 : h - 17);
    TRect r(x, y, x + 13, y + 13);
    unsigned state = DFCS_BUTTONCHECK;
    if (FState == cbChecked) state |= DFCS_CHECKED;
    if (FState == cbGrayed || disabled) state |= DFCS_INACTIVE;
    DrawFrameControl(c, r, DFC_BUTTON, state);
  }

  TRect r = client;
  if (FAlignment == taRightJustify)
    r.Right -= 9;
  else
    r.Left += 9;
  r.Top += 4;
  r.Left += 6;
  c->Brush()->SetStyle(bsClear);
  const unsigned flags = DT_LEFT | DT_SINGLELINE | (FEllipsis ? DT_END_ELLIPSIS : 0u);
  std::string caption = FCaption;
  if (disabled) {
    TRect shadow = r;
    OffsetRect(shadow, 1, 1);
    c->Font()->SetColor(clWhite);
    DrawText(c, caption, shadow, flags);
    c->Font()->SetColor(static_cast<TColor>(0x808080));
  }
  DrawText(c, caption, r, flags);
  if (Focused() && !caption.empty()) {
    TRect calc = r;
    DrawText(c, caption, calc, flags | DT_CALCRECT);
    c->Brush()->SetStyle(bsSolid);
    c->DrawFocusRect(TRect(r.Left - 2, r.Top, r.Left + calc.Width() + 1, r.Top + calc.Height() + 1));
  }
}

void TVevCheckBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  FMouseDown = true;
  if (CanFocus()) SetFocus();
  SetCapture(Handle());
  FDown = true;
  InvalidateBox();
  Invalidate();
}

void TVevCheckBox::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (!FMouseDown || GetCapture() != Handle()) return;
  const bool inside = X >= 0 && X < Width() && Y >= 0 && Y < Height();
  if (inside != FDown) {
    FDown = inside;
    Invalidate();
  }
}

void TVevCheckBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  if (GetCapture() == Handle()) ReleaseCapture();
  const bool inside = X >= 0 && X <= Width() && Y >= 0 && Y <= Height();
  const bool pressedHere = FMouseDown;
  FMouseDown = false;
  FDown = false;
  if (inside && Focused() && pressedHere) {
    FClicksDisabled = true;
    Toggle();
    FClicksDisabled = false;
    Click();
  }
  InvalidateBox();
  Invalidate();
}

void TVevCheckBox::KeyDown(WORD& Key, TShiftState Shift) {
  if (Key == VK_RETURN && FReturnIsTab) {
    Key = 0;
    PostMessage(Handle(), WM_KEYDOWN, VK_TAB, 0);
    return;
  }
  if (Key == VK_SPACE) SetDown(true);
  TCustomControl::KeyDown(Key, Shift);
}

void TVevCheckBox::KeyUp(WORD& Key, TShiftState Shift) {
  if (Key == VK_SPACE && FDown) {
    SetDown(false);
    Toggle();
    Click();
  }
  TCustomControl::KeyUp(Key, Shift);
}

void TVevCheckBox::DoEnter() {
  FFocused = true;
  Invalidate();
  TCustomControl::DoEnter();
}

void TVevCheckBox::DoExit() {
  FFocused = false;
  Invalidate();
  TCustomControl::DoExit();
}

void TVevCheckBox::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTCHARS | (FReturnIsTab ? DLGC_WANTALLKEYS : 0);
      return;
    case CM_DIALOGCHAR:
      if (Enabled() && IsAccel(static_cast<char32_t>(Message.WParam), FCaption)) {
        Toggle();
        if (TabStop() && CanFocus()) SetFocus();
        Message.Result = 1;
        return;
      }
      break;
    case CM_MOUSEENTER:
      FHot = true;
      InvalidateBox();
      break;
    case CM_MOUSELEAVE:
      FHot = false;
      InvalidateBox();
      break;
    case CM_ENABLEDCHANGED:
      Invalidate();
      break;
    case WM_ERASEBKGND:
      // Paint fills or draws the background itself.
      Message.Result = 1;
      return;
    default:
      break;
  }
  TCustomControl::WndProc(Message);
}

// ---------------------------------------------------------------------------
// TFileStringList

void TFileStringList::Reset() {
  fp = 0;
  cache.clear();
}

void TFileStringList::ReadLn(std::string& s) {
  s = Strings(fp);
  ++fp;
}

void TFileStringList::WriteLn(const std::string& s) {
  Add(cache + s);
  cache.clear();
}

// ---------------------------------------------------------------------------
// TFilePicture

void TFilePicture::SetFilename(const std::string& Value) {
  FFilename = Value;
  TPicture picture;
  picture.LoadFromFile(Value);
  FWidth = picture.Width();
  FHeight = picture.Height();
}

void TFilePicture::DrawPicture(TCanvas* Canvas, const TRect& r) {
  if (FFilename.empty()) return;
  TPicture picture;
  picture.LoadFromFile(FFilename);
  Canvas->StretchDraw(r, picture.Graphic());
}

void TFilePicture::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TFilePicture*>(Source);
  if (s == nullptr) return;
  FFilename = s->FFilename;
  FWidth = s->FWidth;
  FHeight = s->FHeight;
}
