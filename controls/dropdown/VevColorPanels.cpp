#include "controls/dropdown/VevColorPanels.h"

#include <cmath>

#include "framework/controls/Forms.h"
#include "framework/controls/Image.h"
#include "framework/graphics/CursorPicture.h"
#include "framework/graphics/Graphics.h"
#include "framework/rtl/Format.h"

namespace {
// Rows of the cube, #RRGGBB.
const std::vector<std::vector<uint32_t>> kCubeRows = {
    {0x003366, 0x336699, 0x3366CC, 0x003399, 0x000099, 0x0000CC, 0x000066},
    {0x006666, 0x006699, 0x0099CC, 0x0066CC, 0x0033CC, 0x0000FF, 0x3333FF, 0x333399},
    {0x008080, 0x009999, 0x33CCCC, 0x00CCFF, 0x0099FF, 0x0066FF, 0x3366FF, 0x3333CC, 0x666699},
    {0x339966, 0x00CC99, 0x00FFCC, 0x00FFFF, 0x33CCFF, 0x3399FF, 0x6699FF, 0x6666FF, 0x6600FF, 0x6600CC},
    {0x339933, 0x00CC66, 0x00FF99, 0x66FFCC, 0x66FFFF, 0x66CCFF, 0x99CCFF, 0x9999FF, 0x9966FF, 0x9933FF,
     0x9900FF},
    {0x006600, 0x00CC00, 0x00FF00, 0x66FF99, 0x99FFCC, 0xCCFFFF, 0xCCECFF, 0xCCCCFF, 0xCC99FF, 0xCC66FF,
     0xCC00FF, 0x9900CC},
    {0x003300, 0x008000, 0x33CC33, 0x66FF66, 0x99FF99, 0xCCFFCC, 0xFFFFFF, 0xFFCCFF, 0xFF99FF, 0xFF66FF,
     0xFF00FF, 0xCC00CC, 0x660066},
    {0x336600, 0x009900, 0x66FF33, 0x99FF66, 0xCCFF99, 0xFFFFCC, 0xFFCCCC, 0xFF99CC, 0xFF66CC, 0xFF33CC,
     0xCC0099, 0x800080},
    {0x333300, 0x669900, 0x99FF33, 0xCCFF66, 0xFFFF99, 0xFFCC99, 0xFF9999, 0xFF6699, 0xFF3399, 0xCC3399,
     0x990099},
    {0x666633, 0x99CC00, 0xCCFF33, 0xFFFF66, 0xFFCC66, 0xFF9966, 0xFF7C80, 0xFF0066, 0xD60093, 0x993366},
    {0x808000, 0xCCCC00, 0xFFFF00, 0xFFCC00, 0xFF9933, 0xFF6600, 0xFF5050, 0xCC0066, 0x660033},
    {0x996633, 0xCC9900, 0xFF9900, 0xCC6600, 0xFF3300, 0xFF0000, 0xCC0000, 0x990033},
    {0x663300, 0x996600, 0xCC3300, 0x993300, 0x990000, 0x800000, 0xA50021},
};

TColor FromRGBText(uint32_t Rgb) {
  return static_cast<TColor>(((Rgb >> 16) & 0xFF) | (Rgb & 0xFF00) | ((Rgb & 0xFF) << 16));
}

void DrawHexagon(TCanvas* C, int X, int Y, int B, int A) {
  const TPoint p[6] = {TPoint(X - B, Y - A), TPoint(X, Y - 2 * A), TPoint(X + B, Y - A),
                       TPoint(X + B, Y + A), TPoint(X, Y + 2 * A), TPoint(X - B, Y + A)};
  C->Polygon(p, 6);
}
}  // namespace

void TVevCustomColorSelectorPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (OnShouldHide) OnShouldHide(this);
}

// ---- Cube ----

TVevColorCubePanel::TVevColorCubePanel(TComponent* AOwner) : TVevCustomColorSelectorPanel(AOwner) {
  InitCells();
  SetShowRGBHint(true);
  SetBounds(0, 0, 182, 160);
}

void TVevColorCubePanel::InitCells() {
  cubeSize_ = TPoint(6, 3);
  int n = 1;
  for (int row = 1; row <= 13; ++row) {
    const int y = 20 + 10 * (row - 1);
    const int x0 = row <= 7 ? 55 - 6 * (row - 1) : 19 + 6 * (row - 7);
    const auto& colors = kCubeRows[static_cast<size_t>(row - 1)];
    for (size_t i = 0; i < colors.size(); ++i, ++n) {
      cells_[static_cast<size_t>(n)].center = TPoint(x0 + 12 * static_cast<int>(i), y);
      cells_[static_cast<size_t>(n)].color = FromRGBText(colors[i]);
    }
  }
}

