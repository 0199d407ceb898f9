// Canvas drawing into bitmap memory, checked pixel by pixel.
#include <gtest/gtest.h>

#include "framework/graphics/Gdi.h"
#include "framework/graphics/Graphics.h"

namespace {
std::unique_ptr<TBitmap> WhiteBitmap(int w, int h, TPixelFormat pf = pf32bit) {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(pf);
  b->SetSize(w, h);
  b->Canvas()->Brush()->SetColor(clWhite);
  b->Canvas()->FillRect(Rect(0, 0, w, h));
  return b;
}
TColor Px(TBitmap& b, int x, int y) { return b.PixelData().GetPixel(x, y); }
}  // namespace

TEST(Canvas, ShapesFollowThePlatformPixelRules) {
  for (TPixelFormat pf : {pf24bit, pf32bit}) {
    SCOPED_TRACE(pf == pf24bit ? "24-bit" : "32-bit");
    auto b = WhiteBitmap(24, 24, pf);
    TCanvas* c = b->Canvas();

    c->Brush()->SetColor(clRed);
    c->FillRect(Rect(2, 2, 6, 6));
    EXPECT_EQ(Px(*b, 2, 2), clRed);
    EXPECT_EQ(Px(*b, 5, 5), clRed);
    EXPECT_EQ(Px(*b, 6, 6), clWhite) << "right and bottom edges are exclusive";
    EXPECT_EQ(Px(*b, 1, 1), clWhite);

    c->Brush()->SetColor(clBlue);
    c->FrameRect(Rect(8, 2, 12, 6));
    EXPECT_EQ(Px(*b, 8, 2), clBlue);
    EXPECT_EQ(Px(*b, 11, 5), clBlue);
    EXPECT_EQ(Px(*b, 9, 3), clWhite);
    EXPECT_EQ(Px(*b, 12, 6), clWhite);

    c->Pen()->SetColor(clBlack);
    c->MoveTo(0, 10);
    c->LineTo(5, 10);
    EXPECT_EQ(Px(*b, 0, 10), clBlack);
    EXPECT_EQ(Px(*b, 4, 10), clBlack);
    EXPECT_EQ(Px(*b, 5, 10), clWhite) << "a line leaves out its end point";
    EXPECT_EQ(c->PenPos(), Point(5, 10));
    c->MoveTo(20, 0);
    c->LineTo(20, 4);
    EXPECT_EQ(Px(*b, 20, 3), clBlack);
    EXPECT_EQ(Px(*b, 20, 4), clWhite);
    c->MoveTo(0, 12);
    c->LineTo(4, 16);
    EXPECT_EQ(Px(*b, 3, 15), clBlack);
    EXPECT_EQ(Px(*b, 4, 16), clWhite);

    c->Brush()->SetColor(clLime);
    c->Rectangle(10, 10, 15, 15);
    EXPECT_EQ(Px(*b, 10, 10), clBlack);
    EXPECT_EQ(Px(*b, 14, 10), clBlack);
    EXPECT_EQ(Px(*b, 14, 14), clBlack);
    EXPECT_EQ(Px(*b, 12, 12), clLime);
    EXPECT_EQ(Px(*b, 15, 15), clWhite);

    // Without a pen the filled figure is one pixel smaller.
    c->Pen()->SetStyle(psClear);
    c->Brush()->SetColor(clYellow);
    c->Rectangle(16, 16, 20, 20);
    EXPECT_EQ(Px(*b, 16, 16), clYellow);
    EXPECT_EQ(Px(*b, 18, 18), clYellow);
    EXPECT_EQ(Px(*b, 19, 19), clWhite);
  }
}

TEST(Canvas, PixelsRoundTripAndScanLines) {
  auto b = WhiteBitmap(4, 3);
  b->Canvas()->SetPixels(1, 2, RGB(10, 20, 30));
  EXPECT_EQ(b->Canvas()->Pixels(1, 2), RGB(10, 20, 30));
  auto* row = static_cast<uint8_t*>(b->ScanLine(2));
  EXPECT_EQ(row[4], 30);  // blue, green, red order
  EXPECT_EQ(row[5], 20);
  EXPECT_EQ(row[6], 10);
  EXPECT_EQ(b->Canvas()->Pixels(7, 7), clNone);
}

