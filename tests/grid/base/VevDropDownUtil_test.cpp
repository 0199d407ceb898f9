// The drawing and text routines the drop-downs and the grid's panels share.
#include "grid/base/VevDropDownUtil.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "DrawSupport.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/Forms.h"
#include "framework/graphics/Gdi.h"
#include "framework/graphics/ImgList.h"
#include "framework/graphics/RecordingCanvas.h"
#include "framework/rtl/Locale.h"
#include "framework/rtl/StrUtils.h"

TEST(VevDropDownUtil, GradientBandsOverlapByOnePixelAndZeroStepsMakeOneBand) {
  struct Case {
    TColor from, to;
    int steps;
    TRect r;
    bool horizontal;
    std::vector<TRect> bands;
    std::vector<TColor> colors;
  } cases[] = {
      {clBlack,
       clWhite,
       2,
       Rect(0, 0, 100, 10),
       true,
       {Rect(0, 0, 51, 10), Rect(50, 0, 101, 10)},
       {clBlack, 0x808080}},
      {clRed, clBlue, 0, Rect(0, 0, 100, 10), true, {Rect(0, 0, 100, 10)}, {clRed}},
      {clRed, clBlue, 65536, Rect(0, 0, 10, 10), false, {Rect(0, 0, 10, 10)}, {clRed}},  // 16 bits: 0
      {clNone, clGreen, 4, Rect(0, 0, 10, 8), false, {}, {}},
  };
  for (const Case& c : cases) {
    TRecordingCanvas canvas;
    DrawGradient(&canvas, c.from, c.to, c.steps, c.r, c.horizontal);
    auto bands = canvas.Recorder().Calls("Rectangle");
    if (c.bands.empty()) {
      // A missing end colour: solid in the other.
      ASSERT_FALSE(bands.empty());
      for (const TCanvasCall& b : bands) EXPECT_EQ(b.BrushColor, clGreen);
      continue;
    }
    ASSERT_EQ(bands.size(), c.bands.size()) << c.steps;
    for (size_t i = 0; i < bands.size(); ++i) {
      EXPECT_EQ(bands[i].Rect, c.bands[i]) << c.steps;
      EXPECT_EQ(bands[i].BrushColor, c.colors[i]) << c.steps;
      EXPECT_EQ(bands[i].PenColor, c.colors[i]) << c.steps;
    }
  }
}

TEST(VevDropDownUtil, MixingAndShading) {
  struct Case {
    const char* what;
    TColor got, expected;
  } cases[] = {
      {"half red, half blue", MixColors(clRed, clBlue, 50), 0x800080},
      {"a quarter white", MixColors(clWhite, clBlack, 25), 0x404040},
      {"all of the first, unconverted", MixColors(clBtnFace, clRed, 100), clBtnFace},
      {"none of the first, unconverted", MixColors(clRed, clBtnFace, -3), clBtnFace},
      {"system colours mixed as RGB", MixColors(clBtnFace, clBtnFace, 50), ColorToRGB(clBtnFace)},
      {"darker by half", ShadeColor(0x808080, -50, -50, -50), 0x404040},
      {"positive leaves channels, lifts zeros", ShadeColor(0x00C800, 20, 20, 30), 0x1EC814},
      {"darker without a lift", ShadeColor(0x000064, -10, -10, -10), 0x00005A},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.expected) << c.what;
}