void TVevColorCubePanel::ResetHot() {
  hotIndex_ = -1;
  SetBounds(Left(), Top(), 182, 160);
}

void TVevColorCubePanel::SetShowRGBHint(bool Value) {
  showRGBHint_ = Value;
  SetShowHint(Value);
}

void TVevColorCubePanel::SelectColor(TColor Color, int Cell) {
  selectedColor_ = Color;
  if (Cell >= 1 && Cell <= 127) {
    selectedIndex_ = Cell;
    return;
  }
  selectedIndex_ = -1;
  for (int i = 1; i <= 127; ++i)
    if (cells_[static_cast<size_t>(i)].color == Color) {
      selectedIndex_ = i;
      return;
    }
}

int TVevColorCubePanel::CellAt(int X, int Y) const {
  for (int i = 1; i <= 127; ++i) {
    const TPoint c = cells_[static_cast<size_t>(i)].center;
    const int dx = X - c.X, dy = Y - c.Y;
    if (dx * dx + dy * dy <= 36) return i;
  }
  return -1;
}

void TVevColorCubePanel::DrawCellOn(TCanvas* C, int Cell) {
  if (Cell < 1 || Cell > 127) return;
  const TCubeCell& c = cells_[static_cast<size_t>(Cell)];
  C->Pen()->SetColor(c.color);
  C->Brush()->SetStyle(bsSolid);
  C->Brush()->SetColor(c.color);
  DrawHexagon(C, c.center.X, c.center.Y, cubeSize_.X, cubeSize_.Y);
  auto frame = [&](TColor Outer) {
    C->Brush()->SetStyle(bsClear);
    C->Pen()->SetColor(Outer);
    DrawHexagon(C, c.center.X, c.center.Y, 5, 3);
    C->Pen()->SetColor(clWhite);
    DrawHexagon(C, c.center.X, c.center.Y, 4, 2);
    C->Brush()->SetStyle(bsSolid);
  };
  if (Cell == hotIndex_) frame(0x0000FF);
  if (Cell == selectedIndex_) frame(clBlack);
}

void TVevColorCubePanel::DrawCell(int Cell) {
  if (Cell < 1 || Cell > 127) return;
  const TPoint c = cells_[static_cast<size_t>(Cell)].center;
  const TRect r(c.X - 7, c.Y - 7, c.X + 8, c.Y + 8);
  InvalidateRect(&r, false);
}

void TVevColorCubePanel::Paint() {
  TCanvas* c = Canvas();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Color());
  c->FillRect(ClientRect());
  for (int i = 1; i <= 127; ++i) DrawCellOn(c, i);
  // Frames last, so no neighbour covers them.
  if (hotIndex_ >= 1) DrawCellOn(c, hotIndex_);
  if (selectedIndex_ >= 1) DrawCellOn(c, selectedIndex_);
}

void TVevColorCubePanel::MouseMove(TShiftState Shift, int X, int Y) {
  TVevCustomColorSelectorPanel::MouseMove(Shift, X, Y);
  const int c = CellAt(X, Y);
  if (c >= 1 && c != hotIndex_) {
    const int old = hotIndex_;
    hotIndex_ = c;
    DrawCell(old);
    DrawCell(c);
    if (showRGBHint_) {
      const TColor v = cells_[static_cast<size_t>(c)].color;
      SetHint(Format("Red: %d,  Green: %d,  Blue: %d",
                     {static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                      static_cast<int>((v >> 16) & 0xFF)}));
      if (Application != nullptr) Application->CancelHint();
    }
  } else if (c < 1 && showRGBHint_) {
    SetHint("");
    if (Application != nullptr) Application->CancelHint();
  }
}

void TVevColorCubePanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TVevCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
  const int c = CellAt(X, Y);
  if (c < 1) return;
  DrawCell(selectedIndex_);
  SelectColor(cells_[static_cast<size_t>(c)].color, c);
  DrawCell(c);
  if (OnSelect) OnSelect(this);
}

// ---- Spectrum ----

TColor SpectrumColorAt(int X, int Y) {
  const double h = std::clamp(X, 0, 127) * 6.0 / 128;  // 0 to 6
  const int sector = static_cast<int>(h);
  const double f = h - sector;
  double r = 0, g = 0, b = 0;
  switch (sector % 6) {
    case 0:
      r = 1, g = f, b = 0;
      break;
    case 1:
      r = 1 - f, g = 1, b = 0;
      break;
    case 2:
      r = 0, g = 1, b = f;
      break;
    case 3:
      r = 0, g = 1 - f, b = 1;
      break;
    case 4:
      r = f, g = 0, b = 1;
      break;
    default:
      r = 1, g = 0, b = 1 - f;
      break;
  }
  const int y = std::clamp(Y, 0, 127);
  auto mix = [&](double v) {
    // White above the full hue at row 64, black below it.
    const double out = y <= 64 ? 1 + (v - 1) * (y / 64.0) : v * (127 - y) / 63.0;
    return static_cast<uint32_t>(std::lround(std::clamp(out, 0.0, 1.0) * 255));
  };
  return static_cast<TColor>(mix(r) | (mix(g) << 8) | (mix(b) << 16));
}

