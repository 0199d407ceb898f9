// The multi-column drop-down: completion, the item index, the list's keys,
// wheel and Escape, and its height.
#include "controls/dropdown/VevMultiColumnDropDown.h"

#include <string>
#include <vector>

#include "KindSupport.h"

namespace {

using namespace testinput;

struct MultiFixture : KindFixture<TVevMultiColumnDropDown> {
  void Items(std::initializer_list<std::vector<std::string>> Rows) {
    dd->Columns()->Add()->SetHeader("City");
    dd->Columns()->Add()->SetHeader("Code");
    for (const auto& r : Rows) {
      auto* it = dd->Items()->Add();
      for (const auto& t : r) it->Text()->Add(t);
    }
    dd->EndUpdate();
  }
};

TEST_F(MultiFixture, TypingCompletesFromTheLookupColumn) {
  Items({{"Milan", "MI"}, {"Munich", "M"}});
  TypeText("mi");
  EXPECT_EQ(dd->Text(), "Milan");
  EXPECT_EQ(dd->SelStart(), 2);
  EXPECT_EQ(dd->SelLength(), 3);
  EXPECT_EQ(dd->ItemIndex(), 0);
  TypeText("x");
  EXPECT_EQ(dd->Text(), "Mix");
  EXPECT_EQ(dd->SelLength(), 0);
  EXPECT_EQ(dd->GetItemIndex("Munich"), 1);
  EXPECT_EQ(dd->GetItemIndex("munich"), -1);
}

TEST_F(MultiFixture, TheItemIndexSetterAndEscapeInTheList) {
  Items({{"Milan"}, {"Munich"}, {"Rome"}});
  dd->SetItemIndex(1);
  dd->SetItemIndex(3);
  EXPECT_EQ(dd->ItemIndex(), 1);
  EXPECT_EQ(dd->Text(), "Munich");
  dd->SetItemIndex(-1);
  EXPECT_EQ(dd->Text(), "");
  dd->SetItemIndex(0);
  PressKey(VK_F4);
  ASSERT_TRUE(dd->DroppedDown());
  PressKey(VK_DOWN);
  PressKey(VK_DOWN);
  EXPECT_EQ(dd->ItemIndex(), 2);
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->ItemIndex(), 0);
  EXPECT_EQ(dd->Text(), "Milan");
}

TEST_F(MultiFixture, WheelMovesTheListAndReturnTakesItsRow) {
  Items({{"Milan"}, {"Munich"}, {"Rome"}});
  dd->SetItemIndex(0);
  PressKey(VK_F4);
  auto* g = dd->ListGrid();
  Wheel(g, -120);
  Wheel(g, -120);
  EXPECT_EQ(g->Row(), 3);
  EXPECT_EQ(dd->ItemIndex(), 0);
  PressKey(VK_RETURN);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->ItemIndex(), 2);
  EXPECT_EQ(dd->Text(), "Rome");
}

TEST_F(MultiFixture, ThePopupShowsWholeRows) {
  Items({{"a"}, {"b"}, {"c"}, {"d"}, {"e"}, {"f"}, {"g"}, {"h"}, {"i"}, {"j"}});
  dd->DropDownHeader()->SetVisible(false);
  dd->DropDownFooter()->SetVisible(false);
  dd->ShowDropDown();
  Pump();
  EXPECT_EQ(dd->DropDownForm()->Height(), 181);
  dd->HideDropDown(true);
  dd->SetDropDownRowHeight(0);
  dd->ResetUserDropDownSize();
  dd->ShowDropDown();
  Pump();
  EXPECT_EQ(dd->DropDownForm()->Height(), 200);
  dd->HideDropDown(true);
}

TEST_F(MultiFixture, ReturnIsTabTakesTheMatchingItemAndMovesOn) {
  Items({{"Milan"}, {"Munich"}});
  dd->SetReturnIsTab(true);
  dd->SetText("milan");
  PressKey(VK_RETURN);
  Pump();
  EXPECT_EQ(dd->ItemIndex(), 0);
  EXPECT_EQ(dd->Text(), "Milan");
  EXPECT_TRUE(other->Focused());
}

}  // namespace
