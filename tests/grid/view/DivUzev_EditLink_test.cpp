// The custom editor link: an application's edit box edits a cell in place
// or on the link's own pop-up form; the keys that end its edit, Escape
// putting the start value back, and two pop-up links that keep their own
// forms.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridEditFixture.h"
#include "framework/controls/ComboBox.h"
#include "grid/model/VevCGrid.h"
#include "grid/view/DivUzevEditLink.h"

namespace {

using namespace testinput;

class TEditBoxLink : public TEditLink {
 public:
  using TEditLink::TEditLink;
  TEdit* Box = nullptr;
  TWinControl* GetEditControl() override { return Box; }
  void CreateEditor(TWinControl* AParent) override {
    if (Box == nullptr) {
      Box = new TEdit(this);
      Box->OnKeyDown = [this](TObject* Sender, WORD& Key, TShiftState Shift) {
        EditKeyDown(Sender, Key, Shift);
      };
    }
    Box->SetParent(AParent);
  }
  std::string GetEditorValue() override { return Box != nullptr ? Box->Text() : std::string(); }
  void SetEditorValue(const std::string& S) override { Box->SetText(S); }
};

struct EditLinkFixture : GridEditFixture {
  TEditBoxLink* link = nullptr;
  void SetUp() override {
    GridEditFixture::SetUp();
    link = new TEditBoxLink(form);
    g->SetEditLink(link);
    g->OnGetEditorType = [](TObject*, int c, int, TEditorType& e) {
      if (c == 2) e = edCustom;
    };
    g->SetCells(2, 3, "start");
    Goto(2, 3);
  }
  bool BoxShown() { return link->Box != nullptr && link->Box->Visible(); }
};

TEST_F(EditLinkFixture, TheControlEditsTheCellInPlaceAndEnterWritesItBack) {
  PressKey(VK_F2);
  ASSERT_TRUE(BoxShown());
  EXPECT_EQ(link->Box->Text(), "start");
  EXPECT_TRUE(link->SubClassed());
  link->Box->SetText("typed");
  PressKey(VK_RETURN);
  EXPECT_EQ(g->Cells(2, 3), "typed");
  EXPECT_FALSE(BoxShown());
  EXPECT_FALSE(link->SubClassed());
  EXPECT_FALSE(g->EditMode());
}

TEST_F(EditLinkFixture, WantedKeysStayWithTheControlAndEscapeKeepsTheCell) {
  link->SetWantKeyUpDown(true);
  PressKey(VK_F2);
  ASSERT_TRUE(BoxShown());
  link->Box->SetText("changed");
  PressKey(VK_UP);
  EXPECT_TRUE(BoxShown()) << "Up is the control's";
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(BoxShown());
  EXPECT_EQ(g->Cells(2, 3), "start");
  PressKey(VK_F2);
  link->Box->SetText("left");
  PressKey(VK_LEFT);
  EXPECT_FALSE(BoxShown());
  EXPECT_EQ(g->Cells(2, 3), "left");
  EXPECT_EQ(g->Col(), 1) << "the arrow goes on to the grid";
}

TEST_F(EditLinkFixture, TheKeyThatStartsTheEditIsTypedIntoTheControl) {
  TypeText("ä");
  Pump();
  ASSERT_TRUE(BoxShown());
  ASSERT_FALSE(link->Box->Text().empty());
  EXPECT_EQ(link->Box->Text(), "ä");
  PressKey(VK_RETURN);
  EXPECT_NE(g->Cells(2, 3).find("ä"), std::string::npos);
}

TEST_F(EditLinkFixture, TabWithTabsMovesOnAndOpensTheNextCellsEditor) {
  g->SetOptions(g->Options() << goTabs);
  PressKey(VK_F2);
  ASSERT_TRUE(BoxShown());
  link->Box->SetText("tabbed");
  PressKey(VK_TAB);
  Pump();
  EXPECT_EQ(g->Cells(2, 3), "tabbed");
  EXPECT_EQ(g->Col(), 3);
  EXPECT_FALSE(BoxShown());
  EXPECT_TRUE(EditorShown()) << "the next cell's editor opens";
}

// A combo box as the link's control reports to the grid's combo event
// with the column as shown.
class TComboLink : public TEditLink {
 public:
  using TEditLink::TEditLink;
  TComboBox* Box = nullptr;
  TWinControl* GetEditControl() override { return Box; }
  void CreateEditor(TWinControl* AParent) override {
    if (Box == nullptr) {
      Box = new TComboBox(this);
      Box->OnKeyDown = [this](TObject* Sender, WORD& Key, TShiftState Shift) {
        EditKeyDown(Sender, Key, Shift);
      };
    }
    Box->SetParent(AParent);
    Box->Items()->Clear();
    for (const char* s : {"Read", "Write"}) Box->Items()->Add(s);
  }
  std::string GetEditorValue() override { return Box->Text(); }
  void SetEditorValue(const std::string& S) override { Box->SetText(S); }
};

TEST_F(EditLinkFixture, ACustomComboReportsItsChangesToTheGrid) {
  auto* combo = new TComboLink(form);
  g->SetEditLink(combo);
  g->HideColumn(1);  // real column 2 shows as column 1
  std::vector<std::string> changes;
  g->OnComboChange = [&](TObject*, int c, int r, int i, const std::string& s) {
    changes.push_back(std::to_string(c) + "," + std::to_string(r) + " " + std::to_string(i) + " " + s);
  };
  Goto(1, 3);
  PressKey(VK_F2);
  ASSERT_NE(combo->Box, nullptr);
  ASSERT_TRUE(combo->Box->Visible());
  combo->Box->SetText("");
  changes.clear();
  TypeText("x");
  EXPECT_EQ(changes, (std::vector<std::string>{"1,3 -1 ", "1,3 -1 x"}));
  PressKey(VK_ESCAPE);
}

TEST_F(EditLinkFixture, PopupLinksEachKeepTheirOwnForm) {
  auto* second = new TEditBoxLink(form);
  link->SetEditStyle(esPopup);
  link->SetPopupWidth(120);
  link->SetPopupHeight(30);
  second->SetEditStyle(esPopup);
  second->SetPopupWidth(120);
  second->SetPopupHeight(30);
  PressKey(VK_F2);
  ASSERT_NE(link->PopupForm(), nullptr);
  EXPECT_EQ(link->Box->Parent(), link->PopupForm());
  link->Box->SetText("one");
  PressKey(VK_RETURN);
  EXPECT_EQ(g->Cells(2, 3), "one");
  g->SetEditLink(second);
  Goto(2, 3);
  PressKey(VK_F2);
  ASSERT_NE(second->PopupForm(), nullptr);
  EXPECT_NE(second->PopupForm(), link->PopupForm());
  second->Box->SetText("two");
  PressKey(VK_RETURN);
  EXPECT_EQ(g->Cells(2, 3), "two");
  // The first link's form is still its own and usable.
  g->SetEditLink(link);
  Goto(2, 3);
  PressKey(VK_F2);
  EXPECT_EQ(link->Box->Parent(), link->PopupForm());
  PressKey(VK_ESCAPE);
  EXPECT_EQ(g->Cells(2, 3), "two");
}

}  // namespace

