// The control editors beside the text and combo editors (spin, edit with
// button, unit, check box, button, date, time, date and time, rich text),
// opened, used and closed on a shown grid through key and mouse messages.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "GridEditFixture.h"
#include "framework/controls/Clipbrd.h"
#include "framework/controls/MonthCalendar.h"
#include "framework/controls/ToolTips.h"
#include "framework/rtl/DateUtils.h"
#include "framework/rtl/Locale.h"
#include "framework/rtl/StrUtils.h"
#include "grid/view/DivUzevKindEditors.h"
#include "support/Responder.h"

namespace {

using namespace testinput;

struct KindFixture : GridEditFixture {
  // Column 1 of every row edits with this kind.
  TEditorType kind = edNormal;
  std::function<void()> props;
  void SetUp() override {
    GridEditFixture::SetUp();
    g->OnGetEditorType = [this](TObject*, int c, int, TEditorType& e) {
      if (c == 1) e = kind;
    };
    g->OnGetEditorProp = [this](TObject*, int, int, TEditLink*) {
      if (props) props();
    };
  }
  void Open(TEditorType Kind, int r = 2) {
    kind = Kind;
    Goto(1, r);
    PressKey(VK_F2);
    Pump();
  }
  TWinControl* Shown() { return g->EditCtrl(); }
};

void Select(TCustomEdit* E, int From, int To) {
  E->SetSelStart(From);
  E->SetSelLength(To - From);
}

std::string Date(int y, int m, int d) { return DateToStr(EncodeDate(y, m, d)); }

// ---------------------------------------------------------------------------
// Every kind: the value written back on Enter, the cell kept on Escape

TEST_F(KindFixture, EachKindWritesItsValueOnEnterAndKeepsTheCellOnEscape) {
  struct Case {
    TEditorType kind;
    std::string cell;
    std::string typed;
    std::string written;
  };
  const std::vector<Case> cases = {
      {edSpinEdit, "5", "42", "42"},
      {edTimeSpinEdit, "10:00", "11:15", "11:15"},
      {edEditBtn, "abc", "xyz", "xyz"},
      {edNumericEditBtn, "7", "1a2", "12"},
      {edMaskEditBtn, "m", "é Щ", "é Щ"},
      {edUnitEditBtn, "12mm", "7", "7mm"},
      {edNumericUnitEditBtn, "3cm", "4x5", "45cm"},
  };
  props = [this] {
    g->BtnUnitEdit()->Units()->Clear();
    g->BtnUnitEdit()->Units()->Add("mm");
    g->BtnUnitEdit()->Units()->Add("cm");
  };
  for (const Case& c : cases) {
    g->SetCells(1, 2, c.cell);
    Open(c.kind);
    ASSERT_NE(Shown(), nullptr) << c.kind;
    EXPECT_TRUE(Shown()->Visible()) << c.kind;
    EXPECT_TRUE(Shown()->Focused()) << c.kind;
    TypeText(c.typed);
    PressKey(VK_RETURN);
    Pump();
    EXPECT_EQ(g->Cells(1, 2), c.written) << c.kind;
    EXPECT_FALSE(g->EditMode()) << c.kind;
    EXPECT_TRUE(g->Focused()) << c.kind;

    g->SetCells(1, 2, c.cell);
    Goto(1, 2);
    Open(c.kind);
    TypeText(c.typed);
    PressKey(VK_ESCAPE);
    Pump();
    EXPECT_EQ(g->Cells(1, 2), c.cell) << c.kind;
    EXPECT_FALSE(g->EditMode()) << c.kind;
    EXPECT_EQ(g->EditCtrl(), nullptr) << c.kind;
  }
}

TEST_F(KindFixture, TheEditEventsComeInTheirOrderAndTheEditEndsOnce) {
  props = [this] {
    g->BtnUnitEdit()->Units()->Clear();
    g->BtnUnitEdit()->Units()->Add("mm");
  };
  struct Case {
    TEditorType kind;
    std::function<void()> end;
    std::vector<std::string> events;
  };
  const std::vector<Case> cases = {
      {edSpinEdit, [] { PressKey(VK_RETURN); }, {"change 1,2 8", "validate 1,2 8", "done", "celldone 1,2"}},
      {edEditBtn,
       // The editor ends as it loses the focus; the move then validates.
       [this] { ClickCell(3, 5); },
       {"change 1,2 8", "done", "validate 1,2 8", "row 2>5", "celldone 1,2"}},
      {edUnitEditBtn, [] { PressKey(VK_RETURN); }, {"validate 1,2 8mm", "done", "celldone 1,2"}},
      {edCheckBox, [] { PressKey(VK_RETURN); }, {"done", "celldone 1,2"}},
      {edButton, [] { PressKey(VK_ESCAPE); }, {"done", "celldone 1,2"}},
      {edRichEdit, [this] { other->SetFocus(); }, {"done", "celldone 1,2"}},
      {edDateTimeEdit, [] { PressKey(VK_ESCAPE); }, {"done", "celldone 1,2"}},
  };
  for (const Case& c : cases) {
    g->SetCells(1, 2, "5mm");
    g->SetFocus();
    Open(c.kind);
    Record();
    events.clear();
    if (c.kind != edCheckBox && c.kind != edButton && c.kind != edDateTimeEdit && c.kind != edRichEdit)
      TypeText("8");
    c.end();
    Pump();
    EXPECT_EQ(events, c.events) << c.kind;
    EXPECT_FALSE(g->EditMode()) << c.kind;
  }
}

TEST_F(KindFixture, TypingOnACellOpensItsControlWithTheTypedCharacter) {
  for (TEditorType k : {edSpinEdit, edEditBtn}) {
    kind = k;
    g->SetCells(1, 2, "5");
    Goto(1, 2);
    TypeText("7");
    Pump();
    ASSERT_NE(Shown(), nullptr) << k;
    EXPECT_EQ(static_cast<TCustomEdit*>(Shown())->Text(), "7") << k;
    PressKey(VK_RETURN);
    EXPECT_EQ(g->Cells(1, 2), "7") << k;
  }
}

TEST_F(KindFixture, LeavingByAClickElsewhereWritesTheValue) {
  for (TEditorType k : {edSpinEdit, edEditBtn, edFloatSpinEdit}) {
    g->SetCells(1, 2, "1");
    Open(k);
    TypeText("9");
    ClickCell(3, 4);
    Pump();
    EXPECT_FALSE(g->EditMode()) << k;
    EXPECT_DOUBLE_EQ(StrToFloat(g->Cells(1, 2)), 9) << k;
    EXPECT_EQ(g->Col(), 3) << k;
  }
}

// ---------------------------------------------------------------------------
// Spin editor

TEST_F(KindFixture, UpAndDownStepTheSpinAndLeaveItOpenWithoutAClickEvent) {
  int clicks = 0;
  g->OnSpinClick = [&](TObject*, int, int, int, bool) { ++clicks; };
  g->SetCells(1, 2, "10");
  Open(edSpinEdit);
  PressKey(VK_UP);
  PressKey(VK_UP);
  PressKey(VK_DOWN);
  EXPECT_EQ(g->SpinEdit()->Text(), "11");
  EXPECT_TRUE(g->SpinEdit()->Visible());
  EXPECT_EQ(g->Row(), 2);
  EXPECT_EQ(clicks, 0);
  PressKey(VK_RETURN);
  EXPECT_EQ(g->Cells(1, 2), "11");
}

TEST_F(KindFixture, HomeAndEndTakeTheBoundsAndReportNoUpStep) {
  std::vector<std::string> clicks;
  g->OnSpinClick = [&](TObject*, int c, int r, int v, bool up) {
    clicks.push_back(std::to_string(c) + "," + std::to_string(r) + " " + std::to_string(v) +
                     (up ? " up" : " down"));
  };
  props = [this] {
    g->SpinEdit()->SetMinValue(-3);
    g->SpinEdit()->SetMaxValue(30);
    g->SpinEdit()->SetMinFloatValue(0.5);
    g->SpinEdit()->SetMaxFloatValue(9.5);
  };
  g->SetCells(1, 2, "4");
  Open(edSpinEdit);
  PressKey(VK_END);
  EXPECT_EQ(g->SpinEdit()->Value(), -3);
  PressKey(VK_HOME);
  EXPECT_EQ(g->SpinEdit()->Value(), 30);
  const std::vector<std::string> expected = {"1,2 -3 down", "1,2 30 down"};
  EXPECT_EQ(clicks, expected);
  PressKey(VK_ESCAPE);

  g->SetCells(1, 2, "4.0");
  Open(edFloatSpinEdit);
  PressKey(VK_HOME);
  EXPECT_DOUBLE_EQ(g->SpinEdit()->FloatValue(), 9.5);
  PressKey(VK_END);
  EXPECT_DOUBLE_EQ(g->SpinEdit()->FloatValue(), 0.5);
  PressKey(VK_RETURN);
  EXPECT_DOUBLE_EQ(g->Floats(1, 2), 0.5);
}

TEST_F(KindFixture, TheSpinButtonsFireTheClickEventOfTheSpinType) {
  std::vector<std::string> clicks;
  g->OnSpinClick = [&](TObject*, int, int, int v, bool up) {
    clicks.push_back("int " + std::to_string(v) + (up ? " up" : " down"));
  };
  g->OnDateSpinClick = [&](TObject*, int, int, TDateTime v, bool up) {
    clicks.push_back("date " + DateToStr(v) + (up ? " up" : " down"));
  };
  g->SetCells(1, 2, "7");
  Open(edSpinEdit);
  TDudSpinButton* b = g->SpinEdit()->Button();
  Click(b->UpButton(), 3, 3);
  Click(b->DownButton(), 3, 3);
  Click(b->DownButton(), 3, 3);
  PressKey(VK_RETURN);
  EXPECT_EQ(g->Cells(1, 2), "6");
  const std::string day = Date(2024, 5, 10);
  g->SetCells(1, 3, day);
  Open(edDateSpinEdit, 3);
  g->SpinEdit()->SetSelStart(0);
  Click(b->UpButton(), 3, 3);
  PressKey(VK_RETURN);
  ASSERT_EQ(clicks.size(), 4u);
  EXPECT_EQ(clicks[0], "int 8 up");
  EXPECT_EQ(clicks[2], "int 6 down");
  EXPECT_EQ(clicks[3].substr(clicks[3].size() - 3), " up");
  EXPECT_NE(g->Cells(1, 3), day);
  EXPECT_EQ(g->Cells(1, 3), clicks[3].substr(5, clicks[3].size() - 8));
}

TEST_F(KindFixture, OutOfRangeOrBrokenSpinTextIsRefusedNeverWrittenAsAnother) {
  g->SetInvalidEntryTitle("Out of range");
  struct Case {
    TEditorType kind;
    std::string cell;
    std::string typed;
  };
  const std::vector<Case> cases = {
      {edSpinEdit, "50", "500"},
      {edSpinEdit, "50", "-7"},
      {edFloatSpinEdit, "5", "123"},
  };
  for (const Case& c : cases) {
    g->SetCells(1, 2, c.cell);
    Open(c.kind);
    TypeText(c.typed);
    PressKey(VK_RETURN);
    Pump();
    // Still open, to be mended, with the grid's note; the cell untouched.
    EXPECT_TRUE(g->SpinEdit()->Visible()) << c.typed;
    EXPECT_EQ(g->Cells(1, 2), c.cell) << c.typed;
    ASSERT_NE(g->InvalidEntryHint(), nullptr);
    EXPECT_TRUE(g->InvalidEntryHint()->Shown()) << c.typed;
    // Leaving by a click puts back the text it had.
    ClickCell(3, 5);
    Pump();
    EXPECT_FALSE(g->EditMode()) << c.typed;
    EXPECT_EQ(StrToFloat(g->Cells(1, 2)), StrToFloat(c.cell)) << c.typed;
  }
}

TEST_F(KindFixture, ACellOutsideTheBoundsOpensAsItIsAndLeavesUnchanged) {
  g->SetCells(1, 2, "250");
  Open(edSpinEdit);
  EXPECT_EQ(g->SpinEdit()->Text(), "250");
  ClickCell(3, 5);
  Pump();
  EXPECT_EQ(g->Cells(1, 2), "250");
}

// ---------------------------------------------------------------------------
// Edit with button and unit edit

TEST_F(KindFixture, TheButtonAsksTheEllipsisEventAndStopEditAfterClickCloses) {
  std::vector<std::string> asked;
  g->OnEllipsClick = [&](TObject*, int c, int r, std::string& s) {
    asked.push_back(std::to_string(c) + "," + std::to_string(r) + " " + s);
    s = "picked " + s;
  };
  g->SetCells(1, 2, "a");
  Open(edEditBtn);
  PressKey(VK_F4);
  EXPECT_EQ(g->BtnEdit()->Text(), "picked a");
  EXPECT_EQ(g->BtnEdit()->SelLength(), 8);
  EXPECT_TRUE(g->BtnEdit()->Visible());
  PressKey(VK_RETURN);
  EXPECT_EQ(g->Cells(1, 2), "picked a");

  g->BtnEdit()->SetStopEditAfterClick(true);
  g->SetCells(1, 3, "b");
  Open(edEditBtn, 3);
  TVevSpeedButton* b = g->BtnEdit()->Button()->Button();
  Click(b, 3, 3);
  Pump();
  EXPECT_FALSE(g->BtnEdit()->Visible());
  EXPECT_EQ(g->Cells(1, 3), "picked b");
  EXPECT_TRUE(g->Focused());
  const std::vector<std::string> expected = {"1,2 a", "1,3 b"};
  EXPECT_EQ(asked, expected);
}

TEST_F(KindFixture, NumberButtonEditsFilterTypingAndPastingByTheirKind) {
  struct Case {
    TEditorType kind;
    std::string typed;
    std::string text;
  };
  const std::vector<Case> cases = {
      {edNumericEditBtn, "-12a3", "-123"},
      {edNumericEditBtn, "1-2", "12"},
      {edFloatEditBtn, std::string("1") + FormatSettings().DecimalSeparator + "5x",
       std::string("1") + FormatSettings().DecimalSeparator + "5"},
      {edEditBtn, "a-1", "a-1"},
  };
  for (const Case& c : cases) {
    g->SetCells(1, 2, "");
    Open(c.kind);
    TypeText(c.typed);
    EXPECT_EQ(g->BtnEdit()->Text(), c.text) << c.kind << " " << c.typed;
    PressKey(VK_ESCAPE);
  }
  g->SetCells(1, 2, "");
  Open(edNumericEditBtn);
  Clipboard()->SetAsText("12x");
  g->BtnEdit()->Perform(WM_PASTE, 0, 0);
  EXPECT_EQ(g->BtnEdit()->Text(), "");
  Clipboard()->SetAsText("-34\r\n");
  g->BtnEdit()->Perform(WM_PASTE, 0, 0);
  EXPECT_EQ(g->BtnEdit()->Text(), "-34");
  PressKey(VK_RETURN);
  EXPECT_EQ(g->Cells(1, 2), "-34");
}

TEST_F(KindFixture, ARefusedButtonEditValueStaysInTheEditor) {
  g->OnCellValidate = [](TObject*, int, int, std::string& v, bool& valid) { valid = v != "bad"; };
  g->SetCells(1, 2, "good");
  Open(edEditBtn);
  TypeText("bad");
  PressKey(VK_RETURN);
  EXPECT_TRUE(g->BtnEdit()->Visible());
  EXPECT_EQ(g->Cells(1, 2), "good");
  TypeText("fine");
  PressKey(VK_RETURN);
  EXPECT_FALSE(g->BtnEdit()->Visible());
  EXPECT_EQ(g->Cells(1, 2), "fine");
}

TEST_F(KindFixture, TabMovesOnFromTheButtonAndUnitEditsWithGoTabs) {
  g->SetOptions(g->Options() << goTabs);
  // The editor of the next cell is the Tab navigation's to open.
  g->Navigation()->SetAdvanceAutoEdit(false);
  for (TEditorType k : {edEditBtn, edUnitEditBtn, edSpinEdit}) {
    g->SetCells(1, 2, "1");
    Open(k);
    TypeText("2");
    PressKey(VK_TAB);
    Pump();
    EXPECT_EQ(g->Cells(1, 2), "2") << k;
    EXPECT_EQ(g->Col(), 2) << k;
    EXPECT_FALSE(g->EditMode()) << k;
  }
}

// Once a text editor has been opened, what is typed into the spin and
// edit-button editors is in the cell as it is typed, as the text editor's
// is; Escape still puts the cell back.
TEST_F(KindFixture, TypedTextShowsInTheCellWhileTheEditorIsOpen) {
  g->SetCells(2, 3, "");
  Goto(2, 3);
  TypeText("t");
  PressKey(VK_RETURN);
  ASSERT_TRUE(g->ShowEditProcess());
  struct TCase {
    TEditorType kind;
    std::string cell, typed;
  };
  const TCase cases[] = {{edSpinEdit, "5", "42"}, {edEditBtn, "abc", "xÿz"}, {edNumericEditBtn, "7", "81"}};
  for (const TCase& c : cases) {
    g->SetCells(1, 2, c.cell);
    Open(c.kind);
    ASSERT_TRUE(g->EditMode()) << c.kind;
    TypeText(c.typed);
    EXPECT_EQ(g->Cells(1, 2), c.typed) << c.kind << " while typing";
    PressKey(VK_ESCAPE);
    Pump();
    EXPECT_EQ(g->Cells(1, 2), c.cell) << c.kind << " after Escape";
  }
}

// Down out of an editor on the last data row appends one row when asked
// and allowed; a floating footer stays the last row.
TEST_F(KindFixture, DownOutOfAnEditorOnTheLastRowAppendsOne) {
  g->Navigation()->SetAppendOnArrowDown(true);
  bool allow = true;
  g->OnCanAddRow = [&](TObject*, bool& can) { can = allow; };
  struct TCase {
    bool footer, allow;
    int rows, row;
  };
  const TCase cases[] = {{false, true, 9, 8}, {false, false, 8, 7}, {true, true, 9, 7}, {true, false, 8, 6}};
  for (const TCase& c : cases) {
    g->SetRowCount(8);
    g->FloatingFooter()->SetVisible(c.footer);
    g->SetCells(3, 7, c.footer ? "sum" : "");
    const int last = c.footer ? 6 : 7;
    allow = c.allow;
    Open(edUnitEditBtn, last);
    ASSERT_TRUE(g->BtnUnitEdit()->Visible());
    TypeText("neu");
    PressKey(VK_DOWN);
    Pump();
    EXPECT_EQ(g->Cells(1, last), "neu");
    EXPECT_EQ(g->RowCount(), c.rows) << c.footer << c.allow;
    EXPECT_EQ(g->Row(), c.row) << c.footer << c.allow;
    if (c.footer) EXPECT_EQ(g->Cells(3, g->RowCount() - 1), "sum") << "the footer stays last";
    g->SetCells(1, last, "");
  }
}

// A unit chosen on the unit editor's button is reported by the grid with
// the cell being edited; the unit already shown reports nothing.
TEST_F(KindFixture, AUnitChosenInTheUnitEditorIsReportedByTheGrid) {
  TDialogResponder responder;
  props = [this] {
    g->BtnUnitEdit()->Units()->Clear();
    g->BtnUnitEdit()->Units()->Add("mm");
    g->BtnUnitEdit()->Units()->Add("cm");
  };
  std::vector<std::string> units;
  g->OnUnitChanged = [&](TObject* Sender, int c, int r, const std::string& u) {
    EXPECT_EQ(Sender, g);
    units.push_back(std::to_string(c) + "," + std::to_string(r) + " " + u);
  };
  g->SetCells(1, 4, "12mm");
  Open(edUnitEditBtn, 4);
  ASSERT_TRUE(g->BtnUnitEdit()->Visible());
  responder.AnswerMenu(1);
  PressKey(VK_F4);
  responder.AnswerMenu(1);
  PressKey(VK_F4);
  EXPECT_EQ(units, std::vector<std::string>{"1,4 cm"});
  PressKey(VK_RETURN);
  EXPECT_EQ(g->Cells(1, 4), "12cm");
}

// ---------------------------------------------------------------------------
// Check box and button

TEST_F(KindFixture, TheCheckBoxTogglesWritesNothingAndEnterAdvances) {
  g->SetCells(1, 2, "Enabled");
  Open(edCheckBox);
  TGridCheckBox* cb = g->EditCheck();
  ASSERT_TRUE(cb->Visible());
  EXPECT_EQ(cb->Caption(), "Enabled");
  EXPECT_FALSE(cb->Checked());
  PressKey(VK_SPACE);
  EXPECT_TRUE(cb->Checked());
  Click(cb, 5, 5);
  EXPECT_FALSE(cb->Checked());
  PressKey(VK_RETURN);
  Pump();
  EXPECT_FALSE(cb->Visible());
  EXPECT_EQ(g->Cells(1, 2), "Enabled");
  EXPECT_EQ(g->Col(), 2);
  EXPECT_EQ(g->Row(), 2);
  // Down leaves for the row below.
  Open(edCheckBox);
  PressKey(VK_DOWN);
  EXPECT_FALSE(cb->Visible());
  EXPECT_EQ(g->Row(), 3);
}

TEST_F(KindFixture, TheButtonWritesTheEllipsisAnswerAndArrowsOrEscapeLeaveIt) {
  g->OnEllipsClick = [](TObject*, int, int, std::string& s) { s = s + "!"; };
  std::vector<std::string> clicks;
  g->OnButtonClick = [&](TObject* Sender, int c, int r) {
    EXPECT_EQ(Sender, g);
    clicks.push_back(std::to_string(c) + "," + std::to_string(r) + " " + g->Cells(c, r));
  };
  g->SetCells(1, 2, "Go");
  Open(edButton);
  TGridButton* b = g->Btn();
  ASSERT_TRUE(b->Visible());
  EXPECT_EQ(b->Caption(), "Go");
  Click(b, 5, 5);
  EXPECT_EQ(g->Cells(1, 2), "Go!");
  EXPECT_EQ(clicks, std::vector<std::string>{"1,2 Go!"}) << "the click reaches OnButtonClick after the cell";
  PressKey(VK_DOWN);
  Pump();
  EXPECT_FALSE(b->Visible());
  EXPECT_EQ(g->Row(), 3);
  EXPECT_FALSE(g->EditMode());

  g->SetCells(1, 2, "Stop");
  Open(edButton);
  Click(b, 5, 5);
  PressKey(VK_ESCAPE);
  Pump();
  EXPECT_FALSE(b->Visible());
  EXPECT_EQ(g->Cells(1, 2), "Stop");
}

// ---------------------------------------------------------------------------
// Date, time, date and time

TEST_F(KindFixture, DateCellsLeftAloneOrCancelledKeepTheirText) {
  struct Case {
    TEditorType kind;
    std::string cell;
    bool escape;
  };
  const std::vector<Case> cases = {
      {edDateEdit, "", false},
      {edDateEdit, "2024-13-45", false},
      {edDateEdit, "not a date", true},
      {edDateEditUpDown, "", true},
      {edTimeEdit, "", false},
      {edDateTimeEdit, "", false},
      {edDateTimeEdit, "later", true},
      {edDateSpinEdit, "", false},
      {edDateEdit, Date(2023, 2, 28), true},
  };
  for (const Case& c : cases) {
    g->SetCells(1, 2, c.cell);
    Open(c.kind);
    ASSERT_NE(Shown(), nullptr) << c.kind;
    if (c.escape) {
      PressKey(VK_UP);
      PressKey(VK_ESCAPE);
    } else {
      ClickCell(3, 5);
    }
    Pump();
    EXPECT_FALSE(g->EditMode()) << c.kind << " '" << c.cell << "'";
    EXPECT_EQ(g->Cells(1, 2), c.cell) << c.kind << " '" << c.cell << "'";
  }
}

TEST_F(KindFixture, ADateCellOpensOnItsDateAndEnterWritesThePickedOne) {
  g->SetCells(1, 2, Date(2024, 2, 29));
  Open(edDateEdit);
  TGridDatePicker* p = g->DateTimePicker();
  ASSERT_TRUE(p->Visible());
  EXPECT_EQ(p->Date(), EncodeDate(2024, 2, 29));
  p->SetDate(EncodeDate(2025, 7, 1));
  PressKey(VK_RETURN);
  Pump();
  EXPECT_FALSE(p->Visible());
  EXPECT_EQ(g->Cells(1, 2), Date(2025, 7, 1));
  // An empty cell takes today's date once the user commits it.
  SetNowProvider([] { return EncodeDate(2026, 12, 10) + 0.5; });
  g->SetCells(1, 3, "");
  Open(edDateEdit, 3);
  EXPECT_EQ(p->Date(), EncodeDate(2026, 12, 10));
  PressKey(VK_RETURN);
  EXPECT_EQ(g->Cells(1, 3), Date(2026, 12, 10));
  SetNowProvider(nullptr);
}

TEST_F(KindFixture, EveryDateTheUserPicksReachesOnDateTimeChange) {
  std::vector<std::string> got;
  g->OnDateTimeChange = [&](TObject* Sender, int ACol, int ARow, TDateTime D) {
    EXPECT_EQ(Sender, g);
    got.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + " " + DateToStr(D));
  };
  for (TEditorType k : {edDateEdit, edDateTimeEdit}) {
    got.clear();
    g->SetCells(1, 2, Date(2024, 2, 28));
    Open(k);
    ASSERT_NE(Shown(), nullptr) << k;
    EXPECT_TRUE(got.empty()) << "opening on the cell's date is no change";
    PressKey(VK_UP);
    ASSERT_EQ(got.size(), 1u) << k;
    EXPECT_EQ(got[0].substr(0, 4), "1,2 ");
    EXPECT_NE(got[0], "1,2 " + Date(2024, 2, 28)) << k;
    PressKey(VK_ESCAPE);
    Pump();
  }
}

