// Per-cell accessors and selection queries: looks read without making cell
// properties, row colouring that resets only the colour, objects of hidden
// rows, rich text kept in cells, cell controls, the selection queries and
// the column order.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/controls/ComCtrls.h"
#include "framework/controls/Forms.h"
#include "framework/controls/StdCtrls.h"
#include "grid/base/griddd.h"
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzevHint.h"
#include "support/Input.h"

namespace {

TEST(DivUzevAccessors, ReadingALookMakesNoPropertiesWritingDoes) {
  TDedAdararAdoz g(nullptr);
  struct Look {
    const char* name;
    std::function<bool()> readsDefault;
    std::function<void()> write;
    std::function<bool()> readsWritten;
  };
  const std::vector<Look> looks = {
      {"Colors", [&] { return g.Colors(2, 2) == clNone; }, [&] { g.SetColors(2, 2, clRed); },
       [&] { return g.Colors(2, 2) == clRed; }},
      {"ColorsTo", [&] { return g.ColorsTo(2, 2) == clNone; }, [&] { g.SetColorsTo(2, 2, clBlue); },
       [&] { return g.ColorsTo(2, 2) == clBlue; }},
      {"ReadOnly", [&] { return !g.ReadOnly(2, 2); }, [&] { g.SetReadOnly(2, 2, true); },
       [&] { return g.ReadOnly(2, 2); }},
      {"WordWraps", [&] { return g.WordWraps(2, 2) == g.WordWrap(); }, [&] { g.SetWordWraps(2, 2, false); },
       [&] { return !g.WordWraps(2, 2); }},
      {"FontColors", [&] { return g.FontColors(2, 2) == clNone; }, [&] { g.SetFontColors(2, 2, clGreen); },
       [&] { return g.FontColors(2, 2) == clGreen; }},
      {"FontStyles", [&] { return g.FontStyles(2, 2) == TFontStyles{}; },
       [&] { g.SetFontStyles(2, 2, TFontStyles{fsBold}); },
       [&] { return g.FontStyles(2, 2).Contains(fsBold); }},
      {"FontNames", [&] { return g.FontNames(2, 2).empty(); }, [&] { g.SetFontNames(2, 2, "Verdana"); },
       [&] { return g.FontNames(2, 2) == "Verdana"; }},
      {"FontSizes", [&] { return g.FontSizes(2, 2) == 0; }, [&] { g.SetFontSizes(2, 2, 14); },
       [&] { return g.FontSizes(2, 2) == 14; }},
      {"Alignments", [&] { return g.Alignments(2, 2) == taLeftJustify; },
       [&] { g.SetAlignments(2, 2, taCenter); }, [&] { return g.Alignments(2, 2) == taCenter; }},
      {"GradientDir", [&] { return g.GradientDir(2, 2) == GradientVertical; },
       [&] { g.SetGradientDir(2, 2, GradientHorizontal); },
       [&] { return g.GradientDir(2, 2) == GradientHorizontal; }},
  };
  for (const Look& l : looks) {
    g.FreeCellProperties(2, 2);
    EXPECT_TRUE(l.readsDefault()) << l.name;
    EXPECT_FALSE(g.HasCellProperties(2, 2)) << l.name << " read made properties";
    l.write();
    EXPECT_TRUE(g.HasCellProperties(2, 2)) << l.name;
    EXPECT_TRUE(l.readsWritten()) << l.name;
  }
}

// Row colouring back to no colour resets the colour alone: what else a
// cell holds stays, and cells holding nothing else lose their properties.
TEST(DivUzevAccessors, UncolouringARowKeepsEverythingButTheColour) {
  struct Extra {
    const char* what;
    std::function<void(TDedAdararAdoz&)> set;
    std::function<bool(TDedAdararAdoz&)> kept;
  };
  TCellGraphic graphic;
  int token = 0;
  const std::vector<Extra> extras = {
      {"nothing", [](TDedAdararAdoz&) {}, [](TDedAdararAdoz& g) { return !g.HasCellProperties(2, 2); }},
      {"read-only mark", [](TDedAdararAdoz& g) { g.SetReadOnly(2, 2, true); },
       [](TDedAdararAdoz& g) { return g.ReadOnly(2, 2); }},
      {"graphic", [&](TDedAdararAdoz& g) { g.GetCellProperties(2, 2)->SetGraphicObject(&graphic); },
       [&](TDedAdararAdoz& g) { return g.GetGraphicObjectEx(2, 2) == &graphic; }},
      {"object", [&](TDedAdararAdoz& g) { g.SetObjectEx(2, 2, reinterpret_cast<TObject*>(&token)); },
       [&](TDedAdararAdoz& g) { return g.GetObjectEx(2, 2) == reinterpret_cast<TObject*>(&token); }},
      {"merge", [](TDedAdararAdoz& g) { g.MergeCells(2, 2, 2, 1); },
       [](TDedAdararAdoz& g) { return g.IsMergedCell(2, 2); }},
      {"node level", [](TDedAdararAdoz& g) { g.GetCellProperties(2, 2)->SetNodeLevel(2); },
       [](TDedAdararAdoz& g) {
         return g.HasCellProperties(2, 2) && g.GetGridObject(2, 2)->NodeLevel() == 2;
       }},
  };
  struct Colouring {
    const char* name;
    std::function<void(TDedAdararAdoz&, TColor)> set;
    std::function<TColor(TDedAdararAdoz&)> read;
  };
  const std::vector<Colouring> colourings = {
      {"SetRowColor", [](TDedAdararAdoz& g, TColor c) { g.SetRowColor(2, c); },
       [](TDedAdararAdoz& g) { return g.Colors(2, 2); }},
      {"SetRowColorTo", [](TDedAdararAdoz& g, TColor c) { g.SetRowColorTo(2, c); },
       [](TDedAdararAdoz& g) { return g.ColorsTo(2, 2); }},
      {"SetRowFontColor", [](TDedAdararAdoz& g, TColor c) { g.SetRowFontColor(2, c); },
       [](TDedAdararAdoz& g) { return g.FontColors(2, 2); }},
  };
  for (const Colouring& col : colourings) {
    for (const Extra& e : extras) {
      TDedAdararAdoz g(nullptr);
      e.set(g);
      col.set(g, clRed);
      EXPECT_EQ(col.read(g), clRed) << col.name << " " << e.what;
      col.set(g, clNone);
      EXPECT_TRUE(e.kept(g)) << col.name << " " << e.what;
      EXPECT_EQ(col.read(g), clNone) << col.name << " " << e.what;
      EXPECT_FALSE(g.HasCellProperties(3, 2) && e.what == std::string("nothing")) << col.name;
      if (g.HasCellProperties(2, 2)) g.GetCellProperties(2, 2)->SetGraphicObject(nullptr);
    }
  }
}

TEST(DivUzevAccessors, HiddenRowsKeepTheObjectsGivenWhileHidden) {
  TDedAdararAdoz g(nullptr);
  g.SetRowCount(6);
  int a = 0, b = 0;
  g.SetObjectsEx(1, 2, reinterpret_cast<TObject*>(&a));
  g.HideRow(3);
  g.SetObjectsEx(2, 3, reinterpret_cast<TObject*>(&b));
  EXPECT_EQ(g.GetObjectsEx(2, 3), reinterpret_cast<TObject*>(&b));
  EXPECT_EQ(g.GetObjectsEx(1, 2), reinterpret_cast<TObject*>(&a));
  g.UnHideRow(3);
  EXPECT_EQ(g.GetObjectEx(2, 3), reinterpret_cast<TObject*>(&b));
  EXPECT_EQ(g.GetLinesInCell(1, 1), 1);
  g.SetCellEx(1, 1, "a\r\nb\r\nc");
  EXPECT_EQ(g.GetLinesInCell(1, 1), 3);
}

TEST(DivUzevAccessors, RichTextMadeOfBytesGoesToAnEditorAndBackUnchanged) {
  TDedAdararAdoz g(nullptr);
  TRichEdit rich(nullptr);
  const std::string rtf = "{\\rtf1\\ansi caf\xC3\xA9 \\'e9 \xC3\xBF}";
  g.SetCellEx(1, 1, rtf);
  g.CellToRich(1, 1, &rich);
  g.RichToCell(2, 1, &rich);
  EXPECT_EQ(g.GetCellEx(2, 1), rtf);
  g.CellToRich(3, 3, &rich);
  EXPECT_EQ(rich.Text(), "") << "an empty cell empties the editor";
}

TEST(DivUzevAccessors, ACellControlCoversTheCellAndLeavesWithIt) {
  TForm* form = testinput::NewPointerForm(500, 300);
  auto* g = new TDedAdararAdoz(form);
  g->SetParent(form);
  g->SetBounds(0, 0, 480, 280);
  auto* edit = new TEdit(form);
  testinput::ShowForm(form);
  g->SetCellControls(2, 3, edit);
  const TRect r = g->CellRect(2, 3);
  EXPECT_EQ(edit->Parent(), g);
  EXPECT_EQ(edit->BoundsRect(), TRect(r.Left - 1, r.Top - 1, r.Right, r.Bottom));
  EXPECT_EQ(g->CellControls(2, 3), edit);
  EXPECT_EQ(g->CellControlList()->Count(), 1);
  g->SetCellControls(2, 3, nullptr);
  EXPECT_EQ(g->CellControls(2, 3), nullptr);
  EXPECT_EQ(g->CellControlList()->Count(), 0);
  testinput::FreePointerForm(form);
}

TEST(DivUzevAccessors, SelectionQueries) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(4);
  g.SetCellEx(1, 1, "A");
  g.SetCellEx(2, 1, "B");
  g.SetCellEx(1, 2, "C");
  g.SetCellEx(2, 2, "D");
  g.SelectCells(1, 1, 2, 2);
  EXPECT_EQ(g.SelectedText(), "A\tB\r\nC\tD");
  EXPECT_TRUE(g.IsSelected(2, 2));
  EXPECT_FALSE(g.IsSelected(3, 2));
  g.SetSelection(TGridRect(0, 0, 3, 3));
  EXPECT_FALSE(g.IsSelected(0, 2)) << "a fixed cell is never selected";
  EXPECT_FALSE(g.IsSelected(2, 0));
  EXPECT_TRUE(g.IsSelected(1, 1));
}

