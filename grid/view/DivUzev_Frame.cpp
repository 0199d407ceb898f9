// Window-level extras of the grid: its own one-pixel border over the
// non-client edge for the looks that have one, and the soft glowing frame
// around the cell being edited, a window of its own above everything that
// follows the cell when windows move.
#include <vector>

#include "framework/controls/Forms.h"
#include "grid/base/VevCtrls.h"
#include "grid/model/DivUzev.h"

namespace {

// The frame's light blue (red 151, green 211, blue 253) and how opaque it is.
constexpr TColor kFrameColor = 0x00FDD397;
constexpr uint8_t kFrameOpacity = 230;
// The frame reaches this far out of the cell on each side; the window is
// the cell plus twice that, plus one for the cell's own grid line.
constexpr int kFrameMargin = 4;
constexpr int kFrameGrow = 9;

bool LookHasBorder(TGridLook Look) { return Look == glSoft || (Look >= glVyx && Look <= glOffice2007); }

// The window's outline with the cell cut out: the hole is a second outline
// joined to the first at the top-left corner, so the alternating fill
// leaves it out.
std::vector<TPoint> FrameRegion(int W, int H, const TRect& Hole) {
  return {{0, 0},
          {W, 0},
          {W, H},
          {0, H},
          {0, 0},
          {Hole.Left, Hole.Top},
          {Hole.Left, Hole.Bottom},
          {Hole.Right, Hole.Bottom},
          {Hole.Right, Hole.Top},
          {Hole.Left, Hole.Top}};
}

}  // namespace

// ---------------------------------------------------------------------------
// The border

void TDedAdararAdoz::PaintBorder(TCanvas* DC) {
  if (DC == nullptr || !LookHasBorder(FLook) || BorderStyle() == bsNone || FBorderColor == clNone || FFlat)
    return;
  const int w = Width(), h = Height();
  DC->Pen()->SetStyle(psSolid);
  DC->Pen()->SetWidth(1);
  DC->Brush()->SetStyle(bsClear);
  DC->Pen()->SetColor(FBorderColor);
  if (FitCellsInGrid()) {
    DC->Polyline({{1, h}, {1, 1}, {w - 2, 1}, {w - 2, h - 2}, {1, h - 2}});
    // Outside it, the parent's colour: the grid sits in its parent without
    // the window system's edge.
    if (Parent() != nullptr) {
      DC->Pen()->SetColor(Parent()->Brush()->Color());
      DC->Polyline({{0, h}, {0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}});
    }
  } else if (FIsThemed) {
    DC->Polyline({{0, h - 1}, {0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}});
  }
  DC->Brush()->SetStyle(bsSolid);
}

void TDedAdararAdoz::RepaintBorder() {
  if (!HandleAllocated() || Peer() == nullptr) return;
  // The edge only: any paint of the window paints its non-client part
  // first, and nothing of the cells lies in these strips.
  const TRect ins = NonClientInsets();
  const int w = Width(), h = Height();
  const TRect strips[4] = {TRect(0, 0, w, ins.Top), TRect(0, h - ins.Bottom, w, h), TRect(0, 0, ins.Left, h),
                           TRect(w - ins.Right, 0, w, h)};
  for (const TRect& r : strips)
    if (r.Right > r.Left && r.Bottom > r.Top) Peer()->Invalidate(&r);
}

// ---------------------------------------------------------------------------
// The focus frame

void TDedAdararAdoz::ShowFocusWindow() {
  if (FDesigning || !HandleAllocated()) return;
  const TRect cell = CellRect(Col(), Row());
  if (cell.Right <= cell.Left || cell.Bottom <= cell.Top) return;
  // One grid at a time shows a frame.
  if (TDedAdararAdoz* other = FocusFrameGrid(); other != nullptr && other != this) other->HideFocusWindow();
  if (FFocusWindow == nullptr) FFocusWindow = new TGridFocusWindow(this);
  const int w = cell.Width() + kFrameGrow, h = cell.Height() + kFrameGrow;
  // The framework asks again whether its editor may show as the editor
  // moves along: a frame that fits only moves.
  if (FocusFrameGrid() == this && FFocusWindow->Visible() && FFocusWindow->Width() == w &&
      FFocusWindow->Height() == h) {
    MoveFocusWindow();
    return;
  }
  FFocusWindow->SetVisible(false);
  TBitmap mask;
  TGridAlphaMask::MakeRoundRectMask(&mask, w, h, 5, 3, 4);
  TBitmap fill;
  fill.SetPixelFormat(pf24bit);
  fill.SetSize(w, h);
  fill.Canvas()->Brush()->SetStyle(bsSolid);
  fill.Canvas()->Brush()->SetColor(kFrameColor);
  fill.Canvas()->FillRect(TRect(0, 0, w, h));
  TGridAlphaMask picture;
  picture.MergeMask(&mask, &fill, kFrameColor);
  picture.SetOpacity(kFrameOpacity);
  // Where the glow thins out it shows the grid's own colour.
  FFocusWindow->SetColor(Color());
  TRect hole(0, 0, cell.Width(), cell.Height());
  OffsetRect(hole, kFrameMargin, kFrameMargin);
  FFocusWindow->SetFrame(picture, FrameRegion(w, h, hole));
  FFocusWindow->SetBounds(FFocusWindow->Left(), FFocusWindow->Top(), w, h);
  SetFocusFrameGrid(this);
  MoveFocusWindow();
}

void TDedAdararAdoz::MoveFocusWindow() {
  if (FFocusWindow == nullptr || FocusFrameGrid() != this || !HandleAllocated()) return;
  const TRect cell = CellRect(Col(), Row());
  if (cell.Right <= cell.Left || cell.Bottom <= cell.Top) {
    // The cell scrolled out of view: so does its frame, until it is back.
    FFocusWindow->SetVisible(false);
    return;
  }
  const int w = cell.Width() + kFrameGrow, h = cell.Height() + kFrameGrow;
  if (FFocusWindow->Width() != w || FFocusWindow->Height() != h) {
    // The cell changed its size: the frame's picture and shape follow.
    ShowFocusWindow();
    return;
  }
  const TPoint p = ClientToScreen(TPoint(cell.Left, cell.Top));
  FFocusWindow->SetBounds(p.X - kFrameMargin, p.Y - kFrameMargin, w, h);
  if (!FFocusWindow->Visible()) {
    FFocusWindow->HandleNeeded();
    ShowWindow(FFocusWindow->Handle(), SW_SHOWNOACTIVATE);
  }
}

void TDedAdararAdoz::HideFocusWindow() {
  if (FocusFrameGrid() == this) SetFocusFrameGrid(nullptr);
  if (FFocusWindow != nullptr && FFocusWindow->Visible()) FFocusWindow->SetVisible(false);
}