TEST_F(KindFixture, TheCalendarReportsTheRealCellAndDirectCloseEndsTheEdit) {
  // Every column edits dates; column 1 hidden, so display column 2 is real 3.
  g->OnGetEditorType = [](TObject*, int, int, TEditorType& e) { e = edDateEdit; };
  g->HideColumn(1);
  g->MouseActions()->SetDirectDateClose(true);
  TGridDatePicker* p = g->DateTimePicker();
  p->SetShowTodayCircle(false);
  p->SetWeeknumbers(true);
  std::vector<std::string> got;
  g->OnDatePickerDropDown = [&](TObject* Sender, int ARow, int ACol) {
    EXPECT_EQ(Sender, g);
    got.push_back("drop " + std::to_string(ARow) + "," + std::to_string(ACol));
    TMonthCalendar* cal = p->Calendar();
    ASSERT_NE(cal, nullptr);
    EXPECT_TRUE(cal->WeekNumbers());
    EXPECT_FALSE(cal->ShowTodayCircle());
    EXPECT_TRUE(cal->ShowToday());
    EXPECT_EQ(cal->Width(), cal->MinRequiredSize().cx + 2);
  };
  g->OnDatePickerCloseUp = [&](TObject*, int ARow, int ACol) {
    got.push_back("close " + std::to_string(ARow) + "," + std::to_string(ACol));
  };
  g->OnEditChange = [&](TObject*, int ACol, int ARow, const std::string& Value) {
    got.push_back("change " + std::to_string(ACol) + "," + std::to_string(ARow) + " " + Value);
  };
  g->SetCells(3, 2, Date(2024, 2, 28));
  Goto(2, 2);
  PressKey(VK_F2);
  Pump();
  ASSERT_TRUE(p->Visible());
  PressKey(VK_F4);
  Pump();
  ASSERT_TRUE(p->DroppedDown());
  PressKey(VK_RIGHT);
  PressKey(VK_RETURN);
  Pump();
  EXPECT_EQ(got, (std::vector<std::string>{"drop 2,3", "change 3,2 " + Date(2024, 2, 29), "close 2,3"}));
  EXPECT_FALSE(p->Visible()) << "the close-up ends the edit";
  EXPECT_FALSE(g->EditMode());
  EXPECT_EQ(g->Cells(3, 2), Date(2024, 2, 29));

  // Without DirectDateClose the editor stays open after the calendar.
  g->MouseActions()->SetDirectDateClose(false);
  got.clear();
  PressKey(VK_F2);
  Pump();
  PressKey(VK_F4);
  PressKey(VK_ESCAPE);
  Pump();
  EXPECT_EQ(got, (std::vector<std::string>{"drop 2,3", "close 2,3"}));
  EXPECT_TRUE(p->Visible());
  PressKey(VK_ESCAPE);
  Pump();
}

