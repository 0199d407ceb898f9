// The check-list box driven by the mouse and keys: marks turned by the user
// report themselves, marks set by code do not, and every row draws its box.
#include <gtest/gtest.h>

#include <string>

#include "framework/controls/CheckListBox.h"
#include "framework/controls/Forms.h"
#include "framework/graphics/Gdi.h"
#include "framework/graphics/RecordingCanvas.h"
#include "support/Input.h"

namespace {

using namespace testinput;

struct CheckListBoxFixture : ::testing::Test {
  TForm* form = nullptr;
  TCheckListBox* list = nullptr;
  int checks = 0;
  void SetUp() override {
    ResetKeyboardState();
    form = new TForm(nullptr);
    form->SetBounds(0, 0, 300, 300);
    list = new TCheckListBox(form);
    list->SetParent(form);
    list->SetBounds(10, 10, 150, 200);
    for (const char* s : {"Alpha", "Beta", "Gamma"}) list->Items()->Add(s);
    list->OnClickCheck = [this](TObject*) { ++checks; };
    ShowForm(form);
  }
  void TearDown() override { delete form; }
  TPoint BoxPoint(int Index) {
    const TRect r = list->ItemRect(Index);
    return TPoint(r.Left + TCheckListBox::CheckWidth / 2, r.Top + r.Height() / 2);
  }
  TPoint TextPoint(int Index) {
    const TRect r = list->ItemRect(Index);
    return TPoint(r.Left + 60, r.Top + r.Height() / 2);
  }
};

TEST_F(CheckListBoxFixture, AClickOnTheBoxTurnsTheMarkAClickOnTheTextOnlySelects) {
  Click(list, TextPoint(1).X, TextPoint(1).Y);
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_FALSE(list->Checked(1));
  EXPECT_EQ(checks, 0);

  Click(list, BoxPoint(2).X, BoxPoint(2).Y);
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_TRUE(list->Checked(2));
  EXPECT_EQ(checks, 1);
  Click(list, BoxPoint(2).X, BoxPoint(2).Y);
  EXPECT_FALSE(list->Checked(2));
  EXPECT_EQ(checks, 2);
  // Below the last row there is no box to turn.
  Click(list, 5, list->ItemRect(2).Bottom + 30);
  EXPECT_EQ(checks, 2);
}

TEST_F(CheckListBoxFixture, SpaceTurnsTheMarkOfTheFocusedRow) {
  Click(list, TextPoint(0).X, TextPoint(0).Y);
  PressKey(VK_SPACE);
  EXPECT_TRUE(list->Checked(0));
  EXPECT_EQ(checks, 1);
  PressKey(VK_DOWN);
  PressKey(VK_SPACE);
  EXPECT_TRUE(list->Checked(1));
  EXPECT_TRUE(list->Checked(0));
  EXPECT_EQ(checks, 2);
}

TEST_F(CheckListBoxFixture, MarksSetByCodeReportNothingAndFollowTheirItems) {
  list->SetChecked(1, true);
  EXPECT_EQ(checks, 0);
  EXPECT_TRUE(list->Checked(1));
  // The mark stays with its item when an item goes before it.
  list->Items()->Delete(0);
  EXPECT_TRUE(list->Checked(0));
  EXPECT_FALSE(list->Checked(1));
  list->Items()->Insert(0, "Zero");
  EXPECT_TRUE(list->Checked(1));
  // Out of range reads unchecked and writes nothing.
  list->SetChecked(9, true);
  EXPECT_FALSE(list->Checked(9));
}

TEST_F(CheckListBoxFixture, GrayedComesOnlyWithAllowGrayed) {
  struct Case {
    bool AllowGrayed;
    TCheckBoxState After[3];
  };
  for (const Case& c :
       {Case{false, {cbChecked, cbUnchecked, cbChecked}}, Case{true, {cbChecked, cbGrayed, cbUnchecked}}}) {
    list->SetState(0, cbUnchecked);
    list->SetAllowGrayed(c.AllowGrayed);
    for (TCheckBoxState expected : c.After) {
      Click(list, BoxPoint(0).X, BoxPoint(0).Y);
      EXPECT_EQ(list->State(0), expected) << c.AllowGrayed;
    }
  }
}

TEST_F(CheckListBoxFixture, EveryRowDrawsItsBoxWithItsMark) {
  list->SetChecked(1, true);
  TCanvasRecorder rec;
  list->Canvas()->SetRecorder(&rec);
  form->GrabToBitmap();
  list->Canvas()->SetRecorder(nullptr);
  int boxes = 0, checked = 0;
  for (const TCanvasCall& c : rec.Calls("DrawFrameControl")) {
    ++boxes;
    if (c.Flags & DFCS_CHECKED) ++checked;
    EXPECT_LT(c.Rect.Right, TCheckListBox::CheckWidth + 1);
  }
  EXPECT_EQ(boxes, 3);
  EXPECT_EQ(checked, 1);
  // The texts start after the box column.
  for (const TCanvasCall& c : rec.AllCalls())
    if ((c.Op == "TextOut" || c.Op == "DrawText") && c.Text == "Beta")
      EXPECT_GE(c.Op == "TextOut" ? c.Points.at(0).X : c.Rect.Left, TCheckListBox::CheckWidth);
}

}  // namespace