TEST(Canvas, ClipAndOriginLimitDrawing) {
  auto b = WhiteBitmap(20, 20);
  TCanvas* c = b->Canvas();
  int saved = c->SaveDC();
  c->IntersectClipRect(Rect(0, 0, 5, 5));
  c->ExcludeClipRect(Rect(1, 1, 2, 2));
  EXPECT_EQ(c->ClipRect(), Rect(0, 0, 5, 5));
  c->Brush()->SetColor(clRed);
  c->FillRect(Rect(0, 0, 20, 20));
  EXPECT_EQ(Px(*b, 4, 4), clRed);
  EXPECT_EQ(Px(*b, 5, 5), clWhite);
  EXPECT_EQ(Px(*b, 1, 1), clWhite) << "excluded hole";
  EXPECT_TRUE(c->RestoreDC(saved));
  EXPECT_EQ(c->ClipRegion(), nullptr);
  EXPECT_EQ(c->Brush()->Color(), clWhite) << "the brush of the save comes back";

  // A clip region selected through the DC routines, then the window origin.
  HRGN rgn = CreateRectRgn(10, 10, 12, 12);
  SelectClipRgn(c->Handle(), rgn);
  DeleteObject(rgn);  // the DC keeps its own copy
  c->Brush()->SetColor(clBlue);
  c->FillRect(Rect(0, 0, 20, 20));
  EXPECT_EQ(Px(*b, 11, 11), clBlue);
  EXPECT_EQ(Px(*b, 12, 12), clWhite);
  SelectClipRgn(c->Handle(), nullptr);
  TPoint old;
  SetWindowOrgEx(c->Handle(), 10, 0, &old);
  c->Brush()->SetColor(clLime);
  c->FillRect(Rect(10, 0, 12, 2));
  EXPECT_EQ(Px(*b, 0, 0), clLime);
  EXPECT_EQ(Px(*b, 1, 1), clLime);
  EXPECT_EQ(Px(*b, 10, 0), clWhite);
  EXPECT_EQ(c->Pixels(10, 0), clLime) << "Pixels reads through the origin";
}

TEST(Canvas, XorDrawingAndFocusFramesUndoThemselves) {
  auto b = WhiteBitmap(10, 10);
  TCanvas* c = b->Canvas();
  c->Pen()->SetMode(pmXor);
  c->Pen()->SetColor(clWhite);
  c->MoveTo(0, 5);
  c->LineTo(8, 5);
  EXPECT_EQ(Px(*b, 3, 5), clBlack);
  c->MoveTo(0, 5);
  c->LineTo(8, 5);
  EXPECT_EQ(Px(*b, 3, 5), clWhite);

  std::vector<uint8_t> before = b->PixelData().Bits;
  c->DrawFocusRect(Rect(1, 1, 9, 9));
  EXPECT_NE(b->PixelData().Bits, before);
  EXPECT_EQ(Px(*b, 1, 1), clBlack);
  EXPECT_EQ(Px(*b, 2, 1), clWhite) << "dotted: every other pixel";
  c->DrawFocusRect(Rect(1, 1, 9, 9));
  EXPECT_EQ(b->PixelData().Bits, before);
}

TEST(Canvas, FloodFillStopsAtTheBorderColour) {
  auto b = WhiteBitmap(12, 12);
  TCanvas* c = b->Canvas();
  c->Brush()->SetColor(clBlack);
  c->FrameRect(Rect(2, 2, 10, 10));
  c->Brush()->SetColor(clRed);
  c->FloodFill(5, 5, clBlack, fsBorder);
  EXPECT_EQ(Px(*b, 5, 5), clRed);
  EXPECT_EQ(Px(*b, 3, 3), clRed);
  EXPECT_EQ(Px(*b, 2, 2), clBlack);
  EXPECT_EQ(Px(*b, 0, 0), clWhite);
  // Surface fill over the red area turns it blue and nothing else.
  c->Brush()->SetColor(clBlue);
  c->FloodFill(5, 5, clRed, fsSurface);
  EXPECT_EQ(Px(*b, 8, 8), clBlue);
  EXPECT_EQ(Px(*b, 11, 11), clWhite);
  // Filling a surface with its own colour ends at once.
  c->Brush()->SetColor(clWhite);
  c->FloodFill(0, 0, clWhite, fsSurface);
  EXPECT_EQ(Px(*b, 0, 0), clWhite);
}