TEST(VevDropDownUtil, NumberTextKinds) {
  struct Case {
    const char* text;
    char thousand, decimal;
    int kind;
  } cases[] = {
      {"12", ',', '.', nkInteger},
      {"-12", ',', '.', nkInteger},
      {"1,5", ',', '.', nkFloat},
      {"1.5", ',', '.', nkFloat},
      {"1,234,567.25", ',', '.', nkFloat},
      {"1,2,3", ',', '.', nkNotANumber},  // separators too close
      {",5", ',', '.', nkNotANumber},     // a separator first
      {"1.2.3", ',', '.', nkNotANumber},  // two decimal separators
      {"1-2-3", ',', '.', nkNotANumber},  // two minus signs
      {"FF", ',', '.', nkHex},
      {"12ab", ',', '.', nkHex},
      {"0x1F", ',', '.', nkNotANumber},
      {"", ',', '.', nkNotANumber},
      {"1 000", ' ', ',', nkNotANumber},
      {"1,5", '.', ',', nkFloat},
      {"1.2.3", '.', ',', nkNotANumber},
  };
  for (const Case& c : cases) {
    TFormatSettingsScope scope;
    FormatSettings().ThousandSeparator = c.thousand;
    FormatSettings().DecimalSeparator = c.decimal;
    EXPECT_EQ(ClassifyNumberText(c.text), c.kind) << "'" << c.text << "'";
  }
  TFormatSettingsScope scope;
  FormatSettings().ThousandSeparator = '.';
  EXPECT_EQ(StripThousandSeparators("1.234.567,5"), "1234567,5");
}

TEST(VevDropDownUtil, HexTextAndSmallHelpers) {
  struct Case {
    const char* text;
    int32_t value;
  } cases[] = {{"FF", 255},      {"ff", 255},        {"7FFFFFFF", INT32_MAX},
               {"FFFFFFFF", -1}, {"0000000FF", 255}, {"", 0},
               {"1G", 0},        {"100000000", 0},   {"-FF", 0},
               {"-A", 0},        {"\u00e91", 0},     {"123456789ABC", 0}};
  for (const Case& c : cases) EXPECT_EQ(HexTextToInt(c.text), c.value) << c.text;
  EXPECT_EQ(HexDigitValue(U'b'), 11);
  EXPECT_EQ(HexDigitValue(U'z'), 0);
  for (char32_t ch : {U',', U'-', U';'}) EXPECT_TRUE(IsRangeSeparator(ch));
  EXPECT_FALSE(IsRangeSeparator(U'.'));
  EXPECT_EQ(CaseForCompare("Abc", true), "Abc");
  EXPECT_EQ(CaseForCompare("Abc", false), "ABC");
}

TEST(VevDropDownUtil, MeasuringAndFittingText) {
  TRecordingCanvas canvas;
  EXPECT_EQ(MeasureText(&canvas, ""), TSize(0, 0));
  const TSize hg = MeasureText(&canvas, "Hg");
  EXPECT_EQ(hg.cx, canvas.TextWidth("Hg"));
  EXPECT_GE(hg.cy, canvas.TextHeight("Hg"));

  const std::string text = "Pressure \u00e4\u00f6\u00fc sensor";
  const int full = canvas.TextWidth(text);
  EXPECT_EQ(FitTextToWidth(&canvas, text, full, true), text);
  for (bool ellipsis : {true, false}) {
    const std::string fitted = FitTextToWidth(&canvas, text, full / 2, ellipsis);
    EXPECT_LT(canvas.TextWidth(fitted), full / 2);
    EXPECT_TRUE(IsValidUtf8(fitted));
    const std::string start = ellipsis ? fitted.substr(0, fitted.size() - 3) : fitted;
    EXPECT_EQ(text.compare(0, start.size(), start), 0);
    EXPECT_EQ(fitted.size() >= 3 && fitted.substr(fitted.size() - 3) == "...", ellipsis);
    // The longest start that fits: one character more does not.
    const std::u32string chars = Utf8ToUtf32(text);
    const size_t kept = Utf8ToUtf32(start).size();
    std::string longer = Utf32ToUtf8(chars.substr(0, kept + 1)) + (ellipsis ? "..." : "");
    EXPECT_GE(canvas.TextWidth(longer), full / 2);
  }
  // Narrower than "...": nothing fits, the whole text stays.
  EXPECT_EQ(FitTextToWidth(&canvas, text, canvas.TextWidth("...") - 1, true), text);
}

