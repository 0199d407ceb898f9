// Scroll bars that stay, proportional thumbs, scroll hints, the overlay
// bars, drag scrolling, column stretch and the end of a user's sizing.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "framework/controls/Forms.h"
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzevScrollControl.h"
#include "support/Input.h"

namespace {

using testinput::Pump;

// A borderless grid on a shown form; rows 20 pixels high (the grid draws
// its lines inside the cells), so that a client 420 pixels high shows one
// fixed and 20 rows.
struct GridOnForm : ::testing::Test {
  TForm* form = nullptr;
  TDedAdararAdoz* g = nullptr;
  void SetUp() override {
    form = testinput::NewPointerForm(700, 600);
    g = new TDedAdararAdoz(form);
    g->SetParent(form);
    g->SetBorderStyle(bsNone);
    g->SetDefaultRowHeight(20);
    g->SetBounds(0, 0, 400, 420);
    testinput::ShowForm(form);
  }
  void TearDown() override { testinput::FreePointerForm(form); }
};

using DivUzevScrollBars = GridOnForm;

TEST_F(DivUzevScrollBars, ABarThatStaysIsShownDisabledUntilTheRowsNoLongerFit) {
  g->SetScrollBars(ssVertical);
  g->SetRowCount(3);
  g->SetScrollBarAlways(saVert);
  EXPECT_TRUE(g->ScrollBarState(SB_VERT).Visible);
  EXPECT_FALSE(g->ScrollBarState(SB_VERT).Enabled);
  g->SetRowCount(100);
  EXPECT_TRUE(g->ScrollBarState(SB_VERT).Visible);
  EXPECT_TRUE(g->ScrollBarState(SB_VERT).Enabled);
}

TEST_F(DivUzevScrollBars, ProportionalThumbFollowsTheVisibleFraction) {
  g->SetScrollBars(ssHorizontal);
  g->SetColCount(10);
  g->SetFixedCols(0);
  g->SetRowCount(3);
  g->SetDefaultColWidth(64);
  ASSERT_EQ(g->ClientWidth(), 400);
  // F = 1, S = 651, e = 0.613: the thumb covers about that much of the track.
  g->SetScrollProportional(true);
  TScrollInfo si;
  si.fMask = SIF_ALL;
  g->GetScrollInfo(SB_HORZ, si);
  EXPECT_EQ(si.nMax, 330);
  EXPECT_EQ(si.nPage, 204u);

  // Everything fitting leaves the information as the framework set it.
  g->SetScrollProportional(false);
  g->SetDefaultColWidth(30);
  TScrollInfo before;
  before.fMask = SIF_ALL;
  g->GetScrollInfo(SB_HORZ, before);
  g->SetScrollProportional(true);
  g->GetScrollInfo(SB_HORZ, si);
  EXPECT_EQ(si.nMax, before.nMax);
  EXPECT_EQ(si.nPage, before.nPage);
}

TEST_F(DivUzevScrollBars, AThumbDragShowsTheTargetRowAndMayFollowIt) {
  g->SetRowCount(100);
  ASSERT_EQ(g->VisibleRowCount(), 20);
  g->SetScrollHints(shVertical);
  std::vector<int> asked;
  g->OnScrollHint = [&](TObject*, int row, std::string&) { asked.push_back(row); };
  g->Perform(WM_VSCROLL, MakeWParam(SB_THUMBTRACK, 64), 0);
  ASSERT_NE(g->ScrollHintWindow(), nullptr);
  EXPECT_TRUE(g->ScrollHintWindow()->Active());
  EXPECT_EQ(g->ScrollHintWindow()->HintText(), "Row : 41");
  EXPECT_EQ(asked.front(), 41);
  g->Perform(WM_VSCROLL, MakeWParam(SB_ENDSCROLL, 0), 0);
  EXPECT_FALSE(g->ScrollHintWindow()->Active());

  // The application may change the text.
  g->OnScrollHint = [](TObject*, int row, std::string& text) { text = "to " + std::to_string(row); };
  int target = 0;
  EXPECT_EQ(g->ScrollHintText(true, 127, target), "to 80");

  g->SetScrollSynch(true);
  g->Perform(WM_VSCROLL, MakeWParam(SB_THUMBTRACK, 64), 0);
  EXPECT_EQ(g->TopRow(), 41);
}

TEST_F(DivUzevScrollBars, TheOverlayBarsReplaceTheWindowBarsAndGoAgain) {
  g->SetRowCount(100);
  g->SetScrollType(ssMetro);
  ASSERT_NE(g->VScrollControl(), nullptr);
  ASSERT_NE(g->HScrollControl(), nullptr);
  EXPECT_EQ(g->VScrollControl()->Width(), 6);
  EXPECT_EQ(g->HScrollControl()->Height(), 6);
  EXPECT_EQ(g->ScrollBars(), ssNone);
  g->SetScrollType(ssNormal);
  EXPECT_EQ(g->VScrollControl(), nullptr);
  EXPECT_EQ(g->ScrollBars(), ssBoth);
}

TEST_F(DivUzevScrollBars, TheOverlayThumbKeepsItsSizeAndStaysOnTheBar) {
  g->SetScrollBars(ssNone);
  g->SetRowCount(1000);
  ASSERT_EQ(g->VisibleRowCount(), 20);
  auto* bar = new TScrollControl(g);
  bar->SetParent(g);
  // A track of 300 pixels below the fixed row.
  bar->SetBounds(394, 0, 6, 320);
  int start = 0, length = 0;
  ASSERT_TRUE(bar->ThumbRect(start, length));
  EXPECT_EQ(length, 20);
  EXPECT_EQ(start, 20);
  g->SetTopRow(980);
  ASSERT_TRUE(bar->ThumbRect(start, length));
  EXPECT_EQ(start + length, 320);

  // Paging up from the first scrollable row stays there; paging down moves a
  // page; a drag on the thumb follows the mouse.
  g->SetTopRow(1);
  testinput::Click(bar, 3, 5);
  EXPECT_EQ(g->TopRow(), 1);
  testinput::Click(bar, 3, 200);
  EXPECT_EQ(g->TopRow(), 21);
  ASSERT_TRUE(bar->ThumbRect(start, length));
  testinput::MouseDown(bar, 3, start + 5);
  testinput::MouseMove(bar, 3, start + 5 + 30);
  testinput::MouseUp(bar, 3, start + 5 + 30);
  EXPECT_EQ(g->TopRow(), 21 + 100);
}

TEST_F(DivUzevScrollBars, DraggingNearAnEdgeScrollsAfterTheDelaysUntilTheEnd) {
  testinput::TTestClock clock;
  g->SetRowCount(100);
  g->SetTopRow(4);
  TDragScrollOptions* o = g->DragScrollOptions();
  o->SetActive(true);
  o->Margins()->SetTopMargin(10);
  bool accept = true;
  g->HandleDragOver(nullptr, 200, 5, 2, accept);
  EXPECT_TRUE(g->DragScrollRunning());
  EXPECT_EQ(g->DragScrollDirection(), 1);
  clock.Advance(999);
  EXPECT_EQ(g->TopRow(), 4);
  clock.Advance(1);
  EXPECT_EQ(g->TopRow(), 3);
  EXPECT_EQ(g->DragScrollInterval(), 250);
  for (int i = 0; i < 10; ++i) clock.Advance(250);
  EXPECT_EQ(g->TopRow(), g->FixedRows());

  // A handler may refuse; leaving the grid stops the timer.
  g->SetTopRow(10);
  g->OnDragScroll = [](TObject*, int, int, int&, bool& can) { can = false; };
  clock.Advance(250);
  EXPECT_EQ(g->TopRow(), 10);
  g->HandleDragOver(nullptr, 200, 5, 1, accept);
  EXPECT_FALSE(g->DragScrollRunning());
  // Away from the edges nothing runs.
  g->HandleDragOver(nullptr, 200, 200, 2, accept);
  EXPECT_FALSE(g->DragScrollRunning());
}

using DivUzevColumnStretch = GridOnForm;

TEST_F(DivUzevColumnStretch, TheStretchedColumnFillsTheClientWidth) {
  g->SetScrollBars(ssNone);
  g->SetBounds(0, 0, 300, 200);
  g->SetColCount(3);
  g->SetDefaultColWidth(64);
  g->ColumnSize()->SetStretch(true);
  EXPECT_EQ(g->ColWidths(2), 300 - 128 - 1);
  // Narrower columns leave more room to it.
  g->SetColWidths(1, 30);
  EXPECT_EQ(g->ColWidths(2), 300 - 94 - 1);
  // Columns that fill the width already give the stretched one the default.
  g->SetColWidths(0, 290);
  EXPECT_EQ(g->ColWidths(2), 64);

  // The grid's own error, which a handler of the framework's errors sees.
  EXPECT_THROW(g->StretchColumn(3), EDivUzevError);
  try {
    g->StretchColumn(3);
    ADD_FAILURE() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Stretch column index out of range");
  }
}

TEST_F(DivUzevColumnStretch, AUsersSizingScalesTheOthersAndEndsWithTheEvents) {
  g->SetColCount(5);
  g->SetRowCount(4);
  g->SetDefaultColWidth(50);
  g->SetOptions(g->Options() << goColSizing);
  g->MouseActions()->SetAllColumnSize(true);
  std::vector<int> ended;
  g->OnEndColumnSize = [&](TObject*, int c) { ended.push_back(c); };
  const TRect r = g->CellRect(2, 0);
  testinput::MouseDown(g, r.Right, 5);
  testinput::MouseMove(g, r.Right + 50, 5);
  testinput::MouseUp(g, r.Right + 50, 5);
  const int w = g->ColWidths(2);
  EXPECT_NEAR(w, 100, 2);
  EXPECT_EQ(g->ColWidths(0), 50);
  for (int c : {1, 3, 4}) EXPECT_EQ(g->ColWidths(c), w) << c;
  EXPECT_EQ(ended, std::vector<int>{2});

  // The application's width wins over the dragged one.
  g->MouseActions()->SetAllColumnSize(false);
  g->OnUpdateColumnSize = [](TObject*, int, int& width) { width = 80; };
  ended.clear();
  const TRect r1 = g->CellRect(1, 0);
  testinput::MouseDown(g, r1.Right, 5);
  testinput::MouseMove(g, r1.Right + 20, 5);
  testinput::MouseUp(g, r1.Right + 20, 5);
  EXPECT_EQ(g->ColWidths(1), 80);
  EXPECT_EQ(ended, std::vector<int>{1});
}

TEST_F(DivUzevColumnStretch, ASizingBorderIsNearAFixedRowsColumnEdge) {
  g->SetColCount(4);
  g->SetRowCount(4);
  const TRect r = g->CellRect(2, 0);
  g->SetOptions(g->Options() << goColSizing);
  EXPECT_TRUE(g->IsOnSizingBorder(r.Right + 3, 5));
  EXPECT_FALSE(g->IsOnSizingBorder((r.Left + r.Right) / 2, 5));
  g->SetOptions(g->Options() >> goColSizing);
  EXPECT_FALSE(g->IsOnSizingBorder(r.Right + 3, 5));
}

}  // namespace