TEST_F(KindFixture, ADigitThatCompletesAPartMovesOnButNeverPastTheLastPart) {
  // The locale's own order too (no format).
  for (const std::string format : {"dd/MM/yyyy", "yyyy-MM-dd", ""}) {
    props = [this, format] { g->DateTimePicker()->SetFormat(format); };
    g->SetCells(1, 2, Date(2024, 3, 4));
    Open(edDateEdit);
    TGridDatePicker* p = g->DateTimePicker();
    std::vector<int> parts;
    for (int i = 0; i < static_cast<int>(p->Fields().size()); ++i)
      if (p->Fields()[static_cast<size_t>(i)].Kind != fkLiteral) parts.push_back(i);
    ASSERT_EQ(parts.size(), 3u) << format;
    for (size_t n = 0; n < parts.size(); ++n) {
      ASSERT_EQ(p->ActiveField(), parts[n]) << format << " part " << n;
      const TDTFieldKind k = p->Fields()[static_cast<size_t>(parts[n])].Kind;
      // The first digit of a part that takes more does not move on yet.
      TypeText(k == fkYear ? "20" : "1");
      Pump();
      EXPECT_EQ(p->ActiveField(), parts[n]) << format << " part " << n;
      TypeText(k == fkYear ? "27" : "2");
      Pump();
      EXPECT_EQ(p->ActiveField(), parts[std::min(n + 1, parts.size() - 1)]) << format << " part " << n;
    }
    EXPECT_EQ(p->Date(), EncodeDate(2027, 12, 12)) << format;
    PressKey(VK_RETURN);
    EXPECT_EQ(g->Cells(1, 2), FormatDateTime(format.empty() ? FormatSettings().ShortDateFormat : format,
                                             EncodeDate(2027, 12, 12)))
        << format;
  }
}

