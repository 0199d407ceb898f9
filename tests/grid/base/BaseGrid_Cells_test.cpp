// The cell store: texts by storage index, lazily created cell properties,
// object references, display-text hooks, the footer row and freeing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/controls/Forms.h"
#include "grid/base/BaseGrid.h"
#include "grid/base/UndoRedo.h"
#include "grid/base/VevUtil.h"

namespace {

// A store with hidden columns beyond ColCount, that logs repaints and the
// footer-row hook.
class TStoreGrid : public TBaseGrid {
 public:
  using TBaseGrid::TBaseGrid;
  int hiddenCols = 0;
  std::vector<std::pair<int, int>> repainted;
  int lastRowChanged = 0;

  int TotalColCount() const override { return ColCount() + hiddenCols; }
  void RepaintCell(int ACol, int ARow) override {
    repainted.emplace_back(ACol, ARow);
    TBaseGrid::RepaintCell(ACol, ARow);
  }
  void LastRowChanged() override { ++lastRowChanged; }
};

// Class names the store tells apart when it frees cell graphics.
class TCellGraphic : public TObject {
 public:
  explicit TCellGraphic(int* freed) : freed_(freed) {}
  ~TCellGraphic() override { ++*freed_; }

 private:
  int* freed_;
};

class TOtherGraphic : public TObject {
 public:
  explicit TOtherGraphic(int* freed) : freed_(freed) {}
  ~TOtherGraphic() override { ++*freed_; }

 private:
  int* freed_;
};

class TTrackedProps : public TCellProperties {
 public:
  TTrackedProps(TBaseGrid* g, int c, int r, int* freed) : TCellProperties(g, c, r), freed_(freed) {}
  ~TTrackedProps() override { ++*freed_; }

