// The labelled date and time picker: the companion time picker, values
// without milliseconds, automatic field advance and the label's places.
#include "controls/dropdown/VevDateTimePicker.h"

#include "framework/controls/StdCtrls.h"
#include "framework/rtl/DateUtils.h"
#include "support/Input.h"

#include <gtest/gtest.h>

namespace {

using namespace testinput;

struct PickerFixture2 : ::testing::Test {
  TForm* form = nullptr;
  TVevDateTimePicker* p = nullptr;
  void SetUp() override {
    ResetKeyboardState();
    form = NewPointerForm(500, 300);
    p = new TVevDateTimePicker(form);
    p->SetParent(form);
    p->SetBounds(150, 100, 220, 24);
    p->SetTabStop(true);
  }
  void TearDown() override {
    ResetKeyboardState();
    FreePointerForm(form);
  }
};

TEST_F(PickerFixture2, TheCombinedKindCarriesATimePickerAtItsRightEnd) {
  EXPECT_EQ(p->Kind(), dkDateTime);
  EXPECT_EQ(p->Version(), "1.2.0.0");
  p->HandleNeeded();
  ASSERT_NE(p->TimePicker(), nullptr);
  ShowForm(form);
  p->Repaint();
  Pump();
  TCustomDateTimePicker* t = p->TimePicker();
  EXPECT_TRUE(t->Visible());
  EXPECT_EQ(t->Kind(), dtkTime);
  TBitmap m;
  m.Canvas()->SetFont(p->Font());
  const int w = m.Canvas()->TextWidth(t->DisplayText()) + 31;
  EXPECT_EQ(t->Width(), w);
  EXPECT_EQ(t->Left(), p->Width() - w - 34);
  // The date's own kind switched: the time picker goes.
  p->SetKind(dkDate);
  EXPECT_EQ(p->TimePicker(), nullptr);
  p->SetKind(dkTime);
  EXPECT_EQ(p->TimePicker(), nullptr);
  p->SetTimeFormat("HH:mm");
  EXPECT_EQ(p->Format(), "HH:mm");
}

TEST_F(PickerFixture2, ValuesDropTheMillisecondsAndDateKeepsTheTime) {
  p->HandleNeeded();
  p->SetDateTime(EncodeDateTime(2026, 3, 4, 10, 20, 30, 456));
  int y, mo, d, h, mi, s, ms;
  DecodeDateTime(p->DateTime(), y, mo, d, h, mi, s, ms);
  EXPECT_EQ(ms, 0);
  EXPECT_EQ(s, 30);
  EXPECT_EQ(FormatDateTime("hh:nn:ss", p->TimePicker()->Time()), "10:20:30");
  p->SetDate(EncodeDate(2027, 1, 2));
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss", p->DateTime()), "2027-01-02 10:20:30");
  // The time read comes from the time picker, where the user sets it.
  p->TimePicker()->SetTime(EncodeTime(8, 9, 10, 0));
  EXPECT_EQ(FormatDateTime("hh:nn:ss", p->Time()), "08:09:10");
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss", p->DateTime()), "2027-01-02 08:09:10");
}

TEST_F(PickerFixture2, AutoTabAdvancesAfterTheFieldThatATypedDigitCompleted) {
  p->SetFormat("dd.MM.yyyy");
  p->SetDateTime(EncodeDateTime(2026, 3, 4, 10, 0, 0, 0));
  p->SetAutoTab(true);
  ShowForm(form);
  p->SetFocus();
  Pump();
  p->SetActiveField(0);  // the day
  const int dayField = p->ActiveField();
  TypeText("2");
  TypeText("5");
  Pump();
  EXPECT_EQ(FormatDateTime("dd", p->DateTime()), "25");
  EXPECT_NE(p->ActiveField(), dayField) << "a changed day moves on to the next field";
  // The year is the format's last field: its change moves to the time.
  for (size_t i = 0; i < p->Fields().size(); ++i)
    if (p->Fields()[i].Kind == fkYear) p->SetActiveField(static_cast<int>(i));
  ASSERT_EQ(p->Fields()[static_cast<size_t>(p->ActiveField())].Kind, fkYear);
  TypeText("2030");
  Pump();
  EXPECT_EQ(FormatDateTime("yyyy", p->DateTime()), "2030");
  EXPECT_TRUE(p->TimePicker()->Focused());
  EXPECT_EQ(PickerShiftFocusMessage(), RegisterWindowMessage("DTPShiftFocus"));
}

TEST_F(PickerFixture2, TheLabelSitsByItsPositionAndTurnsBoldWithTheFocus) {
  p->SetLabelCaption("Start");
  TLabel* l = p->PickerLabel();
  ASSERT_NE(l, nullptr);
  EXPECT_EQ(l->Parent(), form);
  TBitmap m;
  m.Canvas()->SetFont(l->Font());
  const int tw = m.Canvas()->TextWidth("Start");
  struct Row {
    TLabelPosition pos;
    int left, top;
  };
  const int L = 150, T = 100, W = 220, H = 24, lw = l->Width(), lh = l->Height(), mg = 4;
  const Row rows[] = {
      {lpLeftTop, L - tw - mg, T},
      {lpLeftTopLeft, L - mg, T},
      {lpTopLeft, L, T - lh - mg},
      {lpBottomCenter, L + (W - lw) / 2, T + H + mg},
      {lpRightCenter, L + W + mg, lh < H ? T + (H - lh) / 2 : T - (lh - H) / 2},
      {lpRighBottom, L + W + mg, T + H - lh},
  };
  for (const Row& r : rows) {
    p->SetLabelPosition(r.pos);
    EXPECT_EQ(l->Left(), r.left) << r.pos;
    EXPECT_EQ(l->Top(), r.top) << r.pos;
  }
  p->SetBounds(160, 100, 220, 24);
  EXPECT_EQ(l->Left(), 160 + W + mg) << "the label follows the control";
  p->SetEnabled(false);
  EXPECT_FALSE(l->Enabled());
  p->SetLabelAlwaysEnabled(true);
  EXPECT_TRUE(l->Enabled());
  p->SetEnabled(true);
  p->SetFocusLabel(true);
  auto* other = new TEdit(form);
  other->SetParent(form);
  ShowForm(form);
  p->SetFocus();
  Pump();
  EXPECT_TRUE(l->Font()->Style().Contains(fsBold));
  other->SetFocus();
  Pump();
  EXPECT_FALSE(l->Font()->Style().Contains(fsBold));
}

}  // namespace