TEST_F(KindFixture, TimeCellsAndTheApplicationsOwnDateReading) {
  g->SetCells(1, 2, TimeToStr(EncodeTime(8, 30, 0, 0)));
  Open(edTimeEdit);
  TGridDatePicker* p = g->DateTimePicker();
  EXPECT_EQ(p->Kind(), dtkTime);
  PressKey(VK_UP);
  PressKey(VK_RETURN);
  TDateTime t = 0;
  ASSERT_TRUE(TryStrToTime(g->Cells(1, 2), t)) << g->Cells(1, 2);
  EXPECT_NEAR(t, EncodeTime(9, 30, 0, 0), 1e-6);

  std::vector<std::string> asked;
  g->OnCustomStrToDate = [&](TObject*, const std::string& v, TDateTime& d) {
    asked.push_back(v);
    d = EncodeDate(2025, 1, 1);
  };
  g->SetCells(1, 3, "new year");
  Open(edDateEdit, 3);
  EXPECT_EQ(p->Date(), EncodeDate(2025, 1, 1));
  EXPECT_EQ(asked, std::vector<std::string>{"new year"});
  PressKey(VK_ESCAPE);
  EXPECT_EQ(g->Cells(1, 3), "new year");
}

TEST_F(KindFixture, EscapeInADateAndTimeCellRestoresDateAndTimeAndTheCell) {
  const std::string cell = DateToStr(EncodeDate(2024, 1, 2)) + " " +
                           FormatDateTime(FormatSettings().ShortTimeFormat, EncodeTime(8, 30, 0, 0));
  g->SetCells(1, 2, cell);
  Open(edDateTimeEdit);
  TGridDateTimePicker* p = g->DateAndTimePicker();
  ASSERT_TRUE(p->Visible());
  const TDateTime opened = p->DateTime();
  EXPECT_DOUBLE_EQ(opened, g->OriginalDateTime());
  PressKey(VK_UP);
  PressKey(VK_RIGHT);
  PressKey(VK_RIGHT);
  PressKey(VK_RIGHT);
  PressKey(VK_UP);
  EXPECT_NE(p->DateTime(), opened);
  PressKey(VK_ESCAPE);
  Pump();
  EXPECT_DOUBLE_EQ(p->DateTime(), opened);
  EXPECT_EQ(g->Cells(1, 2), cell);
  // Enter writes date and time.
  Open(edDateTimeEdit);
  PressKey(VK_UP);
  PressKey(VK_RETURN);
  TDateTime v = 0;
  ASSERT_TRUE(TryStrToDateTime(g->Cells(1, 2), v)) << g->Cells(1, 2);
  EXPECT_NE(g->Cells(1, 2), cell);
}

