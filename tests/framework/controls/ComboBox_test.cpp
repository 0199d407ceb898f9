// The combo box: selection by keys, the mouse and messages, the drop-down
// list and its notices, and the text of each style.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/controls/ComboBox.h"
#include "framework/controls/StdCtrls.h"
#include "support/Input.h"

namespace {

using namespace testinput;

struct ComboFixture : ::testing::Test {
  TForm* form = nullptr;
  TComboBox* combo = nullptr;
  TEdit* edit = nullptr;
  std::vector<std::string> log;
  void SetUp() override {
    ResetKeyboardState();
    form = new TForm(nullptr);
    form->SetBounds(100, 100, 300, 300);
    edit = new TEdit(form);
    edit->SetParent(form);
    combo = new TComboBox(form);
    combo->SetParent(form);
    combo->SetBounds(10, 40, 150, 0);
    for (const char* s : {"10K", "20K", "50K", "62.5K", "100K", "125K", "250K", "500K", "800K", "1000K"})
      combo->Items()->Add(s);
    combo->OnChange = [this](TObject*) { log.push_back("change " + combo->Text()); };
    combo->OnClick = [this](TObject*) { log.push_back("click"); };
    combo->OnDropDown = [this](TObject*) { log.push_back("dropdown"); };
    combo->OnCloseUp = [this](TObject*) { log.push_back("closeup"); };
    ShowForm(form);
  }
  void TearDown() override { delete form; }
  TComboDropList* List() { return combo->ListWindow(); }
  TPoint RowPoint(int Index) {
    TRect r = List()->ItemRect(Index);
    return TPoint(r.Left + 5, r.Top + r.Height() / 2);
  }
};

TEST_F(ComboFixture, CodeChangesFireNothingAndOutOfRangeSelectsNone) {
  combo->SetStyle(csDropDownList);
  combo->SetItemIndex(3);
  EXPECT_EQ(combo->Text(), "62.5K");
  combo->SetItemIndex(10);
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(combo->Text(), "");
  combo->SetText("250k");
  EXPECT_EQ(combo->ItemIndex(), 6);
  EXPECT_EQ(combo->Text(), "250K");
  combo->SetText("300K");
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(combo->Text(), "");
  EXPECT_TRUE(log.empty());
}

TEST_F(ComboFixture, KeysSelectInTheListStyleWithClickThenChange) {
  combo->SetStyle(csDropDownList);
  combo->SetItemIndex(0);
  combo->SetFocus();
  PressKey(VK_DOWN);
  EXPECT_EQ(combo->ItemIndex(), 1);
  PressKey(VK_END);
  EXPECT_EQ(combo->Text(), "1000K");
  PressKey(VK_DOWN);  // already last: nothing
  EXPECT_EQ(log, (std::vector<std::string>{"click", "change 20K", "click", "change 1000K"}));
  // With OnSelect assigned the selection reports there instead of OnChange.
  log.clear();
  combo->OnSelect = [this](TObject*) { log.push_back("select " + combo->Text()); };
  PressKey(VK_HOME);
  EXPECT_EQ(log, (std::vector<std::string>{"click", "select 10K"}));
}

TEST_F(ComboFixture, TypingFindsByPrefixInTheListStyle) {
  TTestClock clock;
  combo->SetStyle(csDropDownList);
  combo->SetFocus();
  TypeText("5");
  EXPECT_EQ(combo->Text(), "50K");
  TypeText("0");
  EXPECT_EQ(combo->Text(), "50K");  // "50" still matches the current item
  TypeText("0");
  EXPECT_EQ(combo->Text(), "500K");
  clock.Advance(1500);
  TypeText("1");
  EXPECT_EQ(combo->Text(), "1000K");  // a new search starts after the current item
  TypeText("2");
  EXPECT_EQ(combo->Text(), "125K");
}

// What was typed belongs to one visit of the field: leaving it, hiding it or
// choosing from code starts the next search afresh, however soon it comes.
TEST_F(ComboFixture, TypedTextStartsAfreshOnEachVisit) {
  struct Case {
    const char* Name;
    std::function<void(TComboBox*, TEdit*)> Between;
  };
  const Case cases[] = {
      {"focus left and back",
       [](TComboBox* c, TEdit* e) {
         e->SetFocus();
         c->SetFocus();
       }},
      {"hidden and shown",
       [](TComboBox* c, TEdit*) {
         c->SetVisible(false);
         c->SetVisible(true);
         c->SetFocus();
       }},
      {"item chosen from code", [](TComboBox* c, TEdit*) { c->SetItemIndex(-1); }},
      {"items replaced", [](TComboBox* c, TEdit*) { c->Items()->Add("75K"); }},
  };
  for (const Case& k : cases) {
    TTestClock clock;
    combo->SetStyle(csDropDownList);
    combo->SetItemIndex(-1);
    combo->SetFocus();
    TypeText("1");
    ASSERT_EQ(combo->Text(), "10K") << k.Name;
    k.Between(combo, edit);
    clock.Advance(300);
    TypeText("2");
    EXPECT_EQ(combo->Text(), "20K") << k.Name;  // not 125K, a search for "12"
  }
}

TEST_F(ComboFixture, DropDownOpensAndClosesWithNotices) {
  combo->SetStyle(csDropDownList);
  combo->SetItemIndex(2);
  combo->SetFocus();
  PressKey(VK_F4);
  EXPECT_TRUE(combo->DroppedDown());
  EXPECT_EQ(combo->Perform(CB_GETDROPPEDSTATE, 0, 0), 1);
  EXPECT_TRUE(List()->Showing());
  EXPECT_EQ(GetCapture(), List()->Handle());
  // Moving in the list only highlights; Escape keeps the old choice.
  PressKey(VK_DOWN);
  PressKey(VK_DOWN);
  EXPECT_EQ(List()->ItemIndex(), 4);
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_FALSE(List()->Showing());
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(log, (std::vector<std::string>{"dropdown", "closeup"}));
  // Alt+Down, a move and Return choose.
  log.clear();
  PressKey(VK_DOWN, {ssAlt});
  ASSERT_TRUE(combo->DroppedDown());
  PressKey(VK_DOWN);
  PressKey(VK_RETURN);
  EXPECT_EQ(combo->Text(), "62.5K");
  EXPECT_EQ(log, (std::vector<std::string>{"dropdown", "click", "change 62.5K", "closeup"}));
  // Return went to the list, not to the form.
  EXPECT_EQ(form->ModalResult(), mrNone);
}

TEST_F(ComboFixture, MouseChoosesFromTheDroppedList) {
  combo->SetStyle(csDropDownList);
  Click(combo, 20, 5);
  ASSERT_TRUE(combo->DroppedDown());
  EXPECT_TRUE(combo->Focused());
  // The list opens under the combo box.
  TPoint under = combo->ClientToScreen(TPoint(0, combo->ClientHeight()));
  EXPECT_GE(List()->Top(), under.Y);
  TPoint p = RowPoint(5);
  MouseMove(List(), p.X, p.Y);
  EXPECT_EQ(List()->ItemIndex(), 5);
  Click(List(), p.X, p.Y);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->Text(), "125K");
  // A press outside the list closes it and keeps the choice.
  log.clear();
  combo->SetDroppedDown(true);
  p = RowPoint(0);
  MouseMove(List(), p.X, p.Y);
  Click(edit, 3, 3);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->Text(), "125K");
  EXPECT_EQ(log, (std::vector<std::string>{"dropdown", "closeup"}));
}