TEST(VevDropDownUtil, BackgroundAndBorder) {
  TRecordingCanvas gradient(60, 30);
  DrawBackgroundAndBorder(&gradient, Rect(0, 0, 60, 30), clWhite, clSilver, clNavy, 2, true);
  auto calls = gradient.Recorder().Calls("Rectangle");
  ASSERT_EQ(calls.size(), 81u);  // 80 bands and the frame
  EXPECT_EQ(calls[0].BrushColor, clWhite);
  EXPECT_EQ(calls.back().PenColor, clNavy);
  EXPECT_EQ(calls.back().PenWidth, 2);
  EXPECT_EQ(calls.back().BrushStyle, bsClear);
  EXPECT_EQ(gradient.Pixels(30, 0), clNavy);

  TRecordingCanvas solid(60, 30);
  DrawBackgroundAndBorder(&solid, Rect(0, 0, 60, 30), clYellow, clNone, clNavy, 0, true);
  EXPECT_EQ(solid.Recorder().Ops(), "FillRect");
  EXPECT_EQ(solid.Pixels(0, 0), clYellow);
  EXPECT_NO_THROW(DrawBackgroundAndBorder(nullptr, Rect(0, 0, 6, 3), clRed, clBlue, clNavy, 1, false));
}

TEST(VevDropDownUtil, ImageTextAndGlyphOnColour) {
  TImageList images(nullptr, 16, 16);
  TBitmap glyph(16, 16);
  glyph.Canvas()->Brush()->SetColor(clFuchsia);
  glyph.Canvas()->FillRect(Rect(0, 0, 16, 16));
  glyph.Canvas()->Brush()->SetColor(clRed);
  glyph.Canvas()->FillRect(Rect(4, 4, 12, 12));
  images.AddMasked(&glyph, clFuchsia);

  TRecordingCanvas withImage(120, 30);
  DrawImageText(&withImage, Rect(0, 0, 120, 30), "Caption", 0, &images);
  auto text = withImage.Recorder().Calls("DrawText");
  ASSERT_EQ(text.size(), 1u);
  EXPECT_EQ(text[0].Rect, Rect(24, 0, 120, 30));
  EXPECT_EQ(text[0].Flags, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
  EXPECT_EQ(withImage.Pixels(4 + 8, 7 + 8), clRed);

  TRecordingCanvas plain(120, 30);
  DrawImageText(&plain, Rect(0, 0, 120, 30), "Caption", -1, &images);
  text = plain.Recorder().Calls("DrawText");
  ASSERT_EQ(text.size(), 1u);
  EXPECT_EQ(text[0].Rect, Rect(0, 0, 120, 30));
  EXPECT_EQ(text[0].Flags, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_CENTER);

  TRecordingCanvas onColour(30, 30);
  DrawGlyphOnColor(&onColour, &glyph, clLime, Rect(5, 5, 21, 21));
  EXPECT_EQ(onColour.Pixels(5, 5), clLime);
  EXPECT_EQ(onColour.Pixels(12, 12), clRed);
  EXPECT_EQ(onColour.Pixels(25, 25), clWhite);
}

TEST(VevDropDownUtil, PaintsTheGraphicChildrenOfAWindowedControl) {
  TForm form(nullptr);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  panel->SetBounds(0, 0, 60, 40);
  auto* first = new TShape(&form);
  first->SetParent(panel);
  first->SetBounds(2, 2, 10, 10);
  first->Brush()->SetColor(clRed);
  auto* second = new TShape(&form);
  second->SetParent(panel);
  second->SetBounds(30, 2, 10, 10);
  second->Brush()->SetColor(clBlue);

  TRecordingCanvas all(60, 40);
  TWinCtrl::PaintCtrls(panel, &all, nullptr);
  EXPECT_EQ(all.Pixels(6, 6), clRed);
  EXPECT_EQ(all.Pixels(35, 6), clBlue);
  TRecordingCanvas fromSecond(60, 40);
  TWinCtrl::PaintCtrls(panel, &fromSecond, second);
  EXPECT_EQ(fromSecond.Pixels(6, 6), clWhite);
  EXPECT_EQ(fromSecond.Pixels(35, 6), clBlue);
}
