// The grid's keyboard, driven by key messages on a shown grid: Tab and
// Enter moving on (and ending over read-only cells), Space on check boxes,
// Home and End, rows appended, inserted, deleted and moved by keys, wrapped
// navigation, disabled rows, select all, the clipboard keys, typing and the
// incremental search.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridEditFixture.h"

namespace {

using namespace testinput;

struct GridKeysFixture : GridEditFixture {
  void SetUp() override {
    GridEditFixture::SetUp();
    g->Navigation()->SetAdvanceAutoEdit(false);
  }
  TGridCoord Cur() const { return TGridCoord(g->Col(), g->Row()); }
  void AddCheckBoxes(int RealCol) {
    for (int r = 1; r < g->RowCount(); ++r) g->AddCheckBox(RealCol, r, false, false);
  }
};

// ---------------------------------------------------------------------------
// Tab and Enter

TEST_F(GridKeysFixture, TabWalksTheRowsAndWrapsByTheNavigationSettings) {
  g->SetOptions(g->Options() << goTabs);
  struct Case {
    const char* what;
    TGridCoord from;
    bool backward;
    TGridCoord to;
  };
  const Case cases[] = {
      {"next column", {2, 3}, false, {3, 3}},
      {"row end to the next row", {4, 3}, false, {1, 4}},
      {"Shift+Tab to the previous column", {3, 3}, true, {2, 3}},
      {"Shift+Tab from the row start", {1, 4}, true, {4, 3}},
      {"last cell to the first data cell", {4, 7}, false, {1, 1}},
  };
  for (const Case& c : cases) {
    Goto(c.from.X, c.from.Y);
    PressKey(VK_TAB, c.backward ? TShiftState{ssShift} : TShiftState{});
    EXPECT_EQ(Cur(), c.to) << c.what;
  }
}

TEST_F(GridKeysFixture, TabOnTheLastCellAppendsARowWhenAllowed) {
  g->SetOptions(g->Options() << goTabs);
  g->Navigation()->SetAdvanceInsert(true);
  std::vector<int> added;
  g->OnAutoAddRow = [&](TObject*, int r) { added.push_back(r); };
  bool allow = false;
  g->OnCanAddRow = [&](TObject*, bool& can) { can = allow; };
  Goto(4, 7);
  PressKey(VK_TAB);
  EXPECT_EQ(g->RowCount(), 8);
  EXPECT_EQ(Cur(), TGridCoord(1, 1)) << "refused: back to the first data row";
  allow = true;
  Goto(4, 7);
  PressKey(VK_TAB);
  EXPECT_EQ(g->RowCount(), 9);
  EXPECT_EQ(Cur(), TGridCoord(1, 8));
  EXPECT_EQ(added, std::vector<int>{8});
}

TEST_F(GridKeysFixture, TabToNextAtEndHandsTheTabOnAndAnOnKeyDownHandlerMayStopIt) {
  g->SetOptions(g->Options() << goTabs);
  g->Navigation()->SetTabToNextAtEnd(true);
  Goto(4, 7);
  EXPECT_FALSE(g->TabAdvance(false));
  EXPECT_EQ(Cur(), TGridCoord(1, 1));
  g->OnKeyDown = [](TObject*, WORD& k, TShiftState) {
    if (k == VK_TAB) k = VK_F9;
  };
  Goto(2, 2);
  EXPECT_TRUE(g->TabAdvance(false));
  EXPECT_EQ(Cur(), TGridCoord(2, 2));
}

TEST_F(GridKeysFixture, TabSkipsReadOnlyCellsAndEndsWhenEveryCellIsReadOnly) {
  g->SetOptions(g->Options() << goTabs);
  bool allReadOnly = false;
  g->OnCanEditCell = [&](TObject*, int, int c, bool& can) {
    if (allReadOnly || c == 2 || c == 3) can = false;
  };
  Goto(1, 2);
  PressKey(VK_TAB);
  EXPECT_EQ(Cur(), TGridCoord(4, 2)) << "columns 2 and 3 are read-only";
  allReadOnly = true;
  Goto(1, 2);
  PressKey(VK_TAB);  // must end
  EXPECT_GE(g->Row(), 1);
}

TEST_F(GridKeysFixture, EnterAfterAnEditAdvancesByDirectionAndEndsOverReadOnlyCells) {
  g->Navigation()->SetAdvanceOnEnter(true);
  struct Case {
    TAdvanceDirection dir;
    TGridCoord from, to;
  };
  const Case cases[] = {
      {adLeftRight, {2, 3}, {3, 3}}, {adLeftRight, {4, 3}, {1, 4}},      {adTopBottom, {2, 3}, {2, 4}},
      {adTopBottom, {2, 7}, {3, 1}}, {adTopBottomInCol, {2, 7}, {2, 1}},
  };
  for (const Case& c : cases) {
    g->Navigation()->SetAdvanceDirection(c.dir);
    Goto(c.from.X, c.from.Y);
    TypeText("v");
    PressKey(VK_RETURN);
    EXPECT_EQ(g->Cells(c.from.X, c.from.Y), "v") << c.dir;
    EXPECT_EQ(Cur(), c.to) << c.dir << " from " << c.from.X << "," << c.from.Y;
  }
  // Everything after the edited cell read-only, no insert, no loop: the
  // advance ends and the current cell stays.
  g->Navigation()->SetAdvanceDirection(adLeftRight);
  g->Navigation()->SetAdvanceOnEnterLoop(false);
  g->OnCanEditCell = [](TObject*, int r, int c, bool& can) { can = r == 7 && c == 1; };
  Goto(1, 7);
  g->AdvanceCell(1, 7, false, false, true, false, false);
  EXPECT_EQ(Cur(), TGridCoord(1, 7));
  // With the loop on, a grid read-only but for the start ends too.
  g->Navigation()->SetAdvanceOnEnterLoop(true);
  g->AdvanceCell(1, 7, false, false, true, false, false);
  EXPECT_EQ(Cur(), TGridCoord(1, 7));
}

TEST_F(GridKeysFixture, EnterOnACellThatCannotBeEditedReachesOnKeyPress) {
  g->OnCanEditCell = [](TObject*, int, int, bool& can) { can = false; };
  std::vector<WORD> downs;
  std::vector<char32_t> presses;
  g->OnKeyDown = [&](TObject*, WORD& k, TShiftState) { downs.push_back(k); };
  g->OnKeyPress = [&](TObject*, char32_t& k) { presses.push_back(k); };
  Goto(2, 3);
  PressKey(VK_RETURN);
  EXPECT_EQ(downs, std::vector<WORD>{VK_RETURN});
  EXPECT_EQ(presses, std::vector<char32_t>{U'\r'});
  EXPECT_FALSE(EditorShown());
}

// ---------------------------------------------------------------------------
// Check boxes: the click event names the real column by key and by mouse

TEST_F(GridKeysFixture, SpaceAndAClickOnACheckBoxReportTheRealColumn) {
  g->ShowModified()->SetEnabled(true);
  AddCheckBoxes(3);
  g->HideColumn(1);  // real column 3 is display column 2
  struct Click {
    int col, row;
    bool state;
  };
  std::vector<Click> clicks;
  g->OnCheckBoxClick = [&](TObject*, int c, int r, bool s) { clicks.push_back({c, r, s}); };
  int clickCells = 0;
  g->OnClickCell = [&](TObject*, int, int) { ++clickCells; };
  Goto(2, 2);
  PressKey(VK_SPACE);
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0].col, 3);
  EXPECT_EQ(clicks[0].row, 2);
  EXPECT_TRUE(clicks[0].state);
  EXPECT_TRUE(g->RowModified(2));
  EXPECT_FALSE(EditorShown()) << "the space typed no text";
  ClickCell(2, 4);
  ASSERT_EQ(clicks.size(), 2u);
  EXPECT_EQ(clicks[1].col, 3) << "the mouse names the real column too";
  EXPECT_EQ(clicks[1].row, 4);
  EXPECT_TRUE(clicks[1].state);
  EXPECT_EQ(clickCells, 0);
  EXPECT_EQ(Cur(), TGridCoord(2, 4));
  bool state = false;
  g->GetCheckBoxState(3, 4, state);
  EXPECT_TRUE(state);
}