 private:
  int* freed_;
};

TEST(BaseGridCells, TextsLiveAtStorageIndexesIncludingHiddenColumns) {
  TStoreGrid g(nullptr);
  g.SetColCount(4);
  g.SetRowCount(3);
  g.hiddenCols = 2;
  EXPECT_EQ(g.GetCellEx(2, 1), "");
  EXPECT_EQ(g.GetCellEx(50, 1000), "");
  // Hidden columns are at 4 and 5, past ColCount.
  g.SetCellEx(5, 2, "hidden");
  g.SetCellEx(1, 1, "shown");
  EXPECT_EQ(g.GetCellEx(5, 2), "hidden");
  EXPECT_EQ(g.Cells(1, 1), "shown");
  EXPECT_EQ(g.GridCells(5, 2), "hidden");
  // A row beyond the last is stored without being shown, and shows up once
  // the grid grows over it.
  g.SetCellEx(1, 7, "later");
  EXPECT_EQ(g.RowCount(), 3);
  g.SetRowCount(8);
  EXPECT_EQ(g.GetCellEx(1, 7), "later");
  EXPECT_THROW(g.GetCellEx(-1, 0), EInvalidGridOperation);

  // Only cells inside the storage bounds can hold properties.
  g.GetCellProperties(5, 2);
  struct Case {
    int c, r;
    bool has;
  };
  for (Case k :
       {Case{5, 2, true}, Case{-1, 2, false}, Case{5, -1, false}, Case{6, 2, false}, Case{5, 8, false}}) {
    EXPECT_EQ(g.HasCellProperties(k.c, k.r), k.has) << k.c << "," << k.r;
  }
  g.hiddenCols = 0;
  EXPECT_FALSE(g.HasCellProperties(5, 2));
  EXPECT_EQ(g.GetObjectEx(5, 2), nullptr);
}

TEST(BaseGridCells, PropertiesAreCreatedOnlyWhenAskedFor) {
  TBaseGrid g(nullptr);
  EXPECT_FALSE(g.HasCellProps());
  g.SetCellEx(1, 1, "text");
  EXPECT_EQ(g.GetCellEx(1, 1), "text");
  EXPECT_EQ(g.GetObjectEx(1, 1), nullptr);
  EXPECT_EQ(g.GetGraphicObjectEx(1, 1), nullptr);
  EXPECT_EQ(g.GridObjects(1, 1), nullptr);
  EXPECT_FALSE(g.HasCellProps());

  TCellProperties* p = g.GetCellProperties(1, 1);
  ASSERT_NE(p, nullptr);
  EXPECT_TRUE(g.HasCellProps());
  EXPECT_EQ(g.GetCellProperties(1, 1), p);
  EXPECT_EQ(g.GridObjects(1, 1), p);
  EXPECT_EQ(p->OwnerGrid(), &g);
  EXPECT_EQ(p->OwnerCol(), 1);
  EXPECT_EQ(p->OwnerRow(), 1);
  EXPECT_EQ(g.GetCellEx(1, 1), "text");
  EXPECT_TRUE(p->IsBaseCell());
  EXPECT_EQ(p->CellSpanX(), -1);
  EXPECT_EQ(p->CellSpanY(), -1);
}

TEST(BaseGridCells, NewPropertiesStartFromTheLookTheGridReports) {
  TBaseGrid g(nullptr);
  g.SetColor(0x00E0F0FF);
  g.Font()->SetName("Arial");
  g.Font()->SetSize(12);
  g.Font()->SetColor(0x00112233);
  g.Font()->SetStyle(TFontStyles{fsBold});
  g.SetWordWrap(false);
  TCellProperties* p = g.GetCellProperties(2, 2);
  EXPECT_EQ(p->BrushColor(), 0x00E0F0FFu);
  EXPECT_EQ(p->BrushColorTo(), clNone);
  EXPECT_EQ(p->FontName(), "Arial");
  EXPECT_EQ(p->FontSize(), 12);
  EXPECT_EQ(p->FontColor(), 0x00112233u);
  EXPECT_TRUE(p->FontStyle() == TFontStyles{fsBold});
  EXPECT_EQ(p->Alignment(), taLeftJustify);
  EXPECT_EQ(p->VAlignment(), vtaTop);
  EXPECT_FALSE(p->WordWrap());
  EXPECT_EQ(p->CalcType(), acNONE);
  EXPECT_EQ(p->GradientDirection(), GradientVertical);

  // A grid that reports a look per column hands it to each new cell, as it
  // is at that moment.
  class TColumnLookGrid : public TBaseGrid {
   public:
    using TBaseGrid::TBaseGrid;
    TColor colour = 0x0000FF00;
    void GetCellDrawProps(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& AColorTo,
                          TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HAlign,
                          TVAlignment& VAlign, bool& WordWrap, TCellGradientDirection& GD) override {
      TBaseGrid::GetCellDrawProps(ACol, ARow, AFont, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, HAlign,
                                  VAlign, WordWrap, GD);
      if (ACol == 3) {
        ABrush->SetColor(colour);
        AColorTo = 0x00FF0000;
        HAlign = taRightJustify;
        VAlign = vtaCenter;
        GD = GradientHorizontal;
      }
    }
  };
  TColumnLookGrid h(nullptr);
  TCellProperties* first = h.GetCellProperties(3, 1);
  h.colour = 0x000000FF;
  TCellProperties* second = h.GetCellProperties(3, 2);
  EXPECT_EQ(first->BrushColor(), 0x0000FF00u);
  EXPECT_EQ(second->BrushColor(), 0x000000FFu);
  EXPECT_EQ(second->BrushColorTo(), 0x00FF0000u);
  EXPECT_EQ(second->Alignment(), taRightJustify);
  EXPECT_EQ(second->VAlignment(), vtaCenter);
  EXPECT_EQ(second->GradientDirection(), GradientHorizontal);
  EXPECT_EQ(h.GetCellProperties(1, 1)->Alignment(), taLeftJustify);
}

TEST(BaseGridCells, OnlyTheLookSettersThatChangeThePaintRepaintTheCell) {
  TStoreGrid g(nullptr);
  TCellProperties* p = g.GetCellProperties(2, 3);
  struct Case {
    const char* name;
    std::function<void(TCellProperties*)> set;
    bool repaints;
  };
  const Case cases[] = {
      {"Alignment", [](TCellProperties* q) { q->SetAlignment(taCenter); }, false},
      {"BrushColor", [](TCellProperties* q) { q->SetBrushColor(0x00FF00); }, true},
      {"BrushColorTo", [](TCellProperties* q) { q->SetBrushColorTo(0x0000FF); }, true},
      {"VAlignment", [](TCellProperties* q) { q->SetVAlignment(vtaBottom); }, true},
      {"WordWrap", [](TCellProperties* q) { q->SetWordWrap(false); }, true},
      {"ReadOnly", [](TCellProperties* q) { q->SetReadOnly(true); }, false},
      {"FontColor", [](TCellProperties* q) { q->SetFontColor(0x00FF00); }, false},
      {"Editor", [](TCellProperties* q) { q->SetEditor(edComboList); }, false},
  };
  for (const Case& k : cases) {
    g.repainted.clear();
    k.set(p);
    if (k.repaints)
      EXPECT_EQ(g.repainted, (std::vector<std::pair<int, int>>{{2, 3}})) << k.name;
    else
      EXPECT_TRUE(g.repainted.empty()) << k.name;
  }
  EXPECT_EQ(p->Alignment(), taCenter);
  EXPECT_TRUE(p->ReadOnly());
}

TEST(BaseGridCells, ObjectReferencesLeaveTheCellTextAsItWas) {
  TObject a, b;  // outlive the grid that refers to them
  TStoreGrid g(nullptr);
  g.SetObjectEx(1, 1, &a);
  EXPECT_EQ(g.GetObjectEx(1, 1), &a);
  EXPECT_EQ(g.Objects(1, 1), &a);
  EXPECT_EQ(g.GetCellEx(1, 1), "");
  EXPECT_EQ(g.GridCells(1, 1), "");
  g.SetCellEx(2, 1, "kept");
  g.SetGraphicObjectEx(2, 1, &b);
  EXPECT_EQ(g.GetGraphicObjectEx(2, 1), &b);
  EXPECT_EQ(TBaseGrid::GetGraphicOf(g.GridObjects(2, 1)), &b);
  EXPECT_EQ(g.GetCellEx(2, 1), "kept");
  EXPECT_EQ(g.GetObjectEx(2, 1), nullptr);
  // Clearing a reference keeps the properties.
  g.SetObjectEx(1, 1, nullptr);
  EXPECT_EQ(g.GetObjectEx(1, 1), nullptr);
  EXPECT_TRUE(g.HasCellProperties(1, 1));
}

TEST(BaseGridCells, StoringTheSlotsOwnPropertiesAgainKeepsThem) {
  int freed = 0;
  {
    TBaseGrid g(nullptr);
    auto* mine = new TTrackedProps(&g, 1, 1, &freed);
    g.SetCellProperties(1, 1, mine);
    mine->SetBrushColor(0x00123456);
    g.SetCellProperties(1, 1, g.GetCellProperties(1, 1));
    EXPECT_EQ(freed, 0);
    EXPECT_EQ(g.GetCellProperties(1, 1), mine);
    EXPECT_EQ(g.GetCellProperties(1, 1)->BrushColor(), 0x00123456u);
    // Another object replaces it and frees it; none empties the slot.
    auto* next = new TTrackedProps(&g, 1, 1, &freed);
    g.SetCellProperties(1, 1, next);
    EXPECT_EQ(freed, 1);
    EXPECT_EQ(g.GridObjects(1, 1), next);
    g.SetCellProperties(1, 1, nullptr);
    EXPECT_EQ(freed, 2);
    EXPECT_FALSE(g.HasCellProperties(1, 1));
  }
  EXPECT_EQ(freed, 2);
}

TEST(BaseGridCells, FreeingTakesCellGraphicsAlongButNeverOtherObjects) {
  int graphics = 0, others = 0, props = 0, references = 0;
  auto* reference = new TOtherGraphic(&references);
  auto* keptGraphic = new TCellGraphic(&graphics);
  auto* foreignGraphic = new TOtherGraphic(&others);
  {
    TStoreGrid g(nullptr);
    g.SetColCount(4);
    g.SetRowCount(6);
    g.hiddenCols = 1;
    // Plain free: the graphic is left to the caller.
    g.SetGraphicObjectEx(1, 1, keptGraphic);
    g.FreeCellProperties(1, 1);
    EXPECT_FALSE(g.HasCellProperties(1, 1));
    EXPECT_EQ(graphics, 0);
    // Range free: cell graphics go, other graphics and references stay.
    g.SetGraphicObjectEx(1, 2, new TCellGraphic(&graphics));
    auto* other = new TOtherGraphic(&others);
    g.SetGraphicObjectEx(2, 2, other);
    g.SetObjectEx(3, 2, reference);
    g.FreeCellPropertiesRange(0, 0, 3, 2);
    EXPECT_EQ(graphics, 1);
    EXPECT_EQ(others, 0);
    EXPECT_EQ(references, 0);
    EXPECT_FALSE(g.HasCellProperties(2, 2));
    delete other;
    others = 0;

    // The grid takes every cell graphic along when it goes, also those of
    // hidden columns and of rows the count shrank over.
    g.SetGraphicObjectEx(4, 5, new TCellGraphic(&graphics));  // hidden column
    g.SetGraphicObjectEx(1, 5, new TCellGraphic(&graphics));
    g.SetCellProperties(2, 4, new TTrackedProps(&g, 2, 4, &props));
    g.SetGraphicObjectEx(2, 3, foreignGraphic);
    g.SetObjectEx(1, 3, reference);
    g.SetRowCount(3);
  }
  EXPECT_EQ(graphics, 3);
  EXPECT_EQ(props, 1);
  EXPECT_EQ(references, 0);
  EXPECT_EQ(others, 0);
  delete foreignGraphic;
  delete reference;
  delete keptGraphic;
}

TEST(BaseGridCells, FreeingNothingIsCheapAndHarmless) {
  TBaseGrid g(nullptr);
  g.SetCellEx(1, 1, "a");
  // Without any properties the range free walks nothing.
  g.FreeCellPropertiesRange(0, 0, 1000000, 1000000);
  g.FreeAllCellProperties();
  EXPECT_EQ(g.GetCellEx(1, 1), "a");
  g.GetCellProperties(1, 1);
  g.FreeAllCellProperties();
  EXPECT_FALSE(g.HasCellProperties(1, 1));
  EXPECT_EQ(g.GetCellEx(1, 1), "a");
}

TEST(BaseGridCells, DeletingARowOrColumnFreesItsProperties) {
  int graphics = 0;
  TBaseGrid g(nullptr);
  g.SetGraphicObjectEx(2, 2, new TCellGraphic(&graphics));
  g.SetGraphicObjectEx(3, 1, new TCellGraphic(&graphics));
  g.SetCellEx(1, 3, "moves up");
  g.GetCellProperties(1, 3)->SetReadOnly(true);
  g.DeleteRow(2);
  EXPECT_EQ(graphics, 1);
  EXPECT_EQ(g.GetCellEx(1, 2), "moves up");
  ASSERT_TRUE(g.HasCellProperties(1, 2));
  EXPECT_TRUE(g.GetCellProperties(1, 2)->ReadOnly());
  g.DeleteColumn(3);
  EXPECT_EQ(graphics, 2);
}

TEST(BaseGridCells, ClearingEntriesEmptiesSlotsWithoutFreeing) {
  int freed = 0;
  TBaseGrid g(nullptr);
  TTrackedProps* moved[3];
  for (int r = 0; r < 3; ++r) {
    moved[r] = new TTrackedProps(&g, 2, r, &freed);
    g.SetCellProperties(2, r, moved[r]);
    g.SetCellEx(2, r, "x");
  }
  g.ClearColEntries(2);
  for (int r = 0; r < 3; ++r) {
    EXPECT_EQ(g.GridObjects(2, r), nullptr);
    EXPECT_EQ(g.GetCellEx(2, r), "");
  }
  auto* rowProps = new TTrackedProps(&g, 1, 4, &freed);
  g.SetCellProperties(1, 4, rowProps);
  g.SetCellEx(1, 4, "y");
  g.ClearRowEntries(4);
  EXPECT_EQ(g.GridObjects(1, 4), nullptr);
  EXPECT_EQ(g.GetCellEx(1, 4), "");
  auto* cellProps = new TTrackedProps(&g, 3, 3, &freed);
  g.SetCellProperties(3, 3, cellProps);
  g.SetCellEx(3, 3, "z");
  g.ClearCellEntry(3, 3);
  EXPECT_EQ(g.GridObjects(3, 3), nullptr);
  EXPECT_EQ(g.GetCellEx(3, 3), "");
  EXPECT_EQ(freed, 0);
  for (auto* p : moved) delete p;
  delete rowProps;
  delete cellProps;
}

TEST(BaseGridCells, WritingTheFooterRowRunsItsHookOnlyThere) {
  struct Case {
    bool hide;
    int row;
    int calls;
  };
  for (Case k : {Case{true, 4, 1}, Case{true, 3, 0}, Case{false, 4, 0}}) {
    TStoreGrid g(nullptr);
    g.SetHideLastRow(k.hide);
    g.SetCellEx(1, k.row, "v");
    EXPECT_EQ(g.lastRowChanged, k.calls) << k.hide << " row " << k.row;
  }
  // Also through a merged area, whose base lies in another row.
  TStoreGrid g(nullptr);
  g.SetHideLastRow(true);
  g.MergeCells(1, 3, 1, 2);
  g.SetCellEx(1, 4, "into the base");
  EXPECT_EQ(g.lastRowChanged, 1);
  EXPECT_EQ(g.GridCells(1, 3), "into the base");
}

TEST(BaseGridCells, DisplayHooksRewriteOnlyNormalRows) {
  TBaseGrid g(nullptr);
  std::vector<std::string> seen;
  g.OnGetDisplText = [&](TObject* sender, int c, int r, std::string& v) {
    EXPECT_EQ(sender, &g);
    seen.push_back(std::to_string(c) + "," + std::to_string(r));
    v = "<" + v + ">";
  };
  g.SetCellEx(1, 1, "a");
  g.SetCellEx(1, 3, "b");
  // A bare store never sets a normal row count: no hook runs.
  EXPECT_EQ(g.GetCellEx(1, 1), "a");
  EXPECT_TRUE(seen.empty());
  g.SetNormalRowCount(3);
  EXPECT_EQ(g.GetCellEx(1, 1), "<a>");
  EXPECT_EQ(g.GetCellEx(1, 3), "b");
  EXPECT_EQ(g.GridCells(1, 1), "a");
  // In a merged area the hook is asked for the base cell.
  g.MergeCells(1, 1, 2, 1);
  seen.clear();
  EXPECT_EQ(g.GetCellEx(2, 1), "<a>");
  EXPECT_EQ(seen, std::vector<std::string>{"1,1"});

  // With the wide hook every normal row comes back in the wide form.
  g.OnGetDisplText = nullptr;
  g.OnGetDisplWideText = [](TObject*, int, int, std::string& v) { v += "\xE2\x82\xAC"; };
  std::string shown = g.GetCellEx(1, 1);
  EXPECT_EQ(shown.substr(0, 2), "|\\");
  EXPECT_EQ(DecodeWideCellText(shown), "a\xE2\x82\xAC");
  g.SetCellEx(1, 2, EncodeWideCellText("x"));
  EXPECT_EQ(DecodeWideCellText(g.GetCellEx(1, 2)), "x\xE2\x82\xAC");
  EXPECT_EQ(g.GetCellEx(1, 3), "b");
}

// The ways a cell text is read: straight from the store, through merged
// cells' properties, through a display hook.
enum TReadPath { rpStore, rpMerged, rpHook };

void PrepareReadPath(TBaseGrid& G, TReadPath Path) {
  G.SetNormalRowCount(100);
  if (Path == rpMerged) G.MergeCells(5, 5, 2, 2);
  if (Path == rpHook)
    G.OnGetDisplText = [](TObject*, int c, int, std::string& v) {
      if (c == 1) v = "[" + v + "]";
    };
}

std::string Shown(TReadPath Path, const std::string& Stored) {
  return Path == rpHook ? "[" + Stored + "]" : Stored;
}

class BaseGridReads : public ::testing::TestWithParam<TReadPath> {};

TEST_P(BaseGridReads, TextsReadTogetherStayApart) {
  TBaseGrid g(nullptr);
  PrepareReadPath(g, GetParam());
  for (int r = 0; r < 40; ++r) g.SetCellEx(1, r, "row " + std::to_string(r) + " of the first column");
  g.SetCellEx(2, 0, "other");
  EXPECT_FALSE(g.GetCellEx(1, 0) == g.GetCellEx(1, 1));
  EXPECT_FALSE(g.Cells(1, 0) == g.Cells(2, 0));
  EXPECT_EQ(g.Cells(1, 0) + "|" + g.Cells(1, 1), Shown(GetParam(), "row 0 of the first column") + "|" +
                                                     Shown(GetParam(), "row 1 of the first column"));
  // A routine handed several texts at once sees each as read.
  auto join = [](const std::string& a, const std::string& b, const std::string& c) { return a + b + c; };
  EXPECT_EQ(join(g.GetCellEx(1, 2), g.GetCellEx(2, 0), g.GetCellEx(1, 3)),
            Shown(GetParam(), "row 2 of the first column") + "other" +
                Shown(GetParam(), "row 3 of the first column"));
  // Copies taken in a long loop keep every text.
  std::vector<std::string> all;
  for (int r = 0; r < 40; ++r) all.push_back(g.GetCellEx(1, r));
  for (int r = 0; r < 40; ++r)
    EXPECT_EQ(all[r], Shown(GetParam(), "row " + std::to_string(r) + " of the first column"));
}

TEST_P(BaseGridReads, CopyingACellWhereTheGridMustGrowKeepsTheText) {
  TBaseGrid g(nullptr);
  PrepareReadPath(g, GetParam());
  g.SetCellEx(1, 1, "a text too long to sit inside the string itself");
  g.SetCellEx(2, 2, "another text too long to sit inside the string");
  g.SetCellEx(1, 5000, g.GetCellEx(1, 1));
  g.SetCells(300, 2, g.Cells(2, 2));
  g.SetCellEx(1, 1, g.GetCellEx(1, 1));
  EXPECT_EQ(g.GridCells(1, 5000), Shown(GetParam(), "a text too long to sit inside the string itself"));
  EXPECT_EQ(g.GridCells(300, 2), "another text too long to sit inside the string");
  EXPECT_EQ(g.GridCells(1, 1), Shown(GetParam(), "a text too long to sit inside the string itself"));
}

INSTANTIATE_TEST_SUITE_P(Paths, BaseGridReads, ::testing::Values(rpStore, rpMerged, rpHook));

TEST(BaseGridCells, AHookThatReadsManyCellsShowsWhatItBuilt) {
  TBaseGrid g(nullptr);
  g.SetNormalRowCount(100);
  // Column 0 shows the total of column 1; column 1 passes the hook too.
  g.OnGetDisplText = [&g](TObject*, int c, int r, std::string& v) {
    if (c == 1) v += " ";
    if (c != 0) return;
    int total = 0;
    for (int k = 1; k <= 40; ++k) total += std::stoi(g.GetCellEx(1, k));
    v += " " + std::to_string(total) + " in row " + std::to_string(r);
  };
  for (int k = 1; k <= 40; ++k) g.SetCellEx(1, k, std::to_string(k));
  g.SetCellEx(0, 0, "sum");
  g.SetCellEx(0, 1, "total");
  EXPECT_EQ(g.GetCellEx(0, 0), "sum 820 in row 0");
  EXPECT_EQ(g.GetCellEx(0, 0) + "/" + g.GetCellEx(0, 1), "sum 820 in row 0/total 820 in row 1");
}

TEST(BaseGridCells, AnUndoHandlerThatChangesTheGridKeepsTheTextItWasGiven) {
  TStoreGrid g(nullptr);
  auto* undo = new TDivUzevUndoRedo(nullptr);
  g.SetUndoRedo(undo);
  g.SetCellEx(1, 1, "the text after the edit, long enough");
  undo->RegisterChange(1, 1, "before", "the text after the edit, long enough");
  std::string seen;
  undo->OnUndo = [&](TObject*, TComponent*, int, int, const std::string& Current, const std::string&) {
    // The handler fills rows far below: the store moves.
    for (int r = 0; r < 3000; ++r)
      g.SetCellEx(2, r, "filler text that is long enough, row " + std::to_string(r));
    seen = Current;
  };
  undo->Undo();
  EXPECT_EQ(seen, "the text after the edit, long enough");
  EXPECT_EQ(g.GridCells(1, 1), "before");
  delete undo;
}

TEST(BaseGridCells, UndoComponentWorksOnTheGridAndIsForgottenWhenFreed) {
  TStoreGrid g(nullptr);
  auto* undo = new TDivUzevUndoRedo(nullptr);
  g.SetUndoRedo(undo);
  EXPECT_EQ(undo->Grid(), static_cast<TGridCellLink*>(&g));
  g.MergeCells(1, 1, 2, 2);
  g.SetCellEx(2, 2, "new");
  undo->RegisterChange(2, 2, "", "new");
  undo->Undo();
  EXPECT_EQ(g.GetCellEx(1, 1), "");
  undo->Redo();
  EXPECT_EQ(g.GridCells(1, 1), "new");
  EXPECT_EQ(g.Col(), 2);
  EXPECT_EQ(g.Row(), 2);
  delete undo;
  EXPECT_EQ(g.UndoRedo(), nullptr);
}

}  // namespace
