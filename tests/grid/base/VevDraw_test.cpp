// The cell painters' drawing primitives: gradients, backgrounds, colour
// arithmetic, the rounded selection face, button faces and glyphs.
#include "grid/base/VevDraw.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DrawSupport.h"
#include "framework/graphics/Gdi.h"
#include "framework/graphics/RecordingCanvas.h"
#include "grid/base/VevXPVS.h"

namespace {
constexpr TColor kPaper = 0x123456;

// A canvas of W x H pixels filled with kPaper, so untouched pixels show.
struct TPaper : TRecordingCanvas {
  TPaper(int W, int H) : TRecordingCanvas(W, H) {
    Brush()->SetColor(kPaper);
    FillRect(Rect(0, 0, W, H));
    Recorder().Clear();
  }
};
}  // namespace

TEST(VevDraw, GradientBandsCoverTheRectangleFromTheFirstColourToTheLast) {
  struct Case {
    TRect r;
    bool horizontal;
    int steps;
    int bands;
  } cases[] = {
      {Rect(0, 0, 3, 10), true, 128, 3},  // the steps never exceed the span
      {Rect(2, 1, 40, 11), true, 16, 17}, {Rect(0, 0, 10, 50), false, 64, 50},
      {Rect(0, 30, 10, 0), false, 4, 5},  // upside down
      {Rect(0, 0, 1, 1), true, 8, 2},
  };
  for (const Case& c : cases) {
    TPaper canvas(40, 50);
    FillGradientRect(&canvas, clRed, clBlue, c.horizontal, c.r, c.steps);
    auto bands = canvas.Recorder().Calls("FillRect");
    ASSERT_EQ(static_cast<int>(bands.size()), c.bands) << c.r;
    EXPECT_EQ(bands.front().BrushColor, clRed);
    EXPECT_EQ(bands.back().BrushColor, clBlue);
    const int left = std::min(c.r.Left, c.r.Right), right = std::max(c.r.Left, c.r.Right);
    const int top = std::min(c.r.Top, c.r.Bottom), bottom = std::max(c.r.Top, c.r.Bottom);
    // No pixel of the rectangle is left, none outside is touched, and the
    // colours run from red to blue.
    TColor before = clRed;
    for (int i = 0; i < (c.horizontal ? right - left : bottom - top); ++i) {
      const TColor p = c.horizontal ? canvas.Pixels(left + i, top) : canvas.Pixels(left, top + i);
      EXPECT_TRUE(Between(p, before, clBlue)) << c.r << " at " << i;
      before = p;
    }
    EXPECT_EQ(before, clBlue) << c.r;
    if (right < 40) {
      EXPECT_EQ(canvas.Pixels(right, top), kPaper) << c.r;
    }
    if (bottom < 50) {
      EXPECT_EQ(canvas.Pixels(left, bottom), kPaper) << c.r;
    }
  }
}

TEST(VevDraw, GradientWithoutOneColourFillsSolidAndWithoutHeightDrawsNothing) {
  struct Case {
    TColor from, to;
    TRect r;
    int fills;
    TColor solid;
  } cases[] = {
      {clRed, clNone, Rect(0, 0, 10, 10), 1, clRed},
      {clNone, clWindow, Rect(0, 0, 10, 10), 1, ColorToRGB(clWindow)},
      {clNone, clNone, Rect(0, 0, 10, 10), 0, kPaper},
      {clRed, clBlue, Rect(0, 4, 10, 4), 0, kPaper},
  };
  for (const Case& c : cases) {
    TPaper canvas(12, 12);
    FillGradientRect(&canvas, c.from, c.to, false, c.r, 64);
    EXPECT_EQ(canvas.Recorder().Count("FillRect"), c.fills);
    EXPECT_EQ(canvas.Pixels(5, 4), c.solid);
    EXPECT_EQ(canvas.Pixels(0, 0), c.fills ? c.solid : kPaper);
  }
}

