// The grid's mouse buttons, wheel, hints and column and row moves, driven
// by mouse messages on a shown grid: click, Shift-click and drag select,
// OnClickCell, links that open nothing unasked, disjunct cell selection,
// sorting on a header click, the header border double click, the right
// button, the wheel, the hint of a cell and the bookkeeping of moves.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "GridEditFixture.h"
#include "framework/controls/Menus.h"
#include "framework/os/Shell.h"
#include "grid/view/DivUzevHint.h"
#include "support/Responder.h"

namespace {

using namespace testinput;

struct GridMouseFixture : GridEditFixture {
  void SetUp() override {
    GridEditFixture::SetUp();
    g->SetOptions(g->Options() >> goEditing << goRangeSelect);
  }
  TGridCoord Cur() const { return TGridCoord(g->Col(), g->Row()); }
  TPoint Centre(int c, int r) { return CellCentre(c, r); }
};

// ---------------------------------------------------------------------------
// Selecting

TEST_F(GridMouseFixture, ClickShiftClickAndDragSelect) {
  std::vector<std::string> clicks;
  g->OnClickCell = [&](TObject*, int r, int c) {
    clicks.push_back(std::to_string(r) + "," + std::to_string(c) + " at " + std::to_string(g->Row()) + "," +
                     std::to_string(g->Col()));
  };
  ClickCell(2, 3);
  EXPECT_EQ(Cur(), TGridCoord(2, 3));
  EXPECT_EQ(clicks, std::vector<std::string>{"3,2 at 3,2"}) << "row first, after the move";
  TPoint p = Centre(4, 5);
  KeyDown(VK_SHIFT);
  Click(g, p.X, p.Y);
  KeyUp(VK_SHIFT);
  EXPECT_EQ(g->Selection(), TGridRect(2, 3, 4, 5));
  TPoint a = Centre(1, 2), b = Centre(3, 4);
  MouseDown(g, a.X, a.Y);
  MouseMove(g, b.X, b.Y);
  MouseUp(g, b.X, b.Y);
  EXPECT_EQ(g->Selection(), TGridRect(1, 2, 3, 4));
}

TEST_F(GridMouseFixture, ARefusedClickDoesNothingAndHeaderBordersFireNoClickCell) {
  int clicks = 0;
  g->OnClickCell = [&](TObject*, int, int) { ++clicks; };
  g->OnCanClickCell = [](TObject*, int, int c, bool& allow) { allow = c != 3; };
  Goto(1, 1);
  ClickCell(3, 4);
  EXPECT_EQ(Cur(), TGridCoord(1, 1));
  EXPECT_EQ(clicks, 0);
  g->OnCanClickCell = nullptr;
  g->SetOptions(g->Options() << goColSizing);
  const TRect r = g->CellRect(2, 0);
  Click(g, r.Right - 1, (r.Top + r.Bottom) / 2);
  EXPECT_EQ(clicks, 0);
  Click(g, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  EXPECT_EQ(clicks, 1);
}

TEST_F(GridMouseFixture, RowsAndColumnsFromTheFixedCells) {
  g->MouseActions()->SetRowSelect(true);
  g->MouseActions()->SetColSelect(true);
  g->MouseActions()->SetAllSelect(true);
  ClickCell(0, 3);
  EXPECT_EQ(g->Selection(), TGridRect(1, 3, 4, 3));
  ClickCell(2, 0);
  EXPECT_EQ(g->Selection(), TGridRect(2, 1, 2, 7));
  ClickCell(0, 0);
  EXPECT_EQ(g->Selection(), TGridRect(1, 1, 4, 7));
}

TEST_F(GridMouseFixture, DisjunctCellSelectionListsEachCellOnce) {
  g->MouseActions()->SetDisjunctCellSelect(true);
  ClickCell(1, 1);
  EXPECT_EQ(g->SelectedCellsCount(), 1);
  const TPoint p = Centre(2, 2);
  for (int i = 0; i < 2; ++i) {
    KeyDown(VK_SHIFT);
    Click(g, p.X, p.Y);
    KeyUp(VK_SHIFT);
  }
  int listed = 0;
  for (int i = 0; i < g->SelectedCellsCount(); ++i)
    if (g->GetSelectedCell(i) == TGridCoord(2, 2)) ++listed;
  EXPECT_EQ(listed, 1) << "a Shift-click twice lists the cell once";
  const TPoint q = Centre(3, 3);
  KeyDown(VK_CONTROL);
  Click(g, q.X, q.Y);
  EXPECT_TRUE(g->SelectedCells(3, 3));
  Click(g, q.X, q.Y);
  KeyUp(VK_CONTROL);
  EXPECT_FALSE(g->SelectedCells(3, 3)) << "Ctrl-click takes a selected cell off";
  ClickCell(4, 4);
  EXPECT_EQ(g->SelectedCellsCount(), 1);
  EXPECT_TRUE(g->SelectedCells(4, 4));
}

TEST_F(GridMouseFixture, SelectedRowsAndCountsWithoutDisjunctSelection) {
  g->SetSelection(TGridRect(1, 5, 3, 6));
  EXPECT_EQ(g->SelectedCellsCount(), 6);
  EXPECT_EQ(g->SelectedRowCount(), 2);
  EXPECT_EQ(g->SelectedColCount(), 3);
  g->SetSelection(TGridRect(1, 2, 1, 6));
  EXPECT_EQ(g->SelectedRow(2), 4);
  EXPECT_EQ(g->SelectedRow(5), -1);
}

// A merged cell at a corner of the selection counts with all its columns
// or rows.
TEST_F(GridMouseFixture, SelectedCountsTakeMergedCellsAtTheCorners) {
  g->MergeCells(3, 2, 2, 1);  // columns 3 and 4 of row 2
  g->MergeCells(1, 5, 1, 2);  // rows 5 and 6 of column 1
  struct TCase {
    TGridRect sel;
    int cols, rows;
  };
  const TCase cases[] = {
      {TGridRect(1, 2, 3, 2), 4, 1},  // ends on the merged cell's base
      {TGridRect(3, 2, 3, 2), 2, 1},  // inside the merged cell
      {TGridRect(1, 3, 2, 5), 2, 4},  // the bottom row ends on a merged cell
      {TGridRect(1, 5, 1, 5), 1, 2}, {TGridRect(1, 3, 2, 4), 2, 2},
  };
  for (const TCase& c : cases) {
    g->SetSelection(c.sel);
    EXPECT_EQ(g->SelectedColCount(), c.cols) << c.sel.Left << "," << c.sel.Top;
    EXPECT_EQ(g->SelectedRowCount(), c.rows) << c.sel.Left << "," << c.sel.Top;
  }
}

// ---------------------------------------------------------------------------
// Fixed cells

struct FixedDropDownFixture : GridMouseFixture {
  TDialogResponder responder;
  TPopupMenu* menu = nullptr;
  std::vector<std::string> log;
  void SetUp() override {
    GridMouseFixture::SetUp();
    g->ControlLook()->SetFixedDropDownButton(true);
    g->SetHoverFixedCells(hfAll);
    menu = new TPopupMenu(form);
    for (const char* item : {"Sort", "Hide"})
      menu->Add(item, [this, item](TObject*) {
        log.push_back(std::string(item) + " tag " + std::to_string(menu->Tag()) +
                      (g->FixedDropDownOpen() ? " open" : " closed"));
      });
  }
  // The drop-down button of header cell ACol.
  TPoint Button(int ACol) {
    const TRect r = g->CellRect(ACol, 0);
    return TPoint(r.Right - 8, (r.Top + r.Bottom) / 2);
  }
};

TEST_F(FixedDropDownFixture, TheButtonOfAHeaderCellPopsUpItsMenu) {
  g->SetFixedDropDownMenu(menu);
  const TGridRect sel = g->Selection();
  const TPoint b = Button(2);
  MouseMove(g, b.X, b.Y);
  responder.AnswerMenu(1);
  Click(g, b.X, b.Y);
  EXPECT_EQ(log, std::vector<std::string>{"Hide tag 2 open"});
  ASSERT_EQ(responder.Menus().size(), 1u);
  EXPECT_FALSE(g->FixedDropDownOpen());
  EXPECT_EQ(g->Selection(), sel) << "the press selects nothing";
  // A press beside the button is an ordinary one.
  const TRect r = g->CellRect(2, 0);
  Click(g, r.Left + 5, b.Y);
  EXPECT_EQ(responder.Menus().size(), 1u);
  // Without the look's button the menu stays closed.
  g->ControlLook()->SetFixedDropDownButton(false);
  Click(g, b.X, b.Y);
  EXPECT_EQ(responder.Menus().size(), 1u);
}

TEST_F(FixedDropDownFixture, TheHandlerChoosesTheMenuAndKeepsTheCellLit) {
  std::vector<std::string> asked;
  TPopupMenu* give = menu;
  bool keep = false;
  g->OnFixedDropDownClick = [&](TObject* Sender, int c, int r, TPopupMenu*& m, bool& k) {
    EXPECT_EQ(Sender, g);
    asked.push_back(std::to_string(c) + "," + std::to_string(r) + (m == nullptr ? " none" : " menu"));
    m = give;
    k = keep;
  };
  struct TCase {
    TPopupMenu* give;
    bool keep;
    size_t menus;
  };
  const TCase cases[] = {{menu, false, 1}, {nullptr, false, 0}, {menu, true, 1}};
  for (const TCase& c : cases) {
    give = c.give;
    keep = c.keep;
    asked.clear();
    const size_t before = responder.Menus().size();
    const TPoint b = Button(3);
    MouseMove(g, b.X, b.Y);
    responder.AnswerMenu(0);
    Click(g, b.X, b.Y);
    EXPECT_EQ(asked, std::vector<std::string>{"3,0 none"});
    EXPECT_EQ(responder.Menus().size() - before, c.menus);
    // Kept lit: the hovered fixed cell no longer follows the mouse until
    // the highlight is reset.
    const TPoint other = CellCentre(1, 0);
    MouseMove(g, other.X, other.Y);
    EXPECT_EQ(g->HoveredFixedCell() == TGridCoord(1, 0), !c.keep);
    g->ResetFixedCellHighlight();
  }
}

TEST_F(GridMouseFixture, AHoveredHeaderCellShowsItsPressedLookWhileTheButtonIsDown) {
  g->SetHoverFixedCells(hfAll);
  const TPoint p = CellCentre(2, 0);
  MouseMove(g, p.X, p.Y);
  ASSERT_EQ(g->HoveredFixedCell(), TGridCoord(2, 0));
  EXPECT_FALSE(g->MouseButtonDown());
  MouseDown(g, p.X, p.Y);
  EXPECT_TRUE(g->MouseButtonDown()) << "the cell paints the pressed gradient";
  MouseUp(g, p.X, p.Y);
  EXPECT_FALSE(g->MouseButtonDown());
}

// ---------------------------------------------------------------------------
// Links

TEST_F(GridMouseFixture, ALinkOpensOnlyWhenAskedAndOnlyForWebAndMail) {
  std::vector<std::string> opened;
  SetUrlOpener([&](const std::string& u) {
    opened.push_back(u);
    return true;
  });
  g->SetURLShow(true);
  struct Case {
    const char* text;
    bool openLinks;
    bool opens;
  };
  const Case cases[] = {
      {"https://example.com/x", false, false}, {"https://example.com/x", true, true},
      {"mailto:a@example.com", true, true},    {"file:///bin/sh", true, false},
      {"ftp://host/file", true, false},
  };
  for (const Case& c : cases) {
    opened.clear();
    g->SetOpenLinks(c.openLinks);
    g->SetCells(2, 3, c.text);
    ClickCell(2, 3);
    EXPECT_EQ(opened.size(), c.opens ? 1u : 0u) << c.text << " " << c.openLinks;
  }
  // The application decides per click.
  opened.clear();
  g->SetOpenLinks(false);
  std::string anchor;
  g->OnAnchorClick = [&](TObject*, int, int, const std::string& a, bool& autoHandle) {
    anchor = a;
    autoHandle = true;
  };
  g->SetCells(2, 3, "http://example.com");
  ClickCell(2, 3);
  EXPECT_EQ(anchor, "http://example.com");
  EXPECT_EQ(opened, std::vector<std::string>{"http://example.com"});
  // A cell link moves to its cell.
  g->SetCells(2, 3, "cell://R6C3");
  ClickCell(2, 3);
  EXPECT_EQ(Cur(), TGridCoord(3, 6));
  SetUrlOpener(nullptr);
}

// ---------------------------------------------------------------------------
// Header clicks, double clicks, right button

TEST_F(GridMouseFixture, AHeaderClickSortsAndTheThirdClickUndoes) {
  g->SortSettings()->SetShow(true);
  g->SortSettings()->SetUndoSort(true);
  g->SortSettings()->SetColumn(-1);
  std::vector<int> sorted;
  g->OnClickSort = [&](TObject*, int c) { sorted.push_back(c); };
  ClickCell(2, 0);
  EXPECT_EQ(g->SortSettings()->Column(), 2);
  EXPECT_EQ(g->SortSettings()->Direction(), sdAscending);
  ClickCell(2, 0);
  EXPECT_EQ(g->SortSettings()->Direction(), sdDescending);
  ClickCell(2, 0);
  EXPECT_EQ(g->SortSettings()->Column(), -1) << "back to the unsorted order";
  EXPECT_EQ(sorted, (std::vector<int>{2, 2, -1}));
  g->OnCanSort = [](TObject*, int, bool& doSort) { doSort = false; };
  ClickCell(3, 0);
  EXPECT_EQ(sorted.size(), 3u);
  // A press on one header and a release on a data row sorts nothing.
  g->OnCanSort = nullptr;
  const TPoint a = Centre(3, 0), b = Centre(3, 2);
  MouseDown(g, a.X, a.Y);
  MouseUp(g, b.X, b.Y);
  EXPECT_EQ(sorted.size(), 3u);
}

TEST_F(GridMouseFixture, ADoubleClickOnAHeaderBorderAutoSizesAndDoesNotSort) {
  g->SetOptions(g->Options() << goColSizing);
  g->SortSettings()->SetShow(true);
  g->SetCells(2, 4, "a rather long text that needs a wide column");
  std::vector<std::string> seen;
  g->OnColumnSize = [&](TObject*, int c, bool&) { seen.push_back("size " + std::to_string(c)); };
  g->OnEndColumnSize = [&](TObject*, int c) { seen.push_back("end " + std::to_string(c)); };
  g->OnClickSort = [&](TObject*, int c) { seen.push_back("sort " + std::to_string(c)); };
  const int before = g->ColWidths(2);
  const TRect r = g->CellRect(2, 0);
  DoubleClick(g, r.Right - 1, (r.Top + r.Bottom) / 2);
  EXPECT_GT(g->ColWidths(2), before);
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back(), "end 2");
  for (const std::string& s : seen) EXPECT_EQ(s.rfind("sort", 0), std::string::npos) << s;
  // A double click on a data cell reports the cell.
  std::vector<std::string> dbl;
  g->OnDblClickCell = [&](TObject*, int rr, int c) {
    dbl.push_back(std::to_string(rr) + "," + std::to_string(c));
  };
  const TPoint p = Centre(1, 4);
  DoubleClick(g, p.X, p.Y);
  EXPECT_EQ(dbl, std::vector<std::string>{"4,1"});
}

TEST_F(GridMouseFixture, ARightClickSelectsWhenAskedAndReportsTheCell) {
  std::vector<std::string> seen;
  g->OnRightClickCell = [&](TObject*, int r, int c) {
    seen.push_back(std::to_string(r) + "," + std::to_string(c) + " at " + std::to_string(g->Row()));
  };
  Goto(1, 1);
  ClickCell(3, 4);
  const TPoint p = Centre(2, 5);
  Click(g, p.X, p.Y, mbRight);
  EXPECT_EQ(Cur(), TGridCoord(3, 4)) << "without SelectOnRightClick the cell stays";
  g->MouseActions()->SetSelectOnRightClick(true);
  Click(g, p.X, p.Y, mbRight);
  EXPECT_EQ(Cur(), TGridCoord(2, 5));
  EXPECT_EQ(seen, (std::vector<std::string>{"5,2 at 4", "5,2 at 5"}));
}

// ---------------------------------------------------------------------------
// Wheel

TEST_F(GridMouseFixture, TheWheelMovesTheRowByTheLinesOfANotchOrScrolls) {
  g->SetRowCount(40);
  Goto(2, 1);
  const int lines = g->WheelScrollLines();
  Wheel(g, -120);
  EXPECT_EQ(g->Row(), 1 + lines);
  Wheel(g, 120);
  EXPECT_EQ(g->Row(), 1);
  for (int i = 0; i < 20; ++i) Wheel(g, -120);
  EXPECT_EQ(g->Row(), 39) << "stops at the last row";
  g->MouseActions()->SetWheelAction(waScroll);
  g->SetTopRow(1);
  Goto(2, 2);
  Wheel(g, -120);
  EXPECT_EQ(g->TopRow(), 1 + lines);
  EXPECT_EQ(g->Row(), 2);
  // The form's own handler answers first.
  form->OnMouseWheel = [](TObject*, TShiftState, int, TPoint, bool& handled) { handled = true; };
  Wheel(g, -120);
  EXPECT_EQ(g->TopRow(), 1 + lines);
  form->OnMouseWheel = nullptr;
  g->SetEnableWheel(false);
  Wheel(g, -120);
  EXPECT_EQ(g->TopRow(), 1 + lines);
}

// Panning: the pointer's place against where the middle button went down
// sets the cursor and the way the current cell moves each tick; the mark of
// the ways sits at the start point until panning ends; a key ends it and is
// still handled.
TEST_F(GridMouseFixture, TheMiddleButtonPansByThePointersPlaceUntilAKey) {
  TTestClock clock;
  g->SetRowCount(40);
  g->SetColCount(12);
  g->SetIntelliPan(ipBoth);
  g->SetShowHint(true);
  Goto(5, 10);
  const TPoint p = Centre(5, 10);
  MouseDown(g, p.X, p.Y, mbMiddle);
  MouseUp(g, p.X, p.Y, mbMiddle);
  ASSERT_TRUE(g->WheelPanning());
  EXPECT_EQ(g->Cursor(), 8000);
  EXPECT_FALSE(g->ShowHint()) << "no hints while panning";
  // The mark: its middle is dark, its ground white (the picture of the
  // grid has its border around the client area).
  const TPoint mark(g->WheelPanPos().X + g->NonClientInsets().Left,
                    g->WheelPanPos().Y + g->NonClientInsets().Top);
  {
    std::unique_ptr<TBitmap> shot = g->GrabToBitmap();
    EXPECT_EQ(shot->Canvas()->Pixels(mark.X + 12, mark.Y + 12), static_cast<TColor>(0x404040));
    EXPECT_EQ(shot->Canvas()->Pixels(mark.X, mark.Y), clWhite);
  }
  struct TCase {
    int dx, dy;
    TCursor cursor;
    int col, row;  // after one tick, from (5, 10)
  };
  const TCase cases[] = {
      {3, -5, 8000, 5, 10}, {6, 6, 8007, 6, 11},  {0, 8, 8001, 5, 11},
      {-8, 0, 8002, 4, 10}, {8, 0, 8003, 6, 10},  {0, -8, 8004, 5, 9},
      {7, -7, 8005, 6, 9},  {-7, -7, 8006, 4, 9}, {-7, 7, 8008, 4, 11},
  };
  for (const TCase& c : cases) {
    g->SetCol(5);
    g->SetRow(10);
    MouseMove(g, p.X + c.dx, p.Y + c.dy);
    clock.Advance(10);
    EXPECT_EQ(g->Cursor(), c.cursor) << c.dx << "," << c.dy;
    EXPECT_EQ(g->Col(), c.col) << c.dx << "," << c.dy;
    EXPECT_EQ(g->Row(), c.row) << c.dx << "," << c.dy;
  }
  // A key ends panning and is handled as ever.
  g->SetCol(5);
  g->SetRow(10);
  MouseMove(g, p.X, p.Y);
  PressKey(VK_RIGHT);
  EXPECT_FALSE(g->WheelPanning());
  EXPECT_EQ(g->Col(), 6);
  EXPECT_TRUE(g->ShowHint()) << "the hints are back";
  EXPECT_NE(g->Cursor(), 8000);
  std::unique_ptr<TBitmap> shot = g->GrabToBitmap();
  EXPECT_NE(shot->Canvas()->Pixels(mark.X + 12, mark.Y + 12), static_cast<TColor>(0x404040)) << "mark gone";
}

TEST_F(GridMouseFixture, PanningOneWayIgnoresTheOther) {
  TTestClock clock;
  g->SetRowCount(40);
  g->SetColCount(12);
  Goto(5, 10);
  const TPoint p = Centre(5, 10);
  for (TIntelliPan pan : {ipVertical, ipHorizontal}) {
    g->SetIntelliPan(pan);
    MouseDown(g, p.X, p.Y, mbMiddle);
    MouseUp(g, p.X, p.Y, mbMiddle);
    ASSERT_TRUE(g->WheelPanning());
    MouseMove(g, p.X + 9, p.Y + 9);
    clock.Advance(10);
    EXPECT_EQ(g->Cursor(), pan == ipVertical ? 8001 : 8003);
    EXPECT_EQ(g->Col(), pan == ipVertical ? 5 : 6);
    EXPECT_EQ(g->Row(), pan == ipVertical ? 11 : 10);
    // Any button ends it.
    MouseDown(g, p.X, p.Y, mbMiddle);
    MouseUp(g, p.X, p.Y, mbMiddle);
    EXPECT_FALSE(g->WheelPanning());
    Goto(5, 10);
  }
}

// ---------------------------------------------------------------------------
// Moves

TEST_F(GridMouseFixture, MovingAColumnCarriesTheSortColumnHiddenColumnsAndASyncedGrid) {
  for (int c = 0; c < 5; ++c) g->SetCells(c, 2, "c" + std::to_string(c));
  struct Case {
    int sortCol, from, to, after;
  };
  const Case cases[] = {{2, 2, 4, 4}, {3, 1, 4, 2}, {3, 4, 3, 4}, {1, 3, 2, 1}};
  for (const Case& c : cases) {
    g->SortSettings()->SetColumn(c.sortCol);
    g->MoveColumn(c.from, c.to);
    EXPECT_EQ(g->SortSettings()->Column(), c.after) << c.from << ">" << c.to;
    g->MoveColumn(c.to, c.from);
  }
  // With a hidden column the cells move by real column.
  g->HideColumn(2);
  g->MoveColumn(1, 3);  // real 1 to real 4
  EXPECT_EQ(g->GetCellsEx(4, 2), "c1");
  EXPECT_TRUE(g->IsHiddenColumn(1)) << "the hidden column slid one place left";
  g->UnHideColumn(1);
  EXPECT_EQ(g->Cells(1, 2), "c2");
  EXPECT_EQ(g->Cells(4, 2), "c1");

  auto* other = new TDedAdararAdoz(form);
  other->SetParent(form);
  other->SetColCount(5);
  for (int c = 0; c < 5; ++c) other->SetCells(c, 1, "o" + std::to_string(c));
  g->SyncGrid()->SetGrid(other);
  g->SyncGrid()->SetMoveColumn(true);
  other->SyncGrid()->SetGrid(g);
  other->SyncGrid()->SetMoveColumn(true);
  g->MoveColumn(1, 2);
  EXPECT_EQ(other->Cells(2, 1), "o1") << "moved exactly once";
  EXPECT_EQ(other->Cells(1, 1), "o2");
  g->SyncGrid()->SetGrid(nullptr);
  other->SyncGrid()->SetGrid(nullptr);
}

TEST_F(GridMouseFixture, NoRowMovesOntoTheFloatingFooter) {
  for (int r = 1; r < 8; ++r) g->SetCells(1, r, "r" + std::to_string(r));
  g->FloatingFooter()->SetVisible(true);
  g->MoveRow(3, 7);
  EXPECT_EQ(g->Cells(1, 3), "r3");
  EXPECT_EQ(g->Cells(1, 7), "r7");
  g->MoveRow(3, 5);
  EXPECT_EQ(g->Cells(1, 5), "r3");
}

// ---------------------------------------------------------------------------
// Hints

TEST_F(GridMouseFixture, TheHintOfACellSaysWhatTheSettingsAsk) {
  g->SetCells(2, 3, "<b>bold</b> text");
  g->SetCells(3, 3, "short");
  TDedAdararAdoz::TCellHintInfo h;
  const TPoint p = Centre(2, 3);
  EXPECT_TRUE(g->PrepareCellHint(p, h));
  EXPECT_EQ(h.Text, "");
  g->SetHintShowCells(true);
  EXPECT_TRUE(g->PrepareCellHint(p, h));
  EXPECT_EQ(h.Text, "bold text") << "tags taken out";
  EXPECT_EQ(h.Pos.Y, g->CellRect(2, 3).Top);
  g->SetHTMLHint(true);
  g->PrepareCellHint(p, h);
  EXPECT_EQ(h.Text, "<b>bold</b> text");
  EXPECT_TRUE(h.Markup);
  g->OnGridHint = [](TObject*, int r, int c, std::string& s) {
    s += " @" + std::to_string(r) + std::to_string(c);
  };
  g->PrepareCellHint(p, h);
  EXPECT_EQ(h.Text, "<b>bold</b> text @32");
  // A text that fits its cell gets only the application's hint.
  g->SetHintShowCells(false);
  g->SetHintShowLargeText(true);
  h.Text.clear();
  g->PrepareCellHint(Centre(3, 3), h);
  EXPECT_EQ(h.Text, " @33");
  g->SetCells(3, 3, "a text far too long to fit into a cell of sixty-four pixels");
  h.Text.clear();
  g->PrepareCellHint(Centre(3, 3), h);
  EXPECT_EQ(h.Pos, TPoint(g->CellRect(3, 3).Left, g->CellRect(3, 3).Top));
  EXPECT_EQ(h.Text, "a text far too long to fit into a cell of sixty-four pixels @33");
}

TEST_F(GridMouseFixture, TheMarkupHintWindowDrawsGridHintsAndPassesOthersOn) {
  THTMLHintWindow w(form);
  const TRect plain = w.CalcHintRect(300, "<b>x</b>", nullptr);
  const TRect markup = w.CalcHintRect(300, "<b>x</b>", g);
  EXPECT_LT(markup.Width(), plain.Width()) << "the tags are not text";
  w.ActivateHintData(TRect(10, 10, 100, 30), "<b>x</b>", g);
  EXPECT_TRUE(w.Drawn());
  w.ActivateHintData(TRect(10, 10, 100, 30), "plain", nullptr);
  EXPECT_FALSE(w.Drawn());
  // A plain hint keeps a frame, so it stands out over any background.
  const auto grab = w.GrabToBitmap();
  const TColor frame = ColorToRGB(clWindowFrame);
  for (const TPoint& p : {TPoint(0, 0), TPoint(45, 0), TPoint(0, 10), TPoint(89, 19), TPoint(45, 19)})
    EXPECT_EQ(grab->Canvas()->Pixels(p.X, p.Y), frame) << p.X << "," << p.Y;
  EXPECT_NE(grab->Canvas()->Pixels(45, 10), frame);
  w.ReleaseHandle();
}

}  // namespace

