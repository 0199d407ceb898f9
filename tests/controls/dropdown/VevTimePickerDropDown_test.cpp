// The watch (its time model, mouse, keys, animation, looks and drawing)
// and the time picker drop-down that shows it.
#include "controls/dropdown/VevTimePickerDropDown.h"

#include <cstdlib>

#include "KindSupport.h"
#include "framework/controls/DateTimePicker.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/os/Files.h"
#include "framework/rtl/Locale.h"

namespace {

using namespace testinput;

TDateTime T(int H, int M, int S = 0) { return EncodeTime(H, M, S, 0); }
std::string HM(TDateTime V) {
  int h, m, s, ms;
  DecodeTime(V, h, m, s, ms);
  return std::to_string(h) + ":" + std::to_string(m);
}

struct WatchFixture : ::testing::Test {
  TForm* form = nullptr;
  TVevWatch* w = nullptr;
  int changes = 0;
  void SetUp() override {
    form = NewPointerForm(300, 260);
    w = new TVevWatch(form);
    w->SetParent(form);
    w->SetBounds(0, 0, 180, 180);
    w->OnChange = [this](TObject*) { ++changes; };
    ShowForm(form);
  }
  void TearDown() override { FreePointerForm(form); }
};

TEST_F(WatchFixture, FaceGeometryFollowsTheSizeSetting) {
  EXPECT_EQ(w->GetFaceRect(), TRect(10, 10, 170, 170));
  w->SetBounds(0, 0, 180, 120);
  w->Appearance()->SetSize(300);
  EXPECT_EQ(w->GetFaceRect(), TRect(30, 0, 150, 120));
  w->Appearance()->SetSize(0);
  w->SetBounds(0, 0, 180, 180);
  // Minutes by direction from the centre (90, 90).
  struct Row {
    int x, y, minute;
  };
  for (const Row& r : {Row{175, 90, 15}, Row{90, 5, 0}, Row{90, 175, 30}, Row{5, 90, 45}, Row{150, 30, 7}})
    EXPECT_EQ(w->MinuteAtPoint(r.x, r.y), r.minute) << r.x << "," << r.y;
}

TEST_F(WatchFixture, ClicksSetTheMinuteOutsideTheDialAndTheHourInsideIt) {
  w->SetAnimation(false);
  w->SetTime(T(4, 20));
  Click(w, 176, 90);  // 3 o'clock, outside the dial
  EXPECT_EQ(HM(w->Time()), "4:15");
  Click(w, 90, 4);  // 12 o'clock
  EXPECT_EQ(HM(w->Time()), "4:0");
  Click(w, 40, 90);  // 9 o'clock inside, before noon
  EXPECT_EQ(HM(w->Time()), "9:0");
  w->SetTime(T(15, 0));
  ASSERT_FALSE(w->AM());
  Click(w, 40, 90);
  EXPECT_EQ(HM(w->Time()), "21:0");
  Click(w, 88, 40);  // just left of 12 o'clock, afternoon
  EXPECT_EQ(HM(w->Time()), "12:0");
  EXPECT_GE(changes, 4);
  // The AM/PM box switches the half of the day.
  const TRect b = w->GetAMPMRect();
  Click(w, (b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2);
  EXPECT_EQ(HM(w->Time()), "0:0");
  EXPECT_TRUE(w->AM());
}

TEST_F(WatchFixture, MinuteZeroFromTheSecondHalfAdvancesTheHour) {
  w->SetAnimation(false);
  w->SetTime(T(5, 50));
  w->SetMinute(0);
  EXPECT_EQ(HM(w->Time()), "6:0");
  w->SetTime(T(5, 20));
  w->SetMinute(0);
  EXPECT_EQ(HM(w->Time()), "5:0");
  w->SetTime(T(23, 45));
  w->SetMinute(0);
  EXPECT_EQ(HM(w->Time()), "0:0");
  try {
    w->SetMinute(60);
    FAIL();
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "Invalid time");
  }
}

TEST_F(WatchFixture, AnAnimatedMoveStepsEachTickAndReportsOnceAtTheTarget) {
  TTestClock clock;
  w->SetTime(T(1, 0));
  changes = 0;
  w->SetHour(11);
  EXPECT_TRUE(w->Animating());
  std::vector<std::string> seen;
  for (int i = 0; i < 20 && w->Animating(); ++i) {
    clock.Advance(10);
    seen.push_back(HM(w->Time()));
  }
  EXPECT_EQ(seen.front(), "2:0");
  EXPECT_EQ(HM(w->Time()), "11:0");
  EXPECT_EQ(changes, 1);
  // A minute heading for 0 from the second half goes forward through 12.
  w->SetTime(T(3, 50));
  changes = 0;
  w->SetMinute(0);
  for (int i = 0; i < 30 && w->Animating(); ++i) clock.Advance(10);
  EXPECT_EQ(HM(w->Time()), "4:0");
  EXPECT_EQ(changes, 1);
}

TEST_F(WatchFixture, KeysMoveTheHandsAndWrapAtTheDayEnds) {
  w->SetAnimation(false);
  struct Row {
    TDateTime from;
    WORD key;
    const char* to;
  };
  const Row rows[] = {
      {T(23, 10), VK_PRIOR, "0:10"}, {T(0, 10), VK_NEXT, "23:10"}, {T(0, 0), VK_LEFT, "23:59"},
      {T(7, 59), VK_RIGHT, "8:0"},   {T(7, 30), VK_END, "7:0"},    {T(7, 30), VK_HOME, "12:30"},
      {T(7, 45), VK_END, "8:0"},     {T(14, 5), 'A', "2:5"},       {T(2, 5), 'P', "14:5"},
      {T(2, 5), 'A', "2:5"},
  };
  for (const Row& r : rows) {
    w->SetTime(r.from);
    w->HandleWatchKey(r.key);
    EXPECT_EQ(HM(w->Time()), r.to) << HM(r.from) << " key " << r.key;
  }
  // In automatic mode clicks and keys change nothing.
  SetNowProvider([] { return EncodeDate(2026, 1, 2) + T(8, 15); });
  w->Settings()->SetAuto(true);
  const TDateTime now = w->CurrentTime();
  w->HandleWatchKey(VK_PRIOR);
  Click(w, 176, 90);
  EXPECT_EQ(HM(w->CurrentTime()), HM(now));
  w->Settings()->SetAuto(false);
  SetNowProvider(nullptr);
}

TEST_F(WatchFixture, LookPresetsResetAndSetTheirSettings) {
  w->SetStyle(wsClassic);  // the current style: nothing applied
  EXPECT_EQ(w->Appearance()->HourMarkLength(), 0);
  w->SetStyle(wsTower);
  EXPECT_EQ(w->Appearance()->BackgroundColorTo(), static_cast<TColor>(0x5BCCE8));
  EXPECT_EQ(w->Appearance()->AMPMColor(), static_cast<TColor>(0xB1F0FE));
  EXPECT_EQ(w->Appearance()->Shape(), wsRect);
  w->SetStyle(wsClassic);
  EXPECT_EQ(w->Appearance()->BackgroundColor(), static_cast<TColor>(0xFFFFFF));
  EXPECT_EQ(w->Appearance()->BackgroundColorTo(), clNone);
  EXPECT_EQ(w->Appearance()->Shape(), wsCircle);
  EXPECT_EQ(w->Appearance()->HourFont()->Name(), "Comic Sans MS");
  EXPECT_EQ(w->Appearance()->HourMarkLength(), 8);
  w->SetStyle(wsSuperNova);
  EXPECT_EQ(w->Appearance()->HourMarkLength(), 40);
  EXPECT_EQ(w->Appearance()->MinuteMarkLength(), 60);
  w->SetStyle(wsSports);
  EXPECT_EQ(w->Appearance()->CenterPointSize(), 50);
  // A custom component style only blackens the fonts and the outer ring.
  w->Appearance()->HourFont()->SetColor(0x123456);
  const TColor back = w->Appearance()->BackgroundColor();
  w->SetComponentStyle(tsCustom);
  EXPECT_EQ(w->Appearance()->HourFont()->Color(), static_cast<TColor>(0));
  EXPECT_EQ(w->Appearance()->CenterPointOuterBorderColor(), static_cast<TColor>(0));
  EXPECT_EQ(w->Appearance()->BackgroundColor(), back);
  w->SetComponentStyle(tsWindowsVista);
  EXPECT_EQ(w->Appearance()->BackgroundColorTo(), static_cast<TColor>(0xFFFAF0));
  EXPECT_EQ(w->Appearance()->HourPointer(), static_cast<TColor>(0xFEDF9A));
}

TColor Pixel(TBitmap* B, int X, int Y) { return B->Canvas()->Pixels(X, Y) & 0xFFFFFF; }
void Keep(TBitmap* B, const std::string& Name) {
  const char* dir = std::getenv("CF_TEST_BIN_DIR");
  const std::string folder = std::string(dir != nullptr ? dir : ".") + "/artefacts";
  ForceDirectories(folder);
  B->SaveToPngFile(folder + "/" + Name + ".png");
}

TEST_F(WatchFixture, TheFaceAndHandsAreDrawnWhereTheTimeSays) {
  w->SetColor(0x00FF00);
  w->Appearance()->SetHourPointerShadow(clNone);
  w->Appearance()->SetMinutePointerShadow(clNone);
  w->Appearance()->SetHourPointer(0x0000FF);
  w->Appearance()->SetMinutePointer(0xFF0000);
  w->SetShowAMPM(false);
  w->SetTime(T(3, 30));
  auto pic = w->GrabToBitmap();
  Keep(pic.get(), "watch_classic_0330");
  EXPECT_EQ(Pixel(pic.get(), 2, 2), 0x00FF00u) << "around the face";
  EXPECT_EQ(Pixel(pic.get(), 90, 11), 0u) << "the border";
  EXPECT_EQ(Pixel(pic.get(), 60, 60), 0xFFFFFFu) << "the face";
  // The minute hand points down, the hour hand at 105 degrees.
  EXPECT_EQ(Pixel(pic.get(), 90, 130), 0xFF0000u);
  EXPECT_EQ(Pixel(pic.get(), 90 + 29, 90 + 8), 0x0000FFu);
  EXPECT_EQ(Pixel(pic.get(), 90, 60), 0xFFFFFFu) << "nothing towards 12";
  EXPECT_EQ(Pixel(pic.get(), 90, 90), 0u) << "the centre point";
  // Pointer hands on a square gradient face.
  w->SetStyle(wsTower);
  w->SetTime(T(9, 0));
  pic = w->GrabToBitmap();
  Keep(pic.get(), "watch_tower_0900");
  EXPECT_EQ(Pixel(pic.get(), 0, 90), 0u) << "the square border";
  EXPECT_NE(Pixel(pic.get(), 5, 5), Pixel(pic.get(), 5, 170)) << "top to bottom gradient";
  EXPECT_EQ(Pixel(pic.get(), 60, 90), 0u) << "the hour pointer towards 9";
  EXPECT_EQ(Pixel(pic.get(), 90, 50), 0u) << "the minute pointer towards 12";
}

// ---- The drop-down ----

struct TimeSep {
  char old = FormatSettings().TimeSeparator;
  TimeSep() { FormatSettings().TimeSeparator = ':'; }
  ~TimeSep() { FormatSettings().TimeSeparator = old; }
};

struct TimeFixture : KindFixture<TVevTimePickerDropDown> {
  TimeSep sep;
};

TEST_F(TimeFixture, ArrowKeysStepTheFieldUnderTheCaretWithWrapAround) {
  EXPECT_EQ(dd->RawText(), "00:00:00");
  EXPECT_EQ(dd->Time(), 0.0);
  int events = 0;
  dd->OnTimeChange = [&](TObject*) { ++events; };
  struct Row {
    int caret;
    WORD key;
    const char* text;
  };
  const Row rows[] = {
      {1, VK_UP, "23:00:00"},   {1, VK_DOWN, "00:00:00"}, {4, VK_UP, "00:59:00"},
      {7, VK_DOWN, "00:59:01"}, {3, VK_DOWN, "00:00:01"},
  };
  for (const Row& r : rows) {
    dd->SetSelStart(r.caret);
    PressKey(r.key);
    EXPECT_EQ(dd->RawText(), r.text) << r.caret;
    EXPECT_EQ(dd->SelStart(), r.caret);
  }
  EXPECT_EQ(events, 5);
  // Writing the same time rewrites nothing.
  dd->SetTime(dd->Time());
  EXPECT_EQ(events, 5);
}

TEST_F(TimeFixture, SwitchingSecondsOffKeepsTheTime) {
  dd->SetTime(T(12, 34, 56));
  EXPECT_EQ(dd->RawText(), "12:34:56");
  dd->SetShowSeconds(false);
  EXPECT_EQ(dd->RawText(), "12:34");
  EXPECT_EQ(dd->Time(), T(12, 34, 56));
}

TEST_F(TimeFixture, TypedTimesAreTakenOnlyWhenWholeAndValid) {
  dd->SetShowSeconds(false);
  dd->SetEditorEnabled(true);
  struct Row {
    const char* typed;
    TDateTime time;
  };
  const Row rows[] = {
      {"09:30", T(9, 30)}, {" 9:45", T(9, 30)},  // one-digit hour: not taken
      {"25:00", T(9, 30)},                       // no hour of the day: ignored
      {"12:75", T(9, 30)}, {"23:59", T(23, 59)},
  };
  for (const Row& r : rows) {
    EXPECT_NO_THROW(dd->SetEditText(r.typed)) << r.typed;
    EXPECT_EQ(dd->Time(), r.time) << r.typed;
  }
}

TEST_F(TimeFixture, ThePopupShowsTheWatchTakesItsTimeAndCancelLeavesBoth) {
  dd->SetAnimation(false);
  dd->SetTime(T(10, 20));
  PressKey(VK_F4);
  ASSERT_TRUE(dd->DroppedDown());
  TVevWatch* w = dd->Watch();
  EXPECT_EQ(w->Time(), T(10, 20));
  EXPECT_EQ(dd->DropDownForm()->Width(), 170);
  Click(w, w->Width() - 4, w->Height() / 2);  // 3 o'clock, outside the dial
  EXPECT_EQ(dd->RawText(), "10:15:00");
  PressKey(VK_PRIOR);  // the watch's key: one hour on
  EXPECT_EQ(dd->RawText(), "11:15:00");
  PressKey(VK_RETURN);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->Time(), T(11, 15));
  EXPECT_EQ(log, (std::vector<std::string>{"DropDown", "DropUp"}));
  PressKey(VK_F4);
  PressKey(VK_PRIOR);
  EXPECT_EQ(dd->RawText(), "12:15:00");
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->Time(), T(11, 15));
  EXPECT_EQ(dd->RawText(), "11:15:00");
  EXPECT_EQ(w->Time(), T(11, 15));
}

TEST_F(TimeFixture, TheFrameworkTimePickerSitsBelowTheWatch) {
  dd->SetShowTimePicker(true);
  dd->SetTime(T(8, 5, 9));
  dd->ShowDropDown();
  ASSERT_NE(dd->TimePicker(), nullptr);
  EXPECT_EQ(dd->TimePicker()->Format(), "HH:mm:ss");
  EXPECT_EQ(dd->PopupPanel()->Height(), dd->TimePicker()->Height() + 170);
  EXPECT_EQ(FormatDateTime("hh:nn:ss", dd->TimePicker()->Time()), "08:05:09");
  dd->HideDropDown(false);
  dd->SetShowTimePicker(false);
  dd->ShowDropDown();
  EXPECT_FALSE(dd->TimePicker()->Visible());
  dd->HideDropDown(false);
}

}  // namespace
