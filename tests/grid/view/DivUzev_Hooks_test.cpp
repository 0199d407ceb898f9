// The grid's hooks for export and import texts and rows it removes by
// itself, and the editors of fixed cells.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridEditFixture.h"

namespace {

using namespace testinput;

// ---------------------------------------------------------------------------
// Export and import texts

struct HookGrid : TDedAdararAdoz {
  using TDedAdararAdoz::AutoDeleteRow;
  using TDedAdararAdoz::AutoInsertRow;
  using TDedAdararAdoz::LoadCell;
  using TDedAdararAdoz::SaveCell;
  using TDedAdararAdoz::TDedAdararAdoz;
};

TEST(DivUzevHooks, TheExportTextOfACellByItsKind) {
  HookGrid g(nullptr);
  g.SetColCount(4);
  // A check box cell without text exports its check text.
  auto* box = new TCellGraphic;
  box->CellType = ctCheckBox;
  box->CellBoolean = true;
  g.GetCellProperties(1, 1)->SetGraphicObject(box);
  auto* off = new TCellGraphic;
  off->CellType = ctCheckBox;
  g.GetCellProperties(2, 1)->SetGraphicObject(off);
  g.SetCells(3, 1, "<b>bold</b><BR>next");
  struct Case {
    int col;
    bool withHTML;
    std::string text;
  };
  const Case cases[] = {
      {1, true, "Y"},
      {2, true, "N"},
      {3, true, "<b>bold</b><BR>next"},
      {3, false, "bold\r\nnext"},
  };
  for (const Case& c : cases) {
    g.SetSaveWithHTML(c.withHTML);
    std::string v;
    g.SaveCell(c.col, 1, v);
    EXPECT_EQ(v, c.text) << c.col;
  }
  // The event has the last word.
  g.OnSaveCell = [](TObject*, int, int, std::string& v) { v += "!"; };
  std::string v;
  g.SaveCell(1, 1, v);
  EXPECT_EQ(v, "Y!");
}

TEST(DivUzevHooks, AnImportedTextGoesIntoTheCellItselfEvenInAMergedArea) {
  HookGrid g(nullptr);
  g.SetColCount(4);
  g.SetCells(1, 1, "base");
  g.MergeCells(1, 1, 2, 1);
  g.OnLoadCell = [](TObject*, int, int, std::string& v) { v = "loaded " + v; };
  std::string value = "text";
  g.LoadCell(2, 1, value);
  EXPECT_EQ(g.GetGridCell(2, 1), "loaded text");
  EXPECT_EQ(g.GetGridCell(1, 1), "base");
}

TEST(DivUzevHooks, TheLastNormalRowIsEmptiedNotRemoved) {
  HookGrid g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(2);
  g.SetCells(1, 1, "only");
  std::vector<int> deleted;
  g.OnAutoDeleteRow = [&](TObject*, int r) { deleted.push_back(r); };
  g.AutoDeleteRow(1);
  EXPECT_EQ(g.RowCount(), 2);
  EXPECT_EQ(g.Cells(1, 1), "");
  g.SetRowCount(4);
  g.SetCells(1, 2, "second");
  g.AutoDeleteRow(1);
  EXPECT_EQ(g.RowCount(), 3);
  EXPECT_EQ(g.Cells(1, 1), "second");
  EXPECT_EQ(deleted, (std::vector<int>{1, 1}));
}

TEST(DivUzevHooks, ARichTextCellExportsItsRTFOrItsPlainText) {
  HookGrid g(nullptr);
  g.SetColCount(3);
  const std::string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\r\n\\f0 caf\\'e9\\par\r\nsecond}";
  g.SetCells(1, 1, rtf);
  struct Case {
    bool withRTF;
    std::string text;
  };
  const Case cases[] = {
      {true, "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 caf\\'e9\\parsecond}"},
      {false, "café\r\nsecond"},
  };
  for (const Case& c : cases) {
    g.SetSaveWithRTF(c.withRTF);
    std::string v;
    g.SaveCell(1, 1, v);
    EXPECT_EQ(v, c.text) << c.withRTF;
  }
}

TEST(DivUzevHooks, RowsInsertedAndDeletedByTheGridKeepTheNodesWhole) {
  HookGrid g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(10);
  for (int r = 1; r < 10; ++r) g.SetCells(1, r, "r" + std::to_string(r));
  g.AddNode(2, 3);  // rows 2 to 4
  // A row inserted inside the node belongs to it; one outside does not.
  g.AutoInsertRow(3);
  EXPECT_EQ(g.RowCount(), 11);
  EXPECT_EQ(g.GetNodeSpan(2), 4);
  EXPECT_EQ(g.Cells(1, 3), "");
  EXPECT_EQ(g.Cells(1, 4), "r3");
  g.AutoInsertRow(7);
  EXPECT_EQ(g.RowCount(), 12);
  EXPECT_EQ(g.GetNodeSpan(2), 4);
  EXPECT_EQ(g.Cells(1, 7), "");
  EXPECT_EQ(g.Cells(1, 8), "r6");
  // Deleting a child row shrinks its node; deleting a row outside leaves it.
  g.AutoDeleteRow(4);
  EXPECT_EQ(g.RowCount(), 11);
  EXPECT_EQ(g.GetNodeSpan(2), 3);
  EXPECT_EQ(g.Cells(1, 4), "r4");
  g.AutoDeleteRow(6);
  EXPECT_EQ(g.RowCount(), 10);
  EXPECT_EQ(g.GetNodeSpan(2), 3);
  EXPECT_EQ(g.Cells(1, 6), "r6");
  // Contracting the node still hides exactly its rows.
  g.ContractNode(2);
  EXPECT_EQ(g.RowCount(), 8);
  EXPECT_EQ(g.Cells(1, 3), "r5");
}

// ---------------------------------------------------------------------------
// Fixed-cell editors

TEST_F(GridEditFixture, AFixedCellEditEndsWithTheFocusAndValidatesFirst) {
  std::vector<std::string> log;
  g->SetCells(2, 0, "Header");
  g->OnEditingDone = [&](TObject*) { log.push_back("done " + g->Cells(2, 0)); };
  g->OnEditChange = [&](TObject*, int c, int r, const std::string& v) {
    log.push_back("change " + std::to_string(c) + "," + std::to_string(r) + " " + v);
  };
  g->EditFixedCell(2, 0);
  ASSERT_TRUE(g->FixedEditor()->Visible());
  EXPECT_EQ(g->FixedEditor()->Text(), "Header");
  PressKey('A', TShiftState{ssCtrl});
  TypeText("Port");
  PressKey(VK_RETURN);  // Return does not end it
  EXPECT_TRUE(g->FixedEditor()->Visible());
  other->SetFocus();
  Pump();
  EXPECT_FALSE(g->FixedEditor()->Visible());
  EXPECT_EQ(g->Cells(2, 0), "Port");
  // The editing-done report comes before the text is written.
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back(), "done Header");
  EXPECT_EQ(log.front(), "change 2,0 P");
}

