// How a cell looks: which source wins for its colours, font, alignment and
// word wrap, the selection colour mixer, the formatted cell text, which
// cells count as fixed, and the size a cell's text needs.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "grid/model/DivUzev.h"

namespace {

std::unique_ptr<TDedAdararAdoz> NewGrid(int Cols = 5, int Rows = 8) {
  auto g = std::make_unique<TDedAdararAdoz>(nullptr);
  g->SetColCount(Cols);
  g->SetRowCount(Rows);
  return g;
}

struct TLook {
  TColor Brush = clNone, ColorTo = clNone, Mirror = clNone, MirrorTo = clNone;
  TColor FontColor = clNone;
  TGridDrawState State;
  TAlignment HA = taLeftJustify;
  TVAlignment VA = vtaTop;
  bool WW = false;
};

TLook LookOf(TDedAdararAdoz* g, int Col, int Row, TGridDrawState State = {}, bool Select = true) {
  TBrush brush;
  TFont font;
  TLook l;
  l.State = State;
  TCellGradientDirection gd = GradientVertical;
  g->GetVisualProperties(Col, Row, l.State, false, Select, true, &brush, l.ColorTo, l.Mirror, l.MirrorTo,
                         &font, l.HA, l.VA, l.WW, gd);
  l.Brush = brush.Color();
  l.FontColor = font.Color();
  return l;
}

TEST(DivUzevVisual, AFixedCellKeepsItsOwnColourUnderEveryLook) {
  for (TGridLook look : {glStandard, glSoft, glClassic, glVyx, glXP, glOffice2007}) {
    auto g = NewGrid();
    g->SetLook(look);
    g->GetCellProperties(2, 0)->SetBrushColor(clRed);
    EXPECT_EQ(LookOf(g.get(), 2, 0).Brush, clRed) << look;
    // A graphic cell's own colour does not count as its own.
    g->GetCellProperties(3, 0)->SetBrushColor(clRed);
    g->AddCheckBox(3, 0, true, false);
    const TLook l = LookOf(g.get(), 3, 0);
    EXPECT_EQ(l.Brush, look >= glVyx ? g->VyxGradientFrom() : g->FixedColor()) << look;
    EXPECT_TRUE(l.State.Contains(gdFixed));
  }
}

TEST(DivUzevVisual, BandsAlternateBelowTheFixedRows) {
  auto g = NewGrid(4, 9);
  g->Bands()->SetPrimaryColor(clYellow);
  g->Bands()->SetSecondaryColor(clAqua);
  g->Bands()->SetPrimaryLength(2);
  g->Bands()->SetSecondaryLength(1);
  g->Bands()->SetActive(true);
  const TColor expected[] = {clYellow, clYellow, clAqua, clYellow, clYellow, clAqua};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(LookOf(g.get(), 1, 1 + i, {}, false).Brush, expected[i]) << i;
  EXPECT_EQ(LookOf(g.get(), 0, 2, {}, false).Brush, g->VyxGradientFrom());
}

TEST(DivUzevVisual, TheSelectionColourMixesWithTheCellColour) {
  struct Case {
    bool mixer;
    int factor;
    TColor cell, selection, expected;
  };
  const Case cases[] = {
      {true, 50, clWhite, clBlack, 0x808080}, {true, 100, clWhite, clBlack, clBlack},
      {true, 0, clWhite, clBlack, clWhite},   {true, 25, 0x0000FF, 0x00FF00, RGB(191, 64, 0)},
      {false, 50, clWhite, clBlack, clBlack}, {true, 50, clNone, clBlue, clBlue},
      {true, 50, clWhite, clNone, clWhite},
  };
  for (const Case& c : cases) {
    auto g = NewGrid();
    g->SetSelectionColorMixer(c.mixer);
    g->SetSelectionColorMixerFactor(c.factor);
    g->SetSelectionColor(c.selection);
    EXPECT_EQ(g->MixSelectionColor(c.cell), c.expected) << c.factor << " " << std::hex << c.cell;
  }
  // A selected cell in the grid's own colour takes the selection colour
  // whole; one with a colour of its own is mixed.
  auto g = NewGrid();
  g->SetSelectionColorMixer(true);
  g->SetSelectionColor(clBlack);
  g->SetColor(clWhite);
  g->GetCellProperties(2, 2)->SetBrushColor(clWhite);
  g->GetCellProperties(3, 2)->SetBrushColor(0xFFFFFE);
  g->SetSelection(TGridRect(1, 2, 3, 2));
  EXPECT_EQ(LookOf(g.get(), 1, 2).Brush, clBlack);
  EXPECT_EQ(LookOf(g.get(), 2, 2).Brush, clBlack);
  EXPECT_EQ(LookOf(g.get(), 3, 2).Brush, 0x80807F);
  EXPECT_TRUE(LookOf(g.get(), 3, 2).State.Contains(gdSelected));
  EXPECT_FALSE(LookOf(g.get(), 3, 2, {}, false).State.Contains(gdSelected));
}

TEST(DivUzevVisual, TheSelectionSetsTextAndGradientColours) {
  auto g = NewGrid();
  g->SetSelectionTextColor(clRed);
  g->SetSelectionColorTo(clYellow);
  g->SetSelection(TGridRect(1, 1, 2, 2));
  const TLook in = LookOf(g.get(), 2, 2);
  EXPECT_EQ(in.Brush, g->SelectionColor());
  EXPECT_EQ(in.FontColor, clRed);
  EXPECT_EQ(in.ColorTo, clYellow);
  const TLook out = LookOf(g.get(), 3, 2);
  EXPECT_EQ(out.Brush, g->Color());
  EXPECT_NE(out.FontColor, clRed);
  g->SetShowSelection(false);
  EXPECT_EQ(LookOf(g.get(), 2, 2).Brush, g->Color());
}

TEST(DivUzevVisual, ADisabledGridShowsEveryTextInTheDisabledColour) {
  auto g = NewGrid();
  g->SetSelection(TGridRect(1, 1, 1, 1));
  g->SetEnabled(false);
  EXPECT_EQ(LookOf(g.get(), 2, 3).FontColor, g->DisabledFontColor());
  EXPECT_EQ(LookOf(g.get(), 1, 1).FontColor, g->DisabledFontColor());
  g->SetUseDisabledFont(false);
  EXPECT_NE(LookOf(g.get(), 2, 3).FontColor, g->DisabledFontColor());
}

TEST(DivUzevVisual, TheEventsSeeTheRealColumnAndRowInTheirOwnOrder) {
  auto g = NewGrid();
  g->HideColumn(1);
  int colorRow = -1, colorCol = -1, gradRow = -1, gradCol = -1;
  g->OnGetCellColor = [&](TObject*, int ARow, int ACol, TGridDrawState, TBrush* B, TFont*) {
    colorRow = ARow;
    colorCol = ACol;
    B->SetColor(clLime);
  };
  g->OnGetCellGradient = [&](TObject*, int ARow, int ACol, TColor& C, TColor& To, TColor&, TColor&,
                             TCellGradientDirection&) {
    gradRow = ARow;
    gradCol = ACol;
    EXPECT_EQ(C, clLime);
    To = clGreen;
  };
  const TLook l = LookOf(g.get(), 1, 3, {}, false);
  EXPECT_EQ(colorRow, 3);
  EXPECT_EQ(colorCol, 2);
  EXPECT_EQ(gradRow, 3);
  EXPECT_EQ(gradCol, 2);
  EXPECT_EQ(l.Brush, clLime);
  EXPECT_EQ(l.ColorTo, clGreen);
}

TEST(DivUzevVisual, TheFormattedTextFollowsTheFloatFormatForNumbersOnly) {
  auto g = NewGrid();
  g->SetCellEx(1, 1, "1.5");
  g->SetCellEx(1, 2, "abc");
  g->SetCellEx(1, 3, "7.9");
  EXPECT_EQ(g->GetFormattedCell(1, 1), "1.5");
  int offered = 0;
  g->OnGetFloatFormat = [&](TObject*, int, int ARow, bool& IsFloat, std::string& Fmt) {
    ++offered;
    EXPECT_TRUE(IsFloat);
    Fmt = ARow == 3 ? "%d" : "%.2f";
  };
  EXPECT_EQ(g->GetFormattedCell(1, 1), "1.50");
  EXPECT_EQ(g->GetFormattedCell(1, 2), "abc");
  EXPECT_EQ(offered, 1);
  // "d" formats the integer value; a text that is not one stays as stored.
  g->SetCellEx(1, 3, "8");
  EXPECT_EQ(g->GetFormattedCell(1, 3), "8");
  g->SetCellEx(1, 3, "7.9");
  EXPECT_EQ(g->GetFormattedCell(1, 3), "7.9");
  // Texts formatted together stay apart.
  EXPECT_EQ(g->GetFormattedCell(1, 1) + "|" + g->GetFormattedCell(1, 2) + "|" + g->GetFormattedCell(1, 3),
            "1.50|abc|7.9");
}

TEST(DivUzevVisual, NumbersAlignRightWhenAskedAndCellPropertiesWin) {
  auto g = NewGrid();
  g->SetCellEx(1, 1, "12.5");
  g->SetCellEx(1, 2, "12.5x");
  g->SetCellEx(1, 3, "12.5");
  g->GetCellProperties(1, 3)->SetAlignment(taCenter);
  TAlignment ha;
  TVAlignment va;
  g->CalcCellAlignment(1, 1, ha, va);
  EXPECT_EQ(ha, taLeftJustify);
  g->SetAutoNumAlign(true);
  g->SetVAlignment(vtaCenter);
  g->CalcCellAlignment(1, 1, ha, va);
  EXPECT_EQ(ha, taRightJustify);
  EXPECT_EQ(va, vtaCenter);
  g->CalcCellAlignment(1, 2, ha, va);
  EXPECT_EQ(ha, taLeftJustify);
  g->CalcCellAlignment(1, 3, ha, va);
  EXPECT_EQ(ha, taCenter);
  g->OnGetAlignment = [](TObject*, int ARow, int, TAlignment& H, TVAlignment&) {
    if (ARow == 3) H = taLeftJustify;
  };
  g->CalcCellAlignment(1, 3, ha, va);
  EXPECT_EQ(ha, taLeftJustify);
}

TEST(DivUzevVisual, FooterRowsAndRightFixedColumnsAreFixed) {
  auto g = NewGrid(6, 8);
  EXPECT_FALSE(g->IsFixed(3, 7));
  g->SetFixedFooters(1);
  g->SetFixedRightCols(1);
  EXPECT_TRUE(g->IsFixed(3, 7));
  EXPECT_TRUE(g->IsFixed(5, 3));
  EXPECT_FALSE(g->IsFixed(4, 3));
  g->OnIsFixedCell = [](TObject*, int ARow, int, bool& F) { F = ARow == 7 ? false : F; };
  EXPECT_TRUE(g->IsFixed(3, 7));
  EXPECT_TRUE(LookOf(g.get(), 5, 3, {}, false).State.Contains(gdFixed));
}

TEST(DivUzevVisual, TextSizesFollowTheCellsKindOfText) {
  auto g = NewGrid(4, 4);
  g->SetDefaultColWidth(80);
  g->SetCellEx(1, 1, "one\r\ntwo lines");
  g->SetCellEx(2, 1, "one");
  const TSize one = g->GetCellTextSize(2, 1, false, false);
  const TSize two = g->GetCellTextSize(1, 1, false, false);
  EXPECT_EQ(two.cy, one.cy);
  g->SetMultilineCells(true);
  EXPECT_EQ(g->GetCellTextSize(1, 1, false, false).cy, 2 * one.cy);

  // Rotated by a right angle: width and height exchanged, 12 more each.
  g->SetCellEx(3, 1, "rotated text");
  const TSize flat = g->GetCellTextSize(3, 1, false, false);
  g->SetRotated(3, 1, 90);
  const TSize turned = g->GetCellTextSize(3, 1, false, false);
  EXPECT_EQ(turned.cx, flat.cy + 12);
  EXPECT_EQ(turned.cy, flat.cx + 12);

  // Markup is measured without a width limit unless the height is asked.
  std::string words;
  for (int i = 0; i < 20; ++i) words += "word ";
  g->SetCellEx(1, 2, "<b>" + words + "</b>");
  const TSize wide = g->GetCellTextSize(1, 2, false, false);
  EXPECT_GT(wide.cx, 80);
  const TSize wrapped = g->GetCellTextSize(1, 2, true, false);
  EXPECT_LE(wrapped.cx, 82);
  EXPECT_GT(wrapped.cy, wide.cy);
}

}  // namespace