TEST(VevDraw, CellBackgroundSplitsIntoMirroredHalvesWithSideLinesOrAFrame) {
  TPaper canvas(20, 20);
  DrawCellBackground(&canvas, Rect(0, 0, 20, 20), clWhite, true, true, clBlack, true, clLime, clGreen,
                     clSilver);
  // Upper half white to silver, lower half green to lime, side lines black.
  EXPECT_EQ(canvas.Pixels(10, 0), clWhite);
  EXPECT_EQ(canvas.Pixels(10, 9), clSilver);
  EXPECT_EQ(canvas.Pixels(10, 10), clGreen);
  EXPECT_EQ(canvas.Pixels(10, 19), clLime);
  EXPECT_EQ(canvas.Pixels(0, 5), clBlack);
  EXPECT_EQ(canvas.Pixels(19, 15), clBlack);
  EXPECT_EQ(canvas.Recorder().Count("FrameRect"), 0);

  TPaper framed(20, 20);
  DrawCellBackground(&framed, Rect(0, 0, 20, 20), clYellow, true, false, clNavy, false, clNone, clNone,
                     clNone);
  EXPECT_EQ(framed.Pixels(10, 0), clNavy);
  EXPECT_EQ(framed.Pixels(10, 10), clYellow);
  // No fill and no border colour: nothing at all.
  TPaper bare(20, 20);
  DrawCellBackground(&bare, Rect(0, 0, 20, 20), clNone, true, false, clNone, true, clNone, clNone, clNone);
  EXPECT_TRUE(bare.Recorder().AllCalls().empty());
}

TEST(VevDraw, ColourArithmetic) {
  struct Case {
    const char* what;
    TColor got, expected;
  } cases[] = {
      {"lighter white stays white", AdjustColorPercent(0xFFFFFF, 7), 0xFFFFFF},
      {"grey 20 % darker", AdjustColorPercent(0x808080, -20), 0x666666},
      {"channels stop at 255", AdjustColorPercent(0x000080, 300), 0x0000FF},
      {"no colour stays none", AdjustColorPercent(clNone, 10), clNone},
      {"system colours resolve", AdjustColorPercent(clBtnFace, 0), ColorToRGB(clBtnFace)},
      {"halved", HalfColor(0xFF80FE), 0x7F407F},
      {"blend at the end", BlendColor(clBlack, clWhite, 0, 10, 10), clWhite},
      {"blend half way", BlendColor(clBlack, 0x0000C8, 0, 5, 10), 0x000064},
      {"blend to no colour", BlendColor(clRed, clNone, 0, 5, 10), clRed},
      {"empty range, at its end", BlendColor(clRed, clBlue, 4, 4, 4), clBlue},
      {"empty range, before it", BlendColor(clRed, clBlue, 4, 2, 4), clRed},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.expected) << c.what;
}

TEST(VevDraw, SelectionFaceRoundsOnlyTheEndsItIsAskedFor) {
  // Colours apart from each other and from the paper.
  const TColor bg = 0x010101, corner = 0x020202, border = 0x030303, lower = 0x040404, upper = 0x050505;
  const TRect cell(0, 0, 30, 20);  // face columns 0..28, rows 0..18
  struct Case {
    int side;
    TColor leftEdge, rightEdge, topLeft, topLeftInner;
  } cases[] = {
      {seBoth, border, border, bg, corner},
      {seLeftEnd, border, clWhite, bg, corner},
      {seRightEnd, clWhite, border, border, border},
      {seMiddle, clWhite, clWhite, border, border},
  };
  for (const Case& c : cases) {
    TPaper canvas(30, 20);
    DrawStyledSelection(&canvas, clWhite, clWhite, c.side, cell, bg, corner, border, lower, upper, clNone,
                        clNone);
    EXPECT_EQ(canvas.Pixels(0, 9), c.leftEdge) << c.side;
    EXPECT_EQ(canvas.Pixels(28, 9), c.rightEdge) << c.side;
    EXPECT_EQ(canvas.Pixels(0, 0), c.topLeft) << c.side;
    EXPECT_EQ(canvas.Pixels(1, 0), c.topLeftInner) << c.side;
    EXPECT_EQ(canvas.Pixels(10, 0), border) << c.side;
    EXPECT_EQ(canvas.Pixels(10, 18), border) << c.side;
    EXPECT_EQ(canvas.Pixels(10, 1), upper) << c.side;
    EXPECT_EQ(canvas.Pixels(10, 17), lower) << c.side;
    EXPECT_EQ(canvas.Pixels(10, 9), clWhite) << c.side;
    // The cell's grid-line column and row are left to the grid.
    EXPECT_EQ(canvas.Pixels(29, 9), kPaper) << c.side;
    EXPECT_EQ(canvas.Pixels(10, 19), kPaper) << c.side;
  }
}

