// Edges, frame controls, block transfers and the DC routines.
#include <gtest/gtest.h>

#include "framework/graphics/Gdi.h"
#include "framework/graphics/RecordingCanvas.h"

namespace {
std::unique_ptr<TBitmap> Filled(int w, int h, TColor c) {
  auto b = std::make_unique<TBitmap>(w, h);
  b->Canvas()->Brush()->SetColor(c);
  b->Canvas()->FillRect(Rect(0, 0, w, h));
  return b;
}
}  // namespace

TEST(Gdi, MulDivRoundsToNearest) {
  struct Case {
    int a, b, c, r;
  } cases[] = {{8, 96, 72, 11}, {-11, 72, 96, -8}, {10, 3, 4, 8},
               {-10, 3, 4, -8}, {5, 1, 2, 3},      {1, 1, 0, -1}};
  for (const auto& k : cases) EXPECT_EQ(MulDiv(k.a, k.b, k.c), k.r) << k.a << "*" << k.b << "/" << k.c;
}

TEST(Gdi, DrawEdgeColoursAndAdjustment) {
  auto b = Filled(10, 10, clBlack);
  TRect r(0, 0, 10, 10);
  DrawEdge(b->Canvas()->Handle(), r, EDGE_RAISED, BF_RECT | BF_ADJUST | BF_MIDDLE);
  EXPECT_EQ(r, Rect(2, 2, 8, 8));
  const TPixelData& p = b->PixelData();
  EXPECT_EQ(p.GetPixel(0, 5), ColorToRGB(cl3DLight));     // outer left
  EXPECT_EQ(p.GetPixel(9, 5), ColorToRGB(cl3DDkShadow));  // outer right
  EXPECT_EQ(p.GetPixel(1, 5), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(p.GetPixel(8, 5), ColorToRGB(clBtnShadow));
  EXPECT_EQ(p.GetPixel(9, 0), ColorToRGB(cl3DDkShadow)) << "the far corners belong to the dark side";
  EXPECT_EQ(p.GetPixel(5, 5), ColorToRGB(clBtnFace));

  struct Case {
    unsigned edge, flags;
    TRect after;
  } cases[] = {
      {BDR_SUNKENOUTER, BF_RECT | BF_ADJUST, Rect(1, 1, 9, 9)},
      {BDR_RAISEDINNER, BF_LEFT | BF_TOP | BF_ADJUST, Rect(1, 1, 10, 10)},
      {EDGE_ETCHED, BF_BOTTOM | BF_ADJUST, Rect(0, 0, 10, 8)},
      {EDGE_RAISED, BF_RECT, Rect(0, 0, 10, 10)},
      {EDGE_SUNKEN, BF_RECT | BF_FLAT | BF_ADJUST, Rect(2, 2, 8, 8)},
  };
  for (const auto& k : cases) {
    TRect q(0, 0, 10, 10);
    DrawEdge(b->Canvas()->Handle(), q, k.edge, k.flags);
    EXPECT_EQ(q, k.after) << "edge " << k.edge << " flags " << k.flags;
  }
  TRect flat(0, 0, 4, 4);
  auto f = Filled(4, 4, clBlack);
  DrawEdge(f->Canvas()->Handle(), flat, BDR_SUNKENOUTER, BF_RECT | BF_FLAT);
  EXPECT_EQ(f->PixelData().GetPixel(0, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(f->PixelData().GetPixel(3, 3), ColorToRGB(clBtnShadow));
}

TEST(Gdi, FrameControlsShowTheirState) {
  auto unchecked = Filled(13, 13, clBlack);
  auto checked = Filled(13, 13, clBlack);
  TRect r(0, 0, 13, 13);
  DrawFrameControl(unchecked->Canvas()->Handle(), r, DFC_BUTTON, DFCS_BUTTONCHECK);
  DrawFrameControl(checked->Canvas()->Handle(), r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
  EXPECT_EQ(unchecked->PixelData().GetPixel(6, 6), ColorToRGB(clWindow));
  EXPECT_EQ(checked->PixelData().GetPixel(6, 6), ColorToRGB(clWindowText));
  auto inactive = Filled(13, 13, clBlack);
  DrawFrameControl(inactive->Canvas()->Handle(), r, DFC_BUTTON,
                   DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE);
  EXPECT_EQ(inactive->PixelData().GetPixel(6, 6), ColorToRGB(clGrayText));

  auto radio = Filled(13, 13, clBlack);
  DrawFrameControl(radio->Canvas()->Handle(), r, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED);
  EXPECT_EQ(radio->PixelData().GetPixel(6, 6), ColorToRGB(clWindowText));
  EXPECT_EQ(radio->PixelData().GetPixel(0, 0), clBlack) << "corners outside the circle stay";

  auto combo = Filled(17, 17, clBlack);
  TRect cr(0, 0, 17, 17);
  DrawFrameControl(combo->Canvas()->Handle(), cr, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_ADJUSTRECT);
  EXPECT_EQ(cr, Rect(2, 2, 15, 15));
  EXPECT_EQ(combo->PixelData().GetPixel(8, 8), ColorToRGB(clBtnText)) << "arrow in the middle";
  EXPECT_EQ(combo->PixelData().GetPixel(3, 3), ColorToRGB(clBtnFace));

  TRect push(0, 0, 20, 10);
  auto pb = Filled(20, 10, clBlack);
  DrawFrameControl(pb->Canvas()->Handle(), push, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT);
  EXPECT_EQ(push, Rect(2, 2, 18, 8));
  EXPECT_EQ(pb->PixelData().GetPixel(10, 5), ColorToRGB(clBtnFace));
}

TEST(Gdi, BlitsAndClipQueries) {
  auto src = Filled(4, 4, clRed);
  auto dst = Filled(8, 8, clWhite);
  HDC d = dst->Canvas()->Handle();
  EXPECT_TRUE(BitBlt(d, 2, 2, 4, 4, src->Canvas()->Handle(), 0, 0, SRCCOPY));
  EXPECT_EQ(dst->PixelData().GetPixel(2, 2), clRed);
  EXPECT_EQ(dst->PixelData().GetPixel(6, 6), clWhite);
  EXPECT_TRUE(PatBlt(d, 0, 0, 8, 1, DSTINVERT));
  EXPECT_EQ(dst->PixelData().GetPixel(0, 0), clBlack);
  dst->Canvas()->Brush()->SetColor(clBlue);
  EXPECT_TRUE(PatBlt(d, 0, 7, 8, 1, PATCOPY));
  EXPECT_EQ(dst->PixelData().GetPixel(3, 7), clBlue);

  auto keyed = Filled(2, 1, clFuchsia);
  keyed->PixelData().SetPixel(1, 0, clLime);
  EXPECT_TRUE(TransparentBlt(d, 0, 3, 2, 1, keyed->Canvas()->Handle(), 0, 0, 2, 1, clFuchsia));
  EXPECT_EQ(dst->PixelData().GetPixel(0, 3), clWhite);
  EXPECT_EQ(dst->PixelData().GetPixel(1, 3), clLime);

  TRect box;
  EXPECT_EQ(GetClipBox(d, &box), SIMPLEREGION);
  EXPECT_EQ(box, Rect(0, 0, 8, 8));
  EXPECT_EQ(IntersectClipRect(d, 1, 1, 5, 5), SIMPLEREGION);
  EXPECT_EQ(ExcludeClipRect(d, 2, 2, 3, 3), COMPLEXREGION);
  HRGN copy = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetClipRgn(d, copy), 1);
  EXPECT_FALSE(PtInRegion(copy, 2, 2));
  EXPECT_TRUE(PtInRegion(copy, 1, 1));
  SelectClipRgn(d, nullptr);
  EXPECT_EQ(GetClipRgn(d, copy), 0);
  DeleteObject(copy);
  EXPECT_EQ(GetDeviceCaps(d, LOGPIXELSX), 96);
  EXPECT_EQ(GetDeviceCaps(d, HORZRES), 8);
}

TEST(Gdi, GradientFillRunsFromColourToColour) {
  auto b = Filled(5, 3, clWhite);
  GradientFill(b->Canvas()->Handle(), Rect(0, 0, 5, 3), clBlack, RGB(200, 100, 40), GRADIENT_FILL_RECT_H);
  EXPECT_EQ(b->PixelData().GetPixel(0, 1), clBlack);
  EXPECT_EQ(b->PixelData().GetPixel(4, 1), RGB(200, 100, 40));
  EXPECT_EQ(b->PixelData().GetPixel(2, 0), RGB(100, 50, 20));
}
