// The grid drop-down: completion and typed lookup as tables of typed
// texts, narrowing the pop-up grid down, the item index, the pop-up's
// height and its grid's choosing, wheel and Return.
#include "controls/dropdown/VevCustomGridDropDown.h"

#include <string>
#include <vector>

#include "KindSupport.h"
#include "framework/rtl/StrUtils.h"

namespace {

using namespace testinput;

struct GridDropFixture : KindFixture<TCustomDivUzevDropDown> {
  void Items(std::initializer_list<std::vector<std::string>> Rows, int Columns = 1) {
    dd->Columns()->Clear();
    for (int i = 0; i < Columns; ++i) dd->Columns()->Add()->SetHeader("H" + std::to_string(i));
    for (const auto& r : Rows) {
      auto* it = dd->Items()->Add();
      for (const auto& t : r) it->Text()->Add(t);
    }
    dd->EndUpdate();
  }
  // The edit's text with the selection marked "[...]" (or the caret "|").
  std::string Shown() const {
    std::u32string t = Utf8ToUtf32(dd->RawText());
    const int s = dd->SelStart(), l = dd->SelLength();
    if (l == 0) {
      t.insert(static_cast<size_t>(s), U"|");
    } else {
      t.insert(static_cast<size_t>(s + l), U"]");
      t.insert(static_cast<size_t>(s), U"[");
    }
    return Utf32ToUtf8(t);
  }
  TCustomDivUzevDropDown::TVevColGrid* Grid() const { return dd->GetGrid(); }
  // The lookup-column texts of the rows the grid shows.
  std::vector<std::string> ShownRows() const {
    std::vector<std::string> v;
    for (int r = Grid()->FixedRows(); r < Grid()->RowCount(); ++r) v.push_back(Grid()->Cells(0, r));
    return v;
  }
};

TEST_F(GridDropFixture, TypedTextCompletesAndLooksUp) {
  struct Case {
    TLookupMethod method;
    TDropDownStyle style;
    bool caseSensitive;
    std::string typed;
    std::string shown;
    int index;
  };
  const std::vector<Case> cases = {
      {lmLookup, dsDropDown, false, "a", "A[pple]", 0},
      {lmLookup, dsDropDown, false, "av", "av[ocado]", 2},
      {lmLookup, dsDropDown, false, "b", "B[anana]", 1},
      {lmLookup, dsDropDown, false, "bx", "Bx|", 1},
      {lmLookup, dsDropDown, true, "A", "A[pple]", 0},
      {lmNone, dsDropDown, false, "ba", "Ba[nana]", 1},
      {lmLookup, dsDropDown, false, "ÄR", "Är[ger]", 3},
      {lmLookup, dsDropDownList, false, "b", "[Banana]", 1},
      {lmLookup, dsDropDownList, false, "bx", "[Banana]", 1},
      {lmLookup, dsDropDownList, false, "ba", "[Banana]", 1},
  };
  Items({{"Apple"}, {"Banana"}, {"avocado"}, {"Ärger"}});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    dd->SetLookupMethod(c.method);
    dd->SetStyle(c.style);
    dd->SetCaseSensitive(c.caseSensitive);
    dd->SetItemIndex(-1);
    other->SetFocus();
    dd->SetFocus();
    Pump();
    EXPECT_EQ(dd->LookupEntry(), "");
    TypeText(c.typed);
    if (c.style == dsDropDownList) {
      // The whole text is the item's; nothing is typed into the edit.
      EXPECT_EQ(dd->Text(), Utf32ToUtf8(Utf8ToUtf32(c.shown).substr(1, Utf8ToUtf32(c.shown).size() - 2)));
    } else {
      EXPECT_EQ(Shown(), c.shown);
    }
    EXPECT_EQ(dd->ItemIndex(), c.index);
  }
}

TEST_F(GridDropFixture, ListStyleTriesTheLastCharacterAloneAndForgetsTheEntry) {
  Items({{"Apple"}, {"Banana"}, {"Xenon"}});
  dd->SetStyle(dsDropDownList);
  TypeText("b");
  EXPECT_EQ(dd->LookupEntry(), "b");
  TypeText("x");
  EXPECT_EQ(dd->LookupEntry(), "x") << "x alone finds Xenon";
  EXPECT_EQ(dd->Text(), "Xenon");
  TypeText("q");
  EXPECT_EQ(dd->LookupEntry(), "") << "neither xq nor q: the entry is emptied";
  EXPECT_EQ(dd->Text(), "Xenon");
  // End and Home pick the last and the first item.
  PressKey(VK_HOME);
  EXPECT_EQ(dd->ItemIndex(), 0);
  PressKey(VK_END);
  EXPECT_EQ(dd->ItemIndex(), 2);
}

