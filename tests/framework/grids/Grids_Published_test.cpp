// Grids stored in form layouts: read from text, written back.
#include <gtest/gtest.h>

#include "framework/classes/ComponentFiler.h"
#include "framework/controls/Forms.h"
#include "framework/grids/Grids.h"

namespace {

TEST(GridsPublished, LayoutCreatesAndFillsAStringGrid) {
  TForm form(nullptr);
  ReadComponentText(&form, R"(object Form1: TForm
  object Grid1: TStringGrid
    Left = 8
    Top = 8
    Width = 300
    Height = 120
    ColCount = 4
    DefaultRowHeight = 22
    FixedCols = 0
    RowCount = 12
    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing, goTabs]
    ScrollBars = ssVertical
    ColWidths = (40 80 120 60)
  end
end
)",
                    "grid.dfm");
  auto* g = dynamic_cast<TStringGrid*>(form.FindComponent("Grid1"));
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->Parent(), &form);
  EXPECT_EQ(g->ColCount(), 4);
  EXPECT_EQ(g->RowCount(), 12);
  EXPECT_EQ(g->FixedCols(), 0);
  EXPECT_EQ(g->FixedRows(), 1);
  EXPECT_EQ(g->DefaultRowHeight(), 22);
  EXPECT_EQ(g->RowHeights(11), 22);
  EXPECT_EQ(g->ColWidths(2), 120);
  EXPECT_EQ(g->ScrollBars(), ssVertical);
  EXPECT_TRUE(g->Options().Contains(goEditing));
  EXPECT_FALSE(g->Options().Contains(goRangeSelect));

  // Written back, the values that differ from the defaults come out again.
  std::string text = WriteComponentText(&form);
  EXPECT_NE(text.find("ColCount = 4"), std::string::npos) << text;
  EXPECT_NE(text.find("ColWidths = ("), std::string::npos) << text;
  EXPECT_EQ(text.find("RowHeights"), std::string::npos) << text;
  EXPECT_EQ(text.find("GridLineWidth"), std::string::npos) << text;
}

}  // namespace