// ---------------------------------------------------------------------------
// Rich text

TEST_F(KindFixture, TheRichEditRaisesAndLowersTheSelection) {
  g->SetCells(1, 2, "H2O m2");
  Open(edRichEdit);
  ZEveRozoDiva* r = g->InplaceRichEdit();
  ASSERT_TRUE(r->Visible());
  EXPECT_EQ(r->Text(), "H2O m2");
  Select(r, 1, 2);
  r->SelSubscript();
  Select(r, 5, 6);
  r->SelSuperscript();
  EXPECT_TRUE(r->IsSelSuperscript());
  EXPECT_FALSE(r->IsSelNormal());
  Select(r, 1, 2);
  EXPECT_TRUE(r->IsSelSubscript());
  // Typing before them keeps each offset on its character.
  Select(r, 0, 0);
  TypeText("x");
  EXPECT_EQ(r->CharOffset(2), -40);
  EXPECT_EQ(r->CharOffset(6), 40);
  Select(r, 0, 7);
  EXPECT_FALSE(r->IsSelNormal());
  EXPECT_FALSE(r->IsSelSuperscript());
  r->SelNormal();
  EXPECT_TRUE(r->IsSelNormal());
  ClickCell(3, 5);
  Pump();
  EXPECT_EQ(g->Cells(1, 2), "xH2O m2");
}

