// The editor switch and the edit life cycle, driven through messages: which
// editor opens on a cell, how it opens (typing, Enter, F2, a click, code),
// and that every way of ending an edit leaves the cell with the value the
// user meant, reported once.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "GridEditFixture.h"
#include "framework/controls/ScrollBars.h"
#include "grid/view/DivUzevDropDownEditors.h"

namespace {

using namespace testinput;

using Events = std::vector<std::string>;

// ---------------------------------------------------------------------------
// Opening the text editor

TEST_F(GridEditFixture, TheTextEditorOpensByTypingEnterF2AClickAndCode) {
  struct Case {
    const char* how;
    std::function<void()> open;
    const char* editorText;  // what the editor holds right after
  };
  const Case cases[] = {
      {"typing", [] { TypeText("x"); }, "x"},
      {"Enter", [] { PressKey(VK_RETURN); }, "old"},
      {"F2", [] { PressKey(VK_F2); }, "old"},
      {"click on the current cell", [this] { ClickCell(2, 3); }, "old"},
      {"ShowCellEdit", [this] { g->ShowCellEdit(); }, "old"},
      {"EditCell", [this] { g->EditCell(2, 3); }, "old"},
  };
  for (const Case& c : cases) {
    g->SetCells(2, 3, "old");
    Goto(2, 3);
    c.open();
    Pump();
    ASSERT_TRUE(EditorShown()) << c.how;
    EXPECT_TRUE(g->EditMode()) << c.how;
    EXPECT_EQ(g->EditControl(), edNormal) << c.how;
    EXPECT_EQ(g->OriginalCellValue(), "old") << c.how;
    EXPECT_EQ(Editor()->Text(), c.editorText) << c.how;
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(EditorShown()) << c.how;
    EXPECT_FALSE(g->EditMode()) << c.how;
    EXPECT_EQ(g->Cells(2, 3), "old") << c.how;
  }
}

TEST_F(GridEditFixture, TypedCharactersBeyondAsciiReachTheCell) {
  for (const char* text : {"é", "Щит", "naïve façade", "日本"}) {
    Goto(1, 2);
    TypeText(text);
    PressKey(VK_RETURN);
    EXPECT_EQ(g->Cells(1, 2), text);
  }
}

TEST_F(GridEditFixture, CellsThatClickOrAreNotEditableOpenNothing) {
  // A data check box toggles on a click: it never opens an editor.
  g->OnGetEditorType = [](TObject*, int c, int, TEditorType& e) {
    if (c == 1) e = edDataCheckBox;
    if (c == 2) e = edNone;
  };
  auto* props = g->GetCellProperties(1, 2);
  auto* graphic = new TCellGraphic;
  graphic->CellType = ctDataCheckBox;
  props->SetGraphicObject(graphic);
  g->SetCells(1, 2, "Y");
  g->SetCells(2, 2, "fixed");
  for (int col : {1, 2}) {
    Goto(col, 2);
    const TEditorType before = g->EditControl();
    PressKey(VK_F2);
    TypeText("z");
    EXPECT_FALSE(g->EditMode()) << col;
    EXPECT_FALSE(EditorShown()) << col;
    EXPECT_FALSE(g->Combobox()->Visible()) << col;
    if (col == 1) EXPECT_EQ(g->EditControl(), before);
  }
  EXPECT_EQ(g->Cells(1, 2), "Y");
  EXPECT_EQ(g->Cells(2, 2), "fixed");
  // ShowInplaceEdit on the check box cell does nothing either.
  Goto(1, 2);
  g->ShowInplaceEdit();
  EXPECT_FALSE(g->EditMode());
}

TEST_F(GridEditFixture, AKindWhoseControlHasNotComeIsEditedAsText) {
  // Without the drop-down library's provider the drop-down kinds have none.
  TDropDownEditorProvider* provider = DropDownEditorProvider();
  SetDropDownEditorProvider(nullptr);
  struct TBack {
    TDropDownEditorProvider* p;
    ~TBack() { SetDropDownEditorProvider(p); }
  } back{provider};
  g->OnGetEditorType = [](TObject*, int, int, TEditorType& e) { e = edCalculatorDropDown; };
  Goto(3, 4);
  TypeText("12");
  ASSERT_TRUE(EditorShown());
  EXPECT_EQ(g->EditControl(), edNormal);
  PressKey(VK_RETURN);
  EXPECT_EQ(g->Cells(3, 4), "12");
}

TEST_F(GridEditFixture, HideInplaceEditWithoutAnEditorDoesNothing) {
  Record();
  g->SetCells(2, 3, "keep");
  Goto(2, 3);
  events.clear();
  int selects = 0;
  g->OnRowChanging = [&](TObject*, int, int, bool&) { ++selects; };
  g->OnColChanging = [&](TObject*, int, int, bool&) { ++selects; };
  g->HideInplaceEdit();
  Pump();
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(selects, 0);
  EXPECT_EQ(g->Cells(2, 3), "keep");
}

// ---------------------------------------------------------------------------
// Ending a text edit: the value and the events

TEST_F(GridEditFixture, EveryWayOutOfATextEditKeepsTheValueAndReportsItOnce) {
  struct Case {
    const char* how;
    std::function<void()> end;
    const char* cell;
    Events events;  // after the typing's own change events
  };
  const Case cases[] = {
      {"Enter", [] { PressKey(VK_RETURN); }, "new", {"validate 2,3 new", "done", "celldone 2,3"}},
      {"Down", [] { PressKey(VK_DOWN); }, "new", {"validate 2,3 new", "row 3>4", "done", "celldone 2,3"}},
      {"a click on another cell",
       [this] { ClickCell(3, 5); },
       "new",
       {"validate 2,3 new", "row 3>5", "done", "celldone 2,3"}},
      {"the focus moving to another control",
       [this] {
         other->SetFocus();
         Pump();
       },
       "new",
       {"validate 2,3 new", "done", "celldone 2,3"}},
      {"Tab with tabs on",
       [this] {
         // The editor of the next cell is the Tab navigation's to open.
         g->Navigation()->SetAdvanceAutoEdit(false);
         g->SetOptions(g->Options() << goTabs);
         PressKey(VK_TAB);
       },
       "new",
       {"validate 2,3 new", "done", "celldone 2,3"}},
      {"Escape", [] { PressKey(VK_ESCAPE); }, "old", {"done", "celldone 2,3"}},
  };
  for (const Case& c : cases) {
    g->SetOptions(g->Options() >> goTabs);
    g->SetCells(2, 3, "old");
    g->SetFocus();
    Goto(2, 3);
    Record();
    events.clear();
    TypeText("new");
    Events expected = {"change 2,3 n", "change 2,3 ne", "change 2,3 new"};
    expected.insert(expected.end(), c.events.begin(), c.events.end());
    c.end();
    Pump();
    EXPECT_EQ(g->Cells(2, 3), c.cell) << c.how;
    EXPECT_EQ(events, expected) << c.how;
    EXPECT_FALSE(g->EditMode()) << c.how;
  }
}

TEST_F(GridEditFixture, TheTextEditorRidesAlongWhenTheGridScrollsOrResizes) {
  g->SetRowCount(60);
  g->SetCells(2, 3, "old");
  Goto(2, 3);
  TypeText("kept");
  ASSERT_TRUE(EditorShown());
  g->SetTopRow(2);
  Pump();
  EXPECT_EQ(Editor()->Top(), g->CellRect(2, 3).Top);
  g->SetColWidths(1, 120);
  Pump();
  EXPECT_EQ(Editor()->Left(), g->CellRect(2, 3).Left);
  g->SetBounds(0, 0, 380, 200);
  Pump();
  EXPECT_TRUE(EditorShown());
  EXPECT_EQ(Editor()->Text(), "kept");
  PressKey(VK_RETURN);
  EXPECT_EQ(g->Cells(2, 3), "kept");
}

// A control placed in a cell stays over its cell, one pixel larger on every
// side, while the grid scrolls; out of view or in a hidden column it hides.
TEST_F(GridEditFixture, AControlInACellFollowsItsCellAndHidesOutOfView) {
  g->SetRowCount(60);
  auto* box = new TEdit(form);
  g->SetCellControls(2, 5, box);
  auto overCell = [&](int c, int r) {
    const TRect cell = g->CellRect(c, r);
    return box->Visible() && box->Left() == cell.Left - 1 && box->Top() == cell.Top - 1 &&
           box->Width() == cell.Width() + 1 && box->Height() == cell.Height() + 1;
  };
  ASSERT_TRUE(overCell(2, 5));
  struct TStep {
    const char* what;
    std::function<void()> act;
    bool shown;
  };
  const TStep steps[] = {
      {"scrolled by two rows", [&] { g->SetTopRow(3); }, true},
      {"its row scrolled out of view", [&] { g->SetTopRow(20); }, false},
      {"scrolled back", [&] { g->SetTopRow(1); }, true},
      {"the wheel", [&] { Wheel(g, -120); }, true},
      {"a column before it hidden", [&] { g->HideColumn(1); }, true},
      {"its own column hidden", [&] { g->HideColumn(2); }, false},
      {"its column shown again", [&] { g->UnHideColumnsAll(); }, true},
  };
  for (const TStep& step : steps) {
    step.act();
    Pump();
    const int dc = g->DisplColIndexOf(2);
    if (step.shown)
      EXPECT_TRUE(overCell(dc, 5)) << step.what;
    else
      EXPECT_FALSE(box->Visible()) << step.what;
  }
  // A list built again finds the control through its cell.
  g->CellControlsUpdate(true);
  g->SetTopRow(2);
  Pump();
  EXPECT_TRUE(overCell(2, 5));
}

// The scroll bar of a cell, shown under the pointer, rides at the cell's
// right edge as the grid scrolls and takes no room out of view.
TEST_F(GridEditFixture, ACellsScrollBarRidesWithItsCell) {
  g->SetRowCount(60);
  g->AddScrollBar(3, 4, false);
  TScrollProp prop;
  prop.PageSize = 10;
  prop.Range = 100;
  g->SetScrollProp(3, 4, prop);
  const TPoint p = CellCentre(3, 4);
  MouseMove(g, p.X, p.Y);
  TScrollBar* bar = g->CellScrollBar(0);
  ASSERT_NE(bar, nullptr);
  ASSERT_TRUE(bar->Visible());
  g->SetTopRow(2);
  Pump();
  TRect cell = g->CellRect(3, 4);
  EXPECT_EQ(bar->Top(), cell.Top);
  EXPECT_EQ(bar->Left(), cell.Right - bar->Width());
  EXPECT_EQ(bar->Height(), cell.Height());
  g->SetTopRow(30);
  Pump();
  EXPECT_EQ(bar->Height(), 0);
}

TEST_F(GridEditFixture, OpeningAndLeavingAMarkupCellKeepsItsTags) {
  g->SetCells(2, 3, "<b>bold</b> text");
  Goto(2, 3);
  PressKey(VK_F2);
  ASSERT_TRUE(EditorShown());
  EXPECT_EQ(Editor()->Text(), "bold text");
  PressKey(VK_RETURN);
  EXPECT_EQ(g->Cells(2, 3), "<b>bold</b> text");
  // Escape after typing gives back the stored markup too.
  PressKey(VK_F2);
  TypeText("plain");
  PressKey(VK_ESCAPE);
  EXPECT_EQ(g->Cells(2, 3), "<b>bold</b> text");
}

TEST_F(GridEditFixture, GridEditDoneNamesTheRealColumnOfTheEditedCell) {
  g->HideColumn(1);
  std::vector<std::pair<int, int>> done;
  g->OnEditCellDone = [&](TObject*, int c, int r) { done.emplace_back(c, r); };
  Goto(2, 4);  // display column 2 is real column 3
  TypeText("v");
  PressKey(VK_RETURN);
  Pump();
  ASSERT_EQ(done.size(), 1u);
  EXPECT_EQ(done[0], std::make_pair(3, 4));
  EXPECT_EQ(g->GetCellEx(3, 4), "v");
}

// ---------------------------------------------------------------------------
// The combo editor: what it opens with

struct ComboCellFixture : GridEditFixture {
  std::vector<std::string> items{"Read", "Write", "Both"};
  std::vector<std::string> changes;
  void SetUp() override {
    GridEditFixture::SetUp();
    g->OnGetEditorType = [](TObject*, int c, int, TEditorType& e) {
      if (c == 2) e = edComboList;
      if (c == 3) e = edComboEdit;
    };
    g->OnGetEditorProp = [this](TObject*, int, int, TEditLink*) {
      g->Combobox()->Items()->Clear();
      for (const std::string& s : items) g->Combobox()->Items()->Add(s);
    };
    g->OnComboChange = [this](TObject*, int c, int r, int i, const std::string& s) {
      changes.push_back(std::to_string(c) + "," + std::to_string(r) + " " + std::to_string(i) + " " + s);
    };
  }
  TGridCombo* Combo() { return g->Combobox(); }
};

TEST_F(ComboCellFixture, AListCellOpensOnTheItemOfItsText) {
  struct Case {
    const char* what;
    std::string stored;
    std::function<void()> prepare;
    int item;
    std::vector<std::string> reported;
  };
  const Case cases[] = {
      {"its text is an item", "Write", [] {}, 1, {}},
      {"its text is no item: the first", "Append", [] {}, 0, {"2,3 0 Read"}},
      {"its text shown as no item: the item of its stored text, reported as such",
       "Write",
       [this] {
         g->OnGetDisplText = [](TObject*, int, int, std::string& v) {
           if (v == "Write") v = "W (write)";
         };
       },
       1,
       {"2,3 1 Write"}},
      {"a chosen fallback item", "Append", [this] { g->SetComboSelection(1); }, 1, {}},
      {"an empty list", "Append", [this] { items.clear(); }, -1, {}},
  };
  for (const Case& c : cases) {
    items = {"Read", "Write", "Both"};
    g->OnGetDisplText = nullptr;
    g->SetComboSelection(-1);
    changes.clear();
    c.prepare();
    g->SetCells(2, 3, c.stored);
    Goto(2, 3);
    PressKey(VK_F2);
    ASSERT_TRUE(Combo()->Visible()) << c.what;
    EXPECT_TRUE(Combo()->Focused()) << c.what;
    EXPECT_EQ(Combo()->Style(), csDropDownList) << c.what;
    EXPECT_EQ(Combo()->ItemIndex(), c.item) << c.what;
    EXPECT_EQ(changes, c.reported) << c.what;
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(Combo()->Visible()) << c.what;
    EXPECT_EQ(g->GetGridCell(2, 3), c.stored) << c.what << ": Escape keeps the stored text";
  }
}

TEST_F(ComboCellFixture, ATypedLetterOpensTheComboAndLandsInIt) {
  g->SetCells(3, 3, "");
  Goto(3, 3);
  TypeText("q");
  ASSERT_TRUE(Combo()->Visible());
  EXPECT_EQ(Combo()->Style(), csDropDown);
  EXPECT_EQ(Combo()->Text(), "q");
  TypeText("ueue");
  PressKey(VK_RETURN);
  EXPECT_FALSE(Combo()->Visible());
  EXPECT_EQ(g->Cells(3, 3), "queue");
  // In a list cell the letter picks the item it begins.
  Goto(2, 3);
  TypeText("b");
  ASSERT_TRUE(Combo()->Visible());
  EXPECT_EQ(Combo()->Text(), "Both");
  PressKey(VK_RETURN);
  EXPECT_EQ(g->Cells(2, 3), "Both");
}

TEST_F(ComboCellFixture, DirectComboDropOpensBothKindsDroppedDown) {
  g->MouseActions()->SetDirectComboDrop(true);
  for (int col : {2, 3}) {
    Goto(col, 4);
    PressKey(VK_F2);
    ASSERT_TRUE(Combo()->Visible()) << col;
    EXPECT_TRUE(Combo()->DroppedDown()) << col;
    PressKey(VK_ESCAPE);
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(Combo()->Visible()) << col;
  }
}

// ---------------------------------------------------------------------------
// The combo editor: ways out

TEST_F(ComboCellFixture, EveryWayOutOfAComboEditWritesTheChosenItemOnce) {
  struct Case {
    const char* how;
    std::function<void()> end;
    const char* cell;
    int doneCount;
  };
  const Case cases[] = {
      {"Enter", [] { PressKey(VK_RETURN); }, "Both", 1},
      {"a click on another cell", [this] { ClickCell(4, 6); }, "Both", 1},
      {"the focus moving to another control",
       [this] {
         other->SetFocus();
         Pump();
       },
       "Both", 1},
      {"a scroll", [this] { g->SetTopRow(3); }, "Both", 1},
      {"a column width change that hides the cell", [this] { g->SetColWidths(2, 0); }, "Both", 1},
      {"Tab with tabs on",
       [this] {
         // The editor of the next cell is the Tab navigation's to open.
         g->Navigation()->SetAdvanceAutoEdit(false);
         g->SetOptions(g->Options() << goTabs);
         PressKey(VK_TAB);
       },
       "Both", 1},
      {"Escape", [] { PressKey(VK_ESCAPE); }, "Read", 1},
      {"a move made by code", [this] { g->SetRow(6); }, "Both", 1},
  };
  for (const Case& c : cases) {
    g->SetOptions(g->Options() >> goTabs);
    g->SetRowCount(40);
    g->SetTopRow(1);
    g->SetColWidths(2, 64);
    g->SetCells(2, 3, "Read");
    g->SetFocus();
    Goto(2, 3);
    int done = 0;
    g->OnEditingDone = [&](TObject*) { ++done; };
    PressKey(VK_F2);
    ASSERT_TRUE(Combo()->Visible()) << c.how;
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    EXPECT_EQ(Combo()->Text(), "Both") << c.how;
    c.end();
    Pump();
    EXPECT_FALSE(Combo()->Visible()) << c.how;
    EXPECT_FALSE(g->EditMode()) << c.how;
    EXPECT_EQ(g->Cells(2, 3), c.cell) << c.how;
    EXPECT_EQ(done, c.doneCount) << c.how;
  }
}

TEST_F(ComboCellFixture, TheComboFollowsAWidthChangeOfItsColumn) {
  Goto(2, 3);
  PressKey(VK_F2);
  ASSERT_TRUE(Combo()->Visible());
  g->SetColWidths(1, 100);
  Pump();
  ASSERT_TRUE(Combo()->Visible());
  EXPECT_EQ(Combo()->Left(), g->CellRect(2, 3).Left);
  PressKey(VK_ESCAPE);
}

TEST_F(ComboCellFixture, AnEditComboKeepsTypedTextThatIsNoItem) {
  g->SetCells(3, 2, "Read");
  Goto(3, 2);
  PressKey(VK_F2);
  ASSERT_TRUE(Combo()->Visible());
  EXPECT_EQ(Combo()->Text(), "Read");
  PressKey(VK_END);
  TypeText("ers");
  PressKey(VK_RETURN);
  EXPECT_EQ(g->Cells(3, 2), "Readers");
}

}  // namespace