TEST_F(ComboFixture, EditStyleTextAndSelectionFollowEachOther) {
  combo->SetAutoComplete(false);
  combo->SetFocus();
  TypeText("100K");
  EXPECT_EQ(combo->ItemIndex(), 4);  // the text equals an item
  TypeText("x");
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(log.back(), "change 100Kx");
  // Choosing an item puts its text in the field, selected.
  PressKey(VK_DOWN);
  EXPECT_EQ(combo->Text(), "10K");
  EXPECT_EQ(combo->SelLength(), 3);
  // Text from code picks the item of that text and fires nothing.
  log.clear();
  combo->SetText("800k");
  EXPECT_EQ(combo->ItemIndex(), 8);
  EXPECT_EQ(combo->Text(), "800k");
  combo->SetItemIndex(-1);
  EXPECT_EQ(combo->Text(), "");
  EXPECT_TRUE(log.empty());
}

TEST_F(ComboFixture, EditStyleCompletesTypedText) {
  combo->SetFocus();
  TypeText("6");
  EXPECT_EQ(combo->Text(), "62.5K");
  EXPECT_EQ(combo->SelStart(), 1);
  EXPECT_EQ(combo->SelLength(), 4);
  EXPECT_EQ(combo->ItemIndex(), 3);
  // The next character replaces the completed part.
  TypeText("7");
  EXPECT_EQ(combo->Text(), "67");
  EXPECT_EQ(combo->ItemIndex(), -1);
  // Backspace does not complete again.
  PressKey(VK_BACK);
  EXPECT_EQ(combo->Text(), "6");
}

