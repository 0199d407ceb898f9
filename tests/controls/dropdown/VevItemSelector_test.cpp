// The item selector: layout, hot and selected items, lookup, looks.
#include "controls/dropdown/VevItemSelector.h"

#include <gtest/gtest.h>

#include "framework/controls/Forms.h"
#include "support/Input.h"

namespace {

using namespace testinput;

struct SelectorFixture : ::testing::Test {
  TForm* form = nullptr;
  TVevCustomItemSelector* sel = nullptr;
  void SetUp() override {
    form = NewPointerForm(300, 300);
    sel = new TVevCustomItemSelector(form);
    sel->SetParent(form);
    sel->SetBounds(0, 0, 300, 300);
    ShowForm(form);
  }
  void TearDown() override { FreePointerForm(form); }
  void Fill(int N) {
    const char* names[] = {"Red", "Green", "Blue", "<b>Black</b>", "White", "Grey", "Gold"};
    for (int i = 0; i < N; ++i) sel->Items()->Add()->SetCaption(names[i % 7]);
    sel->UpdateSelectorPanel();
  }
};

TEST_F(SelectorFixture, ItemsLieInRowsOfColumnsAndThePanelFitsThem) {
  sel->SetColumns(3);
  Fill(7);
  TCustomItemSelector* p = sel->Panel();
  const TRect first = p->GetItemRect(0);
  const int w = first.Width(), h = first.Height();
  ASSERT_GT(w, 0);
  EXPECT_EQ(first.Left, 2);
  EXPECT_EQ(first.Top, 2);
  EXPECT_EQ(p->GetItemRect(2).Left, 2 + 2 * w);
  EXPECT_EQ(p->GetItemRect(3).Top, 2 + h);
  EXPECT_EQ(p->GetItemRect(6).Top, 2 + 2 * h);
  EXPECT_EQ(p->Width(), 3 * w + 4);
  EXPECT_EQ(p->Height(), 3 * h + 4);
  EXPECT_EQ(p->GetItemRect(7), TRect(-1, -1, -1, -1));
  sel->SetColumns(0);
  EXPECT_EQ(sel->Columns(), 3);
}

TEST_F(SelectorFixture, AnEmptySelectorIsSmallAndShowsNothing) {
  TSize s;
  sel->GetSelectorSize(s);
  EXPECT_EQ(s.cx, 100);
  EXPECT_EQ(s.cy, 50);
  EXPECT_EQ(sel->GetVisibleItemCount(), 0);
}

TEST_F(SelectorFixture, ClicksSelectLookupFindsAndDisabledItemsStayOut) {
  Fill(4);
  int selects = 0;
  sel->OnItemSelect = [&](TObject*) { ++selects; };
  sel->Items()->Items(1)->SetEnabled(false);
  const TRect r1 = sel->Panel()->GetItemRect(1), r2 = sel->Panel()->GetItemRect(2);
  Click(sel->Panel(), r1.Left + 3, r1.Top + 3);
  EXPECT_EQ(sel->ItemIndex(), -1);
  Click(sel->Panel(), r2.Left + 3, r2.Top + 3);
  EXPECT_EQ(sel->ItemIndex(), 2);
  EXPECT_EQ(selects, 1);
  MouseMove(sel->Panel(), r1.Left + 3, r1.Top + 3);
  EXPECT_EQ(sel->ItemHot(), -1);
  // Markup is read as its plain text, in any letter case.
  EXPECT_TRUE(sel->LookupItem("BLA"));
  EXPECT_EQ(sel->ItemIndex(), 3);
  // A first match that is disabled answers true and leaves the selection.
  EXPECT_TRUE(sel->LookupItem("GR"));
  EXPECT_EQ(sel->ItemIndex(), 3);
  EXPECT_FALSE(sel->LookupItem("XY"));
  sel->SelectFirst();
  EXPECT_EQ(sel->ItemIndex(), 0);
  sel->SelectNext();
  EXPECT_EQ(sel->ItemIndex(), 0) << "the next item is disabled";
  sel->SelectLast();
  EXPECT_EQ(sel->ItemIndex(), 3);
}

TEST(ItemSelector, APanelNeedsTheSelectorAsItsOwner) {
  try {
    TCustomItemSelector p(nullptr);
    FAIL();
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "Invalid parent");
  }
}

TEST(ItemSelector, LookPresetsAndSelectionStylesSetTheItemColours) {
  TItemAppearance a(nullptr);
  EXPECT_EQ(a.ColorStyle(), scOffice2007);
  EXPECT_EQ(a.ColorSelected(), static_cast<TColor>(0xA6FFFB));
  a.SetColorStyle(scWindows7);
  EXPECT_EQ(a.BorderColor(), static_cast<TColor>(0xCEA27D));
  EXPECT_EQ(a.ColorMirrorHot(), clNone);
  SetItemAppearanceStyle(&a, tsTerminal);
  EXPECT_EQ(a.ColorSelected(), clHighlight);
  EXPECT_EQ(a.ColorSelectedText(), clHighlightText);
  const TColor before = a.ColorHot();
  SetItemAppearanceStyle(&a, tsCustom);
  EXPECT_EQ(a.ColorHot(), before);
  // Assign takes the source's look last, over the copied colours.
  TItemAppearance b(nullptr);
  b.SetColorHot(0x123456);
  b.SetColorStyle(scWindowsVista);
  a.Assign(&b);
  EXPECT_EQ(a.ColorStyle(), scWindowsVista);
  EXPECT_EQ(a.ColorHot(), static_cast<TColor>(0xFDF8F1));
}

}  // namespace
