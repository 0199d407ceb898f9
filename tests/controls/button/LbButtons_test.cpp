// The push button's picture: face colour, frames, glyph cell by state,
// placement of glyph and caption, caption cutting, gradient bands and the
// colour presets, checked on a recording canvas with fixed font measures.
#include "controls/button/LbButtons.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/backend/Painter.h"
#include "framework/graphics/Gdi.h"
#include "framework/graphics/RecordingCanvas.h"

namespace {

// Everything DrawLbButton takes, with the defaults of a fresh button.
struct TFace {
  int W = 100;
  int H = 23;
  TAlignment Alignment = taCenter;
  std::string Caption = "OK";
  TLbButtonLayout Layout = TLbButtonLayout::blGlyphLeft;
  TColor Shadow = 0x808080;
  TColor Light = 0xFFFFFF;
  TColor HotTrack = clNone;
  TColor WhenDown = clNone;
  TColor Color = clBtnFace;
  TLbButtonStyle Style = bsNormal;
  bool Popup = false;
  bool WordWrap = false;
  bool Flat = false;
  bool Enabled = true;
  bool Hot = false;
  bool Down = false;
  TBitmap* Glyph = nullptr;
  int NumGlyphs = 0;
  int Step = 0;
};

const TColor kCellColors[] = {clRed, clBlue, clLime, clYellow};

struct LbButtonsDraw : ::testing::Test {
  TFont font;
  void SetUp() override {
    SetFixedTextMetrics(true);
    font.SetColor(clBlack);
  }
  void TearDown() override { SetFixedTextMetrics(false); }

  void Draw(TCanvas* C, const TFace& f) {
    DrawLbButton(C, f.W, f.H, f.Alignment, f.Caption, f.Layout, &font, f.Shadow, f.Light, f.HotTrack,
                 f.WhenDown, f.Color, f.Style, f.Popup, f.WordWrap, f.Flat, f.Enabled, false, f.Hot, f.Down,
                 f.Glyph, f.NumGlyphs, f.Step);
  }

  // The caption as drawn (the measuring passes left out).
  static TCanvasCall CaptionCall(const TRecordingCanvas& c) {
    for (const TCanvasCall& call : c.Recorder().Calls("DrawText"))
      if ((call.Flags & DT_CALCRECT) == 0) return call;
    ADD_FAILURE() << "no caption drawn";
    return {};
  }

