// The date/time picker and its month calendar: typing and stepping the parts
// (impossible dates refused, never turned into others), bounds, paste, the
// dropped calendar by keys and clicks, and the time kind with its up-down.
#include "framework/controls/DateTimePicker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/controls/Clipbrd.h"
#include "framework/controls/MonthCalendar.h"
#include "framework/controls/StdCtrls.h"
#include "framework/controls/UpDown.h"
#include "framework/graphics/RecordingCanvas.h"
#include "framework/rtl/Locale.h"
#include "support/Input.h"

namespace {

using namespace testinput;

struct PickerFixture : ::testing::Test {
  TFormatSettingsScope settings;
  TForm* form = nullptr;
  TDateTimePicker* picker = nullptr;
  TEdit* other = nullptr;
  std::vector<std::string> log;
  void SetUp() override {
    ResetKeyboardState();
    TFormatSettings& fs = FormatSettings();
    fs.DateSeparator = '/';
    fs.ShortDateFormat = "dd/mm/yyyy";
    fs.TimeSeparator = ':';
    fs.LongTimeFormat = "hh:nn:ss";
    SetNowProvider([] { return EncodeDateTime(2024, 4, 10, 9, 30, 0, 0); });
    form = new TForm(nullptr);
    form->SetBounds(100, 100, 400, 300);
    picker = new TDateTimePicker(form);
    picker->SetParent(form);
    picker->SetBounds(10, 10, 160, 0);
    picker->SetDateTime(EncodeDateTime(2024, 4, 30, 8, 15, 0, 0));
    picker->OnChange = [this](TObject*) { log.push_back("change " + picker->DisplayText()); };
    picker->OnDropDown = [this](TObject*) { log.push_back("dropdown"); };
    picker->OnCloseUp = [this](TObject*) { log.push_back("closeup"); };
    other = new TEdit(form);
    other->SetParent(form);
    other->SetBounds(10, 200, 100, 24);
    ShowForm(form);
    picker->SetFocus();
  }
  void TearDown() override {
    delete form;
    SetNowProvider(nullptr);
  }
  // Index of the part of a kind.
  int Part(TDTFieldKind Kind) {
    for (int i = 0; i < static_cast<int>(picker->Fields().size()); ++i)
      if (picker->Fields()[static_cast<size_t>(i)].Kind == Kind) return i;
    return -1;
  }
};

TEST_F(PickerFixture, ThePartsFollowTheShortDateFormat) {
  EXPECT_EQ(picker->DisplayText(), "30/04/2024");
  ASSERT_EQ(picker->Fields().size(), 5u);
  EXPECT_EQ(picker->ActiveField(), Part(fkDay));
  PressKey(VK_RIGHT);
  EXPECT_EQ(picker->ActiveField(), Part(fkMonth));
  PressKey(VK_RIGHT);
  PressKey(VK_RIGHT);
  EXPECT_EQ(picker->ActiveField(), Part(fkYear));
  picker->SetFormat("dddd d mmmm yyyy");
  EXPECT_EQ(picker->DisplayText(), "Tuesday 30 April 2024");
}

struct TypedCase {
  const char* name;
  TDTFieldKind part;
  const char* start;  // dd/mm/yyyy
  const char* typed;
  const char* expected;
  int beeps;
};

void PrintTo(const TypedCase& c, std::ostream* os) { *os << c.name; }

class PickerTyping : public PickerFixture, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(PickerTyping, DigitsGoIntoThePartAndImpossibleDatesAreRefused) {
  const TypedCase& c = GetParam();
  TDateTime start = 0;
  ASSERT_TRUE(TryStrToDate(c.start, start));
  picker->SetDate(start);
  picker->SetActiveField(Part(c.part));
  log.clear();
  int beeps = MessageBeepCount();
  TypeText(c.typed);
  other->SetFocus();
  EXPECT_EQ(picker->DisplayText(), c.expected);
  EXPECT_EQ(MessageBeepCount() - beeps, c.beeps);
  // The time of day never changes with the date.
  EXPECT_EQ(FormatDateTime("hh:nn", picker->DateTime()), "08:15");
}

INSTANTIATE_TEST_SUITE_P(
    Table, PickerTyping,
    ::testing::Values(TypedCase{"Day", fkDay, "30/04/2024", "15", "15/04/2024", 0},
                      TypedCase{"DayThatTheMonthLacks", fkDay, "30/04/2024", "31", "30/04/2024", 1},
                      TypedCase{"DayAboveAnyMonthStartsAgain", fkDay, "30/04/2024", "45", "05/04/2024", 0},
                      TypedCase{"MonthThatLacksTheDay", fkMonth, "30/04/2024", "2", "30/04/2024", 1},
                      TypedCase{"MonthTwoDigits", fkMonth, "15/04/2024", "12", "15/12/2024", 0},
                      TypedCase{"YearOfFourDigits", fkYear, "15/04/2024", "2031", "15/04/2031", 0},
                      TypedCase{"CommonYearFor29February", fkYear, "29/02/2024", "2023", "29/02/2024", 1},
                      TypedCase{"LeapYearFor29February", fkYear, "29/02/2024", "2028", "29/02/2028", 0},
                      TypedCase{"TwoDigitYearOnLeaving", fkYear, "15/04/2024", "31", "15/04/2031", 0},
                      TypedCase{"LettersAndSigns", fkDay, "15/04/2024", "x-", "15/04/2024", 2}),
    [](const ::testing::TestParamInfo<TypedCase>& i) { return i.param.name; });

struct StepCase {
  const char* name;
  TDTFieldKind part;
  const char* start;
  WORD key;
  const char* expected;
};

void PrintTo(const StepCase& c, std::ostream* os) { *os << c.name; }

class PickerSteps : public PickerFixture, public ::testing::WithParamInterface<StepCase> {};

TEST_P(PickerSteps, KeysStepThePartRoundItsRange) {
  const StepCase& c = GetParam();
  TDateTime start = 0;
  ASSERT_TRUE(TryStrToDate(c.start, start));
  picker->SetDate(start);
  picker->SetActiveField(Part(c.part));
  PressKey(c.key);
  EXPECT_EQ(picker->DisplayText(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PickerSteps,
    ::testing::Values(StepCase{"DayWrapsInItsMonth", fkDay, "30/04/2024", VK_UP, "01/04/2024"},
                      StepCase{"DayWrapsBack", fkDay, "01/04/2024", VK_DOWN, "30/04/2024"},
                      StepCase{"MonthKeepsTheDayInTheMonth", fkMonth, "31/01/2024", VK_UP, "29/02/2024"},
                      StepCase{"MonthWrapsWithinTheYear", fkMonth, "15/12/2024", VK_UP, "15/01/2024"},
                      StepCase{"YearFrom29February", fkYear, "29/02/2024", VK_UP, "28/02/2025"},
                      StepCase{"EndTakesTheLastDay", fkDay, "10/02/2023", VK_END, "28/02/2023"},
                      StepCase{"HomeTakesTheFirstMonth", fkMonth, "10/06/2023", VK_HOME, "10/01/2023"}),
    [](const ::testing::TestParamInfo<StepCase>& i) { return i.param.name; });

TEST_F(PickerFixture, BoundsRefuseStepsTypingAndCodeOutsideThem) {
  picker->SetMinDate(EncodeDate(2024, 4, 1));
  picker->SetMaxDate(EncodeDate(2024, 4, 30));
  picker->SetActiveField(Part(fkDay));
  int beeps = MessageBeepCount();
  PressKey(VK_UP);  // 1 May lies outside
  EXPECT_EQ(picker->DisplayText(), "01/04/2024");
  picker->SetActiveField(Part(fkMonth));
  PressKey(VK_UP);
  EXPECT_EQ(picker->DisplayText(), "01/04/2024");
  EXPECT_EQ(MessageBeepCount(), beeps + 1);
  EXPECT_THROW(picker->SetDateTime(EncodeDate(2024, 5, 2)), EDateTimeError);
  EXPECT_EQ(picker->DisplayText(), "01/04/2024");
}

TEST_F(PickerFixture, NoStepOrCalendarPageLeavesTheLastYear) {
  picker->SetDate(EncodeDate(9999, 12, 31));
  for (TDTFieldKind part : {fkDay, fkMonth, fkYear}) {
    picker->SetActiveField(Part(part));
    PressKey(VK_UP);
  }
  EXPECT_EQ(picker->DisplayText(), "01/01/9999");  // day and month wrap within their year
  picker->SetDate(EncodeDate(9999, 12, 31));
  picker->SetActiveField(Part(fkYear));
  int beeps = MessageBeepCount();
  PressKey(VK_UP);
  EXPECT_EQ(picker->DisplayText(), "31/12/9999");
  PressKey(VK_F4);
  PressKey(VK_NEXT);
  PressKey(VK_RIGHT);
  EXPECT_EQ(picker->Calendar()->Date(), EncodeDate(9999, 12, 31));
  EXPECT_EQ(MessageBeepCount(), beeps + 3);
  PressKey(VK_ESCAPE);
}

TEST_F(PickerFixture, WheelStepsThePartAndOnlyUserChangesFireOnChange) {
  picker->SetDate(EncodeDate(2024, 4, 20));
  EXPECT_TRUE(log.empty());
  Wheel(picker, 120);
  EXPECT_EQ(picker->DisplayText(), "21/04/2024");
  Wheel(picker, -240);
  EXPECT_EQ(picker->DisplayText(), "20/04/2024");
  EXPECT_EQ(log, (std::vector<std::string>{"change 21/04/2024", "change 20/04/2024"}));
}

TEST_F(PickerFixture, PasteTakesAWholeDateOrNothing) {
  Clipboard()->SetAsText("29/02/2024");
  PressKey('V', {ssCtrl});
  EXPECT_EQ(picker->DisplayText(), "29/02/2024");
  EXPECT_EQ(FormatDateTime("hh:nn", picker->DateTime()), "08:15");
  for (const char* bad : {"31/02/2024", "soon", "12"}) {
    Clipboard()->SetAsText(bad);
    int beeps = MessageBeepCount();
    picker->Perform(WM_PASTE, 0, 0);
    EXPECT_EQ(picker->DisplayText(), "29/02/2024") << bad;
    EXPECT_EQ(MessageBeepCount(), beeps + 1) << bad;
  }
  PressKey('C', {ssCtrl});
  EXPECT_EQ(Clipboard()->AsText(), "29/02/2024");
}

TEST_F(PickerFixture, TheCalendarChoosesWithReturnAndLeavesTheDateWithEscape) {
  PressKey(VK_F4);
  ASSERT_TRUE(picker->DroppedDown());
  TMonthCalendar* cal = picker->Calendar();
  ASSERT_NE(cal, nullptr);
  EXPECT_TRUE(cal->Showing());
  EXPECT_TRUE(picker->Focused());
  PressKey(VK_RIGHT);
  PressKey(VK_DOWN);
  EXPECT_EQ(cal->Date(), EncodeDate(2024, 5, 8));
  EXPECT_EQ(picker->DisplayText(), "30/04/2024");
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(picker->DroppedDown());
  EXPECT_EQ(picker->DisplayText(), "30/04/2024");
  PressKey(VK_DOWN, {ssAlt});
  ASSERT_TRUE(picker->DroppedDown());
  PressKey(VK_NEXT);
  PressKey(VK_RETURN);
  EXPECT_FALSE(picker->DroppedDown());
  EXPECT_EQ(picker->DisplayText(), "30/05/2024");
  EXPECT_EQ(log,
            (std::vector<std::string>{"dropdown", "closeup", "dropdown", "change 30/05/2024", "closeup"}));
}

TEST_F(PickerFixture, AClickOnADayChoosesItAndAClickElsewhereClosesUnchanged) {
  TRect b = picker->ButtonRect();
  Click(picker, b.Left + 3, b.Top + 3);
  ASSERT_TRUE(picker->DroppedDown());
  TMonthCalendar* cal = picker->Calendar();
  TRect day = cal->DayRect(EncodeDate(2024, 4, 17));
  ASSERT_FALSE(IsRectEmpty(day));
  Click(cal, day.Left + 2, day.Top + 2);
  EXPECT_FALSE(picker->DroppedDown());
  EXPECT_EQ(picker->DisplayText(), "17/04/2024");
  // The next-month button turns the page without choosing.
  Click(picker, b.Left + 3, b.Top + 3);
  TRect next = cal->NextButtonRect();
  Click(cal, next.Left + 2, next.Top + 2);
  EXPECT_TRUE(picker->DroppedDown());
  EXPECT_EQ(cal->ShownMonth(), 5);
  // A press outside the calendar closes it and changes nothing.
  Click(cal, -20, -20);
  EXPECT_FALSE(picker->DroppedDown());
  EXPECT_EQ(picker->DisplayText(), "17/04/2024");
}

TEST_F(PickerFixture, TheCalendarRefusesDaysOutsideTheBounds) {
  picker->SetMaxDate(EncodeDate(2024, 5, 2));
  PressKey(VK_F4);
  TMonthCalendar* cal = picker->Calendar();
  int beeps = MessageBeepCount();
  PressKey(VK_DOWN);  // 7 May
  EXPECT_EQ(cal->Date(), EncodeDate(2024, 4, 30));
  EXPECT_EQ(MessageBeepCount(), beeps + 1);
  TRect day = cal->DayRect(EncodeDate(2024, 5, 4));
  Click(cal, day.Left + 2, day.Top + 2);
  EXPECT_TRUE(picker->DroppedDown());
  PressKey(VK_ESCAPE);
  EXPECT_EQ(picker->DisplayText(), "30/04/2024");
}

TEST_F(PickerFixture, TimeKindStepsWithItsUpDownAndTakesAmPm) {
  FormatSettings().LongTimeFormat = "h:nn AMPM";
  picker->SetKind(dtkTime);
  EXPECT_EQ(picker->DisplayText(), "8:15 AM");
  TCustomUpDown* ud = picker->UpDown();
  ASSERT_NE(ud, nullptr);
  EXPECT_TRUE(ud->Visible());
  other->SetFocus();
  TRect up = ud->ButtonRect(btNext);
  Click(ud, up.Left + 2, up.Top + 2);
  EXPECT_TRUE(picker->Focused());
  EXPECT_EQ(picker->DisplayText(), "9:15 AM");
  picker->SetActiveField(Part(fkAmPm));
  TypeText("p");
  EXPECT_EQ(picker->DisplayText(), "9:15 PM");
  picker->SetActiveField(Part(fkHour));
  TypeText("12");
  EXPECT_EQ(picker->DisplayText(), "12:15 PM");
  EXPECT_EQ(FormatDateTime("dd/mm/yyyy", picker->DateTime()), "30/04/2024");
  PressKey(VK_F4);
  EXPECT_FALSE(picker->DroppedDown());
}

TEST_F(PickerFixture, TheCheckBoxTogglesWithSpaceAndAnEditChecksIt) {
  picker->SetShowCheckbox(true);
  TypeText(" ");
  EXPECT_FALSE(picker->Checked());
  PressKey(VK_UP);
  EXPECT_TRUE(picker->Checked());
  TRect box = picker->CheckboxRect();
  Click(picker, box.Left + 3, box.Top + 3);
  EXPECT_FALSE(picker->Checked());
}

TEST(MonthCalendar, KeysMoveTheSelectionAndReturnChooses) {
  ResetKeyboardState();
  SetNowProvider([] { return EncodeDate(2024, 4, 10); });
  TForm form(nullptr);
  form.SetBounds(100, 100, 300, 300);
  auto* cal = new TMonthCalendar(&form);
  cal->SetParent(&form);
  int chosen = 0;
  cal->OnDateChosen = [&](TObject*) { ++chosen; };
  ShowForm(&form);
  cal->SetFocus();
  EXPECT_EQ(cal->Date(), EncodeDate(2024, 4, 10));
  PressKey(VK_END);
  EXPECT_EQ(cal->Date(), EncodeDate(2024, 4, 30));
  PressKey(VK_RIGHT);
  EXPECT_EQ(cal->ShownMonth(), 5);
  PressKey(VK_PRIOR, {ssCtrl});
  EXPECT_EQ(cal->Date(), EncodeDate(2023, 5, 1));
  PressKey(VK_RETURN);
  EXPECT_EQ(chosen, 1);
  // A month starting on a Sunday (September 2024) still shows a week before it.
  cal->SetDate(EncodeDate(2024, 9, 1));
  EXPECT_TRUE(IsRectEmpty(cal->DayRect(EncodeDate(2024, 8, 24))));
  EXPECT_LT(cal->DayRect(EncodeDate(2024, 8, 25)).Top, cal->DayRect(EncodeDate(2024, 9, 1)).Top);
  SetNowProvider(nullptr);
}

TEST(MonthCalendar, WeekNumbersWidenTheCalendarAndTheTodayCircleCanGo) {
  ResetKeyboardState();
  SetNowProvider([] { return EncodeDate(2024, 4, 10); });
  TForm form(nullptr);
  form.SetBounds(100, 100, 400, 300);
  auto* cal = new TMonthCalendar(&form);
  cal->SetParent(&form);
  ShowForm(&form);
  const int width = cal->Width();
  EXPECT_EQ(cal->MinRequiredSize().cx, width);
  const TRect day = cal->DayRect(EncodeDate(2024, 4, 17));

  // Paints and returns the texts drawn and the red frames.
  auto paint = [&](std::vector<std::string>& Texts) {
    TCanvasRecorder rec;
    cal->Canvas()->SetRecorder(&rec);
    form.GrabToBitmap();
    cal->Canvas()->SetRecorder(nullptr);
    int redFrames = 0;
    for (const TCanvasCall& c : rec.Calls()) {
      if (c.Op == "DrawText") Texts.push_back(c.Text);
      if (c.Op == "FrameRect" && c.BrushColor == clRed) ++redFrames;
    }
    return redFrames;
  };
  std::vector<std::string> texts;
  EXPECT_EQ(paint(texts), 2) << "today's day and the box of the today line";
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "15"), 1) << "no week numbers yet";

  cal->SetWeekNumbers(true);
  const int shift = cal->Width() - width;
  EXPECT_GT(shift, 0);
  EXPECT_EQ(cal->MinRequiredSize().cx, cal->Width());
  const TRect moved = cal->DayRect(EncodeDate(2024, 4, 17));
  EXPECT_EQ(moved.Left, day.Left + shift);
  TDateTime hit = 0;
  EXPECT_EQ(cal->HitTest(TPoint(moved.Left + 2, moved.Top + 2), &hit), chDay);
  EXPECT_EQ(hit, EncodeDate(2024, 4, 17));
  EXPECT_GE(cal->NextButtonRect().Right, moved.Right);
  texts.clear();
  paint(texts);
  // April 2024 shows from Sunday 31 March: ISO weeks 14 to 19.
  for (const char* w : {"14", "15", "16", "17", "18", "19"})
    EXPECT_NE(std::find(texts.begin(), texts.end(), w), texts.end()) << "week " << w;
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "15"), 2) << "day 15 and week 15";

  cal->SetShowTodayCircle(false);
  texts.clear();
  EXPECT_EQ(paint(texts), 0);
  SetNowProvider(nullptr);
}

}  // namespace
