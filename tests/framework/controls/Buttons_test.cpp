// The speed button and the up-down control: clicks on release over the
// control, exclusive groups, the glyph and caption layout, stepping with
// bounds, wrap and veto, and the repeat while a button is held.
#include "framework/controls/Buttons.h"

#include <gtest/gtest.h>

#include "framework/classes/ComponentFiler.h"
#include "framework/controls/DateTimePicker.h"
#include "framework/controls/MonthCalendar.h"

#include <vector>

#include "framework/controls/StdCtrls.h"
#include "framework/controls/UpDown.h"
#include "framework/graphics/Gdi.h"
#include "support/Input.h"

namespace {

using namespace testinput;

struct SpeedFixture : ::testing::Test {
  TForm* form = nullptr;
  TSpeedButton* a = nullptr;
  TSpeedButton* b = nullptr;
  int clicksA = 0;
  void SetUp() override {
    ResetKeyboardState();
    form = NewPointerForm();
    a = new TSpeedButton(form);
    a->SetParent(form);
    a->SetBounds(10, 10, 40, 24);
    a->OnClick = [this](TObject*) { ++clicksA; };
    b = new TSpeedButton(form);
    b->SetParent(form);
    b->SetBounds(60, 10, 40, 24);
    ShowForm(form);
  }
  void TearDown() override { FreePointerForm(form); }
};

TEST_F(SpeedFixture, AReleaseOverTheButtonClicksAndOneDraggedOffDoesNot) {
  Click(a, 5, 5);
  EXPECT_EQ(clicksA, 1);
  EXPECT_EQ(a->State(), bsUp);
  MouseDown(a, 5, 5);
  EXPECT_EQ(a->State(), bsDown);
  MouseMove(a, 100, 5);
  EXPECT_EQ(a->State(), bsUp);
  MouseUp(a, 100, 5);
  EXPECT_EQ(clicksA, 1);
  // Without a group a button never stays down.
  a->SetDown(true);
  EXPECT_FALSE(a->Down());
}

TEST_F(SpeedFixture, AGroupKeepsOneButtonDownUnlessAllMayBeUp) {
  a->SetGroupIndex(1);
  b->SetGroupIndex(1);
  Click(a, 5, 5);
  EXPECT_TRUE(a->Down());
  EXPECT_EQ(a->State(), bsExclusive);
  Click(b, 5, 5);
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  // The last one down stays down...
  Click(b, 5, 5);
  EXPECT_TRUE(b->Down());
  // ...unless all may be up; the setting passes to the whole group.
  a->SetAllowAllUp(true);
  a->SetDown(true);
  EXPECT_TRUE(b->AllowAllUp());
  Click(a, 5, 5);
  EXPECT_FALSE(a->Down());
  EXPECT_FALSE(b->Down());
}

TEST_F(SpeedFixture, AnAcceleratorClicksAnEnabledButton) {
  a->SetCaption("&Find");
  EXPECT_NE(form->Perform(CM_DIALOGCHAR, 'f', 0), 0);
  EXPECT_EQ(clicksA, 1);
  a->SetEnabled(false);
  form->Perform(CM_DIALOGCHAR, 'f', 0);
  EXPECT_EQ(clicksA, 1);
}

struct LayoutCase {
  const char* name;
  TButtonLayout layout;
  int margin;
  int spacing;
  const char* caption;
  TPoint glyph;  // expected glyph position in a 100 x 40 area
  int textEdge;  // the caption's edge toward the glyph; -1 for no caption
};

void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }

class ButtonLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(ButtonLayout, GlyphAndCaptionSitByLayoutMarginAndSpacing) {
  const LayoutCase& c = GetParam();
  TBitmap measure(1, 1);
  TCanvas* canvas = measure.Canvas();
  TPoint glyph;
  TRect text;
  CalcButtonLayout(canvas, TRect(0, 0, 100, 40), TPoint(), c.caption, 16, 16, c.layout, c.margin, c.spacing,
                   0, glyph, text);
  EXPECT_EQ(glyph.X, c.glyph.X);
  EXPECT_EQ(glyph.Y, c.glyph.Y);
  if (c.textEdge >= 0) {
    EXPECT_EQ(c.layout == blGlyphLeft ? text.Left : text.Right, c.textEdge);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, ButtonLayout,
                         ::testing::Values(
                             // Without a caption the glyph is centred whatever the spacing.
                             LayoutCase{"NoCaptionCentred", blGlyphLeft, -1, 4, "", TPoint(42, 12), -1},
                             LayoutCase{"GivenMarginLeft", blGlyphLeft, 3, 4, "Find", TPoint(3, 12), 23},
                             LayoutCase{"GivenMarginRight", blGlyphRight, 3, 4, "Find", TPoint(81, 12), 77},
                             LayoutCase{"GivenMarginTop", blGlyphTop, 2, 4, "", TPoint(42, 2), -1},
                             LayoutCase{"GivenMarginBottom", blGlyphBottom, 2, 4, "", TPoint(42, 22), -1}),
                         [](const ::testing::TestParamInfo<LayoutCase>& i) { return i.param.name; });

TEST(ButtonGlyph, ADisabledButtonShowsAGreyCopyWithTheTransparentColourKept) {
  TBitmap glyph(3, 1);
  glyph.SetPixelFormat(pf24bit);
  glyph.Canvas()->SetPixels(0, 0, clFuchsia);  // the transparent colour is the bottom-left pixel
  glyph.Canvas()->SetPixels(1, 0, clBlack);
  glyph.Canvas()->SetPixels(2, 0, clWhite);
  std::unique_ptr<TBitmap> grey = CreateDisabledGlyph(&glyph);
  EXPECT_EQ(grey->Canvas()->Pixels(0, 0) & 0xFFFFFF, clFuchsia);
  EXPECT_EQ(grey->Canvas()->Pixels(1, 0) & 0xFFFFFF, ColorToRGB(clBtnShadow) & 0xFFFFFF);
  EXPECT_EQ(grey->Canvas()->Pixels(2, 0) & 0xFFFFFF, clFuchsia);
}

// ---- The up-down control ----

struct UpDownFixture : ::testing::Test {
  TForm* form = nullptr;
  TUpDown* ud = nullptr;
  TEdit* edit = nullptr;
  std::vector<int> clicks;
  void SetUp() override {
    ResetKeyboardState();
    form = new TForm(nullptr);
    form->SetBounds(100, 100, 300, 200);
    edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 80, 24);
    ud = new TUpDown(form);
    ud->SetParent(form);
    ud->SetMin(0);
    ud->SetMax(5);
    ud->SetThousands(false);
    ud->SetAssociate(edit);
    ud->OnClick = [this](TObject*, TUDBtnType B) { clicks.push_back(B == btNext ? 1 : -1); };
    ShowForm(form);
  }
  void TearDown() override { delete form; }
  TPoint Up() {
    TRect r = ud->ButtonRect(btNext);
    return TPoint(r.Left + 2, r.Top + 2);
  }
  TPoint Down() {
    TRect r = ud->ButtonRect(btPrev);
    return TPoint(r.Left + 2, r.Bottom - 3);
  }
};

TEST_F(UpDownFixture, ButtonsStepWithinTheBoundsAndShowThePositionInTheAssociate) {
  EXPECT_EQ(ud->Left(), edit->Left() + edit->Width());
  EXPECT_EQ(ud->Height(), edit->Height());
  for (int i = 0; i < 7; ++i) Click(ud, Up().X, Up().Y);
  EXPECT_EQ(ud->Position(), 5);
  EXPECT_EQ(edit->Text(), "5");
  EXPECT_TRUE(edit->Focused());
  Click(ud, Down().X, Down().Y);
  EXPECT_EQ(ud->Position(), 4);
  ud->SetWrap(true);
  ud->SetPosition(5);
  Click(ud, Up().X, Up().Y);
  EXPECT_EQ(ud->Position(), 0);
}