// ---------------------------------------------------------------------------
// Home, End, scrolling only

TEST_F(GridKeysFixture, HomeAndEndFollowTheHomeEndSetting) {
  struct Case {
    THomeEndAction he;
    WORD key;
    TShiftState shift;
    TGridCoord to;
  };
  const Case cases[] = {
      {heFirstLastCell, VK_HOME, {}, {1, 1}},         {heFirstLastCell, VK_END, {}, {4, 7}},
      {heFirstLastRow, VK_HOME, {}, {2, 1}},          {heFirstLastRow, VK_END, {}, {2, 7}},
      {heFirstLastColumn, VK_HOME, {}, {1, 4}},       {heFirstLastColumn, VK_END, {}, {4, 4}},
      {heFirstLastColumn, VK_HOME, {ssCtrl}, {1, 1}},
  };
  std::vector<WORD> downs;
  g->OnKeyDown = [&](TObject*, WORD& k, TShiftState) { downs.push_back(k); };
  for (const Case& c : cases) {
    g->Navigation()->SetHomeEndKey(c.he);
    Goto(2, 4);
    downs.clear();
    PressKey(c.key, c.shift);
    EXPECT_EQ(Cur(), c.to) << c.he << " " << c.key;
    EXPECT_FALSE(downs.empty()) << c.he << " " << c.key;
  }
}

