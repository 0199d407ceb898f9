// Tree nodes and the row keys through the mouse and keys on a shown grid:
// a press on a node's glyph expands or contracts it (its Before event may
// refuse), Right and Left open and close a node whose current cell is
// merged, and the Insert and Delete keys work with the filter off and put
// it back after.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridEditFixture.h"

namespace {

using namespace testinput;

struct NodeInputFixture : GridEditFixture {
  void SetUp() override {
    GridEditFixture::SetUp();
    g->SetOptions(g->Options() >> goEditing);
    for (int r = 1; r < 8; ++r) g->SetCellEx(2, r, "v" + std::to_string(r));
    g->AddNode(2, 3);  // rows 2 to 4
  }
  void ClickGlyph(int Row) {
    const TRect r = g->CellRect(0, Row);
    Click(g, r.Left + 8, r.Top + r.Height() / 2);
  }
};

TEST_F(NodeInputFixture, APressOnTheGlyphTogglesTheNodeAndTheBeforeEventMayRefuse) {
  std::vector<std::string> events;
  bool allow = true;
  g->OnBeforeContractNode = [&](TObject*, int r, int real, bool& a) {
    events.push_back("before contract " + std::to_string(r) + "," + std::to_string(real));
    a = allow;
  };
  g->OnContractNode = [&](TObject*, int r, int) { events.push_back("contract " + std::to_string(r)); };
  g->OnExpandNode = [&](TObject*, int r, int) { events.push_back("expand " + std::to_string(r)); };
  g->OnClickCell = [&](TObject*, int r, int c) {
    events.push_back("click " + std::to_string(r) + "," + std::to_string(c));
  };
  const int rows = g->RowCount();
  ClickGlyph(2);
  EXPECT_EQ(g->RowCount(), rows - 2);
  EXPECT_TRUE(g->GetNodeState(2));
  ClickGlyph(2);
  EXPECT_EQ(g->RowCount(), rows);
  EXPECT_EQ(events, (std::vector<std::string>{"click 2,0", "before contract 2,2", "contract 2", "click 2,0",
                                              "expand 2"}));
  allow = false;
  ClickGlyph(2);
  EXPECT_EQ(g->RowCount(), rows) << "refused";
  EXPECT_FALSE(g->GetNodeState(2));
}

TEST_F(NodeInputFixture, RightAndLeftOpenAndCloseANodeWhoseCellIsMerged) {
  g->MergeCells(1, 2, 3, 1);
  g->FocusCell(1, 2);
  const int rows = g->RowCount();
  PressKey(VK_LEFT);
  EXPECT_EQ(g->RowCount(), rows - 2);
  PressKey(VK_RIGHT);
  EXPECT_EQ(g->RowCount(), rows);
  // On an unmerged cell the arrows only move.
  g->SplitCells(1, 2);
  g->FocusCell(2, 2);
  PressKey(VK_LEFT);
  EXPECT_EQ(g->RowCount(), rows);
}

TEST_F(NodeInputFixture, InsertAndDeleteKeysWorkWithTheFilterOffAndPutItBack) {
  g->RemoveAllNodes();
  g->Navigation()->SetAllowInsertRow(true);
  g->Navigation()->SetAllowDeleteRow(true);
  g->Navigation()->SetInsertPosition(pInsertAfter);
  TFilterData* f = g->Filter()->Add();
  f->SetColumn(2);
  f->SetCondition("v1");
  g->SetFilterActive(true);
  const int shown = g->RowCount();
  g->FocusCell(2, 1);
  PressKey(VK_INSERT);
  EXPECT_TRUE(g->FilterActive());
  EXPECT_EQ(g->TotalRowCount(), 9) << "one row more in all";
  // A refused delete leaves the filter as it was.
  g->OnCanDeleteRow = [](TObject*, int, bool& can) { can = false; };
  const int before = g->TotalRowCount();
  PressKey(VK_DELETE);
  EXPECT_TRUE(g->FilterActive());
  EXPECT_EQ(g->TotalRowCount(), before);
  EXPECT_GE(g->RowCount(), shown - 1);
}

}  // namespace