TEST(DivUzevAccessors, ColumnOrderRemembersWhereColumnsWere) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(3);
  g.SetFixedCols(0);
  for (int c = 0; c < 3; ++c) g.SetCellEx(c, 0, "h" + std::to_string(c));
  g.SetColumnOrder();
  g.MoveColumn(0, 2);
  EXPECT_EQ(g.ColumnPosition(0), 2);
  EXPECT_EQ(g.ColumnAtPosition(2), 0);
  EXPECT_EQ(g.GetOriginalCells(0, 0), "h0");
  g.ResetColumnOrder();
  for (int c = 0; c < 3; ++c) EXPECT_EQ(g.GetCellEx(c, 0), "h" + std::to_string(c));
  EXPECT_EQ(g.ColumnPosition(0), 0);

  // A grouped column is out of view: positions after it shift by one.
  TDedAdararAdoz grouped(nullptr);
  grouped.SetColCount(5);
  grouped.SetColumnOrder();
  grouped.SetGroupColumn(1);
  EXPECT_EQ(grouped.ColumnPosition(3), 2);
  EXPECT_EQ(grouped.ColumnAtPosition(0), 0);
  EXPECT_EQ(grouped.ColumnAtPosition(2), 3);

  g.SetCellEx(1, 0, "Addr");
  EXPECT_EQ(g.ColumnByHeader("Addr"), 1);
  EXPECT_EQ(g.ColumnByHeader("addr"), -1);
  EXPECT_EQ(g.ColumnByHeader("nothing"), -1);
}