TEST(EditLinkColumns, EachColumnOpensItsOwnLink) {
  ResetKeyboardState();
  TForm* form = NewPointerForm(520, 360);
  auto* g = new TRavUvurerEduz(form);
  g->SetParent(form);
  g->SetBounds(0, 0, 420, 260);
  g->SetColCount(4);
  g->SetRowCount(5);
  g->SetOptions(g->Options() << goEditing);
  auto* first = new TEditBoxLink(form);
  auto* second = new TEditBoxLink(form);
  auto* stray = new TEditBoxLink(form);
  g->SetEditLink(stray);
  g->Columns()->GetItem(1)->SetEditor(edCustom);
  g->Columns()->GetItem(1)->SetEditLink(first);
  g->Columns()->GetItem(2)->SetEditor(edCustom);
  g->Columns()->GetItem(2)->SetEditLink(second);
  g->SetCells(1, 1, "one");
  g->SetCells(2, 1, "two");
  ShowForm(form);
  g->SetFocus();
  const std::vector<std::pair<int, TEditBoxLink*>> cases = {{1, first}, {2, second}, {1, first}};
  for (const auto& [col, link] : cases) {
    g->SetCol(col);
    g->SetRow(1);
    Pump();
    PressKey(VK_F2);
    EXPECT_EQ(g->EditLink(), link) << col;
    ASSERT_NE(link->Box, nullptr) << col;
    EXPECT_TRUE(link->Box->Visible()) << col;
    EXPECT_EQ(link->Box->Text(), col == 1 ? "one" : "two");
    PressKey(VK_ESCAPE);
  }
  EXPECT_EQ(stray->Box, nullptr) << "the grid's own link is not the columns'";
  FreePointerForm(form);
}