TEST_F(GridDropFixture, LookupTextAndTheItemIndex) {
  Items({{"one", "1"}, {"two", "2"}, {"three"}}, 2);
  std::string full = "x";
  int row = 5;
  EXPECT_FALSE(dd->LookupText("", full, row));
  EXPECT_EQ(row, -1);
  EXPECT_EQ(full, "");
  EXPECT_TRUE(dd->LookupText("TH", full, row));
  EXPECT_EQ(full, "three");
  EXPECT_EQ(row, 2);
  dd->SetItemIndex(1);
  EXPECT_EQ(dd->Text(), "two");
  dd->SetItemIndex(3);
  EXPECT_EQ(dd->ItemIndex(), 1) << "the item count is no index";
  EXPECT_EQ(dd->Text(), "two");
  dd->SetItemIndex(-1);
  EXPECT_EQ(dd->ItemIndex(), -1);
  EXPECT_EQ(dd->Text(), "");
  // A lookup column beyond an item's texts reads as empty.
  dd->SetLookupColumn(1);
  dd->SetItemIndex(2);
  EXPECT_EQ(dd->Text(), "");
  dd->SetLookupColumn(-1);
  dd->SetItemIndex(0);
  EXPECT_EQ(dd->Text(), "");
  EXPECT_FALSE(dd->LookupText("o", full, row));
}

TEST_F(GridDropFixture, NarrowingDownKeepsTheRowsThatContainTheEntry) {
  Items({{"Cabin"}, {"table"}, {"ABle"}, {"robot"}, {"baby"}});
  dd->SetLookupMethod(lmNarrowDown);
  TypeText("a");
  EXPECT_EQ(ShownRows(), (std::vector<std::string>{"Cabin", "table", "ABle", "baby"}));
  TypeText("b");
  EXPECT_EQ(ShownRows(), (std::vector<std::string>{"Cabin", "table", "ABle", "baby"}));
  EXPECT_EQ(Shown(), "Ca[bin]") << "the first row's text, the part after the entry selected";
  TypeText("l");
  EXPECT_EQ(ShownRows(), (std::vector<std::string>{"table", "ABle"}));
  PressKey(VK_BACK);
  EXPECT_EQ(dd->LookupEntry(), "ab");
  // Entering the control again shows every row.
  other->SetFocus();
  dd->SetFocus();
  Pump();
  EXPECT_EQ(ShownRows().size(), 5u);
  EXPECT_EQ(dd->LookupEntry(), "");
}

TEST_F(GridDropFixture, ThePopupShowsWholeRowsAndSurvivesARowHeightOfZero) {
  Items({{"a"}, {"b"}, {"c"}, {"d"}, {"e"}, {"f"}, {"g"}, {"h"}, {"i"}, {"j"}});
  dd->DropDownHeader()->SetVisible(false);
  dd->DropDownFooter()->SetVisible(false);
  dd->ShowDropDown();
  Pump();
  ASSERT_TRUE(dd->DroppedDown());
  EXPECT_EQ(dd->DropDownForm()->Height(), 25 + 2 + 7 * 22 + 4);
  dd->HideDropDown(true);
  dd->SetDropDownRowHeight(0);
  dd->ResetUserDropDownSize();
  dd->ShowDropDown();
  Pump();
  EXPECT_TRUE(dd->DroppedDown());
  EXPECT_EQ(dd->DropDownForm()->Height(), 200);
  dd->HideDropDown(true);
}

TEST_F(GridDropFixture, ThePopupGridChoosesByReturnAndClickButNotByTheWheel) {
  Items({{"a", "x"}, {"b", "y"}, {"c", "z"}}, 2);
  int selects = 0;
  dd->OnSelect = [&](TObject*) { ++selects; };
  dd->SetItemIndex(0);
  PressKey(VK_F4);
  ASSERT_TRUE(dd->DroppedDown());
  auto* g = Grid();
  EXPECT_EQ(g->RowCount(), 4);
  EXPECT_EQ(g->Cells(1, 0), "H1");
  EXPECT_EQ(g->Cells(1, 2), "y");
  EXPECT_EQ(g->Row(), 1);
  EXPECT_TRUE(g->Focused());
  // A wheel step moves the row, not the choice; closing keeps the choice.
  Wheel(g, -120);
  EXPECT_GT(g->Row(), 1);
  EXPECT_EQ(dd->ItemIndex(), 0);
  EXPECT_EQ(dd->Text(), "a");
  dd->HideDropDown(false);
  EXPECT_EQ(dd->ItemIndex(), 0);
  EXPECT_EQ(dd->Text(), "a");
  // The arrows and Return in the grid choose and close, with one OnSelect.
  PressKey(VK_F4);
  PressKey(VK_DOWN);
  PressKey(VK_DOWN);
  EXPECT_EQ(dd->ItemIndex(), 2);
  PressKey(VK_RETURN);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(selects, 1);
  EXPECT_EQ(dd->ItemIndex(), 2);
  EXPECT_EQ(dd->Text(), "c");
  // Escape in the grid puts the earlier choice back.
  PressKey(VK_F4);
  PressKey(VK_UP);
  EXPECT_EQ(dd->ItemIndex(), 1);
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->ItemIndex(), 2);
  // A click on a data row chooses it; one on the header does not.
  PressKey(VK_F4);
  TRect h = g->CellRect(0, 0);
  Click(g, h.Left + 3, h.Top + 3);
  EXPECT_TRUE(dd->DroppedDown());
  EXPECT_EQ(selects, 1);
  TRect r = g->CellRect(0, 1);
  Click(g, r.Left + 3, r.Top + 3);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(selects, 2);
  EXPECT_EQ(dd->ItemIndex(), 0);
}