TEST(Canvas, CopyModesAndTransparentDraws) {
  auto dst = WhiteBitmap(8, 8);
  auto src = WhiteBitmap(8, 8);
  src->Canvas()->Brush()->SetColor(RGB(0x0F, 0xF0, 0x33));
  src->Canvas()->FillRect(Rect(0, 0, 8, 8));
  dst->Canvas()->Brush()->SetColor(RGB(0xFF, 0x00, 0x11));
  dst->Canvas()->FillRect(Rect(0, 0, 8, 8));

  struct Case {
    TCopyMode mode;
    TColor expect;
  } cases[] = {
      {cmSrcCopy, RGB(0x0F, 0xF0, 0x33)},
      {cmSrcInvert, RGB(0xF0, 0xF0, 0x22)},
      {cmSrcAnd, RGB(0x0F, 0x00, 0x11)},
      {cmSrcPaint, RGB(0xFF, 0xF0, 0x33)},
      {cmNotSrcCopy, RGB(0xF0, 0x0F, 0xCC)},
      {cmDstInvert, RGB(0x00, 0xFF, 0xEE)},
      {cmBlackness, clBlack},
      {cmWhiteness, clWhite},
  };
  for (const auto& k : cases) {
    dst->Canvas()->Brush()->SetColor(RGB(0xFF, 0x00, 0x11));
    dst->Canvas()->FillRect(Rect(0, 0, 8, 8));
    dst->Canvas()->SetCopyMode(k.mode);
    dst->Canvas()->CopyRect(Rect(0, 0, 4, 4), src->Canvas(), Rect(0, 0, 4, 4));
    EXPECT_EQ(Px(*dst, 1, 1), k.expect) << std::hex << k.mode;
    EXPECT_EQ(Px(*dst, 5, 5), RGB(0xFF, 0x00, 0x11)) << "outside the destination";
  }

  // Transparent: the bottom-left pixel's colour is left out.
  TBitmap glyph(4, 4);
  glyph.Canvas()->Brush()->SetColor(clFuchsia);
  glyph.Canvas()->FillRect(Rect(0, 0, 4, 4));
  glyph.Canvas()->Brush()->SetColor(clNavy);
  glyph.Canvas()->FillRect(Rect(1, 1, 3, 3));
  EXPECT_EQ(glyph.TransparentColor(), clFuchsia);
  glyph.SetTransparent(true);
  auto target = WhiteBitmap(4, 4);
  target->Canvas()->Draw(0, 0, &glyph);
  EXPECT_EQ(Px(*target, 0, 0), clWhite);
  EXPECT_EQ(Px(*target, 1, 1), clNavy);

  // Stretching doubles each pixel.
  TBitmap two(2, 1);
  two.PixelData().SetPixel(0, 0, clRed);
  two.PixelData().SetPixel(1, 0, clBlue);
  auto wide = WhiteBitmap(4, 2);
  wide->Canvas()->StretchDraw(Rect(0, 0, 4, 2), &two);
  EXPECT_EQ(Px(*wide, 1, 1), clRed);
  EXPECT_EQ(Px(*wide, 2, 0), clBlue);

  // A bitmap copied onto itself, shifted, reads its old pixels.
  auto self = WhiteBitmap(4, 4);
  self->PixelData().SetPixel(0, 0, clRed);
  self->Canvas()->CopyRect(Rect(1, 1, 4, 4), self->Canvas(), Rect(0, 0, 3, 3));
  EXPECT_EQ(Px(*self, 1, 1), clRed);
  EXPECT_EQ(Px(*self, 2, 2), clWhite);
}

TEST(Canvas, BrushCopyReplacesTheKeyColourByTheBrush) {
  TBitmap src(3, 1);
  src.PixelData().SetPixel(0, 0, clRed);
  src.PixelData().SetPixel(1, 0, clLime);
  src.PixelData().SetPixel(2, 0, clRed);
  auto dst = WhiteBitmap(3, 1);
  dst->Canvas()->Brush()->SetColor(clBlue);
  dst->Canvas()->BrushCopy(Rect(0, 0, 3, 1), &src, Rect(0, 0, 3, 1), clRed);
  EXPECT_EQ(Px(*dst, 0, 0), clBlue);
  EXPECT_EQ(Px(*dst, 1, 0), clLime);
  EXPECT_EQ(Px(*dst, 2, 0), clBlue);
}

TEST(Canvas, BitmapChangesReachItsOwnerAndResizingKeepsPixels) {
  TBitmap b(4, 4);
  int changes = 0;
  b.OnChange = [&](TObject*) { ++changes; };
  b.Canvas()->Brush()->SetColor(clRed);
  b.Canvas()->FillRect(Rect(0, 0, 2, 2));
  EXPECT_GT(changes, 0);
  b.SetSize(6, 6);
  EXPECT_EQ(Px(b, 1, 1), clRed);
  EXPECT_EQ(Px(b, 5, 5), clWhite);
  // The canvas keeps drawing after the memory moved.
  b.Canvas()->FillRect(Rect(4, 4, 6, 6));
  EXPECT_EQ(Px(b, 5, 5), clRed);
  EXPECT_THROW(b.ScanLine(6), EInvalidGraphic);
  EXPECT_THROW(b.ScanLine(-1), EInvalidGraphic);
}