TEST_F(GridKeysFixture, MoveScrollOnlyScrollsWithoutMovingTheCell) {
  g->SetRowCount(60);
  g->Navigation()->SetMoveScrollOnly(true);
  int downs = 0;
  g->OnKeyDown = [&](TObject*, WORD&, TShiftState) { ++downs; };
  Goto(2, 1);
  PressKey(VK_DOWN);
  PressKey(VK_DOWN);
  EXPECT_EQ(g->TopRow(), 3);
  EXPECT_EQ(Cur(), TGridCoord(2, 1));
  PressKey(VK_END);
  EXPECT_EQ(g->TopRow(), 60 - g->VisibleRowCount());
  PressKey(VK_HOME);
  EXPECT_EQ(g->TopRow(), 1);
  EXPECT_EQ(downs, 0);
  PressKey(VK_RIGHT);
  EXPECT_EQ(Cur(), TGridCoord(3, 1)) << "left and right move as usual";
}

// ---------------------------------------------------------------------------
// Rows by key

TEST_F(GridKeysFixture, DownOnTheLastRowAppendsOneWhenAskedAndAllowed) {
  g->Navigation()->SetAppendOnArrowDown(true);
  bool allow = true;
  g->OnCanAddRow = [&](TObject*, bool& can) { can = allow; };
  std::vector<int> added;
  g->OnAutoAddRow = [&](TObject*, int r) { added.push_back(r); };
  Goto(2, 7);
  PressKey(VK_DOWN);
  EXPECT_EQ(g->RowCount(), 9);
  EXPECT_EQ(Cur(), TGridCoord(2, 8));
  EXPECT_EQ(added, std::vector<int>{8});
  allow = false;
  PressKey(VK_DOWN);
  EXPECT_EQ(g->RowCount(), 9);
  EXPECT_EQ(Cur(), TGridCoord(2, 8));
}