TEST_F(GridEditFixture, ARefusedFixedCellValueKeepsItsEditorOpen) {
  g->SetCells(3, 0, "Name");
  g->OnCellValidate = [](TObject*, int, int, std::string& v, bool& valid) {
    if (v.empty()) valid = false;
    if (v == "lower") v = "Lower";
  };
  g->EditFixedCell(3, 0);
  PressKey('A', TShiftState{ssCtrl});
  PressKey(VK_DELETE);
  other->SetFocus();
  Pump();
  EXPECT_TRUE(g->FixedEditor()->Visible());
  EXPECT_TRUE(g->FixedEditor()->Focused());
  EXPECT_EQ(g->Cells(3, 0), "Name");
  TypeText("lower");
  other->SetFocus();
  Pump();
  EXPECT_FALSE(g->FixedEditor()->Visible());
  EXPECT_EQ(g->Cells(3, 0), "Lower");
}

TEST_F(GridEditFixture, TheFixedEditEventChoosesAListForTheCell) {
  g->MouseActions()->FixedComboValues()->Add("Off");
  g->OnFixedEdit = [](TObject*, int, int, TGridFixedCellEditor& e, TStrings* values) {
    e = fceComboList;
    values->Add("On");
  };
  g->SetCells(2, 0, "Off");
  g->EditFixedCell(2, 0);
  TGridTransCombo* combo = g->FixedComboEditor();
  ASSERT_TRUE(combo->Visible());
  EXPECT_FALSE(g->FixedEditor()->Visible());
  EXPECT_EQ(combo->Style(), csDropDownList);
  EXPECT_EQ(combo->Items()->Count(), 2);
  PressKey(VK_DOWN);
  other->SetFocus();
  Pump();
  EXPECT_EQ(g->Cells(2, 0), "On");
}

}  // namespace