TEST_F(GridDropFixture, KeysInTheEditMoveTheChoiceAndAnOpenGridFollows) {
  Items({{"a"}, {"b"}, {"c"}});
  PressKey(VK_DOWN);
  EXPECT_EQ(dd->ItemIndex(), 0);
  PressKey(VK_DOWN);
  PressKey(VK_DOWN);
  PressKey(VK_DOWN);
  EXPECT_EQ(dd->ItemIndex(), 2);
  PressKey(VK_PRIOR);
  EXPECT_EQ(dd->ItemIndex(), 0);
  // Typed with the pop-up open and taken with Return in the edit.
  PressKey(VK_F4);
  ASSERT_TRUE(dd->DroppedDown());
  dd->SetFocus();
  Pump();
  TypeText("c");
  PressKey(VK_RETURN);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->ItemIndex(), 2);
  EXPECT_EQ(dd->Text(), "c");
}

TEST_F(GridDropFixture, ReturnIsTabMovesTheFocusOn) {
  Items({{"Milan"}, {"Munich"}});
  dd->SetReturnIsTab(true);
  dd->SetText("munich");
  PressKey(VK_RETURN);
  Pump();
  EXPECT_EQ(dd->ItemIndex(), 1);
  EXPECT_EQ(dd->Text(), "Munich");
  EXPECT_TRUE(other->Focused());
}

TEST_F(GridDropFixture, ThePopupGridsAnchorSizingAndMovingEventsReachTheDropDown) {
  Items({{"a"}, {"b"}, {"c"}});
  std::vector<std::string> got;
  auto note = [&](const std::string& What, int A, int B) {
    got.push_back(What + " " + std::to_string(A) + "," + std::to_string(B));
  };
  dd->OnGridAnchorEnter = [&](TObject*, int r, int c, const std::string& a) { note("enter " + a, r, c); };
  dd->OnGridAnchorExit = [&](TObject*, int r, int c, const std::string& a) { note("exit " + a, r, c); };
  dd->OnGridColumnSizing = [&](TObject*, int c, int s) { note("colsizing", c, s); };
  dd->OnGridRowSizing = [&](TObject*, int r, int s) { note("rowsizing", r, s); };
  // The moves are refused: the refusal must reach the grid.
  auto refuse = [&](const char* What) {
    return [&, What](TObject*, int i, bool& Allow) {
      note(What, i, 0);
      Allow = false;
    };
  };
  dd->OnGridRowMove = refuse("rowmove");
  dd->OnGridRowMoving = refuse("rowmoving");
  dd->OnGridColumnMove = refuse("colmove");
  dd->OnGridColumnMoving = refuse("colmoving");
  PressKey(VK_F4);
  ASSERT_TRUE(dd->DroppedDown());
  auto* g = Grid();
  g->OnAnchorEnter(g, 1, 0, "x.htm");
  g->OnAnchorExit(g, 1, 0, "x.htm");
  g->OnColumnSizing(g, 0, 40);
  g->OnRowSizing(g, 2, 18);
  for (auto* e : {&g->OnRowMove, &g->OnRowMoving, &g->OnColumnMove, &g->OnColumnMoving}) {
    bool allow = true;
    (*e)(g, 1, allow);
    EXPECT_FALSE(allow);
  }
  EXPECT_EQ(got,
            (std::vector<std::string>{"enter x.htm 1,0", "exit x.htm 1,0", "colsizing 0,40", "rowsizing 2,18",
                                      "rowmove 1,0", "rowmoving 1,0", "colmove 1,0", "colmoving 1,0"}));
}

TEST_F(GridDropFixture, ThePopupGridsCellBalloonReachesTheDropDownWhichMayChangeIt) {
  Items({{"a"}, {"b"}});
  std::string seen;
  dd->OnGridCellBalloon = [&](TObject* Sender, int ACol, int ARow, std::string& ATitle, std::string& AText,
                              TBalloonIcon& AIcon) {
    EXPECT_EQ(Sender, Grid());
    seen = std::to_string(ACol) + "," + std::to_string(ARow) + " " + ATitle + "|" + AText;
    ATitle = "Choice";
    AIcon = biWarning;
  };
  PressKey(VK_F4);
  ASSERT_TRUE(dd->DroppedDown());
  auto* g = Grid();
  ASSERT_TRUE(static_cast<bool>(g->OnCellBalloon));
  std::string title = " ", text = "b";
  TBalloonIcon icon = biInfo;
  g->OnCellBalloon(g, 0, 1, title, text, icon);
  EXPECT_EQ(seen, "0,1  |b");
  EXPECT_EQ(title, "Choice");
  EXPECT_EQ(icon, biWarning);
}

}  // namespace