TEST_F(KindFixture, TheRichEditsSelectionMovesAreTheGrids) {
  g->SetCells(1, 2, "abc");
  Open(edRichEdit);
  ZEveRozoDiva* r = g->InplaceRichEdit();
  ASSERT_TRUE(r->Visible());
  int moves = 0;
  g->OnRichEditSelectionChange = [&](TObject* Sender) {
    EXPECT_EQ(Sender, g);
    ++moves;
  };
  Select(r, 0, 0);
  const int byCode = moves;
  EXPECT_GE(byCode, 1);
  PressKey(VK_RIGHT);
  EXPECT_GT(moves, byCode) << "a key moves the caret";
  const int byKey = moves;
  PressKey(VK_RIGHT, {ssShift});
  EXPECT_GT(moves, byKey);
  EXPECT_EQ(r->SelLength(), 1);
  const int bySelect = moves;
  TypeText("x");
  EXPECT_GT(moves, bySelect) << "typing over the selection moves it";
  EXPECT_EQ(r->Text(), "axc");
  const int still = moves;
  Select(r, 1, 1);
  Select(r, 1, 1);
  EXPECT_EQ(moves, still + 1) << "setting the same selection again is no move";
  PressKey(VK_ESCAPE);
  Pump();
}

TEST_F(KindFixture, TabInTheRichEditMovesOnOnlyWithGoTabs) {
  g->SetCells(1, 2, "a");
  Open(edRichEdit);
  ZEveRozoDiva* r = g->InplaceRichEdit();
  Select(r, 1, 1);
  PressKey(VK_TAB);
  EXPECT_TRUE(r->Visible());
  EXPECT_EQ(r->Text(), "a\t");
  PressKey(VK_ESCAPE);
  Pump();
  EXPECT_EQ(g->Cells(1, 2), "a");

  g->SetOptions(g->Options() << goTabs);
  g->OnGetEditorType = [](TObject*, int c, int, TEditorType& e) {
    if (c == 1 || c == 2) e = edRichEdit;
  };
  Goto(1, 2);
  PressKey(VK_F2);
  TypeText("b");
  PressKey(VK_TAB);
  Pump();
  EXPECT_EQ(g->Cells(1, 2), "b");
  EXPECT_EQ(g->Col(), 2);
  EXPECT_TRUE(r->Visible());
}

