// The grid's control look: its initial values, which setters hand their
// colour on to the grid, what Assign copies, how a stored layout sets the
// fixed cells' hover and pressed gradients, and the drop-down editors'
// header and footer it keeps.
#include <gtest/gtest.h>

#include <string>

#include "framework/classes/ComponentFiler.h"
#include "framework/controls/Forms.h"
#include "grid/base/VevDropDownAppearance.h"
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

TEST(DivUzevControlLook, TheDropDownHeaderAndFooterAreOwnedCopies) {
  TDedAdararAdoz a(nullptr), b(nullptr);
  THeaderAppearance* h = a.ControlLook()->DropDownHeader();
  TFooterAppearance* f = a.ControlLook()->DropDownFooter();
  ASSERT_NE(h, nullptr);
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(h->Visible());
  EXPECT_EQ(h->Height(), 22);
  EXPECT_EQ(h->Font()->Name(), "Tahoma");
  EXPECT_TRUE(f->SizeGrip());
  h->SetCaption("Pick");
  h->Buttons()->Add()->SetCaption("Clear");
  f->SetSizeGrip(false);
  f->Buttons()->Add()->SetCaption("Done");
  // Assign copies both by their own assign.
  b.ControlLook()->Assign(a.ControlLook());
  EXPECT_NE(b.ControlLook()->DropDownHeader(), h);
  EXPECT_EQ(b.ControlLook()->DropDownHeader()->Caption(), "Pick");
  ASSERT_EQ(b.ControlLook()->DropDownHeader()->Buttons()->Count(), 1);
  EXPECT_EQ(b.ControlLook()->DropDownHeader()->Buttons()->Items(0)->Caption(), "Clear");
  EXPECT_FALSE(b.ControlLook()->DropDownFooter()->SizeGrip());
  ASSERT_EQ(b.ControlLook()->DropDownFooter()->Buttons()->Count(), 1);
  // The setters copy: the look keeps its own object, the source stays the
  // caller's.
  THeaderAppearance given(nullptr);
  given.SetCaption("Other");
  given.SetVisible(false);
  b.ControlLook()->SetDropDownHeader(&given);
  EXPECT_NE(b.ControlLook()->DropDownHeader(), &given);
  EXPECT_EQ(b.ControlLook()->DropDownHeader()->Caption(), "Other");
  EXPECT_FALSE(b.ControlLook()->DropDownHeader()->Visible());
  EXPECT_EQ(b.ControlLook()->DropDownHeader()->Buttons()->Count(), 0);
  given.SetCaption("Later");
  EXPECT_EQ(b.ControlLook()->DropDownHeader()->Caption(), "Other");
  TFooterAppearance footer(nullptr);
  b.ControlLook()->SetDropDownFooter(&footer);
  EXPECT_TRUE(b.ControlLook()->DropDownFooter()->SizeGrip());
  EXPECT_EQ(b.ControlLook()->DropDownFooter()->Buttons()->Count(), 0);
}

TEST(DivUzevControlLook, AStoredLayoutCarriesTheDropDownHeaderAndFooter) {
  const char* layout = R"(object Form1: TForm
  object Grid1: TDedAdararAdoz
    ControlLook.DropDownHeader.Visible = False
    ControlLook.DropDownHeader.Caption = 'Choose a <b>unit</b>'
    ControlLook.DropDownHeader.Color = clYellow
    ControlLook.DropDownHeader.Buttons = <
      item
        Caption = 'Clear'
        Width = 40
      end>
    ControlLook.DropDownFooter.Height = 30
    ControlLook.DropDownFooter.SizeGrip = False
    ControlLook.DropDownFooter.Buttons = <
      item
        Caption = 'OK'
        ModalResult = 1
      end
      item
        Caption = 'More'
      end>
  end
end
)";
  auto check = [](TForm& Form, const std::string& Text) {
    auto* g = dynamic_cast<TDedAdararAdoz*>(Form.FindComponent("Grid1"));
    ASSERT_NE(g, nullptr);
    THeaderAppearance* h = g->ControlLook()->DropDownHeader();
    TFooterAppearance* f = g->ControlLook()->DropDownFooter();
    EXPECT_FALSE(h->Visible()) << Text;
    EXPECT_EQ(h->Caption(), "Choose a <b>unit</b>") << Text;
    EXPECT_EQ(h->Color(), clYellow) << Text;
    ASSERT_EQ(h->Buttons()->Count(), 1) << Text;
    EXPECT_EQ(h->Buttons()->Items(0)->Caption(), "Clear");
    EXPECT_EQ(h->Buttons()->Items(0)->Width(), 40);
    EXPECT_EQ(f->Height(), 30) << Text;
    EXPECT_FALSE(f->SizeGrip()) << Text;
    ASSERT_EQ(f->Buttons()->Count(), 2) << Text;
    EXPECT_EQ(f->Buttons()->Items(0)->ModalResult(), mrOk);
    EXPECT_EQ(f->Buttons()->Items(1)->Caption(), "More");
    // What the layout leaves out keeps its default.
    EXPECT_TRUE(f->Visible());
    EXPECT_EQ(h->Height(), 22);
  };
  TForm first(nullptr);
  ReadComponentText(&first, layout, "grid.dfm");
  check(first, layout);
  // Written out and read back into a new form, the two looks are the same.
  const std::string text = WriteComponentText(&first);
  EXPECT_NE(text.find("ControlLook.DropDownHeader.Caption = 'Choose a <b>unit</b>'"), std::string::npos)
      << text;
  EXPECT_EQ(text.find("ControlLook.DropDownHeader.Height"), std::string::npos) << text;
  TForm second(nullptr);
  ReadComponentText(&second, text, "grid.dfm");
  check(second, text);
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