void DrawVyxPointer(TBitmap* Bmp) {
  TCanvas* c = BeginCursorPicture(Bmp);
  // The bulb at the top right, the collar below it, and the glass tube
  // down to the tip at the hot spot.
  c->Ellipse(19, 1, 31, 13);
  c->Polygon({{15, 9}, {17, 7}, {25, 15}, {23, 17}});
  c->Polygon({{VyxPointerHotSpot.X, VyxPointerHotSpot.Y}, {2, 26}, {17, 11}, {21, 15}, {6, 30}});
}

TCursor VyxPointerCursor() {
  if (Screen != nullptr && !Screen->HasCursor(crVyxPointer)) {
    TBitmap bmp;
    DrawVyxPointer(&bmp);
    Screen->SetCursors(crVyxPointer, &bmp, VyxPointerHotSpot);
  }
  return crVyxPointer;
}

TVevColorSpectrumPanel::TVevColorSpectrumPanel(TComponent* AOwner) : TVevCustomColorSelectorPanel(AOwner) {
  image_ = new TImage(this);
  image_->SetParent(this);
  image_->SetBounds(0, 0, 128, 128);
  auto bmp = std::make_unique<TBitmap>();
  bmp->SetSize(128, 128);
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) bmp->Canvas()->SetPixels(x, y, SpectrumColorAt(x, y));
  image_->Picture()->SetBitmap(bmp.get());
  image_->OnMouseMove = [this](TObject*, TShiftState, int X, int Y) { PictureMouseMove(X, Y); };
  image_->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { PictureMouseDown(); };
  image_->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { PictureMouseUp(); };
  image_->SetCursor(VyxPointerCursor());
  Layout();
}

void TVevColorSpectrumPanel::PictureMouseUp() {
  if (OnShouldHide) OnShouldHide(this);
}

void TVevColorSpectrumPanel::Layout() {
  SetBounds(Left(), Top(), 150, 174);
  image_->SetBounds((Width() - image_->Width()) / 2, 10, image_->Width(), image_->Height());
  const int l = image_->Left(), w = image_->Width(), b = image_->Top() + image_->Height();
  selectedRect_ = TRect(l - 1, b + 8, l + w / 2 - 2, b + 28);
  hotRect_ = TRect(selectedRect_.Right + 4, b + 8, l + w + 1, b + 28);
  hotColor_ = clNone;
  Invalidate();
}

void TVevColorSpectrumPanel::DrawBox(TCanvas* C, const TRect& R, TColor Color) {
  C->Brush()->SetStyle(bsClear);
  C->Pen()->SetColor(0x808080);
  C->Rectangle(R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1);
  C->Pen()->SetColor(clWhite);
  if (Color == clNone) {
    C->Rectangle(R);
  } else {
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Color);
    C->Rectangle(R);
  }
}

void TVevColorSpectrumPanel::Paint() {
  TCanvas* c = Canvas();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Color());
  c->FillRect(ClientRect());
  c->Brush()->SetStyle(bsClear);
  const TRect p = image_->BoundsRect();
  c->Pen()->SetColor(clWhite);
  c->Rectangle(p.Left - 1, p.Top - 1, p.Right + 1, p.Bottom + 1);
  c->Pen()->SetColor(0x808080);
  c->Rectangle(p.Left - 2, p.Top - 2, p.Right + 2, p.Bottom + 2);
  DrawBox(c, selectedRect_, selectedColor_);
  DrawBox(c, hotRect_, hotColor_);
}

void TVevColorSpectrumPanel::PictureMouseMove(int X, int Y) {
  hotColor_ = SpectrumColorAt(X, Y);
  const TRect r(hotRect_.Left - 1, hotRect_.Top - 1, hotRect_.Right + 1, hotRect_.Bottom + 1);
  InvalidateRect(&r, false);
}

void TVevColorSpectrumPanel::PictureMouseDown() {
  selectedColor_ = hotColor_;
  const TRect r(selectedRect_.Left - 1, selectedRect_.Top - 1, selectedRect_.Right + 1,
                selectedRect_.Bottom + 1);
  InvalidateRect(&r, false);
  if (OnSelect) OnSelect(this);
}
