// The search panel driven through its window: the buttons follow the find
// edit, Return and Ctrl+Return search forward and back, a miss turns the
// edit red, the layout follows the footer's switches, closing hides it.
#include <gtest/gtest.h>

#include <string>

#include "framework/controls/CheckBox.h"
#include "framework/controls/Forms.h"
#include "framework/controls/ToolTips.h"
#include "grid/base/gridcheck.h"
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzevSearchPanel.h"
#include "tests/support/Input.h"

namespace {

struct TPanelFixture {
  TForm form{nullptr};
  TDedAdararAdoz* g;
  TSearchPanel* p;
  TPanelFixture() {
    form.SetBounds(0, 0, 640, 300);
    g = new TDedAdararAdoz(&form);
    g->SetParent(&form);
    g->SetBounds(0, 0, 600, 260);
    g->SetColCount(3);
    g->SetRowCount(6);
    for (int r = 1; r < 6; ++r) g->SetCellEx(1, r, "item" + std::to_string(r));
    g->SearchFooter()->SetVisible(true);
    p = g->SearchPanel();
    testinput::ShowForm(&form);
  }
  void Type(const std::string& Text) {
    p->EditControl()->SetFocus();
    testinput::TypeText(Text);
    testinput::Pump();
  }
};

}  // namespace

TEST(DivUzevSearchPanel, ButtonsFollowTheEditAndReturnKeysSearch) {
  TPanelFixture f;
  ASSERT_EQ(f.p->Height(), 32);
  EXPECT_FALSE(f.p->ForwardButton()->Enabled());
  EXPECT_FALSE(f.p->HiliteButton()->Enabled());
  int back = 0;
  f.p->OnBackwardClick = [&](TObject*) { ++back; };
  // Ctrl+Return asks for the previous hit even while that button is off.
  f.p->EditControl()->SetFocus();
  testinput::PressKey(VK_RETURN, TShiftState{ssCtrl});
  EXPECT_EQ(back, 1);
  f.p->OnBackwardClick = [&](TObject* S) { f.g->SearchBackward(S); };

  f.Type("item3");
  EXPECT_TRUE(f.p->ForwardButton()->Enabled());
  EXPECT_TRUE(f.p->BackwardButton()->Enabled());
  EXPECT_TRUE(f.p->HiliteButton()->Enabled());
  EXPECT_EQ(f.g->Row(), 3) << "typing searches as it goes";
  EXPECT_EQ(f.p->EditControl()->Color(), clWindow);

  f.Type("x");
  EXPECT_EQ(f.p->EditControl()->Color(), clRed) << "no hit";
  f.p->EditControl()->SetText("");
  testinput::Pump();
  EXPECT_FALSE(f.p->ForwardButton()->Enabled());
  EXPECT_EQ(f.p->EditControl()->Color(), clWindow);

  f.p->EditControl()->SetText("item");
  f.g->SetSearchCell(TPoint(-1, -1));
  f.p->EditControl()->SetFocus();
  testinput::PressKey(VK_RETURN);
  EXPECT_EQ(f.g->Row(), 1);
  testinput::PressKey(VK_RETURN);
  EXPECT_EQ(f.g->Row(), 2);
  testinput::PressKey(VK_RETURN, TShiftState{ssCtrl});
  EXPECT_EQ(f.g->Row(), 1);
  EXPECT_EQ(f.p->EditControl()->Text(), "item") << "Return is never typed";
}

TEST(DivUzevSearchPanel, HighlightButtonAndClose) {
  TPanelFixture f;
  f.p->EditControl()->SetText("tem2");
  f.p->HiliteButton()->SetDown(true);
  f.g->SearchHighlight(f.p);
  EXPECT_EQ(f.g->GetCellEx(1, 2), "i<hi>tem2</hi>");
  f.p->HiliteButton()->SetDown(false);
  f.g->SearchHighlight(f.p);
  EXPECT_EQ(f.g->GetCellEx(1, 2), "item2");
  bool closed = false;
  f.g->OnSearchFooterClose = [&](TObject*) { closed = true; };
  f.g->SearchFooterClose(f.p);
  EXPECT_TRUE(closed);
  EXPECT_FALSE(f.g->SearchFooter()->Visible());
  EXPECT_EQ(f.p->Height(), 0);
}

TEST(DivUzevSearchPanel, LayoutFollowsTheFootersSwitches) {
  TPanelFixture f;
  EXPECT_EQ(f.p->MatchCase()->Left(), 425);
  EXPECT_EQ(f.p->ForwardButton()->Left(), 140);
  EXPECT_EQ(f.p->EditControl()->Left(), 25);
  f.g->SearchFooter()->SetShowHighLight(false);
  EXPECT_EQ(f.p->MatchCase()->Left(), 330);
  f.g->SearchFooter()->SetFindNextCaption("Next");
  EXPECT_EQ(f.p->ForwardButton()->Caption(), "Next");
}

TEST(DivUzevSearchPanel, NextAfterTheLastHitMissesThenStartsOver) {
  TPanelFixture f;
  f.p->EditControl()->SetText("item");
  testinput::Pump();
  f.g->SetSearchCell(TPoint(-1, -1));
  for (int r = 1; r < 6; ++r) {
    f.g->SearchForward(f.p);
    EXPECT_EQ(f.g->SearchCell().Y, r);
  }
  f.g->SearchForward(f.p);
  EXPECT_EQ(f.g->SearchCell().X, -1) << "the miss is the new search cell";
  EXPECT_EQ(f.g->SearchCell().Y, -1);
  f.g->SearchForward(f.p);
  EXPECT_EQ(f.g->SearchCell().Y, 1) << "and the next search starts over";
  EXPECT_EQ(f.g->Row(), 1);
  f.g->SearchBackward(f.p);
  EXPECT_EQ(f.g->SearchCell().Y, -1);
  f.g->SearchBackward(f.p);
  EXPECT_EQ(f.g->SearchCell().Y, 5) << "backwards it starts over at the end";
}

// A grid whose window is never made (the grids of forms not yet shown) holds
// no search glyphs; they are there once the panel has its window.
TEST(DivUzevSearchPanel, GlyphsComeWithThePanelsWindow) {
  TForm form{nullptr};
  form.SetBounds(0, 0, 640, 300);
  auto* g = new TDedAdararAdoz(&form);
  g->SetParent(&form);
  TSearchPanel* p = g->SearchPanel();
  ASSERT_FALSE(p->HandleAllocated());
  for (TDivUzevButton* b : {p->ForwardButton(), p->BackwardButton(), p->HiliteButton(), p->ExitButton()})
    EXPECT_TRUE(b->Glyph()->Empty());

  g->SearchFooter()->SetVisible(true);
  testinput::ShowForm(&form);
  ASSERT_TRUE(p->HandleAllocated());
  for (TDivUzevButton* b : {p->ForwardButton(), p->BackwardButton(), p->HiliteButton(), p->ExitButton()})
    EXPECT_FALSE(b->Glyph()->Empty()) << b->Caption();
  for (TDivUzevButton* b : {p->ForwardButton(), p->BackwardButton(), p->HiliteButton()})
    EXPECT_FALSE(b->GlyphDisabled()->Empty()) << b->Caption();
  EXPECT_FALSE(p->ExitButton()->GlyphHot()->Empty());
  EXPECT_FALSE(p->ExitButton()->GlyphDown()->Empty());
  EXPECT_TRUE(p->ExitButton()->Caption().empty());
}
