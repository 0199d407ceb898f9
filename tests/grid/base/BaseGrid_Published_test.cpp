// The cell store in stored form layouts, and copying cell properties.
#include <gtest/gtest.h>

#include <string>

#include "framework/classes/ComponentFiler.h"
#include "framework/controls/Forms.h"
#include "grid/base/BaseGrid.h"

namespace {

size_t Occurrences(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
  return n;
}

TEST(BaseGridPublished, LayoutFillsTheStoreAndKeepsTheFrameworkLinesOff) {
  TForm form(nullptr);
  ReadComponentText(&form, R"(object Form1: TForm
  object Grid1: TBaseGrid
    ColCount = 4
    DefaultDrawing = True
    GridLineWidth = 2
    GridLineColor = clRed
    GridFixedLineColor = clBlack
    ActiveRowShow = True
    HoverRow = True
    HoverRowColor = clYellow
    HoverRowCells = [hcFixed]
  end
end
)",
                    "grid.dfm");
  auto* g = dynamic_cast<TBaseGrid*>(form.FindComponent("Grid1"));
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->ColCount(), 4);
  EXPECT_EQ(g->GridLineWidth(), 2);
  EXPECT_EQ(g->TCustomGrid::GridLineWidth(), 0);
  EXPECT_TRUE(g->DefaultDrawing());
  EXPECT_FALSE(g->TCustomGrid::DefaultDrawing());
  EXPECT_EQ(g->GridLineColor(), clRed);
  EXPECT_EQ(g->GridFixedLineColor(), clBlack);
  EXPECT_TRUE(g->ActiveRowShow());
  EXPECT_EQ(g->ActiveRowColor(), clInfoBk);
  EXPECT_TRUE(g->HoverRow());
  EXPECT_EQ(g->HoverRowColor(), clYellow);
  EXPECT_TRUE(g->HoverRowCells() == THoverRowCells{hcFixed});

  std::string text = WriteComponentText(&form);
  EXPECT_EQ(Occurrences(text, "GridLineWidth = 2"), 1u) << text;
  EXPECT_EQ(Occurrences(text, "GridLineWidth"), 1u) << text;
  EXPECT_NE(text.find("HoverRowCells = [hcFixed]"), std::string::npos) << text;
  EXPECT_EQ(text.find("ActiveRowColor"), std::string::npos) << text;

  // A store left at its defaults writes none of its own properties.
  TForm other(nullptr);
  auto* plain = new TBaseGrid(&other);
  plain->SetName("Plain");
  plain->SetParent(&other);
  std::string plainText = WriteComponentText(&other);
  for (const char* name :
       {"GridLineWidth", "DefaultDrawing", "GridLineColor", "HoverRowCells", "ActiveRowShow"})
    EXPECT_EQ(plainText.find(name), std::string::npos) << name << "\n" << plainText;
}

TEST(BaseGridPublished, AssignCopiesLooksAndMergeDataButNotTheCellsOwnState) {
  TBaseGrid g(nullptr);
  TObject graphic, calc;
  TCellProperties src(&g, 3, 4);
  src.SetIsBaseCell(false);
  src.SetCellSpanX(1);
  src.SetCellSpanY(2);
  src.SetCellObject(77);
  src.SetAlignment(taCenter);
  src.SetBorderColor(0x000102);
  src.SetBorderWidth(3);
  src.SetBrushColor(0x00AABB);
  src.SetBrushStyle(bsCross);
  src.SetFontColor(0x112233);
  src.SetFontStyle(TFontStyles{fsItalic});
  src.SetFontName("Courier New");
  src.SetFontSize(14);
  src.SetReadOnly(true);
  src.SetEditor(edDataCheckBox);
  src.SetVAlignment(vtaBottom);
  src.SetWordWrap(false);
  src.SetNodeLevel(2);
  src.SetControl(&g);
  src.SetBrushColorTo(0x445566);
  src.SetGraphicObject(&graphic);
  src.SetCalcObject(&calc);
  src.SetCalcType(acSUM);
  src.SetGradientDirection(GradientHorizontal);
  src.SetPaintID(9);

  TCellProperties dst(&g, 0, 0);
  dst.Assign(&src);
  EXPECT_FALSE(dst.IsBaseCell());
  EXPECT_EQ(dst.CellSpanX(), 1);
  EXPECT_EQ(dst.CellSpanY(), 2);
  EXPECT_EQ(dst.OwnerCol(), 3);
  EXPECT_EQ(dst.OwnerRow(), 4);
  EXPECT_EQ(dst.CellObject(), 77u);
  EXPECT_EQ(dst.Alignment(), taCenter);
  EXPECT_EQ(dst.BorderColor(), 0x000102u);
  EXPECT_EQ(dst.BorderWidth(), 3);
  EXPECT_EQ(dst.BrushColor(), 0x00AABBu);
  EXPECT_EQ(dst.BrushStyle(), bsCross);
  EXPECT_EQ(dst.FontColor(), 0x112233u);
  EXPECT_TRUE(dst.FontStyle() == TFontStyles{fsItalic});
  EXPECT_EQ(dst.FontName(), "Courier New");
  EXPECT_EQ(dst.FontSize(), 14);
  EXPECT_TRUE(dst.ReadOnly());
  EXPECT_EQ(dst.Editor(), edDataCheckBox);
  EXPECT_EQ(dst.VAlignment(), vtaBottom);
  EXPECT_FALSE(dst.WordWrap());
  EXPECT_EQ(dst.NodeLevel(), 2);
  EXPECT_EQ(dst.Control(), &g);
  // What belongs to the cell's own painting and calculation stays.
  EXPECT_EQ(dst.BrushColorTo(), clNone);
  EXPECT_EQ(dst.GraphicObject(), nullptr);
  EXPECT_EQ(dst.CalcObject(), nullptr);
  EXPECT_EQ(dst.CalcType(), acNONE);
  EXPECT_EQ(dst.GradientDirection(), GradientVertical);
  EXPECT_EQ(dst.PaintID(), 0);
  EXPECT_EQ(dst.OwnerGrid(), &g);

  TFont font;
  EXPECT_THROW(dst.Assign(&font), EConvertError);
}

}  // namespace