TEST(VevDraw, SelectionFaceFillsItsHalvesInTheirOwnGradients) {
  TPaper canvas(40, 24);
  DrawStyledSelection(&canvas, 0xD7FFFD, 0x58D4FC, seBoth, Rect(0, 0, 40, 24), clWhite, 0xC3D9DF, 0x8DD7D3,
                      0xCAF8FF, 0xF4FEFF, 0xB3F1FC, 0x58D4FC);
  SaveArtefact(canvas.TargetBitmap(), "selection_office2007");
  // bottom = 22, mid = 11: the upper half ends in its end colour and the
  // lower half starts again from its own start colour.
  EXPECT_EQ(canvas.Pixels(20, 2), 0xD7FFFD);
  EXPECT_EQ(canvas.Pixels(20, 10), 0x58D4FC);
  EXPECT_EQ(canvas.Pixels(20, 11), 0x58D4FC);
  EXPECT_EQ(canvas.Pixels(20, 20), 0xB3F1FC);
  EXPECT_EQ(canvas.Pixels(0, 0), clWhite);
}

namespace {
struct TThemeScope {
  explicit TThemeScope(bool On) {
    SetThemeActive(On);
    LoadUxTheme();
  }
  ~TThemeScope() { SetThemeActive(true); }
};

TColorTones Tones() {
  TColorTones t;
  t.Background = {0x111111, 0x121212, 0x131313};
  t.Hover = {0x211111, 0x221212, 0x231313};
  t.Selected = {0x311111, 0x321212, 0x331313};
  t.Disabled = {0x411111, 0x421212, 0x431313};
  return t;
}
}  // namespace