TEST_F(ComboFixture, ComboMessages) {
  auto str = [](const char* s) { return reinterpret_cast<LPARAM>(s); };
  EXPECT_EQ(combo->Perform(CB_FINDSTRING, static_cast<WPARAM>(-1), str("1")), 0);
  EXPECT_EQ(combo->Perform(CB_FINDSTRING, 0, str("1")), 4);
  EXPECT_EQ(combo->Perform(CB_FINDSTRING, 9, str("2")), 1);
  EXPECT_EQ(combo->Perform(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), str("1000k")), 9);
  EXPECT_EQ(combo->Perform(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), str("1000")), -1);
  EXPECT_EQ(combo->Perform(CB_SETCURSEL, 7, 0), 7);
  EXPECT_EQ(combo->Perform(CB_GETCURSEL, 0, 0), 7);
  EXPECT_EQ(combo->Text(), "500K");
  EXPECT_EQ(combo->Perform(CB_GETCOUNT, 0, 0), 10);
  combo->Perform(CB_SETEDITSEL, 0, MakeLParam(1, 3));
  EXPECT_EQ(combo->SelText(), "00");
  combo->Perform(CB_SHOWDROPDOWN, 1, 0);
  EXPECT_TRUE(combo->DroppedDown());
  combo->Perform(CB_SHOWDROPDOWN, 0, 0);
  EXPECT_FALSE(combo->DroppedDown());
  // The field height sets the control's height.
  combo->Perform(CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 20);
  EXPECT_EQ(combo->Height(), 26);
  EXPECT_EQ(combo->Perform(CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0), 20);
  EXPECT_EQ(combo->Perform(CB_SETDROPPEDWIDTH, 300, 0), 300);
  EXPECT_EQ(combo->Perform(CB_SETDROPPEDWIDTH, 10, 0), combo->Width());
  EXPECT_EQ(log, (std::vector<std::string>{"dropdown", "closeup"}));
}

TEST_F(ComboFixture, SimpleStyleShowsItsListUnderTheField) {
  combo->SetStyle(csSimple);
  combo->SetBounds(10, 40, 150, 120);
  EXPECT_EQ(combo->Height(), 120);
  ASSERT_EQ(List()->Parent(), combo);
  EXPECT_TRUE(List()->Showing());
  EXPECT_GT(List()->Top(), 0);
  TPoint p = RowPoint(1);
  Click(List(), p.X, p.Y);
  EXPECT_EQ(combo->Text(), "20K");
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(log, (std::vector<std::string>{"click", "change 20K"}));
  // F4 opens nothing: the list is always there.
  combo->SetFocus();
  PressKey(VK_F4);
  EXPECT_FALSE(combo->DroppedDown());
  // Back to a drop-down list the list is a pop-up again.
  combo->SetStyle(csDropDownList);
  EXPECT_EQ(List()->Parent(), nullptr);
  EXPECT_EQ(combo->Text(), "20K");
  combo->SetDroppedDown(true);
  EXPECT_TRUE(List()->Showing());
}

TEST_F(ComboFixture, OwnerDrawnRowsAndFieldAreDrawnByTheHandler) {
  combo->SetStyle(csOwnerDrawVariable);
  combo->OnMeasureItem = [](TWinControl*, int Index, int& Height) { Height = 10 + Index; };
  combo->Items()->Add("extra");
  EXPECT_EQ(List()->ItemRect(10).Height(), 20);
  std::vector<std::string> drawn;
  combo->OnDrawItem = [&](TWinControl* C, int Index, TRect R, TOwnerDrawState State) {
    drawn.push_back(std::to_string(Index) + (State.Contains(odComboBoxEdit) ? " field" : " row"));
    static_cast<TComboBox*>(C)->Canvas()->FillRect(R);
  };
  combo->SetItemIndex(2);
  combo->GrabToBitmap();
  EXPECT_EQ(drawn, (std::vector<std::string>{"2 field"}));
  drawn.clear();
  combo->SetDroppedDown(true);
  List()->GrabToBitmap();
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn.front(), "0 row");
  EXPECT_EQ(static_cast<int>(drawn.size()), combo->DropDownCount());
}

TEST_F(ComboFixture, FocusLossClosesTheList) {
  combo->SetFocus();
  combo->SetDroppedDown(true);
  edit->SetFocus();
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_FALSE(List()->Showing());
  EXPECT_EQ(GetCapture(), static_cast<HWND>(0));
}

}  // namespace
