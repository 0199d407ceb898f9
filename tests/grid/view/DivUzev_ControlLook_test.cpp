// The grid's control look: its initial values, which setters hand their
// colour on to the grid, what Assign copies, and how a stored layout sets
// the fixed cells' hover and pressed gradients.
#include <gtest/gtest.h>

#include <string>

#include "framework/classes/ComponentFiler.h"
#include "framework/controls/Forms.h"
#include "grid/model/DivUzev.h"

namespace {

TEST(DivUzevControlLook, AFreshLookHasItsInitialValues) {
  TDedAdararAdoz g(nullptr);
  TControlLook* l = g.ControlLook();
  EXPECT_EQ(l->ControlStyle(), csTheme);
  EXPECT_EQ(l->CheckSize(), 15);
  EXPECT_EQ(l->RadioSize(), 10);
  EXPECT_EQ(l->DropDownCount(), 8);
  EXPECT_EQ(l->HintMaxWidth(), 0);
  EXPECT_EQ(l->CommentColor(), clRed);
  EXPECT_EQ(l->ProgressBorderColor(), clGray);
  EXPECT_EQ(l->FixedGradientHoverFrom(), clGray);
  EXPECT_EQ(l->FixedGradientHoverTo(), clWhite);
  EXPECT_EQ(l->FixedGradientHoverBorder(), clSilver);
  EXPECT_EQ(l->FixedGradientDownFrom(), clGray);
  EXPECT_EQ(l->FixedGradientDownTo(), clSilver);
  EXPECT_EQ(l->FixedGradientDownBorder(), clGray);
  EXPECT_EQ(l->FixedGradientHoverMirrorFrom(), clNone);
  EXPECT_TRUE(l->CheckedGlyph()->Empty());
}

TEST(DivUzevControlLook, GradientSettersHandTheirColourToTheGrid) {
  TDedAdararAdoz g(nullptr);
  TControlLook* l = g.ControlLook();
  l->SetFixedGradientHoverFrom(clRed);
  l->SetFixedGradientDownTo(clBlue);
  l->SetFixedGradientHoverMirrorFrom(clLime);
  l->SetFixedGradientFrom(clYellow);
  EXPECT_EQ(g.VyxGradientHoverFrom(), clRed);
  EXPECT_EQ(g.VyxGradientDownTo(), clBlue);
  EXPECT_EQ(g.VyxGradientHoverMirrorFrom(), clLime);
  EXPECT_EQ(g.VyxGradientFrom(), clYellow);
  // "None" reaches the grid only for the mirror colours.
  l->SetFixedGradientHoverFrom(clNone);
  l->SetFixedGradientHoverMirrorFrom(clNone);
  l->SetFixedGradientFrom(clNone);
  EXPECT_EQ(l->FixedGradientHoverFrom(), clNone);
  EXPECT_EQ(g.VyxGradientHoverFrom(), clRed);
  EXPECT_EQ(g.VyxGradientHoverMirrorFrom(), clNone);
  EXPECT_EQ(g.VyxGradientFrom(), clYellow);
}

TEST(DivUzevControlLook, AssignCopiesTheLookButTellsTheGridNothing) {
  TDedAdararAdoz a(nullptr), b(nullptr);
  a.ControlLook()->SetControlStyle(csWinXP);
  a.ControlLook()->SetCheckSize(13);
  a.ControlLook()->SetFlatButton(true);
  a.ControlLook()->SetFixedGradientHoverFrom(clMaroon);
  a.ControlLook()->SetFixedGradientHoverTo(clOlive);
  const TColor before = b.VyxGradientHoverFrom();
  b.ControlLook()->Assign(a.ControlLook());
  EXPECT_EQ(b.ControlLook()->ControlStyle(), csWinXP);
  EXPECT_EQ(b.ControlLook()->CheckSize(), 13);
  EXPECT_FALSE(b.ControlLook()->FlatButton());
  EXPECT_EQ(b.ControlLook()->FixedGradientHoverFrom(), clMaroon);
  EXPECT_EQ(b.ControlLook()->FixedGradientHoverTo(), clOlive);
  EXPECT_EQ(b.VyxGradientHoverFrom(), before);
  // Anything else changes nothing.
  TFont font;
  b.ControlLook()->Assign(&font);
  EXPECT_EQ(b.ControlLook()->CheckSize(), 13);
}

TEST(DivUzevControlLook, AStoredLayoutSetsTheGridsHoverAndPressedLook) {
  TForm form(nullptr);
  ReadComponentText(&form, R"(object Form1: TForm
  object Grid1: TDedAdararAdoz
    ControlLook.ControlStyle = csWinXP
    ControlLook.FixedGradientHoverFrom = clGray
    ControlLook.FixedGradientHoverTo = clWhite
    ControlLook.FixedGradientDownFrom = clGray
    ControlLook.FixedGradientDownTo = clSilver
  end
  object Grid2: TDedAdararAdoz
    ControlLook.FixedGradientHoverFrom = 13627391
    ControlLook.FixedGradientHoverTo = 10281983
    ControlLook.FixedGradientHoverMirrorFrom = 6410751
    ControlLook.FixedGradientHoverMirrorTo = 9951231
    ControlLook.FixedGradientHoverBorder = 12033927
    ControlLook.FixedGradientDownFrom = 6144242
    ControlLook.FixedGradientDownTo = 2992639
    ControlLook.FixedGradientDownMirrorFrom = 2400225
    ControlLook.FixedGradientDownMirrorTo = 5887725
    ControlLook.FixedGradientDownBorder = 3243726
  end
end
)",
                    "grid.dfm");
  auto* g1 = dynamic_cast<TDedAdararAdoz*>(form.FindComponent("Grid1"));
  auto* g2 = dynamic_cast<TDedAdararAdoz*>(form.FindComponent("Grid2"));
  ASSERT_NE(g1, nullptr);
  ASSERT_NE(g2, nullptr);
  EXPECT_EQ(g1->ControlLook()->ControlStyle(), csWinXP);
  EXPECT_EQ(g1->VyxGradientHoverFrom(), clGray);
  EXPECT_EQ(g1->VyxGradientHoverTo(), clWhite);
  EXPECT_EQ(g1->VyxGradientDownTo(), clSilver);
  EXPECT_EQ(g2->VyxGradientHoverFrom(), 13627391);
  EXPECT_EQ(g2->VyxGradientHoverMirrorTo(), 9951231);
  EXPECT_EQ(g2->VyxGradientHoverBorder(), 12033927);
  EXPECT_EQ(g2->VyxGradientDownMirrorFrom(), 2400225);
  EXPECT_EQ(g2->VyxGradientDownBorder(), 3243726);

  // A new look differs from the declared defaults in these four colours,
  // so a layout written from it carries them.
  const std::string text = WriteComponentText(&form);
  EXPECT_NE(text.find("ControlLook.FixedGradientHoverFrom = clGray"), std::string::npos) << text;
  EXPECT_NE(text.find("ControlLook.FixedGradientDownTo = clSilver"), std::string::npos) << text;
}

}  // namespace