TEST(VevDraw, ButtonFacesByLookAndState) {
  using TRoutine = void (*)(TCanvas*, HWND, const TRect&, const TColorTones&, int, int);
  const TRect cell(10, 10, 90, 30);
  struct Case {
    const char* what;
    TRoutine draw;
    int look, state;
    bool themeOn;
    std::string ops;  // the calls drawn, in order
    std::string themeClass;
    std::vector<int> parts, states;  // themed: per call
    unsigned frameFlags;             // classic and flat: of the first call
  } cases[] = {
      {"combo themed",
       DrawComboButton,
       blThemed,
       bfNormal,
       true,
       "DrawThemeBackground",
       "combobox",
       {CP_DROPDOWNBUTTON},
       {CBXS_NORMAL},
       0},
      {"combo themed, theme off",
       DrawComboButton,
       blThemed,
       bfDisabled,
       false,
       "DrawFrameControl",
       "",
       {},
       {},
       DFCS_SCROLLCOMBOBOX | DFCS_INACTIVE},
      {"combo flat",
       DrawComboButton,
       blFlat,
       bfHot,
       true,
       "DrawFrameControl",
       "",
       {},
       {},
       DFCS_SCROLLCOMBOBOX | DFCS_FLAT},
      {"button themed hot",
       DrawButtonFace,
       blThemed,
       bfHot,
       true,
       "DrawThemeBackground",
       "button",
       {BP_PUSHBUTTON},
       {PBS_HOT},
       0},
      {"button themed disabled",
       DrawButtonFace,
       blThemed,
       bfDisabled,
       true,
       "DrawThemeBackground",
       "button",
       {BP_PUSHBUTTON},
       {PBS_DISABLED},
       0},
      {"button classic down",
       DrawButtonFace,
       blClassic,
       bfDown,
       true,
       "DrawFrameControl",
       "",
       {},
       {},
       DFCS_BUTTONPUSH | DFCS_PUSHED},
      {"spin themed disabled",
       DrawSpinButtons,
       blThemed,
       bfDisabled,
       true,
       "DrawThemeBackground DrawThemeBackground",
       "spin",
       {SPNP_UP, SPNP_DOWN},
       {UPS_DISABLED, DNS_DISABLED},
       0},
      {"spin classic",
       DrawSpinButtons,
       blClassic,
       bfNormal,
       true,
       "DrawFrameControl DrawFrameControl",
       "",
       {},
       {},
       DFCS_SCROLLUP},
  };
  for (const Case& c : cases) {
    TThemeScope theme(c.themeOn);
    TRecordingCanvas canvas(100, 40);
    c.draw(&canvas, 0, cell, Tones(), c.state, c.look);
    EXPECT_EQ(canvas.Recorder().Ops(), c.ops) << c.what;
    auto themed = canvas.Recorder().Calls("DrawThemeBackground");
    for (size_t i = 0; i < themed.size() && i < c.parts.size(); ++i) {
      EXPECT_EQ(themed[i].ClassName, c.themeClass) << c.what;
      EXPECT_EQ(themed[i].Param1, c.parts[i]) << c.what;
      EXPECT_EQ(themed[i].Param2, c.states[i]) << c.what;
    }
    auto frames = canvas.Recorder().Calls("DrawFrameControl");
    if (!frames.empty()) {
      EXPECT_EQ(frames[0].Flags, c.frameFlags) << c.what;
    }
  }
}

TEST(VevDraw, ButtonFacesInOwnColoursTakeTheStatesTone) {
  const TColorTones tones = Tones();
  const TRect cell(10, 10, 90, 30);
  TRecordingCanvas combo(100, 40);
  DrawComboButton(&combo, 0, cell, tones, bfDown, blTones);
  EXPECT_EQ(combo.Recorder().Ops(), "Rectangle LineTo Polygon");
  auto face = combo.Recorder().Calls("Rectangle")[0];
  EXPECT_EQ(face.BrushColor, tones.Selected.BrushColor);
  EXPECT_EQ(face.Rect, Rect(74, 11, 88, 29));
  EXPECT_EQ(combo.Recorder().Calls("LineTo")[0].PenColor, tones.Background.BorderColor);
  auto arrow = combo.Recorder().Calls("Polygon")[0];
  EXPECT_EQ(arrow.BrushColor, tones.Background.TextColor);
  // The arrow's pixels show in the picture, below its top edge.
  EXPECT_EQ(combo.Pixels(82, 19), tones.Background.TextColor);
  SaveArtefact(combo.TargetBitmap(), "combo_button_tones");

  TRecordingCanvas button(100, 40);
  DrawButtonFace(&button, 0, cell, tones, bfDisabled, blTones);
  auto b = button.Recorder().Calls("Rectangle");
  ASSERT_EQ(b.size(), 1u);
  EXPECT_EQ(b[0].BrushColor, tones.Disabled.BrushColor);
  EXPECT_EQ(b[0].PenColor, tones.Disabled.BorderColor);

  TRecordingCanvas spin(100, 40);
  DrawSpinButtons(&spin, 0, cell, tones, bfHot, blTones);
  EXPECT_EQ(spin.Recorder().Ops(), "Rectangle Rectangle Polygon Polygon");
  auto halves = spin.Recorder().Calls("Rectangle");
  EXPECT_EQ(halves[0].BrushColor, tones.Hover.BrushColor);
  EXPECT_EQ(halves[0].Rect, Rect(74, 9, 89, 19));
  EXPECT_EQ(halves[1].Rect, Rect(74, 20, 89, 29));
  EXPECT_EQ(spin.Recorder().Calls("Polygon")[1].BrushColor, clBlack);
}

