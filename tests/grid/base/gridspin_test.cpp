// The spin edit: values of each kind, stepping by keys and buttons, typed
// and pasted text filtered by kind, refusal of text that is no value on
// leaving, and the repeating buttons.
#include "grid/base/gridspin.h"

#include <gtest/gtest.h>

#include "framework/classes/ComponentFiler.h"

#include <string>

#include "framework/controls/Clipbrd.h"
#include "framework/controls/StdCtrls.h"
#include "framework/rtl/Locale.h"
#include "support/Input.h"

namespace {

using namespace testinput;

// Day-first dates and 24-hour times with seconds, as many users have them.
void EuropeanSettings() {
  TFormatSettings& fs = FormatSettings();
  fs.DateSeparator = '/';
  fs.ShortDateFormat = "d/m/yyyy";
  fs.TimeSeparator = ':';
  fs.LongTimeFormat = "h:nn:ss";
  fs.DecimalSeparator = '.';
  fs.ThousandSeparator = ',';
}

struct SpinFixture : ::testing::Test {
  TFormatSettingsScope settings;
  TForm* form = nullptr;
  TDudSpinEdit* spin = nullptr;
  TEdit* other = nullptr;
  void SetUp() override {
    ResetKeyboardState();
    EuropeanSettings();
    form = new TForm(nullptr);
    form->SetBounds(100, 100, 300, 200);
    spin = new TDudSpinEdit(form);
    spin->SetParent(form);
    spin->SetBounds(10, 10, 120, 24);
    other = new TEdit(form);
    other->SetParent(form);
    other->SetBounds(10, 60, 120, 24);
    ShowForm(form);
  }
  void TearDown() override { delete form; }
  // Puts the caret at Pos with nothing selected.
  void Caret(int Pos) { spin->SetSelStart(Pos); }
};

TEST_F(SpinFixture, IntegerValueIsReadFromTheTextAndClampedWhenSet) {
  EXPECT_EQ(spin->Text(), "0");
  spin->StepUp(false);
  EXPECT_EQ(spin->Text(), "1");
  spin->SetValue(150);
  EXPECT_EQ(spin->Text(), "100");
  spin->SetValue(-5);
  EXPECT_EQ(spin->Text(), "0");
  // Equal bounds are no bounds.
  spin->SetMinValue(0);
  spin->SetMaxValue(0);
  spin->SetValue(-123456);
  EXPECT_EQ(spin->Text(), "-123456");
  // Text that is no integer reads as the lower bound; empty text as 0.
  spin->SetMinValue(7);
  spin->SetMaxValue(9);
  spin->SetText("abc");
  EXPECT_EQ(spin->Value(), 7);
  spin->SetText("");
  EXPECT_EQ(spin->Value(), 0);
}

TEST_F(SpinFixture, FloatPrecisionShowsFixedDecimalsAndSpinTypeRewritesTheValue) {
  spin->SetValue(1);
  spin->SetPrecision(2);
  spin->SetSpinType(sptFloat);
  EXPECT_EQ(spin->Text(), "1.00");
  spin->SetFloatValue(250.0);
  EXPECT_EQ(spin->Text(), "100.00");
  spin->SetPrecision(0);
  EXPECT_EQ(spin->Text(), "100");
}

struct StepCase {
  const char* name;
  TDudSpinType kind;
  const char* text;
  int caret;
  WORD key;
  const char* expected;
};

void PrintTo(const StepCase& c, std::ostream* os) { *os << c.name; }

class SpinSteps : public SpinFixture, public ::testing::WithParamInterface<StepCase> {};

TEST_P(SpinSteps, KeyStepsThePartUnderTheCaret) {
  const StepCase& c = GetParam();
  spin->SetSpinType(c.kind);
  spin->SetMinValue(-1000);
  spin->SetMaxValue(1000);
  spin->SetMinFloatValue(-10);
  spin->SetMaxFloatValue(10);
  spin->SetIncrementMinutes(45);
  spin->SetText(c.text);
  spin->SetFocus();
  Caret(c.caret);
  int beeps = MessageBeepCount();
  PressKey(c.key);
  EXPECT_EQ(spin->Text(), c.expected);
  EXPECT_EQ(MessageBeepCount(), beeps);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpinSteps,
    ::testing::Values(StepCase{"IntegerUp", sptNormal, "41", 0, VK_UP, "42"},
                      StepCase{"IntegerPageDown", sptNormal, "41", 0, VK_NEXT, "40"},
                      StepCase{"IntegerStopsAtTheBound", sptNormal, "1000", 0, VK_UP, "1000"},
                      StepCase{"FloatUp", sptFloat, "1.5", 0, VK_UP, "1.6"},
                      StepCase{"FloatPageDown", sptFloat, "1.5", 0, VK_NEXT, "0.5"},
                      StepCase{"DateDayInFirstField", sptDate, "15/03/2024", 0, VK_UP, "16/3/2024"},
                      StepCase{"DateMonthInSecondField", sptDate, "15/03/2024", 3, VK_UP, "15/4/2024"},
                      StepCase{"DateYearAfterSecondSeparator", sptDate, "15/03/2024", 7, VK_UP, "15/3/2025"},
                      StepCase{"MonthStepKeepsTheDayInTheMonth", sptDate, "31/01/2024", 3, VK_UP,
                               "29/2/2024"},
                      // 29 February steps to the 28th of a common year instead of failing.
                      StepCase{"YearStepFrom29February", sptDate, "29/02/2024", 8, VK_UP, "28/2/2025"},
                      StepCase{"YearStepBackFrom29February", sptDate, "29/02/2024", 8, VK_DOWN, "28/2/2023"},
                      StepCase{"TimeHoursWrap", sptTime, "23:30:00", 0, VK_UP, "0:30:00"},
                      StepCase{"TimeMinutesWrapPastMidnight", sptTime, "23:30:00", 3, VK_UP, "0:15:00"},
                      StepCase{"TimeSecondsWrapBack", sptTime, "0:00:00", 6, VK_DOWN, "23:59:59"}),
    [](const ::testing::TestParamInfo<StepCase>& i) { return i.param.name; });

TEST_F(SpinFixture, StepsPastTheLastYearAreRefusedWithoutAnError) {
  spin->SetSpinType(sptDate);
  for (int caret : {0, 3, 7}) {
    spin->SetText("31/12/9999");
    Caret(caret);
    int beeps = MessageBeepCount();
    spin->SetFocus();
    PressKey(VK_UP);
    EXPECT_EQ(spin->Text(), "31/12/9999") << caret;
    EXPECT_EQ(MessageBeepCount(), beeps + 1) << caret;
  }
}

TEST_F(SpinFixture, MonthFirstDatesStepTheMonthInTheFirstField) {
  FormatSettings().ShortDateFormat = "m/d/yyyy";
  spin->SetSpinType(sptDate);
  spin->SetText("3/15/2024");
  Caret(0);
  spin->StepUp(false);
  EXPECT_EQ(spin->Text(), "4/15/2024");
  Caret(4);
  spin->StepUp(false);
  EXPECT_EQ(spin->Text(), "4/16/2024");
}

TEST_F(SpinFixture, ButtonsStepAndARepeatFollowsWhileHeld) {
  TTestClock clock;
  TVevTimerSpeedButton* up = spin->Button()->UpButton();
  Click(up, 3, 3);
  EXPECT_EQ(spin->Text(), "1");
  EXPECT_TRUE(spin->Focused());
  MouseDown(up, 3, 3);
  clock.Advance(399);
  EXPECT_EQ(spin->Text(), "1");
  clock.Advance(1);
  EXPECT_EQ(spin->Text(), "2");
  clock.Advance(100);
  EXPECT_EQ(spin->Text(), "3");
  clock.Advance(100);
  clock.Advance(100);
  EXPECT_EQ(spin->Text(), "5");
  MouseUp(up, 3, 3);
  std::string released = spin->Text();
  clock.Advance(1000);
  EXPECT_EQ(spin->Text(), released);
  Click(spin->Button()->DownButton(), 3, 3);
  EXPECT_EQ(spin->Value(), std::stoi(released) - 1);
}

TEST_F(SpinFixture, ReadOnlyEditBeepsInsteadOfStepping) {
  spin->SetReadOnly(true);
  spin->SetFocus();
  int beeps = MessageBeepCount();
  PressKey(VK_UP);
  Click(spin->Button()->UpButton(), 3, 3);
  EXPECT_EQ(spin->Text(), "0");
  EXPECT_EQ(MessageBeepCount(), beeps + 2);
}

struct TypeCase {
  const char* name;
  TDudSpinType kind;
  const char* text;
  int selStart;
  int selLength;
  const char* typed;
  const char* expected;
};

void PrintTo(const TypeCase& c, std::ostream* os) { *os << c.name; }

class SpinTyping : public SpinFixture, public ::testing::WithParamInterface<TypeCase> {};

TEST_P(SpinTyping, TypedCharactersAreFilteredByKind) {
  const TypeCase& c = GetParam();
  spin->SetSpinType(c.kind);
  spin->SetMinValue(-1000);
  spin->SetMaxValue(1000);
  spin->SetMinFloatValue(-100);
  spin->SetMaxFloatValue(100);
  spin->SetPrecision(c.kind == sptFloat ? 2 : 0);
  spin->SetText(c.text);
  spin->SetFocus();
  spin->SetSelStart(c.selStart);
  spin->SetSelLength(c.selLength);
  TypeText(c.typed);
  EXPECT_EQ(spin->Text(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpinTyping,
    ::testing::Values(TypeCase{"IntegerDigits", sptNormal, "", 0, 0, "42", "42"},
                      TypeCase{"IntegerRefusesLettersAndSeparators", sptNormal, "", 0, 0, "4a.2/:", "42"},
                      TypeCase{"MinusOnlyAtTheStart", sptNormal, "12", 1, 0, "-", "12"},
                      TypeCase{"MinusAtTheStartOnce", sptNormal, "12", 0, 0, "--", "-12"},
                      TypeCase{"MinusReplacingTheSelectedMinus", sptNormal, "-12", 0, 1, "-", "-12"},
                      TypeCase{"FloatOneDecimalSeparator", sptFloat, "1.5", 3, 0, ".7", "1.57"},
                      TypeCase{"FloatNoThousandSeparator", sptFloat, "1", 1, 0, ",0", "10"},
                      TypeCase{"FloatPrecisionLimitsDecimals", sptFloat, "1.2", 3, 0, "34", "1.23"},
                      TypeCase{"DateTakesDigitsAndItsSeparator", sptDate, "", 0, 0, "1/2:3x/4", "1/23/4"},
                      TypeCase{"TimeAtMostTwoSeparators", sptTime, "", 0, 0, "1:2:3:4", "1:2:34"},
                      TypeCase{"TimeRefusesTheDateSeparator", sptTime, "", 0, 0, "1/2", "12"}),
    [](const ::testing::TestParamInfo<TypeCase>& i) { return i.param.name; });

TEST_F(SpinFixture, WithoutTypingNeitherCharactersNorBackspaceNorDeleteChangeTheText) {
  spin->SetEditorEnabled(false);
  spin->SetValue(5);
  spin->SetFocus();
  spin->SetSelStart(1);
  int beeps = MessageBeepCount();
  TypeText("7");
  PressKey(VK_BACK);
  PressKey(VK_DELETE);
  EXPECT_EQ(spin->Text(), "5");
  EXPECT_GT(MessageBeepCount(), beeps);
  // The buttons still work.
  spin->StepUp(false);
  EXPECT_EQ(spin->Text(), "6");
}

struct PasteCase {
  const char* name;
  TDudSpinType kind;
  const char* text;
  const char* clip;
  const char* expected;
};

void PrintTo(const PasteCase& c, std::ostream* os) { *os << c.name; }

class SpinPaste : public SpinFixture, public ::testing::WithParamInterface<PasteCase> {};

TEST_P(SpinPaste, PastedTextGoesInOnlyAsAWholeValueWithinTheBounds) {
  const PasteCase& c = GetParam();
  spin->SetSpinType(c.kind);
  spin->SetMinDateValue(EncodeDate(2000, 1, 1));
  spin->SetMaxDateValue(EncodeDate(2099, 12, 31));
  spin->SetText(c.text);
  spin->SetFocus();
  spin->SelectAll();
  Clipboard()->SetAsText(c.clip);
  int beeps = MessageBeepCount();
  PressKey('V', {ssCtrl});
  EXPECT_EQ(spin->Text(), c.expected);
  EXPECT_EQ(MessageBeepCount() > beeps, std::string(c.text) == c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpinPaste,
    ::testing::Values(PasteCase{"IntegerWithinBounds", sptNormal, "1", "42", "42"},
                      PasteCase{"IntegerWithLetters", sptNormal, "1", "4x2", "1"},
                      PasteCase{"IntegerOutOfRangeIsNotClamped", sptNormal, "1", "150", "1"},
                      PasteCase{"FloatWithTwoPoints", sptFloat, "1", "1.2.3", "1"},
                      PasteCase{"FloatFirstLineOnly", sptFloat, "1", "2.5\r\n7", "2.5"},
                      PasteCase{"PossibleDate", sptDate, "1/1/2024", "29/02/2024", "29/02/2024"},
                      PasteCase{"ImpossibleDate", sptDate, "1/1/2024", "31/02/2024", "1/1/2024"},
                      PasteCase{"DateOutOfRange", sptDate, "1/1/2024", "1/1/1999", "1/1/2024"},
                      PasteCase{"Time", sptTime, "0:00:00", "12:34:56", "12:34:56"},
                      PasteCase{"NoTime", sptTime, "0:00:00", "25:99", "0:00:00"}),
    [](const ::testing::TestParamInfo<PasteCase>& i) { return i.param.name; });

TEST_F(SpinFixture, ShiftInsertPastesThroughTheSameFilterAndReadOnlyRefusesIt) {
  spin->SetFocus();
  spin->SelectAll();
  Clipboard()->SetAsText("abc");
  PressKey(VK_INSERT, {ssShift});
  EXPECT_EQ(spin->Text(), "0");
  Clipboard()->SetAsText("17");
  PressKey(VK_INSERT, {ssShift});
  EXPECT_EQ(spin->Text(), "17");
  spin->SetReadOnly(true);
  spin->SelectAll();
  Clipboard()->SetAsText("18");
  spin->Perform(WM_PASTE, 0, 0);
  EXPECT_EQ(spin->Text(), "17");
}

TEST_F(SpinFixture, LeavingWithAnImpossibleDateOrANumberOutOfRangePutsTheTextBack) {
  spin->SetSpinType(sptDate);
  spin->SetText("30/4/2024");
  spin->SetFocus();
  spin->SelectAll();
  TypeText("31/4/2024");
  EXPECT_EQ(spin->Text(), "31/4/2024");
  int beeps = MessageBeepCount();
  other->SetFocus();
  EXPECT_EQ(spin->Text(), "30/4/2024");
  EXPECT_EQ(MessageBeepCount(), beeps + 1);

  spin->SetSpinType(sptNormal);
  spin->SetValue(50);
  spin->SetFocus();
  spin->SelectAll();
  TypeText("150");
  other->SetFocus();
  EXPECT_EQ(spin->Text(), "50");
  // A value within the bounds stays as typed.
  spin->SetFocus();
  spin->SelectAll();
  TypeText("75");
  other->SetFocus();
  EXPECT_EQ(spin->Text(), "75");
}

TEST_F(SpinFixture, ReturnMovesOnLikeTabWhenAsked) {
  spin->SetReturnIsTab(true);
  spin->SetFocus();
  PressKey(VK_RETURN);
  EXPECT_TRUE(other->Focused());
}

TEST_F(SpinFixture, KeypadPointTypesTheDecimalSeparatorInSpreadsheetStyle) {
  FormatSettings().DecimalSeparator = ',';
  FormatSettings().ThousandSeparator = '.';
  spin->SetSpinType(sptFloat);
  spin->SetExcelStyleDecimalSeparator(true);
  spin->SetText("1");
  spin->SetFocus();
  spin->SetSelStart(1);
  PressKey(VK_DECIMAL);
  TypeText("5");
  EXPECT_EQ(spin->Text(), "1,5");
  EXPECT_DOUBLE_EQ(spin->FloatValue(), 1.5);
}

TEST_F(SpinFixture, TheButtonPairFollowsItsDirection) {
  TDudSpinButton* pair = spin->Button();
  EXPECT_EQ(pair->Width(), 15);
  EXPECT_EQ(pair->UpButton()->Top(), 0);
  EXPECT_EQ(pair->DownButton()->Top(), pair->UpButton()->Height() - 1);
  spin->SetDirection(spHorizontal);
  EXPECT_EQ(pair->Width(), 20);
  EXPECT_EQ(pair->UpButton()->ButtonDirection(), bdRight);
  EXPECT_EQ(pair->DownButton()->Left(), 0);
  EXPECT_EQ(pair->UpButton()->Left(), pair->Width() / 2 + 1);
}

TEST(SpinLayout, AStoredSpinEditKeepsItsKindBoundsAndValue) {
  TFormatSettingsScope settings;
  EuropeanSettings();
  const char* text = R"(object F: TForm
  Left = 0
  Top = 0
  Width = 300
  Height = 200
  object SE_Port: TDudSpinEdit
    Left = 10
    Top = 10
    Width = 100
    Height = 24
    Increment = 10
    MinValue = 100
    MaxValue = 9000
    Value = 502
    ReturnIsTab = True
  end
  object SE_Gain: TDudSpinEdit
    Left = 10
    Top = 40
    Width = 100
    Height = 24
    MinFloatValue = -1.5
    MaxFloatValue = 1.5
    Precision = 2
    SpinType = sptFloat
    FloatValue = 0.25
  end
end
)";
  TForm form(nullptr);
  ReadComponentText(&form, text, "forms/Spin.dfm");
  auto* port = dynamic_cast<TDudSpinEdit*>(form.FindComponent("SE_Port"));
  auto* gain = dynamic_cast<TDudSpinEdit*>(form.FindComponent("SE_Gain"));
  ASSERT_NE(port, nullptr);
  ASSERT_NE(gain, nullptr);
  EXPECT_EQ(port->Text(), "502");
  EXPECT_TRUE(port->ReturnIsTab());
  EXPECT_EQ(gain->Text(), "0.25");
  // The button pair belongs to the edit: it is not written with the form.
  std::string saved = WriteComponentText(&form);
  EXPECT_EQ(saved.find("TDudSpinButton"), std::string::npos);
  TForm again(nullptr);
  ReadComponentText(&again, saved, "saved.dfm");
  auto* port2 = dynamic_cast<TDudSpinEdit*>(again.FindComponent("SE_Port"));
  ASSERT_NE(port2, nullptr);
  EXPECT_EQ(port2->Value(), 502);
  EXPECT_EQ(port2->Increment(), 10);
  EXPECT_EQ(dynamic_cast<TDudSpinEdit*>(again.FindComponent("SE_Gain"))->Text(), "0.25");
}

}  // namespace