  // A strip of Cells cells of Size x Size, each a coloured square on a
  // magenta ground (so the bottom-left pixel drops the ground).
  static std::unique_ptr<TBitmap> Strip(int Cells, int Size = 12) {
    auto b = std::make_unique<TBitmap>(Cells * Size, Size);
    TCanvas* c = b->Canvas();
    c->Brush()->SetColor(clFuchsia);
    c->FillRect(TRect(0, 0, Cells * Size, Size));
    for (int i = 0; i < Cells; ++i) {
      c->Brush()->SetColor(kCellColors[i]);
      c->FillRect(TRect(i * Size + 2, 2, i * Size + Size - 2, Size - 2));
    }
    return b;
  }
};

TEST(LbButtons, HoverMixWeighsEveryChannelByTheLevel) {
  struct Case {
    TColor Face, Hot;
    int Step;
    TColor Want;
  } cases[] = {
      {clBlack, clWhite, 0, clBlack},
      {clBlack, clWhite, 8, clWhite},
      {clBlack, clWhite, 4, RGB(128, 128, 128)},  // 127.5 rounds to the even 128
      {clBlack, clWhite, 2, RGB(64, 64, 64)},
      {RGB(200, 100, 0), RGB(0, 100, 200), 6, RGB(50, 100, 150)},
      {clBtnFace, clRed, 0, ColorToRGB(clBtnFace)},
      {clBtnFace, clRed, 8, clRed},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MixHotTrackColor(c.Face, c.Hot, c.Step), c.Want) << "step " << c.Step << " face " << c.Face;
}

TEST(LbButtons, GradientFillsThirtyTwoBandsFromStartColour) {
  TRecordingCanvas c;
  c.Pen()->SetStyle(psDot);
  DrawBandGradient(&c, clBlack, clWhite, TRect(0, 10, 20, 72));
  auto fills = c.Recorder().Calls("FillRect");
  ASSERT_EQ(fills.size(), 32u);
  // 62 pixels: bands of 62 div 31 + 1 = 3, starting every 2 pixels.
  EXPECT_EQ(fills[0].Rect, TRect(0, 10, 20, 13));
  EXPECT_EQ(fills[0].BrushColor, clBlack);
  EXPECT_EQ(fills[1].Rect, TRect(0, 12, 20, 15));
  EXPECT_EQ(fills[1].BrushColor, RGB(8, 8, 8));  // 255 / 31 = 8.2
  EXPECT_EQ(fills[30].BrushColor, RGB(247, 247, 247));
  for (const TCanvasCall& f : fills) EXPECT_EQ(f.PenStyle, psClear);
  EXPECT_EQ(c.Pen()->Style(), psDot) << "the pen comes back";

  // Below 31 pixels every band is one pixel, none past the bottom.
  c.Recorder().Clear();
  DrawBandGradient(&c, clRed, clBlue, TRect(0, 0, 5, 7));
  fills = c.Recorder().Calls("FillRect");
  ASSERT_EQ(fills.size(), 32u);
  for (const TCanvasCall& f : fills) {
    EXPECT_LE(f.Rect.Height(), 1);
    EXPECT_LE(f.Rect.Bottom, 7);
  }
}

TEST(LbButtons, ColourPresetsAreFoundByTheStyleWithoutItsTopBit) {
  TLbColorStyleColors c;
  EXPECT_FALSE(GetColorStyleColors(lcsCustom, c));
  ASSERT_TRUE(GetColorStyleColors(lcsGold, c));
  EXPECT_EQ(c.Color, 0x00C0C0);
  EXPECT_EQ(c.HotTrackColor, 0x00DFDF);
  EXPECT_EQ(c.Style, bsModern);
  ASSERT_TRUE(GetColorStyleColors(static_cast<TLbColorStyle>(lcsQuicken | 0x80), c));
  EXPECT_EQ(c.FontColor, clWhite);
  EXPECT_EQ(c.ColorWhenDown, 0xAD6529);
  EXPECT_EQ(c.Style, bsQuicken);
  ASSERT_TRUE(GetColorStyleColors(lcsUltraFlat2, c));
  EXPECT_EQ(c.Color, clBtnFace);
  EXPECT_TRUE(c.Flat);
  EXPECT_FALSE(GetColorStyleColors(static_cast<TLbColorStyle>(0x40), c));
}

TEST_F(LbButtonsDraw, PressedContentsMoveOnePixelButNotOnEncartaWhichTurnsBold) {
  for (TLbButtonStyle style : {bsNormal, bsOld, bsModern, bsQuicken, bsEncarta}) {
    for (bool down : {false, true}) {
      TRecordingCanvas c;
      TFace f;
      f.Style = style;
      f.Down = down;
      Draw(&c, f);
      TCanvasCall text = CaptionCall(c);
      int shift = down && style != bsEncarta ? 1 : 0;
      EXPECT_EQ(text.Rect.Left, 4 + shift) << "style " << style << " down " << down;
      EXPECT_EQ(text.FontStyle.Contains(fsBold), down && style == bsEncarta) << "style " << style;
    }
  }
}

TEST_F(LbButtonsDraw, DisabledButtonIsNeverPressedShowsCellOneAndGreysItsCaption) {
  auto strip = Strip(2);
  TRecordingCanvas c(100, 23);
  TFace f;
  f.Enabled = false;
  f.Down = true;
  f.Alignment = taLeftJustify;
  f.Glyph = strip.get();
  f.NumGlyphs = 2;
  f.WhenDown = clRed;
  Draw(&c, f);
  TCanvasCall text = CaptionCall(c);
  EXPECT_EQ(text.Rect.Left, 4 + 12 + 4) << "no press offset";
  EXPECT_EQ(text.FontColor, clGray);
  EXPECT_EQ(c.Pixels(10, 11), clBlue) << "disabled cell";
  EXPECT_EQ(c.Pixels(2, 2), ColorToRGB(clBtnFace)) << "face, not the pressed colour";

  // The shape style keeps the font's own colour.
  TRecordingCanvas s;
  f.Style = bsShape;
  Draw(&s, f);
  EXPECT_EQ(CaptionCall(s).FontColor, clBlack);
}

TEST_F(LbButtonsDraw, GlyphCellFollowsStateAndPressedWinsOverHot) {
  struct Case {
    bool Enabled, Hot, Down;
    int Cells;
    TColor Want;
  } cases[] = {
      {true, false, false, 4, kCellColors[0]},
      {true, true, false, 4, kCellColors[3]},
      {true, true, true, 4, kCellColors[2]},
      {true, false, true, 3, kCellColors[2]},
      {true, true, false, 3, kCellColors[0]},
      {true, false, true, 2, kCellColors[0]},
      {false, true, true, 4, kCellColors[1]},
      // A single cell has no disabled picture: it shows the one it has.
      {false, false, false, 1, kCellColors[0]},
  };
  for (const Case& k : cases) {
    auto strip = Strip(k.Cells);
    TRecordingCanvas c(100, 23);
    TFace f;
    f.Alignment = taLeftJustify;
    f.Enabled = k.Enabled;
    f.Hot = k.Hot;
    f.Down = k.Down;
    f.Glyph = strip.get();
    f.NumGlyphs = k.Cells;
    Draw(&c, f);
    int o = k.Enabled && k.Down ? 1 : 0;
    EXPECT_EQ(c.Pixels(4 + 6 + o, 5 + 6 + o), k.Want)
        << "enabled " << k.Enabled << " hot " << k.Hot << " down " << k.Down << " cells " << k.Cells;
  }
}

TEST_F(LbButtonsDraw, GlyphAndCaptionPlacedByLayout) {
  auto strip = Strip(1, 16);
  TRecordingCanvas probe;
  probe.SetFont(&font);
  const int th = probe.TextHeight("Go");
  const int tw = probe.TextWidth("Go");
  struct Case {
    TLbButtonLayout Layout;
    TRect Text;
    TPoint Glyph;
  } cases[] = {
      {TLbButtonLayout::blGlyphLeft, TRect(24, (40 - th) / 2, 24 + 72, (40 - th) / 2 + th), TPoint(4, 12)},
      {TLbButtonLayout::blGlyphRight, TRect(4, (40 - th) / 2, 4 + 72, (40 - th) / 2 + th),
       TPoint(4 + tw + 4, 12)},
      {TLbButtonLayout::blGlyphTop, TRect(4, (40 - th - 20) / 2 + 16, 96, (40 - th - 20) / 2 + 16 + th),
       TPoint(4, (40 - th - 20) / 2)},
      {TLbButtonLayout::blGlyphBottom, TRect(4, (40 - th - 20) / 2, 96, (40 - th - 20) / 2 + th),
       TPoint(4, (40 - th - 20) / 2 + th)},
  };
  for (const Case& k : cases) {
    TRecordingCanvas c;
    TFace f;
    f.W = 100;
    f.H = 40;
    f.Caption = "Go";
    f.Alignment = taLeftJustify;
    f.Layout = k.Layout;
    f.Glyph = strip.get();
    f.NumGlyphs = 1;
    Draw(&c, f);
    EXPECT_EQ(CaptionCall(c).Rect, k.Text) << "layout " << static_cast<int>(k.Layout);
    auto draws = c.Recorder().Calls("Draw");
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].Points.at(0), k.Glyph) << "layout " << static_cast<int>(k.Layout);
  }

  // Centred with an empty caption the glyph sits in the middle; without
  // cells there is no glyph and the caption has the whole width.
  TRecordingCanvas c;
  TFace f;
  f.Caption = "";
  f.Glyph = strip.get();
  f.NumGlyphs = 1;
  Draw(&c, f);
  ASSERT_EQ(c.Recorder().Count("Draw"), 1);
  EXPECT_EQ(c.Recorder().Calls("Draw")[0].Points.at(0).X, (100 - 16) / 2);
  TRecordingCanvas n;
  f.Caption = "OK";
  f.NumGlyphs = 0;
  Draw(&n, f);
  EXPECT_EQ(n.Recorder().Count("Draw"), 0);
  EXPECT_EQ(CaptionCall(n).Rect.Width(), 100 - 8);
}