TEST_F(KindFixture, TypingLinesGrowsTheRowWhileThereIsRoom) {
  g->SizeWhileTyping()->SetHeight(true);
  g->SetCells(1, 2, "");
  std::vector<int> sized;
  g->OnEndRowSize = [&](TObject*, int row) { sized.push_back(row); };
  const int before = g->RowHeights(2);
  Open(edRichEdit);
  TypeText("one");
  PressKey(VK_RETURN);
  TypeText("two");
  PressKey(VK_RETURN);
  TypeText("three");
  EXPECT_GT(g->RowHeights(2), before);
  ASSERT_FALSE(sized.empty());
  EXPECT_EQ(sized.back(), 2);
  PressKey(VK_ESCAPE);

  // The last visible row has no room below: it stays.
  const int last = g->TopRow() + g->VisibleRowCount() - 1;
  const int lastHeight = g->RowHeights(last);
  g->SetCells(1, last, "");
  Open(edRichEdit, last);
  for (int i = 0; i < 8; ++i) {
    TypeText("line");
    PressKey(VK_RETURN);
  }
  ZEveRozoDiva* r = g->InplaceRichEdit();
  EXPECT_GE(g->RowHeights(last), lastHeight);
  EXPECT_LT(g->RowHeights(last), r->ReqHeight() + 10);
  EXPECT_LE(g->CellRect(1, last).Top + g->RowHeights(last), g->Height() + 5);
}

}  // namespace