TEST_F(GridKeysFixture, InsertAndDeleteRowKeysAsConfigured) {
  g->SetOptions(g->Options() >> goEditing);
  for (int r = 1; r < 8; ++r) g->SetCells(1, r, "r" + std::to_string(r));
  std::vector<int> inserted;
  g->OnAutoInsertRow = [&](TObject*, int r) { inserted.push_back(r); };
  Goto(1, 3);
  PressKey(VK_INSERT);
  EXPECT_EQ(g->RowCount(), 8) << "not allowed by default";
  g->Navigation()->SetAllowInsertRow(true);
  PressKey(VK_INSERT);
  EXPECT_EQ(g->RowCount(), 9);
  EXPECT_EQ(g->Cells(1, 3), "");
  EXPECT_EQ(g->Cells(1, 4), "r3");
  g->Navigation()->SetInsertPosition(pInsertAfter);
  Goto(1, 5);
  PressKey(VK_INSERT);
  EXPECT_EQ(g->Cells(1, 6), "");
  EXPECT_EQ(g->Row(), 6) << "the row after the one the key was pressed on";
  EXPECT_EQ(inserted, (std::vector<int>{3, 6}));

  g->Navigation()->SetAllowDeleteRow(true);
  bool allow = false;
  g->OnCanDeleteRow = [&](TObject*, int, bool& can) { can = allow; };
  Goto(1, 4);
  PressKey(VK_DELETE);
  EXPECT_EQ(g->RowCount(), 10);
  allow = true;
  PressKey(VK_DELETE);
  EXPECT_EQ(g->RowCount(), 9);
  EXPECT_EQ(g->Cells(1, 4), "r4");
  EXPECT_TRUE(g->GridModified());
}

TEST_F(GridKeysFixture, CtrlArrowsMoveRowsButNeverIntoTheFooter) {
  g->Navigation()->SetCursorMoveRows(true);
  for (int r = 1; r < 8; ++r) g->SetCells(1, r, "r" + std::to_string(r));
  Goto(1, 3);
  PressKey(VK_DOWN, {ssCtrl});
  EXPECT_EQ(g->Cells(1, 4), "r3");
  EXPECT_EQ(g->Cells(1, 3), "r4");
  EXPECT_EQ(g->Row(), 4);
  PressKey(VK_UP, {ssCtrl});
  EXPECT_EQ(g->Cells(1, 3), "r3");
  EXPECT_EQ(g->Row(), 3);
  // Row 7 is the footer row: the last data row stays above it.
  g->SetFixedFooters(1);
  Goto(1, 6);
  PressKey(VK_DOWN, {ssCtrl});
  EXPECT_EQ(g->Cells(1, 6), "r6");
  EXPECT_EQ(g->Cells(1, 7), "r7");
  Goto(1, 1);
  PressKey(VK_UP, {ssCtrl});
  EXPECT_EQ(g->Cells(1, 1), "r1") << "the first data row stays";
}

TEST_F(GridKeysFixture, WrappedNavigationAndDisabledRows) {
  struct Case {
    TCursorAdvance ca;
    TGridCoord from;
    WORD key;
    TGridCoord to;
  };
  const Case cases[] = {
      {caLoop, {4, 3}, VK_RIGHT, {1, 3}},    {caSnake, {4, 3}, VK_RIGHT, {1, 4}},
      {caSnake, {4, 7}, VK_RIGHT, {1, 7}},   {caLoop, {1, 3}, VK_LEFT, {4, 3}},
      {caLoop, {2, 7}, VK_DOWN, {2, 1}},     {caSnake, {2, 1}, VK_UP, {1, 7}},
      {caDefault, {4, 3}, VK_RIGHT, {4, 3}},
  };
  for (const Case& c : cases) {
    g->Navigation()->SetCursorAdvance(c.ca);
    Goto(c.from.X, c.from.Y);
    PressKey(c.key);
    EXPECT_EQ(Cur(), c.to) << c.ca << " " << c.key << " from " << c.from.X << "," << c.from.Y;
  }
  g->Navigation()->SetCursorAdvance(caDefault);
  g->SetRowEnabled(4, false);
  g->SetRowEnabled(5, false);
  Goto(2, 3);
  PressKey(VK_DOWN);
  EXPECT_EQ(g->Row(), 6);
  g->SetRowEnabled(6, false);
  g->SetRowEnabled(7, false);
  Goto(2, 3);
  PressKey(VK_DOWN);
  EXPECT_EQ(g->Row(), 3);
}

TEST_F(GridKeysFixture, CtrlASelectsTheDataCells) {
  g->SetOptions(g->Options() >> goEditing << goRangeSelect);
  Goto(2, 2);
  PressKey('A', {ssCtrl});
  EXPECT_EQ(g->Selection(), TGridRect(1, 1, 4, 7));
}