TEST_F(LbButtonsDraw, LongCaptionLosesWholeTrailingCharactersUntilItFits) {
  TRecordingCanvas probe;
  probe.SetFont(&font);
  for (const std::string caption : {"Wiederholen", "Schließen schließen"}) {
    TRecordingCanvas c;
    TFace f;
    f.W = 50;
    f.Caption = caption;
    Draw(&c, f);
    std::string drawn = CaptionCall(c).Text;
    EXPECT_LT(drawn.size(), caption.size());
    EXPECT_EQ(caption.compare(0, drawn.size(), drawn), 0) << "a prefix of " << caption;
    EXPECT_LE(probe.TextWidth(drawn), 42);
    // One more character would not have fitted.
    size_t end = drawn.size() + 1;
    while (end < caption.size() && (static_cast<unsigned char>(caption[end]) & 0xC0) == 0x80) ++end;
    EXPECT_GT(probe.TextWidth(caption.substr(0, end)), 42);

    TRecordingCanvas w;
    f.WordWrap = true;
    Draw(&w, f);
    EXPECT_EQ(CaptionCall(w).Text, caption) << "word wrap keeps it whole";
  }
}

TEST_F(LbButtonsDraw, FlatFrameShowsOnlyWhileEnabledAndHotOrPressed) {
  struct Case {
    bool Flat, Enabled, Hot, Down, Framed;
  } cases[] = {
      {false, true, false, false, true}, {false, false, false, false, true},
      {true, true, false, false, false}, {true, true, true, false, true},
      {true, true, false, true, true},   {true, false, true, true, false},
  };
  for (const Case& k : cases) {
    for (TLbButtonStyle style : {bsNormal, bsEncarta, bsOld}) {
      TRecordingCanvas c;
      TFace f;
      f.Style = style;
      f.Flat = k.Flat;
      f.Enabled = k.Enabled;
      f.Hot = k.Hot;
      f.Down = k.Down;
      Draw(&c, f);
      EXPECT_EQ(c.Recorder().Count("LineTo") > 0, k.Framed)
          << "style " << style << " flat " << k.Flat << " enabled " << k.Enabled << " hot " << k.Hot;
    }
  }
}