// ---------------------------------------------------------------------------
// The control editors come into being when a cell first needs them

namespace {
template <class T>
int Owned(TComponent* Owner) {
  int n = 0;
  for (int i = 0; i < Owner->ComponentCount(); ++i)
    if (dynamic_cast<T*>(Owner->Components(i)) != nullptr) ++n;
  return n;
}
}  // namespace

TEST_F(KindFixture, ControlEditorsAreMadeOnFirstUseAndThenReused) {
  EXPECT_EQ(Owned<TGridCheckBox>(g), 0);
  EXPECT_EQ(Owned<TGridButton>(g), 0);
  EXPECT_EQ(Owned<TGridEditBtn>(g), 0);
  EXPECT_EQ(Owned<TGridUnitEditBtn>(g), 0);

  for (TEditorType k : {edCheckBox, edButton, edEditBtn, edUnitEditBtn}) {
    Open(k, 2);
    ASSERT_NE(Shown(), nullptr) << k;
    EXPECT_TRUE(Shown()->Visible()) << k;
    TWinControl* first = Shown();
    PressKey(VK_ESCAPE);
    Pump();
    Open(k, 3);
    EXPECT_EQ(Shown(), first) << k;
    PressKey(VK_ESCAPE);
    Pump();
  }
  EXPECT_EQ(Owned<TGridCheckBox>(g), 1);
  EXPECT_EQ(Owned<TGridButton>(g), 1);
  EXPECT_EQ(Owned<TGridUnitEditBtn>(g), 1);
  EXPECT_EQ(Owned<TGridEditBtn>(g), 1);
  EXPECT_EQ(g->EditCheck()->Owner(), g);
  EXPECT_EQ(Owned<TGridCheckBox>(g), 1);
}