TEST_F(UpDownFixture, OnChangingMayRefuseAStep) {
  ud->OnChangingEx = [](TObject*, bool& Allow, int NewValue, TUpDownDirection) { Allow = NewValue != 2; };
  Click(ud, Up().X, Up().Y);
  Click(ud, Up().X, Up().Y);
  EXPECT_EQ(ud->Position(), 1);
}

TEST_F(UpDownFixture, HoldingAButtonRepeatsUntilReleased) {
  TTestClock clock;
  ud->SetMax(100);
  MouseDown(ud, Up().X, Up().Y);
  EXPECT_EQ(ud->Position(), 1);
  clock.Advance(399);
  EXPECT_EQ(ud->Position(), 1);
  clock.Advance(1);
  EXPECT_EQ(ud->Position(), 2);
  clock.Advance(100);
  EXPECT_EQ(ud->Position(), 3);
  MouseUp(ud, Up().X, Up().Y);
  clock.Advance(500);
  EXPECT_EQ(ud->Position(), 3);
  EXPECT_EQ(clicks, (std::vector<int>{1, 1, 1}));
}

TEST(NewControlsLayout, StoredLayoutsCreateTheButtonsUpDownCalendarAndPicker) {
  const char* text = R"(object F: TForm
  Left = 0
  Top = 0
  Width = 400
  Height = 300
  object SB_Bold: TSpeedButton
    Left = 8
    Top = 8
    Width = 23
    Height = 22
    GroupIndex = 2
    AllowAllUp = True
    Down = True
    Caption = 'B'
    Flat = True
  end
  object E_Count: TEdit
    Left = 40
    Top = 8
    Width = 60
    Height = 24
  end
  object UD_Count: TUpDown
    Left = 100
    Top = 8
    Width = 17
    Height = 24
    Max = 10
    Position = 3
    Associate = E_Count
  end
  object DTP_Day: TDateTimePicker
    Left = 8
    Top = 40
    Width = 150
    Height = 24
    MaxDate = 46000.000000000000000000
    DateTime = 45412.250000000000000000
    DateMode = dmUpDown
  end
  object MC_Day: TMonthCalendar
    Left = 8
    Top = 80
    Width = 180
    Height = 170
    Date = 45412.000000000000000000
    ShowToday = False
  end
end
)";
  TForm form(nullptr);
  ReadComponentText(&form, text, "forms/New.dfm");
  auto* sb = dynamic_cast<TSpeedButton*>(form.FindComponent("SB_Bold"));
  auto* ud = dynamic_cast<TUpDown*>(form.FindComponent("UD_Count"));
  auto* dtp = dynamic_cast<TDateTimePicker*>(form.FindComponent("DTP_Day"));
  auto* mc = dynamic_cast<TMonthCalendar*>(form.FindComponent("MC_Day"));
  ASSERT_TRUE(sb && ud && dtp && mc);
  EXPECT_TRUE(sb->Down());
  EXPECT_EQ(ud->Associate(), form.FindComponent("E_Count"));
  auto* count = dynamic_cast<TEdit*>(form.FindComponent("E_Count"));
  ASSERT_NE(count, nullptr);
  EXPECT_EQ(count->Text(), "3");
  EXPECT_DOUBLE_EQ(dtp->DateTime(), 45412.25);
  EXPECT_TRUE(dtp->UpDown()->Visible());
  EXPECT_DOUBLE_EQ(mc->Date(), 45412.0);
  EXPECT_FALSE(mc->ShowToday());
  TForm again(nullptr);
  ReadComponentText(&again, WriteComponentText(&form), "saved.dfm");
  EXPECT_TRUE(dynamic_cast<TSpeedButton*>(again.FindComponent("SB_Bold"))->Down());
  EXPECT_EQ(dynamic_cast<TUpDown*>(again.FindComponent("UD_Count"))->Position(), 3);
  EXPECT_DOUBLE_EQ(dynamic_cast<TDateTimePicker*>(again.FindComponent("DTP_Day"))->DateTime(), 45412.25);
}

}  // namespace