TEST_F(LbButtonsDraw, FacePixelsOfNormalAndModernStyles) {
  TRecordingCanvas n(60, 23);
  TFace f;
  f.W = 60;
  f.Caption = "";
  f.HotTrack = clRed;
  f.Step = 8;
  Draw(&n, f);
  EXPECT_EQ(n.Pixels(30, 11), clRed) << "full hover";
  EXPECT_EQ(n.Pixels(0, 10), clWhite) << "raised edge";
  EXPECT_EQ(n.Pixels(59, 10), clGray) << "shadow edge";
  EXPECT_EQ(n.Pixels(20, 22), clGray);

  TRecordingCanvas p(60, 23);
  f.Down = true;
  f.WhenDown = clBlue;
  Draw(&p, f);
  EXPECT_EQ(p.Pixels(30, 11), clBlue) << "pressed colour wins";
  EXPECT_EQ(p.Pixels(0, 10), clGray) << "sunken edge";
  EXPECT_EQ(p.Pixels(59, 10), clWhite);

  // Modern: light at the top, the face from a quarter down, rounded
  // corners left to the transparent ground.
  TRecordingCanvas m(60, 160);
  m.Brush()->SetColor(clLbTransparent);
  m.FillRect(TRect(0, 0, 60, 160));
  TFace g;
  g.W = 60;
  g.H = 160;
  g.Caption = "";
  g.Style = bsModern;
  g.Color = clNavy;
  g.Light = clWhite;
  Draw(&m, g);
  EXPECT_EQ(m.Pixels(0, 0), clLbTransparent);
  EXPECT_EQ(m.Pixels(30, 2), clWhite);
  EXPECT_EQ(m.Pixels(30, 40), clNavy);
  EXPECT_EQ(m.Pixels(30, 0), clGray) << "outline";
}

TEST_F(LbButtonsDraw, ShapeIsTransparentAndCentresItsCaption) {
  TRecordingCanvas c(80, 30);
  TFace f;
  f.W = 80;
  f.H = 30;
  f.Style = bsShape;
  f.Alignment = taRightJustify;
  f.Caption = "";
  Draw(&c, f);
  for (TPoint p : {TPoint(0, 0), TPoint(40, 15), TPoint(79, 29)})
    EXPECT_EQ(c.Pixels(p.X, p.Y), clLbTransparent);
  EXPECT_EQ(c.Recorder().Count("LineTo") + c.Recorder().Count("RoundRect"), 0) << "no frame";
  TRecordingCanvas t;
  f.Caption = "Go";
  Draw(&t, f);
  EXPECT_TRUE(CaptionCall(t).Flags & DT_CENTER);
}

TEST_F(LbButtonsDraw, PopupMarkSitsAtTheRightMiddle) {
  TRecordingCanvas c(100, 23);
  TFace f;
  f.Popup = true;
  Draw(&c, f);
  auto draws = c.Recorder().Calls("Draw");
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].Rect, TRect(89, 10, 94, 13));
  EXPECT_EQ(c.Pixels(91, 10), clBlack);
  EXPECT_EQ(c.Pixels(89, 12), ColorToRGB(clBtnFace)) << "the mark's ground is left out";
}

TEST(LbButtons, StockGlyphsAreResourcesOfTheirSizes) {
  struct Case {
    const char* Name;
    int W, H;
  } cases[] = {{"LBOK", 36, 18},     {"LBCANCEL", 36, 18}, {"LBHELP", 36, 18},  {"LBYES", 36, 18},
               {"LBNO", 36, 18},     {"LBCLOSE", 36, 18},  {"LBABORT", 36, 18}, {"LBRETRY", 36, 18},
               {"LBIGNORE", 36, 18}, {"LBALL", 36, 19},    {"LBARROW", 5, 3}};
  for (const Case& k : cases) {
    TBitmap b;
    LoadLbButtonResource(&b, k.Name);
    EXPECT_EQ(b.Width(), k.W) << k.Name;
    EXPECT_EQ(b.Height(), k.H) << k.Name;
  }
  TBitmap b;
  try {
    LoadLbButtonResource(&b, "LBNOTHING");
    ADD_FAILURE() << "no error";
  } catch (const EResNotFound& e) {
    EXPECT_STREQ(e.what(), "Resource LBNOTHING not found");
  }
}

}  // namespace