TEST(VevDraw, ThemedFacesInAPicture) {
  TThemeScope theme(true);
  TPaper canvas(120, 24);
  DrawButtonFace(&canvas, 0, Rect(0, 0, 40, 24), Tones(), bfNormal, blThemed);
  DrawComboButton(&canvas, 0, Rect(40, 0, 80, 24), Tones(), bfNormal, blThemed);
  DrawSpinButtons(&canvas, 0, Rect(80, 0, 120, 24), Tones(), bfNormal, blThemed);
  SaveArtefact(canvas.TargetBitmap(), "cell_buttons_themed");
  // Each face covers its middle; the combo and spin faces stay at the
  // right end of their cells.
  EXPECT_NE(canvas.Pixels(20, 12), kPaper);
  EXPECT_NE(canvas.Pixels(70, 12), kPaper);
  EXPECT_EQ(canvas.Pixels(50, 12), kPaper);
  EXPECT_NE(canvas.Pixels(110, 5), kPaper);
  EXPECT_EQ(canvas.Pixels(90, 5), kPaper);
}

TEST(VevDraw, TransparentBitmapsShowTheBackgroundThroughTheirKeyColour) {
  TBitmap glyph(4, 4);
  glyph.Canvas()->Brush()->SetColor(clFuchsia);
  glyph.Canvas()->FillRect(Rect(0, 0, 4, 4));
  glyph.Canvas()->Brush()->SetColor(clRed);
  glyph.Canvas()->FillRect(Rect(1, 1, 3, 3));
  TPaper canvas(10, 10);
  DrawTransparentBitmap(&canvas, &glyph, clLime, Rect(2, 2, 9, 9));
  EXPECT_EQ(canvas.Pixels(2, 2), clLime);
  EXPECT_EQ(canvas.Pixels(3, 3), clRed);
  EXPECT_EQ(canvas.Pixels(5, 5), clLime);
  EXPECT_EQ(canvas.Pixels(6, 6), kPaper);  // its own size, not the rectangle's

  TPaper missing(10, 10);
  EXPECT_NO_THROW(DrawResourceGlyph(&missing, clLime, Rect(0, 0, 10, 10), "NO_SUCH_GLYPH"));
  EXPECT_TRUE(missing.Recorder().AllCalls().empty());
}

TEST(VevDraw, ErrorMarkerZigzagsUnderTheMarkedCharacters) {
  struct Case {
    const char* text;
    int len, pos;
  } cases[] = {{"abcdefgh", 3, 2}, {"abc", 2, 5}, {"", 1, 0}, {"a\u00e9z", 1, 1}};
  for (const Case& c : cases) {
    TRecordingCanvas canvas;
    const TRect r(10, 5, 200, 25);
    const int lineHeight = 13;
    EXPECT_NO_THROW(DrawErrorMarker(nullptr, &canvas, c.text, c.len, c.pos, lineHeight, r)) << c.text;
    auto lines = canvas.Recorder().Calls("LineTo");
    ASSERT_GE(lines.size(), 1u) << c.text;
    int minX = 1 << 30;
    for (const TCanvasCall& l : lines) {
      EXPECT_EQ(l.PenColor, clRed);
      EXPECT_EQ(l.PenWidth, 2);
      for (const TPoint& p : l.Points) {
        minX = std::min(minX, p.X);
        EXPECT_GE(p.Y, r.Top + lineHeight);
        EXPECT_LE(p.Y, r.Top + lineHeight + 3);
      }
    }
    const std::string before =
        std::string(c.text).substr(0, std::min<size_t>(c.pos, std::string(c.text).size()));
    if (c.pos < static_cast<int>(std::string(c.text).size())) {
      EXPECT_EQ(minX, r.Left + canvas.TextWidth(before)) << c.text;
    } else {
      EXPECT_EQ(minX, r.Left + canvas.TextWidth(c.text) + 4) << c.text;
    }
  }
}