namespace {

using namespace testinput;

TEST_F(GridMouseFixture, ButtonsRatingsAndHeaderButtonsByTheMouse) {
  g->SetOptions(g->Options() << goEditing);
  std::vector<std::string> seen;
  g->OnButtonClick = [&](TObject*, int c, int r) {
    seen.push_back("button " + std::to_string(c) + "," + std::to_string(r));
  };
  g->AddButton(3, 2, 40, 16, "Go", haLeft, vaFull);
  g->Invalidate();
  Pump();
  const TRect br = g->GetCellButtonRect(3, 2);
  ASSERT_FALSE(br.Width() <= 0) << "the painter placed the button";
  Click(g, br.Left + br.Width() / 2, br.Top + br.Height() / 2);
  EXPECT_EQ(seen, std::vector<std::string>{"button 3,2"}) << "the release clicks it";
  EXPECT_EQ(g->PushedCellButton(), TGridCoord(-1, -1));

  g->AddRating(2, 4, 5, clYellow, clGray);
  double proposed = -1;
  g->OnRatingChange = [&](TObject*, int, int, double& rate, bool&) { proposed = rate; };
  const TRect rr = g->CellRect(2, 4);
  Click(g, rr.Left + 27, (rr.Top + rr.Bottom) / 2);
  EXPECT_DOUBLE_EQ(proposed, 1.5);
  EXPECT_DOUBLE_EQ(g->Floats(2, 4), 1.5);

  // Header cells drawn as buttons report a button click when released.
  seen.clear();
  g->SetFixedAsButtons(true);
  ClickCell(2, 0);
  EXPECT_EQ(seen, std::vector<std::string>{"button 2,0"});
}

// Ctrl+wheel zooms instead of scrolling: the font grows by the lines of a
// notch and the cells grow so that their zoomed text fits; a column of
// empty cells keeps its room; Ctrl+wheel up zooms back out.
TEST_F(GridMouseFixture, CtrlWheelZoomsTheFontAndTheCellsGrowToFit) {
  UINT lines = 3;
  SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  g->SetRowCount(40);
  g->SetCells(2, 3, "Pumpenstation Nord");
  g->SetCells(1, 0, "Header");
  Goto(2, 5);
  const int emptyWidth = g->ColWidths(4);
  KeyDown(VK_CONTROL);
  Wheel(g, -120);
  KeyUp(VK_CONTROL);
  EXPECT_EQ(g->ZoomFactor(), static_cast<int>(lines));
  EXPECT_EQ(g->Row(), 5) << "no scrolling";
  EXPECT_EQ(g->TopRow(), 1);
  TBitmap measure;
  TCanvas* c = measure.Canvas();
  c->Font()->Assign(g->Font());
  c->Font()->SetSize(g->Font()->Size() + g->ZoomFactor());
  EXPECT_GE(g->ColWidths(2), c->TextWidth("Pumpenstation Nord") + 4);
  EXPECT_GE(g->RowHeights(3), c->TextHeight("Pg") + 4);
  c->Font()->Assign(g->FixedFont());
  c->Font()->SetSize(g->FixedFont()->Size() + g->ZoomFactor());
  EXPECT_GE(g->RowHeights(0), c->TextHeight("Header") + 4) << "the header too";
  EXPECT_GE(g->ColWidths(4), emptyWidth) << "an empty column keeps its room";
  KeyDown(VK_CONTROL);
  Wheel(g, 120);
  KeyUp(VK_CONTROL);
  EXPECT_EQ(g->ZoomFactor(), 0);
}

TEST_F(GridMouseFixture, TheHintMessageCarriesTheCellHint) {
  g->SetHintShowCells(true);
  g->SetCells(2, 3, "Pump <i>7</i>");
  THintInfo info;
  info.HintControl = g;
  info.CursorPos = CellCentre(2, 3);
  EXPECT_EQ(g->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)), 0);
  EXPECT_EQ(info.HintStr, "Pump 7");
  EXPECT_EQ(info.HintColor, g->HintColor());
  EXPECT_EQ(info.CursorRect, g->CellRect(2, 3)) << "asked again in another cell";
  EXPECT_EQ(info.HintData, nullptr);
  g->SetHTMLHint(true);
  g->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.HintData, static_cast<void*>(g)) << "markup goes to the markup window";
}

}  // namespace

namespace {

using namespace testinput;

TEST_F(GridMouseFixture, AColumnBorderReleasedOutsideTheGridKeepsItsWidth) {
  g->SetOptions(g->Options() << goColSizing);
  const int before = g->ColWidths(4);
  const TRect r = g->CellRect(4, 0);
  const int y = (r.Top + r.Bottom) / 2;
  MouseDown(g, r.Right, y);
  MouseMove(g, g->Width() + 40, y);
  MouseUp(g, g->Width() + 40, y);
  EXPECT_EQ(g->ColWidths(4), before);
  EXPECT_EQ(g->GridState(), gsNormal);
  MouseDown(g, r.Right, y);
  MouseMove(g, r.Right + 20, y);
  MouseUp(g, r.Right + 20, y);
  EXPECT_GT(g->ColWidths(4), before) << "inside the grid the border is dragged";
}

}  // namespace