TEST(Canvas, TextStateFollowsBrushAndFontAsTheDcDoes) {
  TCanvas c;
  c.Brush()->SetStyle(bsClear);
  EXPECT_EQ(c.BkMode(), TRANSPARENT);
  c.Brush()->SetColor(clYellow);
  EXPECT_EQ(c.BkMode(), OPAQUE);
  EXPECT_EQ(c.BkColor(), clYellow);
  EXPECT_EQ(SetBkMode(c.Handle(), TRANSPARENT), OPAQUE);
  c.Font()->SetColor(clRed);
  EXPECT_EQ(c.TextColor(), clRed);
  SetTextColor(c.Handle(), clBlue);
  EXPECT_EQ(GetTextColor(c.Handle()), clBlue);
  // A canvas without a device measures but has nothing to draw on.
  EXPECT_FALSE(c.HandleAllocated());
  EXPECT_GT(c.TextWidth("Wide text"), c.TextWidth("W"));
  EXPECT_GT(c.TextHeight("Ag"), 0);
}

TEST(Canvas, TurnedFontsDrawUpwards) {
  auto b = WhiteBitmap(60, 60);
  TCanvas* c = b->Canvas();
  c->Brush()->SetStyle(bsClear);
  c->Font()->SetHeight(-14);
  c->Font()->SetColor(clBlack);
  c->Font()->SetOrientation(900);
  c->TextOut(20, 55, "WWWW");
  // Turned a quarter counter-clockwise, the text runs up from (20, 55) and
  // its glyphs stand to the right of x = 20.
  int inkAbove = 0, inkBelow = 0, inkLeft = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 60; ++x) {
      if (Px(*b, x, y) == clWhite) continue;
      if (y < 55) ++inkAbove;
      if (y > 56) ++inkBelow;
      if (x < 19) ++inkLeft;
    }
  EXPECT_GT(inkAbove, 20);
  EXPECT_EQ(inkBelow, 0);
  EXPECT_EQ(inkLeft, 0);
}

TEST(Canvas, HatchedBrushesShowTheBackgroundWhenOpaque) {
  auto b = WhiteBitmap(8, 8);
  TCanvas* c = b->Canvas();
  c->Brush()->SetColor(clRed);
  c->Brush()->SetStyle(bsCross);
  SetBkColor(c->Handle(), clBlue);
  c->FillRect(Rect(0, 0, 8, 8));
  int red = 0, blue = 0;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      red += Px(*b, x, y) == clRed;
      blue += Px(*b, x, y) == clBlue;
    }
  EXPECT_GT(red, 0);
  EXPECT_GT(blue, 0);
  EXPECT_EQ(red + blue, 64);
}

TEST(Canvas, MetricMappingScalesAndTurnsTheYAxis) {
  auto b = WhiteBitmap(100, 100);
  TCanvas* c = b->Canvas();
  HDC dc = c->Handle();
  int saved = SaveDC(dc);
  EXPECT_EQ(SetMapMode(dc, MM_LOMETRIC), MM_TEXT);
  // 254 tenths of a millimetre are one inch, 96 pixels; y grows upwards.
  TPoint p[2] = {{254, -254}, {0, 0}};
  LPtoDP(dc, p, 2);
  EXPECT_EQ(p[0], Point(96, 96));
  DPtoLP(dc, p, 1);
  EXPECT_EQ(p[0], Point(254, -254));

  c->Brush()->SetColor(clRed);
  c->FillRect(Rect(0, 0, 127, -127));
  EXPECT_EQ(Px(*b, 47, 47), clRed);
  EXPECT_EQ(Px(*b, 0, 0), clRed);
  EXPECT_EQ(Px(*b, 50, 50), clWhite);

  // Text stays upright and runs down from its point.
  c->Brush()->SetStyle(bsClear);
  c->Font()->SetHeight(-50);
  c->TextOut(127, -130, "Wg");
  int inkAbove = 0, inkBelow = 0;
  for (int y = 0; y < 100; ++y)
    for (int x = 50; x < 100; ++x) {
      if (Px(*b, x, y) == clWhite) continue;
      (y < 48 ? inkAbove : inkBelow)++;
    }
  EXPECT_EQ(inkAbove, 0);
  EXPECT_GT(inkBelow, 10);

  RestoreDC(dc, saved);
  EXPECT_EQ(GetMapMode(dc), MM_TEXT);
  c->Brush()->SetColor(clBlue);
  c->FillRect(Rect(98, 98, 100, 100));
  EXPECT_EQ(Px(*b, 99, 99), clBlue);
}