TEST(DivUzevAccessors, TakingRichTextDropsIsSwitchedForTheWholeProgram) {
  TDedAdararAdoz g(nullptr);
  g.DragDropSettings()->SetOleDropRTF(true);
  EXPECT_TRUE(AcceptRTFDrops());
  EXPECT_TRUE(g.DragDropSettings()->OleDropRTF());
  g.DragDropSettings()->SetOleDropRTF(false);
  EXPECT_FALSE(AcceptRTFDrops());
}

}  // namespace

TEST(DivUzevAccessors, AnAutomaticCellScrollBarFollowsItsText) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(3);
  g.SetColWidths(1, 60);
  g.SetRowHeights(1, 30);
  g.AddScrollBar(1, 1, true);
  g.AddScrollBar(2, 1, false);
  EXPECT_EQ(g.GetScrollProp(1, 1).PageSize, 30) << "a page is the row";
  const int oneLine = g.GetScrollProp(1, 1).Range;
  g.SetCellEx(1, 1, "one two three four five six seven eight nine ten eleven twelve");
  const int manyLines = g.GetScrollProp(1, 1).Range;
  EXPECT_GT(manyLines, 2 * std::max(oneLine, 1)) << "the range is the wrapped text's height";
  EXPECT_EQ(manyLines, g.GetCellTextSize(1, 1, true, true).cy);
  g.SetCellEx(1, 1, "short");
  EXPECT_LT(g.GetScrollProp(1, 1).Range, manyLines);

  g.SetCellEx(2, 1, "one two three four five six seven eight nine ten eleven twelve");
  EXPECT_EQ(g.GetScrollProp(2, 1).PageSize, 0) << "a fixed-range bar keeps its own";
  EXPECT_EQ(g.GetScrollProp(2, 1).Range, 100);
}

TEST(DivUzevAccessors, HTMLHintsSwitchTheApplicationsHintWindow) {
  const THintWindowClass before = Application->HintWindowClass;
  TDedAdararAdoz g(nullptr);
  g.SetUseHTMLHints(true);
  ASSERT_TRUE(static_cast<bool>(Application->HintWindowClass));
  std::unique_ptr<THintWindow> w(Application->HintWindowClass(nullptr));
  EXPECT_NE(dynamic_cast<THTMLHintWindow*>(w.get()), nullptr);
  g.SetUseHTMLHints(false);
  EXPECT_FALSE(static_cast<bool>(Application->HintWindowClass)) << "back to the plain hint window";
  EXPECT_FALSE(g.UseHTMLHints());
  Application->HintWindowClass = before;
}