TEST_F(GridKeysFixture, ClipboardKeysAskTheirEventsOnlyWhenAllowed) {
  std::vector<std::string> seen;
  g->OnClipboardCopy = [&](TObject*, bool&) { seen.push_back("copy"); };
  g->OnClipboardCut = [&](TObject*, bool&) { seen.push_back("cut"); };
  g->OnClipboardPaste = [&](TObject*, bool&) { seen.push_back("paste"); };
  Goto(2, 2);
  PressKey('C', {ssCtrl});
  EXPECT_TRUE(seen.empty());
  g->Navigation()->SetAllowClipboardShortCuts(true);
  PressKey('C', {ssCtrl});
  PressKey('X', {ssCtrl});
  PressKey('V', {ssCtrl});
  PressKey(VK_INSERT, {ssCtrl});
  PressKey(VK_INSERT, {ssShift});
  PressKey(VK_DELETE, {ssShift});
  EXPECT_EQ(seen, (std::vector<std::string>{"copy", "cut", "paste", "copy", "paste", "cut"}));
  EXPECT_FALSE(EditorShown()) << "the control characters open no editor";
}

// ---------------------------------------------------------------------------
// Typing and the incremental search

TEST_F(GridKeysFixture, TypingOpensTheEditorWithTheCharacterOnKeyPressLeaves) {
  g->OnKeyPress = [](TObject*, char32_t& k) {
    if (k == U'a') k = U'A';
  };
  Goto(2, 2);
  TypeText("ab");
  ASSERT_TRUE(EditorShown());
  EXPECT_EQ(Editor()->Text(), "Ab");
  PressKey(VK_ESCAPE);
  AddCheckBoxes(3);
  Goto(3, 2);
  TypeText("x");
  EXPECT_FALSE(EditorShown()) << "a check box cell opens no editor";
}

TEST_F(GridKeysFixture, IncrementalSearchFindsRowsByTheSortColumn) {
  g->SetOptions(g->Options() >> goEditing);
  g->Navigation()->SetAutoGotoWhenSorted(true);
  g->Navigation()->SetAutoGotoIncremental(true);
  g->SortSettings()->SetColumn(1);
  const char* names[] = {"", "alpha", "beta", "bravo", "charlie", "delta", "echo", "foxtrot"};
  for (int r = 1; r < 8; ++r) g->SetCells(1, r, names[r]);
  Goto(1, 1);
  TypeText("b");
  EXPECT_EQ(g->Row(), 2);
  TypeText("r");
  EXPECT_EQ(g->Row(), 3);
  EXPECT_EQ(g->IncrSearchText(), "br");
  PressKey(VK_BACK);
  EXPECT_EQ(g->IncrSearchText(), "b");
  EXPECT_EQ(g->Row(), 2);
  TypeText("z");
  EXPECT_EQ(g->IncrSearchText(), "") << "nothing found: the text starts again";
  EXPECT_EQ(g->Row(), 2);
  TypeText("e");
  EXPECT_EQ(g->Row(), 6);
  PressKey(VK_HOME);
  EXPECT_EQ(g->IncrSearchText(), "e") << "Home keeps the text";
  PressKey(VK_END);
  EXPECT_EQ(g->IncrSearchText(), "");
}

}  // namespace

namespace {

using namespace testinput;

TEST_F(GridKeysFixture, DownAtTheEndOverTheSearchFooterScrollsAndStays) {
  g->SetRowCount(40);
  g->SearchFooter()->SetVisible(true);
  g->UpdateSearchPanel();
  Pump();
  Goto(2, 30);
  PressKey(VK_END, {ssCtrl});
  PressKey(VK_DOWN);
  PressKey(VK_DOWN);
  EXPECT_EQ(g->Row(), 39);
  // As far down as the grid scrolls (the panel does not shrink the range).
  EXPECT_EQ(g->TopRow(), g->RowCount() - g->VisibleRowCount());
}

}  // namespace
